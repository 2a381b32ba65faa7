#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "synthesis/glass_catalog.h"
#include "tests/support/TestSupport.h"

namespace {

using synthesis::GlassRecord;

// N-BK7 as the maker's catalog gives it (Sellmeier, TD, ED, LD).
GlassRecord nbk7() {
  GlassRecord g;
  g.name = "N-BK7";
  g.formula = 2;
  g.dispersion = {1.03961212, 0.00600069867, 0.231792344, 0.0200179144, 1.01046945, 103.560653};
  g.thermal = {1.86e-06, 1.31e-08, -1.37e-11, 4.34e-07, 6.27e-10, 0.17, 20};
  g.extra = {7.1, 8.3, 2.51, -0.0009, 0};
  g.lambdaMin = 0.3;
  g.lambdaMax = 2.5;
  return g;
}

TEST(GlassIndex, RangeEndsAreAdmittedAndOutsideIsRefused) {
  const GlassRecord g = nbk7();
  EXPECT_NO_THROW(g.index(0.3));
  EXPECT_NO_THROW(g.index(2.5));
  EXPECT_EQ(zelt_test::thrownMessage([&] { g.index(0.2999); }),
            "Длина волны 0.2999 выходит за границы разрешенного диапазона для стекла N-BK7");
  GlassRecord noRange = nbk7();
  noRange.lambdaMin = noRange.lambdaMax = 0.0;
  EXPECT_EQ(zelt_test::thrownMessage([&] { noRange.index(0.5875618); }),
            "Длина волны 0.587562 выходит за границы разрешенного диапазона для стекла N-BK7");
}

TEST(GlassIndex, UnknownFormulaAndShortListsAreRefused) {
  GlassRecord g = nbk7();
  g.formula = 14;
  EXPECT_EQ(zelt_test::thrownMessage([&] { g.index(0.5); }),
            "Невозможно рассчитать показатель преломления");
  g = nbk7();
  g.dispersion.pop_back();
  EXPECT_NE(zelt_test::thrownMessage([&] { g.index(0.5); }).find("N-BK7"), std::string::npos);
  g = nbk7();
  g.thermal.resize(6);
  EXPECT_NE(zelt_test::thrownMessage([&] { g.index(0.5); }).find("N-BK7"), std::string::npos);
  g = nbk7();
  g.extra.clear();
  EXPECT_NE(zelt_test::thrownMessage([&] { g.thermoOpticalValue(0.5); }).find("N-BK7"),
            std::string::npos);
}

TEST(GlassIndex, AirAndTemperature) {
  GlassRecord g = nbk7();
  g.environment.airIndex = false;
  // At the reference temperature the thermal change vanishes: the catalog's nd.
  EXPECT_NEAR(g.refractiveIndex(0.5875618, 20.0), 1.5168, 2e-6);
  // dn/dT of N-BK7 near 20 °C is about 1.6e-6 per degree at d (maker's data sheet: 1.6e-6..2.4e-6).
  const double dndt = g.refractiveIndex(0.5875618, 21.0) - g.refractiveIndex(0.5875618, 20.0);
  EXPECT_GT(dndt, 1.0e-6);
  EXPECT_LT(dndt, 3.0e-6);

  GlassRecord noThermal = g;
  noThermal.thermal.clear();
  EXPECT_EQ(noThermal.refractiveIndex(0.5, -40.0), noThermal.refractiveIndex(0.5, 80.0));

  // With the air flag set, T = 15 °C and P = 1 the air index is the reference index of air.
  GlassRecord air = noThermal;
  air.environment.airIndex = true;
  const double l2 = 0.5 * 0.5;
  const double nRef =
      1.0 +
      (6432.8 + 2949810.0 * l2 / (146.0 * l2 - 1.0) + 25540.0 * l2 / (41.0 * l2 - 1.0)) * 1e-8;
  EXPECT_NEAR(air.refractiveIndex(0.5, 15.0), noThermal.refractiveIndex(0.5, 15.0) / nRef, 1e-15);
  air.environment.pressure = 0.0;
  EXPECT_EQ(air.refractiveIndex(0.5, 15.0), noThermal.refractiveIndex(0.5, 15.0));
}

TEST(GlassIndex, DerivedQuantities) {
  GlassRecord g = nbk7();
  g.environment.airIndex = false;
  // vd = 64.17 and nF − nC = 0.008054 in the maker's data sheet.
  EXPECT_NEAR(g.abbeNumber(0.5875618, 0.4861327, 0.6562725), 64.17, 0.01);
  EXPECT_NEAR(g.principalDispersion(), 0.008054, 2e-6);
  // At 20 °C the thermo-optical value is (n(20) − n(19))/(n(20) − 1) − α·1e-6.
  const double lambda = 0.546074;
  const double expected = (g.refractiveIndex(lambda, 20) - g.refractiveIndex(lambda, 19)) /
                              (g.refractiveIndex(lambda, 20) - 1.0) -
                          7.1e-6;
  EXPECT_DOUBLE_EQ(g.thermoOpticalValue(lambda), expected);
}

}  // namespace
