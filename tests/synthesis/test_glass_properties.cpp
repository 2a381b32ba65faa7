// Limits on the maker's data of a glass, and the volume of a lens.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "synthesis/glass_properties.h"

namespace {

using synthesis::GlassDataFilter;
using synthesis::GlassDataLimit;

TEST(GlassProperties, LensVolumeOfShapesWithKnownVolumes) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double pi = std::numbers::pi;
  const struct {
    double front, back, t, h, expected;
  } cases[] = {
      {inf, inf, 3.0, 2.0, pi * 4.0 * 3.0},            // a plate
      {5.0, -5.0, 10.0, 5.0, 4.0 / 3.0 * pi * 125.0},  // a ball
      {5.0, inf, 5.0, 5.0, 2.0 / 3.0 * pi * 125.0},    // a hemisphere
      {5.0, 5.0, 2.0, 5.0, pi * 25.0 * 2.0},           // a meniscus: a shell of equal thickness
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(synthesis::lensVolume(c.front, c.back, c.t, c.h), c.expected, 1e-9 * c.expected)
        << c.front << " " << c.back;
  }
  EXPECT_TRUE(std::isnan(synthesis::lensVolume(4.0, inf, 5.0, 5.0)));  // no edge at h
}

TEST(GlassProperties, AGlassWithoutTheDatumPassesUnlessDataAreRequired) {
  synthesis::GlassRecord g;
  g.cost = 2.0;
  g.classes.climate = 1.0;
  g.transmission = {{0.4, 0.5, 10.0}, {0.5, 0.9, 10.0}};
  GlassDataFilter costly, acid, clear, unclear;
  costly.maxCost = 1.5;
  acid.maxClass[2] = 1.0;
  clear.minTransmittance = 0.6;
  unclear.minTransmittance = 0.8;
  EXPECT_EQ(synthesis::failedLimit(g, costly, 0.45), GlassDataLimit::Cost);
  EXPECT_FALSE(synthesis::failedLimit(g, acid, 0.45));  // no SR class given
  acid.requireData = true;
  EXPECT_EQ(synthesis::failedLimit(g, acid, 0.45), GlassDataLimit::Acid);
  EXPECT_FALSE(synthesis::failedLimit(g, clear, 0.45));  // T = 0.7 between the points
  EXPECT_EQ(synthesis::failedLimit(g, unclear, 0.45), GlassDataLimit::Transmittance);
  EXPECT_FALSE(synthesis::failedLimit(g, unclear, 0.3));  // outside the table: no datum
  EXPECT_STREQ(synthesis::limitName(GlassDataLimit::Acid), "фильтр класса SR");
}

}  // namespace
