// The designed doublet saved as OPJ, text report and OSM through the library.

#include <gtest/gtest.h>

#include <stdexcept>

#include "synthesis/doublet_files.h"
#include "tests/support/SynthesisSupport.h"
#include "tests/support/TestSupport.h"

TEST(DoubletFiles, OpjTxtAndOsm) {
  using zelt_test::tempPath;
  const synthesis::DoubletResult r = synthesis_test::designedAchromat();
  synthesis::saveDoubletOpj(r, tempPath("d.opj"));
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ASSERT_EQ(ZELT_System_Read_Opj_File(tempPath("d.opj").c_str()), 0);
  EXPECT_EQ(zelt_test::curvatureOf(1), 1 / r.r1);
  synthesis::saveDoubletTxt(r, tempPath("d.txt"));
  EXPECT_EQ(zelt_test::fileLines(tempPath("d.txt")).at(0), "Cemented Doublet");
  synthesis::saveDoubletOsm(r, tempPath("d.osm"));
  EXPECT_EQ(zelt_test::fileLines(tempPath("d.osm")).at(0).substr(0, 8), " 2 0 2 4");
  EXPECT_THROW(synthesis::saveDoubletOpj(r, tempPath("no/d.opj")), std::runtime_error);
}
