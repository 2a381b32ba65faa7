// Plot data of the glass diagrams against the core's glass values, and the geometry built on them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "gui/plot/GlassPlotData.h"
#include "gui/plot/RayFanData.h"
#include "synthesis/glass_partial_dispersion.h"

namespace {

using namespace plot;
using synthesis::GlassCatalog;

const GlassCatalog& schott() {
  static const GlassCatalog catalog = [] {
    GlassCatalog c;
    synthesis::readAgfFile(std::string(ZELT_TEST_DATA) + "/catalogs/SCHOTT.AGF", c);
    return c;
  }();
  return catalog;
}

GlassPlotData dataOf(std::vector<double> n, std::vector<double> nu, std::vector<double> v,
                     std::vector<int> statuses) {
  GlassPlotData d;
  d.indices = std::move(n);
  d.abbeNumbers = std::move(nu);
  d.thermoOptical = std::move(v);
  d.statuses = std::move(statuses);
  for (std::size_t g = 0; g < d.indices.size(); ++g) {
    d.names.push_back(std::string("G").append(std::to_string(g)));
    d.partialDispersions.push_back(0.55);
    d.catalogs.emplace_back();
    d.tooltips.push_back(d.names.back());
  }
  return d;
}

TEST(PlotData, EqualsTheCoreValuesAtTheLinesOfTheFill) {
  GlassPlotData data;
  for (const SpectralLines lines :
       {SpectralLines{}, SpectralLines{0.5875618, 0.4861327, 0.6562725}}) {
    fillPlotData(data, schott(), lines);
    ASSERT_GT(data.size(), 100u);
    const auto g = findGlass(data, "N-BK7");
    ASSERT_TRUE(g);
    const auto& bk7 = schott().at("N-BK7");
    EXPECT_EQ(data.indices[*g], bk7.index(lines.main));
    EXPECT_EQ(data.abbeNumbers[*g], bk7.abbeNumber(lines.main, lines.min, lines.max));
    EXPECT_EQ(data.thermoOptical[*g], bk7.thermoOpticalValue(lines.main));
    EXPECT_EQ(data.partialDispersions[*g], synthesis::relativePartialDispersion(bk7));
    EXPECT_EQ(data.catalogs[*g], "SCHOTT");
  }
  // Maker's datasheet: N-BK7 P_g,F = 0.5349 (relative to air at 20 °C).
  EXPECT_NEAR(synthesis::relativePartialDispersion(schott().at("N-BK7")), 0.5349, 5e-4);
  // Placed on the diagrams: the Abbe diagram is (ν, n), the Schwarz nomogram's y is 1/V.
  const GlassPlotData d = dataOf({1.5}, {50.0}, {2e-6}, {0});
  EXPECT_EQ(glassCoordinates(d, 0, Abbe).x, 50.0);
  EXPECT_EQ(glassCoordinates(d, 0, Abbe).y, 1.5);
  EXPECT_DOUBLE_EQ(glassCoordinates(d, 0, Schwarz).y, 5e5);
}

TEST(PlotData, GlassesWithoutValuesAreLeftOutAndTheFillGoesOn) {
  GlassCatalog catalog;
  for (const char* name : {"A", "B", "C", "D"}) {
    catalog[name] = schott().at("N-BK7");
    catalog[name].name = name;
  }
  catalog["B"].extra.clear();     // no thermal expansion: no V
  catalog["C"].lambdaMin = 0.55;  // does not reach λmin
  catalog["D"].lambdaMin = 0.47;  // reaches the lines but not the g line
  GlassPlotData data;
  ASSERT_NO_THROW(fillPlotData(data, catalog, SpectralLines{}));
  fillPlotData(data, catalog, SpectralLines{});  // a refill replaces, it does not append
  EXPECT_EQ(data.names, (std::vector<std::string>{"A", "D"}));
  EXPECT_TRUE(std::isnan(data.partialDispersions[1]));
  EXPECT_FALSE(isFinite(glassCoordinates(data, 1, PartialDispersion)));
}

TEST(PlotData, AutoRangeWidensByATenthAndSkipsWhatCannotBePlaced) {
  PlotRanges r{1, 2, 3, 4};
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(autoRange({}, r));
  EXPECT_FALSE(autoRange({{inf, 1.0}}, r));
  EXPECT_EQ(r.xMax, 2);  // untouched
  ASSERT_TRUE(autoRange({{0, 0}, {10, 2}, {5, inf}}, r));
  EXPECT_DOUBLE_EQ(r.xMin, -1.0);
  EXPECT_DOUBLE_EQ(r.yMax, 2.2);
  ASSERT_TRUE(autoRange({{4, 3}}, r));  // one point: the plot refuses an empty range
  EXPECT_LT(r.xMin, r.xMax);
  EXPECT_LT(r.yMin, r.yMax);
}

TEST(PlotData, StatusSeriesFollowTheFilter) {
  // V = 0 cannot be placed in the Schwarz nomogram (ν_t infinite).
  const GlassPlotData d = dataOf({1.5, 1.6, 1.9, 1.7, 1.55}, {60, 40, 30, 80, 50},
                                 {1e-6, 0.0, 1e-6, 1e-6, 1e-6}, {0, 1, 1, 2, 7});
  GlassFilter filter;  // n 1.4..1.8, ν 20..70
  StatusSeries s = statusSeries(d, Schwarz, filter);
  EXPECT_EQ(s.byStatus[0].points.size(), 1u);
  EXPECT_EQ(s.byStatus[1].points.size(), 0u);  // G1 not placeable, G2 filtered by n
  EXPECT_EQ(s.byStatus[2].points.size(), 0u);  // G3 filtered by ν
  EXPECT_EQ(s.accepted.size(), 2u);            // an unknown status widens the range only
  filter.indexOn = false;
  EXPECT_EQ(statusSeries(d, Abbe, filter).byStatus[1].names,
            (std::vector<std::string>{"G1", "G2"}));
  filter.indexOn = true;
  filter.nMin = 1.9;
  filter.nMax = 1.4;
  EXPECT_TRUE(statusSeries(d, Abbe, filter).accepted.empty());
}

TEST(PlotData, ConstructionLinesChosenGlassesAndNormalLine) {
  const PlotPoint a{20, 1}, b{60, 3};
  const auto line = constructionLines(Volosov, a, b, 10, 100, true, true);
  ASSERT_EQ(line.between.size(), 4u);
  EXPECT_DOUBLE_EQ(line.between[3].y, 5.0);  // y = x/20 at x = 100
  EXPECT_TRUE(line.fromOrigin.empty());
  EXPECT_TRUE(constructionLines(Abbe, a, b, 10, 100, true, true).between.empty());
  const auto tam = constructionLines(Tamagawa, a, b, 10, 100, true, true);
  ASSERT_EQ(tam.fromOrigin.size(), 2u);
  EXPECT_EQ(tam.fromOrigin[1][1].y, 3.0);

  GlassPlotData data;
  fillPlotData(data, schott(), SpectralLines{});
  EXPECT_EQ(chosenSeries(data, Abbe, "N-BK7", "NO-SUCH").names,
            (std::vector<std::string>{"N-BK7"}));
  const auto reference = normalLineGlasses(data);
  ASSERT_TRUE(reference);
  EXPECT_EQ(data.names[reference->first], "K7");
  EXPECT_EQ(data.names[reference->second], "F2");
  EXPECT_FALSE(normalLineGlasses(dataOf({1.5}, {50}, {1e-6}, {0})));
}

TEST(PlotData, CostColoursRunFromCheapToDearAndGreyWithoutCost) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double cost;
    std::optional<std::size_t> bin;
  } cases[] = {
      {nan, std::nullopt}, {-1.0, std::nullopt}, {0.5, 0}, {1.0, 0}, {1.5, 1}, {8.0, 3}, {30.0, 4}};
  for (const auto& c : cases) EXPECT_EQ(plot::costBin(c.cost), c.bin) << c.cost;
  EXPECT_EQ(plot::costColour(std::nullopt), 0xa0a0a0u);
  EXPECT_NE(plot::costColour(0), plot::costColour(plot::kCostBinCount - 1));

  plot::GlassPlotData data;
  data.tooltips = {"A", "B", "C"};
  data.costs = {0.8, nan, 12.0};
  const plot::GlassSeries series{
      {{1, 1}, {2, 2}, {3, 3}, {4, 4}}, {"a", "b", "c", "d"}, {"A", "B", "C", "D"}};
  const plot::CostSeries sorted = plot::costSeries(data, series);
  EXPECT_EQ(sorted.byBin.front().names, std::vector<std::string>{"a"});
  EXPECT_EQ(sorted.byBin.back().names, std::vector<std::string>{"c"});
  EXPECT_EQ(sorted.unknown.names, (std::vector<std::string>{"b", "d"}));
}

