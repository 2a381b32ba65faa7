// Reading the real AGF catalogs as their makers ship them (8-bit, UTF-16LE/BE, CRLF).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "zelt/glassdata/AgfScanner.h"
#include "zelt/glassdata/TextDecoding.h"
#include "zelt/model/OGlassStore.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCatalogs = fs::path(ZELT_TEST_DATA) / "catalogs";

// Glasses whose NM record's nd disagrees with their own dispersion data (maker's data faults).
const std::set<std::string> kInconsistentNd = {"SUMITA_20200803/SF18", "NHG/ZNSE"};

struct NmRecord {
  std::string name;
  double nd = 0;
};

// Collects name and nd of the first NM line of each name, independently of the reader.
std::vector<NmRecord> nmRecords(const fs::path& path) {
  const std::string text = zelt::text::decodeText(*zelt::text::readFileBytes(path.string()));
  std::vector<NmRecord> records;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const auto tokens = zelt::agf::splitTokens(std::string_view(text).substr(pos, end - pos));
    const auto seen = [&](std::string_view name) {
      return std::any_of(records.begin(), records.end(), [&](auto& r) { return r.name == name; });
    };
    if (tokens.size() >= 5 && tokens[0] == "NM" && !seen(tokens[1])) {
      records.push_back({std::string(tokens[1]), zelt::agf::parseNumber(tokens[4]).value_or(0)});
    }
    pos = end + 1;
  }
  return records;
}

}  // namespace

TEST(AgfCatalogs, EveryRealCatalogReadsAllItsGlassesWithTheirIndices) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kCatalogs)) {
    ++files;
    const fs::path& path = entry.path();
    SCOPED_TRACE(path.filename().string());
    const auto catalog = zelt::readAgfCatalog(path.string());
    const std::vector<NmRecord> records = nmRecords(path);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(catalog->name, path.stem().string());
    ASSERT_EQ(catalog->glasses.size(), records.size() + 1);
    EXPECT_EQ(catalog->glasses.back()->name, "AIR");
    for (std::size_t i = 0; i < records.size(); ++i) {
      const zelt::OAMedium& glass = *catalog->glasses[i];
      ASSERT_EQ(glass.name, records[i].name);
      EXPECT_EQ(glass.catalogName, catalog->name);
      if (glass.lambdaMin > 0.5875618 || glass.lambdaMax < 0.5875618) continue;
      if (kInconsistentNd.contains(catalog->name + "/" + glass.name)) continue;
      // The NM record's nd is rounded by the maker: agreement to a few units of 1e-4.
      EXPECT_NEAR(glass.indexAt(0.5875618), records[i].nd, 6e-4) << glass.name;
    }
  }
  EXPECT_EQ(files, 13);
}

TEST(AgfCatalogs, AirCoversEveryWavelengthOfTheCatalogsGlasses) {
  // CDGM's infrared glasses reach 14 µm.
  const auto catalog = zelt::readAgfCatalog((kCatalogs / "CDGM_201904.AGF").string());
  const zelt::OAMedium& air = *catalog->glasses.back();
  for (double lambda : {0.001, 0.2, 0.55, 10.0, 14.0}) EXPECT_DOUBLE_EQ(air.indexAt(lambda), 1.0);
  EXPECT_THROW(air.indexAt(14.001), zelt::OutOfSpectralRange);
  EXPECT_THROW(air.indexAt(0.0), zelt::OutOfSpectralRange);  // no formula has a value there
}

TEST(AgfCatalogs, CatalogNameFromPaths) {
  EXPECT_EQ(zelt::catalogNameFromPath("C:\\glass\\schott.agf"), "schott");
  EXPECT_EQ(zelt::catalogNameFromPath("/usr/share/glass/OHARA.AGF"), "OHARA");
  EXPECT_EQ(zelt::catalogNameFromPath("Lenses.AGF"), "Lenses");
  EXPECT_EQ(zelt::catalogNameFromPath("dir/a.b.agf"), "a.b");
  EXPECT_EQ(zelt::catalogNameFromPath("SCHOTT_2018.06.01.Agf"), "SCHOTT_2018.06.01");
  EXPECT_EQ(zelt::catalogNameFromPath("mixed\\dir/name"), "name");
  EXPECT_EQ(zelt::catalogNameFromPath("dir/"), "");
}

// A glass without an LD record is kept (without a range) and lends nothing to the next one.
TEST(AgfCatalogs, EveryGlassKeepsItsOwnRecords) {
  const fs::path path = zelt_test::tempPath("records.agf");
  // Long CD record wrapped over a continuation line; formula written in floating form.
  std::ofstream(path, std::ios::binary)
      << "CC test\r\nNM A 2.00000E+00 0 1.5 60\r\nCD 1 0 0\r\n0 0 0\r\nTD 0 0\r\nLD 0.3 2.5\r\n"
         "NM B 1 0 1.5 60\r\nCD 1 0 0 0 0 0\r\nNM C 1 0 1.5 60\r\nCD 2 0 0 0 0 0\r\nLD 0.4 2\r\n"
         "NM D 1 0 1.5 60\r\nCD 1 0 0 0 0 0\r\nLD x y\r\n";
  const auto catalog = zelt::readAgfCatalog(path.string());
  fs::remove(path);
  ASSERT_EQ(catalog->glasses.size(), 5u);  // A, B, C, D, AIR
  const zelt::OAMedium& a = *catalog->glasses[0];
  EXPECT_EQ(a.formula, 1);
  EXPECT_EQ(a.coefficients.size(), 6u);
  EXPECT_EQ(a.lambdaMin, 0.3);
  EXPECT_EQ(catalog->glasses[1]->name, "B");
  EXPECT_EQ(catalog->glasses[1]->lambdaMax, 0.0);
  EXPECT_THROW(catalog->glasses[1]->indexAt(0.5), zelt::OutOfSpectralRange);
  EXPECT_EQ(catalog->glasses[2]->name, "C");
  EXPECT_EQ(catalog->glasses[2]->coefficients, (std::vector<double>{2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(catalog->glasses[2]->lambdaMin, 0.4);
  // A range that does not read is reported with its line.
  ASSERT_EQ(catalog->warnings.size(), 1u);
  EXPECT_EQ(catalog->warnings[0].line, 14);
  EXPECT_NE(catalog->warnings[0].text.find("LD"), std::string::npos);
}

TEST(AgfCatalogs, IndexAtATemperatureAndPressureUsesTheThermalData) {
  const auto catalog = zelt::readAgfCatalog((kCatalogs / "SCHOTT_20180601.agf").string());
  const auto& glasses = catalog->glasses;
  const auto bk7 = std::find_if(glasses.begin(), glasses.end(),
                                [](const auto& g) { return g->name == "N-BK7"; });
  ASSERT_NE(bk7, glasses.end());
  const zelt::OAMedium& g = **bk7;
  // At the TD reference temperature in vacuum, the catalog index itself.
  EXPECT_EQ(g.indexAt(0.5875618, {20.0, 1.0, false}), g.indexAt(0.5875618));
  // dn/dT of N-BK7 near the d line: about 1.6e-6/K absolute.
  EXPECT_NEAR(g.indexAt(0.5875618, {30.0, 1.0, false}) - g.indexAt(0.5875618), 1.6e-5, 0.3e-5);
  // In air at 2 atm the glass's index relative to it is its vacuum index over that of air, 1
  // + 5.4e-4.
  const double vacuum = g.indexAt(0.5875618, {20.0, 1.0, false});
  EXPECT_NEAR(g.indexAt(0.5875618, {20.0, 2.0, true}), vacuum / 1.0005449, 2e-6);
}
