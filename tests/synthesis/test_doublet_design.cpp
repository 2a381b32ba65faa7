#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "synthesis/doublet_synthesis.h"
#include "tests/support/SynthesisSupport.h"

namespace {

using synthesis::DoubletResult;
using synthesis::DoubletSynthesis;

// P, W, C of a designed doublet are sums of a few dozen products of order-one terms.
constexpr double kParameterTolerance = 1e-9;

DoubletSynthesis searched(const std::string& file, double C, double P, double W, double lambdaMin,
                          double lambdaMax) {
  DoubletSynthesis core = synthesis_test::coreWith({file});
  core.lambda0 = 0.5875618;
  core.lambdaMin = lambdaMin;
  core.lambdaMax = lambdaMax;
  core.synthesize(C, P, W, 4, {true, true, false, false, false}, {0, 0, 0, 0}, false, false, "",
                  "");
  return core;
}

// Designing each doublet at the W0 of its lens order returns that order's P0; W comes back as
// asked; with the F and C lines as the band, C comes back too.
TEST(DoubletDesign, DesignedParametersEqualTheRequestedOnes) {
  for (const std::string file : {"SCHOTT_20180601.agf", "CDGM_201904.AGF", "OHARA_20200623.AGF"}) {
    for (double C : {0.0, 0.0015}) {
      DoubletSynthesis core = searched(file, C, 0.3, 0.0, synthesis::kLineF, synthesis::kLineC);
      ASSERT_EQ(core.results.size(), 16u) << file;
      for (DoubletResult& r : core.results) {
        const double w0 = r.orderB ? r.pair.w0B : r.pair.w0A;
        const double p0 = r.orderB ? r.pair.p0B : r.pair.p0A;
        r.thickness1 = 5;
        r.thickness2 = 3;
        r.computeRadii(C, 100.0, core.lambda0, w0);
        r.computeParameters();
        EXPECT_NEAR(r.p, p0, kParameterTolerance) << file << " " << r.glass1.name;
        EXPECT_NEAR(r.w, w0, kParameterTolerance) << file;
        EXPECT_NEAR(r.c, C, kParameterTolerance) << file;
        EXPECT_NEAR(r.phiFirst + r.phiSecond, 1.0, 1e-12);
        r.computeRadii(C, 100.0, core.lambda0, 0.37);
        r.computeParameters();
        EXPECT_NEAR(r.w, 0.37, kParameterTolerance);
      }
    }
  }
}

TEST(DoubletDesign, TurningAPairRoundSwapsTheLensPowers) {
  DoubletSynthesis core =
      searched("SCHOTT_20180601.agf", 0.0, 0.0, 0.0, synthesis::kLineF, synthesis::kLineC);
  core.prepareDesigns({0.0, 0.0, 10.0, 0.0, {}});
  core.computeDesigns(100.0, core.lambda0, 0.0);
  ASSERT_FALSE(core.results.empty());
  const DoubletResult& a = core.results[0];
  DoubletResult b = a;
  b.orderB = true;
  std::swap(b.glass1, b.glass2);
  b.computeRadii(0.0, 100.0, core.lambda0, 0.0);
  EXPECT_DOUBLE_EQ(b.phiFirst, a.phiSecond);
  EXPECT_DOUBLE_EQ(b.phiSecond, a.phiFirst);
}

TEST(DoubletDesign, DefaultThicknessFollowsThePupil) {
  EXPECT_DOUBLE_EQ(synthesis::defaultThickness(50), 6.0);
  EXPECT_DOUBLE_EQ(synthesis::defaultThickness(120), 14.4);
  EXPECT_DOUBLE_EQ(synthesis::defaultThickness(260), 26.0);
  EXPECT_DOUBLE_EQ(synthesis::defaultThickness(500), 40.0);
  EXPECT_EQ(synthesis::defaultThickness(600), 0.0);
}

}  // namespace
