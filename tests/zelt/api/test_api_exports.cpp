// The shared library exports exactly the ZELT_ functions, with the argument types callers link
// against.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <type_traits>

#include "zelt_api/zelt_api.h"

namespace {

// Returns the names of the library's defined dynamic symbols, demangled without their arguments.
std::set<std::string> exportedNames() {
  const std::string command =
      std::string("nm -D --defined-only --demangle '") + ZELT_API_LIBRARY + "' 2>&1";
  std::set<std::string> names;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string text(line);
    // "<address> <kind> <name>": the name starts after the second blank.
    const std::size_t first = text.find(' ');
    const std::size_t second = text.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    std::string name = text.substr(second + 1);
    name = name.substr(0, name.find_first_of("(\n"));
    names.insert(name);
  }
  pclose(pipe);
  return names;
}

std::set<std::string> expectedNames() {
  std::set<std::string> names;
  std::ifstream in(ZELT_EXPORT_LIST);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') names.insert(line);
  }
  return names;
}

// Returns the names of the ZELT_ functions the public header declares ("ZELT_API type NAME(").
std::set<std::string> declaredNames() {
  std::set<std::string> names;
  std::ifstream in(ZELT_PUBLIC_HEADER);
  for (std::string line; std::getline(in, line);) {
    const std::size_t paren = line.find('(');
    if (line.rfind("ZELT_API ", 0) != 0 || paren == std::string::npos) continue;
    // The identifier just before the parenthesis (std::regex trips g++ 12's -Wmaybe-uninitialized).
    std::size_t end = line.find_last_not_of(' ', paren - 1) + 1, begin = end;
    while (begin > 0 &&
           (std::isalnum(static_cast<unsigned char>(line[begin - 1])) || line[begin - 1] == '_'))
      --begin;
    if (line.compare(begin, 5, "ZELT_") == 0) names.insert(line.substr(begin, end - begin));
  }
  return names;
}

}  // namespace

// An export declared in the header but missing from the list would not leave the library; one
// listed but no longer declared would be a stale promise.
TEST(ApiExports, ListNamesExactlyTheFunctionsThePublicHeaderDeclares) {
  const std::set<std::string> declared = declaredNames();
  ASSERT_GE(declared.size(), 97u);
  EXPECT_EQ(declared, expectedNames());
}

TEST(ApiExports, LibraryExportsExactlyTheListedFunctions) {
  const std::set<std::string> expected = expectedNames();
  ASSERT_EQ(expected.size(), 106u);  // 98 base exports and 8 of the quality and refine families
  const std::set<std::string> exported = exportedNames();
  for (const auto& name : exported) EXPECT_TRUE(expected.contains(name)) << "unlisted: " << name;
  for (const auto& name : expected) EXPECT_TRUE(exported.contains(name)) << "missing: " << name;
}

// The argument types are part of each exported name: these are the ones callers are built with.
static_assert(std::is_same_v<decltype(&ZELT_Get_Error), void (*)(int, char*)>);
static_assert(std::is_same_v<decltype(&ZELT_System_Get_Name), int (*)(std::string&)>);
static_assert(std::is_same_v<decltype(&ZELT_System_Set_Name), int (*)(const std::string&)>);
static_assert(std::is_same_v<decltype(&ZELT_System_Read_Catalog), int (*)(const char*)>);
static_assert(std::is_same_v<decltype(&ZELT_Surface_Get_Height), int (*)(int, double&)>);
static_assert(std::is_same_v<decltype(&ZELT_Surface_Is_Mirror), int (*)(int, bool*)>);
static_assert(std::is_same_v<decltype(&ZELT_Surface_Create_Ellipse),
                             int (*)(int, double, double, double, double, double)>);
static_assert(std::is_same_v<decltype(&ZELT_Surface_Set_Glass),
                             int (*)(int, const std::string&, const std::string&)>);
static_assert(std::is_same_v<decltype(&ZELT_Surface_Set_And_Create_Glass),
                             int (*)(int, const std::string&, std::vector<double>)>);
static_assert(
    std::is_same_v<decltype(&ZELT_Surface_Get_Ingex_Of_Refraction), int (*)(int, int, double*)>);
static_assert(std::is_same_v<decltype(&ZELT_Object_Get_Curvature), int (*)(double&)>);
static_assert(std::is_same_v<decltype(&ZELT_Image_Get_Distance_Type), int (*)(bool)>);
static_assert(std::is_same_v<decltype(&ZELT_Stop_Set), int (*)(double, char)>);
static_assert(std::is_same_v<decltype(&ZELT_Stop_Get_Type), int (*)(char*)>);
static_assert(std::is_same_v<decltype(&ZELT_Zone_Get_Count), int (*)(int&)>);
static_assert(
    std::is_same_v<decltype(&ZELT_Zone_Set_Shift), int (*)(int, double&, double&, double&)>);
static_assert(std::is_same_v<decltype(&ZELT_Zone_Set_Vign), int (*)(int, double, double)>);
