// The designed doublet saved as OPJ, text report and OSM through the library.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "synthesis/doublet_files.h"
#include "tests/support/SynthesisSupport.h"
#include "zelt/api/zelt_api.h"

namespace {

using synthesis::DoubletResult;

std::string firstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

TEST(DoubletFiles, OpjTxtAndOsm) {
  const DoubletResult r = synthesis_test::designedAchromat();
  const auto dir =
      std::filesystem::temp_directory_path() / ("doublet_files_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string opj = (dir / "d.opj").string();
  synthesis::saveDoubletOpj(r, opj);
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ASSERT_EQ(ZELT_System_Read_Opj_File(opj.c_str()), 0);
  double c = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Curvature(1, &c));
  EXPECT_EQ(c, 1 / r.r1);

  synthesis::saveDoubletTxt(r, (dir / "d.txt").string());
  EXPECT_EQ(firstLine((dir / "d.txt").string()), "Cemented Doublet");
  synthesis::saveDoubletOsm(r, (dir / "d.osm").string());
  EXPECT_EQ(firstLine((dir / "d.osm").string()).substr(0, 8), " 2 0 2 4");

  EXPECT_THROW(synthesis::saveDoubletOpj(r, (dir / "no" / "d.opj").string()), std::runtime_error);
  std::filesystem::remove_all(dir);
}
