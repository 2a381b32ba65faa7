// The shared AGF reader: order data, expansion data and transmittance of a glass, and the
// records it skips.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "zelt/glassdata/AgfReader.h"

namespace {

using zelt::agf::AgfGlass;
using zelt::agf::parseAgfCatalog;

AgfGlass readOne(const std::string& records) {
  const auto catalog = parseAgfCatalog("NM G 2 0 1.5 60 0 1 3\n" + records, "C");
  EXPECT_EQ(catalog.glasses.size(), 1u);
  return catalog.glasses.at(0);
}

TEST(AgfReader, OrderDataGivesNoneWhereTheMakerGivesNothing) {
  using O = std::optional<double>;
  const O none;
  const struct {
    const char* od;
    O cost, climate, stain, acid, alkali, phosphate;
  } cases[] = {
      {"OD 1.2419 1.0000 0.0000 1.0000 2.3000 1.3000", 1.2419, 1.0, 0.0, 1.0, 2.3, 1.3},
      {"OD - 1.0000 0.0000 1.0000 2.3000 1.3000", none, 1.0, 0.0, 1.0, 2.3, 1.3},
      {"OD 7.1 1 -1 -1 _ -1", 7.1, 1.0, none, none, none, none},
      // The cost field left blank: the maker's fixed field order shows as two blanks.
      {"OD  1.0000 0.0000 2.0000 1.2000 2.2000", none, 1.0, 0.0, 2.0, 1.2, 2.2},
      {"OD -", none, none, none, none, none, none},
      // A line of zeros is an old tool's way of writing no data at all.
      {"OD 0 0 0 0 0 0", none, none, none, none, none, none},
      {"OD 0.0 1 0 1 2 2", none, 1.0, 0.0, 1.0, 2.0, 2.0},
      // A line that does not read is skipped; the glass stays.
      {"OD 1.5 x 1 1 1 1", none, none, none, none, none, none},
  };
  for (const auto& c : cases) {
    const AgfGlass g = readOne(std::string(c.od) + "\n");
    const auto& k = g.classes;
    EXPECT_EQ(std::tuple(g.cost, k.climate, k.stain, k.acid, k.alkali, k.phosphate),
              std::tuple(c.cost, c.climate, c.stain, c.acid, c.alkali, c.phosphate))
        << c.od;
  }
}

TEST(AgfReader, ExpansionDataMeltFrequencyAndBadTransmissionLines) {
  const auto catalog = parseAgfCatalog(
      "CC x\nNM G 2 0 1.5 60 0 1 3\nED 8.2 9.2 3.599 0.0002 0\nIT 0.5 0.9 25\nIT 0.4 0.5 25\n"
      "IT 0.6 1.7 10\nIT 0.7 0.9 0\nIT 0.8 0.9\nNM H 2 0 1.5 60 0 1 -1\nED 8 9 -1\n"
      "NM K 2 0 1.5 60 0 1\nED 7.8 - 5.2 0.108 0\n",
      "C");
  const AgfGlass& g = catalog.glasses.at(0);
  using O = std::optional<double>;
  EXPECT_EQ(std::tuple(g.expansion, g.density, g.deltaPgF), std::tuple(O(8.2), O(3.599), O(2e-4)));
  EXPECT_EQ(g.meltFrequency, 3);
  ASSERT_EQ(g.transmission.size(), 2u);
  EXPECT_EQ(g.transmission[0].lambda, 0.4);  // sorted by wavelength
  ASSERT_EQ(catalog.warnings.size(), 3u);
  EXPECT_EQ(describe(catalog.warnings[0]), "строка 6: точка IT стекла G не читается и пропущена");
  EXPECT_EQ(catalog.warnings[2].line, 8);
  const AgfGlass& h = catalog.glasses.at(1);  // a density must be positive
  EXPECT_TRUE(!h.meltFrequency && !h.density && !h.deltaPgF);
  // A field marked "-" keeps the later fields in their places.
  const AgfGlass& k = catalog.glasses.at(2);
  EXPECT_EQ(std::tuple(k.density, k.deltaPgF), std::tuple(O(5.2), O(0.108)));
}

TEST(AgfReader, InternalTransmittanceFollowsLambertsLawBetweenTablePoints) {
  const std::vector<zelt::agf::TransmissionPoint> table{
      {0.4, 0.5, 25.0}, {0.5, 0.9, 25.0}, {0.6, 0.81, 10.0}};
  const struct {
    double lambda, thickness;
    std::optional<double> expected;
  } cases[] = {
      {0.4, 25.0, 0.5},
      {0.4, 50.0, 0.25},
      {0.45, 25.0, 0.7},
      {0.45, 10.0, std::pow(0.7, 0.4)},
      {0.6, 5.0, 0.9},
      // Between points of different thickness, both are brought to the lens first.
      {0.55, 10.0, 0.5 * (std::pow(0.9, 0.4) + 0.81)},
      {0.39, 10.0, std::nullopt},
      {0.61, 10.0, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto t = zelt::agf::internalTransmittance(table, c.lambda, c.thickness);
    ASSERT_EQ(t.has_value(), c.expected.has_value()) << c.lambda;
    if (t) {
      EXPECT_NEAR(*t, *c.expected, 1e-12) << c.lambda << " " << c.thickness;
    }
  }
  EXPECT_FALSE(zelt::agf::internalTransmittance({}, 0.5, 10.0));
}

}  // namespace
