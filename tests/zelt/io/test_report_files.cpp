// The text report and OSM files, byte for byte; OSM reading always refuses.

#include <gtest/gtest.h>

#include "tests/zelt/io/OpjTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace zelt_test;

namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A plano-convex lens of K8 with an elliptic front, the stop on it, and air behind it that no
// medium was given for.
void buildProbe() {
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ZELT_Throw_On_Error(ZELT_System_Set_Name("Probe"));
  for (int k = 0; k < 2; ++k) ZELT_Throw_On_Error(ZELT_System_Append_Surface());
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(1, 0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(1, 0.5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Height(1, 10));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Height(2, 10));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, "K8", {1.5163}));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(10, 'd'));
}

std::vector<std::string> osmLines() {
  const std::string path = tempPath("system.osm");
  const int status = ZELT_System_Write_Osm_File(path.c_str());
  EXPECT_EQ(status, 0) << errorText(status);
  return fileLines(path);
}

std::string header(const std::string& start) {
  std::string zeros;
  for (int k = 0; k < 27; ++k) zeros += " 0";
  return start + zeros + "5247 9" + zeros.substr(0, 18);
}

}  // namespace

TEST(TextReport, LensTableByteForByte) {
  buildProbe();
  const std::string path = tempPath("probe.txt");
  ASSERT_EQ(ZELT_System_Write_Txt_File(path.c_str()), 0);
  const std::string expected =
      "Probe\n\n"
      "Object:\ntype=0\ts=0\ty=0"
      "\n\nImage:\ntype=0\ts_type=1\ts=0\ty_=0"
      "\n\nAperture:\n\ttype:d\tD=10"
      "\n\nWavelengths(um):\nl0=0.55  (*1)\n"
      "\n\nNon-axis beam parametres:\n"
      "\n\n\n\nLens data:\n"
      " #  |    r    |     h   |   n0   |\n"
      "   0                        0           AIR  1         \n"
      "   1  50         e^2=0.5   h=10      5            K8  1.5163       AD\n"
      "   2  0           h=10      0           AIR  1         \n";
  EXPECT_EQ(fileText(path), expected);
  // An unwritable path is a failure, not an empty success.
  const int bad = ZELT_System_Write_Txt_File(tempPath("no/such/folder.txt").c_str());
  EXPECT_NE(bad, 0);
}

TEST(TextReport, MirrorShowsNegativeIndices) {
  opj_test::Layout layout;
  layout.codes = {0, 1, -2, 0};
  const std::string opj = tempPath("mirror.opj");
  writeBytes(opj, layout.bytes());
  ASSERT_EQ(ZELT_System_Read_Opj_File(opj.c_str()), 0);
  const std::string path = tempPath("mirror.txt");
  ASSERT_EQ(ZELT_System_Write_Txt_File(path.c_str()), 0);
  const auto lines = fileLines(path);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_NE(lines[lines.size() - 2].find("    SF5  -1.6727    -1.6848    -1.6657"),
            std::string::npos)
      << lines[lines.size() - 2];
  EXPECT_EQ(lines[lines.size() - 5], " #  |    r    |     h   |   n0   |   n1   |   n2   |");
}

TEST(OsmFile, CementedDoubletLineByLine) {
  buildDoublet(kAchromat);
  const auto lines = osmLines();
  std::vector<std::string> expected{header(" 2 0 2 4 0 0 0 3 0 4 0 1 1 0 2 0 0 0 0 7"),
                                    "62.75",
                                    "-45.71",
                                    "-128.23",  // radii
                                    "4.0",
                                    "2.5",  // thicknesses
                                    "1",
                                    "N-BK7",
                                    "SF5",
                                    "1",  // media
                                    "22.86",
                                    "22.86",
                                    "22.86",  // diameters
                                    "0",
                                    "1",  // object at infinity
                                    "0",
                                    "1",         // entrance pupil on the first surface
                                    "SIN0 0 0",  // no object field
                                    "11.43",     // aperture
                                    "0",
                                    "0",  // stop on surface 1, not in air
                                    "0.000587562",
                                    "0.000486133",
                                    "0.000656273",
                                    "0.000",
                                    "0.000",
                                    "0.000",
                                    "0.000"};
  expected.insert(expected.end(), 47, "");
  expected.insert(expected.end(), {"\x80\xa2\xae\xa7", "   P", "   W", "  C1", "  C2"});
  expected.insert(expected.end(), 45, "           ");
  expected.insert(expected.end(), {"___________", "\x84\x8b\x9f \x92\x90\x85\x81 7", "0", "14", "4",
                                   "13", "3", "12", "2", "11", "1", "", "   0   0"});
  EXPECT_EQ(lines, expected);
}

// One surface: no thickness lines. A stop plane and a second plane in air in front of a lens:
// the first thickness starts the list and the air gap behind it joins it.
TEST(OsmFile, SingleSurfaceAndAirSpaces) {
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ZELT_Throw_On_Error(ZELT_System_Append_Surface());
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(1, 0.01));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, "ВОДА", {1.333}));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(0.1, 'p'));
  auto lines = osmLines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], header(" 0 0 0 2 0 0 0 0 0 4 0 1 1 0 2 0 0 0 0 7"));
  EXPECT_EQ(lines[1], "100.0");
  EXPECT_EQ(lines[2], "1");
  EXPECT_EQ(lines[3], "\x82\x8e\x84\x80");  // ВОДА in code page 866
  EXPECT_EQ(lines[4], "0");                 // the object lines follow at once

  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  for (int k = 0; k < 4; ++k) ZELT_Throw_On_Error(ZELT_System_Append_Surface());
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 3));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(2, 7));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(3, 4));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(3, 0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(4, -0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(3, "K8", {1.5163}));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(0.1, 'p'));
  lines = osmLines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], header(" 3 0 0 2 0 0 0 0 0 4 0 1 1 0 2 0 0 0 0 7"));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
            (std::vector<std::string>{"50.0", "-50.0", "10.0", "4.0"}));
}

TEST(OsmFile, ReadingAlwaysRefuses) {
  const int first = ZELT_System_Read_Osm_File("any.osm");
  const int second = ZELT_System_Read_Osm_File(nullptr);
  EXPECT_NE(first, 0);
  EXPECT_EQ(second, first + 1);
  EXPECT_EQ(errorText(second), "Чтение OSM пока не работает");
}