TEST(PlotData, RayFansFromTheTransverseTables) {
  synthesis::DoubletAberrations t;
  t.wavelengths = {0.546074, 0.4799914};
  t.fields = {0, 0.5, 1};
  t.fieldAngles = {0, 2.5, 5};
  t.pupil = {1, 0, -1};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  t.transverse = {{{0.02, 0, -0.02}, {}, {0.03, 0.01, nan}}, {{-0.04, 0, 0.04}, {}, {1, 2, 3}}};
  const RayFans fans = rayFans(t);
  ASSERT_EQ(fans.axis.size(), 2u);
  EXPECT_EQ(fans.axis[1].name, "λmin=480.0 нм");
  ASSERT_EQ(fans.axis[1].points.size(), 3u);  // from the lower rim up
  EXPECT_EQ(fans.axis[1].points[0].y, 0.04);
  ASSERT_EQ(fans.fullField.size(), 2u);            // the last field, not the middle one
  EXPECT_EQ(fans.fullField[0].points.size(), 2u);  // the NaN point is left out
  EXPECT_EQ(fans.fullField[1].points[2].y, 1.0);
  EXPECT_DOUBLE_EQ(fans.axisRanges.yMin, -0.044);  // each fan on its own symmetric scale
  EXPECT_DOUBLE_EQ(fans.fullFieldRanges.yMax, 3.3);
  EXPECT_GT(rayFans({}).axisRanges.yMax, 0.0);  // no tables: still a drawable range
}

}  // namespace
