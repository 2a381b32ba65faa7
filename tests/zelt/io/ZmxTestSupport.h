#pragma once
// Shared helpers of the lens-file tests: a doublet built as the synthesis program builds it,
// temporary files and the library's messages.

#include <array>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "zelt/api/zelt_api.h"

namespace zmx_test {

/// A cemented doublet as the synthesis program hands it to the library.
struct Doublet {
  std::string glass1, glass2;
  double r1, r2, r3;             // radii, mm (0 for a plane)
  double t1, t2;                 // lens thicknesses, mm
  double pupil;                  // entrance pupil diameter, mm
  double field;                  // field angle, degrees
  std::array<double, 3> n1, n2;  // indices at the main, shortest and longest wavelength
  std::array<double, 3> waves{0.5875618, 0.4861327, 0.6562725};
};

/// AC254-100-A as its maker publishes it: N-BK7 and SF5, stop at the first surface.
inline const Doublet kAchromat{"N-BK7",
                               "SF5",
                               62.75,
                               -45.71,
                               -128.23,
                               4,
                               2.5,
                               22.86,
                               1.0,
                               {1.5168, 1.5143, 1.5224},
                               {1.6727, 1.6657, 1.6848}};

inline double curvature(double r) {
  return r == 0.0 ? 0.0 : 1.0 / r;
}

/// Makes `d` the library's current system with the synthesis program's sequence of calls.
inline void buildDoublet(const Doublet& d) {
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  for (int i = 0; i < 3; ++i) ZELT_Throw_On_Error(ZELT_System_Append_Surface());
  ZELT_Throw_On_Error(ZELT_System_Set_Name("Cemented Doublet"));
  ZELT_Throw_On_Error(ZELT_Object_Set_Type(false));
  ZELT_Throw_On_Error(ZELT_Image_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Image_Set_Size(d.field * std::numbers::pi / 180.0));
  ZELT_Throw_On_Error(ZELT_Image_Set_Distance_Type(true));
  ZELT_Throw_On_Error(ZELT_Source_Set_Wavelength(0, d.waves[0]));
  ZELT_Throw_On_Error(ZELT_Source_Append_Wave(d.waves[1], 1));
  ZELT_Throw_On_Error(ZELT_Source_Append_Wave(d.waves[2], 1));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(d.pupil * 0.5, 'p'));
  const double radii[] = {d.r1, d.r2, d.r3};
  for (int k = 1; k <= 3; ++k) {
    ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(k, curvature(radii[k - 1])));
    ZELT_Throw_On_Error(ZELT_Surface_Set_Height(k, d.pupil * 0.5));
  }
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, d.t1));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(2, d.t2));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(0, "AIR", {1, 1, 1}));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(3, "AIR", {1, 1, 1}));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, d.glass1, {d.n1[0], d.n1[1], d.n1[2]}));
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(2, d.glass2, {d.n2[0], d.n2[1], d.n2[2]}));
}

/// Returns the text of message `code`.
inline std::string errorText(int code) {
  char buffer[256] = "";
  ZELT_Get_Error(code, buffer);
  return buffer;
}

/// Returns this process's scratch folder; one per process, as builds of the same tests may run
/// side by side.
inline std::filesystem::path scratchFolder() {
  return std::filesystem::temp_directory_path() / ("zelt_zmx_tests_" + std::to_string(::getpid()));
}

/// Removes the scratch folder when the test program ends.
struct ScratchCleanup {
  ~ScratchCleanup() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
  }
};
inline ScratchCleanup scratchCleanup;

/// Returns a path in the scratch folder.
inline std::string tempPath(const std::string& name) {
  std::filesystem::create_directories(scratchFolder());
  return (scratchFolder() / name).string();
}

/// Returns the lines of the file at `path`.
inline std::vector<std::string> fileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

/// Writes `text` to `path` byte for byte.
inline void writeBytes(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline const std::string kData = ZELT_TEST_DATA;

/// Reads the catalog at tests/data/catalogs/<file> into the library once per process.
inline void readCatalogOnce(const std::string& file) {
  static std::vector<std::string> read;
  for (const auto& f : read)
    if (f == file) return;
  ZELT_Throw_On_Error(ZELT_System_Read_Catalog((kData + "/catalogs/" + file).c_str()));
  read.push_back(file);
}

}  // namespace zmx_test
