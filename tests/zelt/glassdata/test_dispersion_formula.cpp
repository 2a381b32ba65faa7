#include "zelt/glassdata/DispersionFormula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using zelt::dispersion::coefficientCount;
using zelt::dispersion::formulaIndex;

// Indices agree with the catalog makers' published values to the 1e-6 of their tables.
constexpr double kCatalogTolerance = 2e-6;

TEST(DispersionFormula, KnowsThirteenFormulasAndTheirCoefficientCounts) {
  const std::vector<std::size_t> expected{6, 6, 6, 5, 3, 8, 4, 4, 5, 8, 10, 8, 9};
  for (int f = 1; f <= 13; ++f) EXPECT_EQ(coefficientCount(f), expected[f - 1]) << "formula " << f;
  EXPECT_EQ(coefficientCount(0), 0u);
  EXPECT_EQ(coefficientCount(14), 0u);
  EXPECT_FALSE(zelt::dispersion::isKnownFormula(-1));
}

TEST(DispersionFormula, SellmeierGivesTheMakersIndexOfNBk7) {
  // N-BK7 Sellmeier coefficients and nd = 1.5168 at 0.5875618 um, from the maker's catalog.
  const std::vector<double> c{1.03961212,   0.00600069867, 0.231792344,
                              0.0200179144, 1.01046945,    103.560653};
  EXPECT_NEAR(formulaIndex(2, c, 0.5875618), 1.5168, kCatalogTolerance);
}

TEST(DispersionFormula, HerzbergerAndConradyGiveTheIndexItself) {
  // With only c0 set, both formulas return c0 with no square root taken.
  EXPECT_DOUBLE_EQ(formulaIndex(3, std::vector<double>{1.7, 0, 0, 0, 0, 0}, 0.55), 1.7);
  EXPECT_DOUBLE_EQ(formulaIndex(5, std::vector<double>{1.6, 0, 0}, 0.55), 1.6);
  // Conrady's last term uses lambda^3.5.
  EXPECT_NEAR(formulaIndex(5, std::vector<double>{1.0, 0.0, 1.0}, 2.0), 1.0 + std::pow(2.0, -3.5),
              1e-15);
}

TEST(DispersionFormula, SquaredFormulasTakeThePositiveRoot) {
  // Schott series with n^2 = c0 only.
  EXPECT_DOUBLE_EQ(formulaIndex(1, std::vector<double>{2.25, 0, 0, 0, 0, 0}, 0.5), 1.5);
  EXPECT_DOUBLE_EQ(formulaIndex(13, std::vector<double>{2.25, 0, 0, 0, 0, 0, 0, 0, 0}, 0.5), 1.5);
  EXPECT_DOUBLE_EQ(formulaIndex(12, std::vector<double>{0, 0, 0, 0, 0, 0, 2.25, 0}, 1.0), 1.5);
  EXPECT_TRUE(std::isnan(formulaIndex(1, std::vector<double>{-1, 0, 0, 0, 0, 0}, 0.5)));
}

}  // namespace
