#include <gtest/gtest.h>

#include <string>

#include "synthesis/doublet_aberrations.h"

namespace {

// N-BK7 / N-SF5 designed for f' = 100 mm, D = 20 mm, 5 degrees of field.
synthesis::DoubletResult achromat() {
  synthesis::DoubletSynthesis core;
  core.catalogPath = std::string(ZELT_TEST_DATA) + "/../../data/sample_glasses.agf";
  core.readAgfCatalog();
  core.synthesize(0, 0, 0, 1, {true, true, false, false, false}, {0, 0, 0, 0}, false, false,
                  "N-BK7", "N-SF5");
  synthesis::DoubletResult r = core.results.at(0);
  r.thickness1 = 5;
  r.thickness2 = 3;
  r.pupilDiameter = 20;
  r.lambda0 = core.lambda0;
  r.lambdaMin = core.lambdaMin;
  r.lambdaMax = core.lambdaMax;
  r.fieldAngle = 5;
  r.computeRadii(0, 100, core.lambda0, 0);
  r.computeParameters();
  return r;
}

TEST(DoubletAberrations, TablesAgreeWithTheDoubletsOwnZoneTrace) {
  synthesis::DoubletResult r = achromat();
  r.traceAberrations();
  const synthesis::DoubletAberrations a = synthesis::computeDoubletAberrations(r);
  ASSERT_EQ(a.wavelengths.size(), 3u);
  EXPECT_EQ(a.wavelengths[2], r.lambdaMax);
  ASSERT_EQ(a.fields.size(), 5u);
  EXPECT_DOUBLE_EQ(a.fieldAngles[4], 5.0);
  ASSERT_EQ(a.wave.at(2).size(), 5u);
  EXPECT_EQ(a.wave[2][4].size(), 9u);
  // Pupil column 0 is the rim, zone 4 of the doublet's own list; columns 3 and 1 are zones 1, 3.
  for (auto [column, zone] : {std::pair{0, 4}, {1, 3}, {3, 1}}) {
    EXPECT_NEAR(a.transverse[0][0][column], r.transverse[zone], 1e-9) << column;
    EXPECT_NEAR(a.longitudinal[0][column], -r.longitudinal[zone], 1e-9) << column;
  }
}

}  // namespace
