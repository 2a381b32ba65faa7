#include <gtest/gtest.h>

#include "synthesis/doublet_aberrations.h"
#include "tests/support/SynthesisSupport.h"

TEST(DoubletAberrations, TablesAgreeWithTheDoubletsOwnZoneTrace) {
  synthesis::DoubletResult r = synthesis_test::designedAchromat();
  r.traceAberrations();
  const synthesis::DoubletAberrations a = synthesis::computeDoubletAberrations(r);
  ASSERT_EQ(a.wavelengths.size(), 3u);
  EXPECT_EQ(a.wavelengths[2], r.lambdaMax);
  ASSERT_EQ(a.wave.at(2).size(), 5u);
  EXPECT_EQ(a.wave[2][4].size(), 9u);
  // Pupil column 0 is the rim, zone 4 of the doublet's own list; columns 3 and 1 are zones 1, 3.
  for (auto [column, zone] : {std::pair{0, 4}, {1, 3}, {3, 1}}) {
    EXPECT_NEAR(a.transverse[0][0][column], r.transverse[zone], 1e-9) << column;
    EXPECT_NEAR(a.longitudinal[0][column], -r.longitudinal[zone], 1e-9) << column;
  }
}
