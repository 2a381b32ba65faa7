#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "synthesis/glass_catalog.h"
#include "tests/support/TestSupport.h"

namespace {

using synthesis::GlassCatalog;
using synthesis::readAgfText;

using zelt_test::kCatalogs;

GlassCatalog read(const std::string& text) {
  GlassCatalog catalog;
  readAgfText(text, catalog);
  return catalog;
}

TEST(AgfReader, OnlyTheExactKeywordAtTheStartOfALineOpensARecord) {
  const auto catalog = read(
      "NM A 2 0 1.5 60 0 1\nNMX B 2 0 1.5 60 0 1\nnm C 2 0 1.5 60 0 1\n"
      "CC a comment that says NM D 1 0 1.6 40 0 2\nGC IT 0.4 0.5 10\n");
  ASSERT_EQ(catalog.size(), 1u);
  EXPECT_TRUE(catalog.count("A"));
  // Comments are comments, whatever words they hold.
  EXPECT_TRUE(catalog.at("A").transmission.empty());
}

TEST(AgfReader, NameLineFieldsAndTheirGaps) {
  auto catalog = read(
      "NM SIX 2 517642 1.5168 64.17 0\n"
      "NM FLOATFORM 2.00000E+00 620364 1.62 36.37 0 3.00000E+00\n"
      "NM BROKEN 2 x 1.5 60 0 2\n");
  EXPECT_EQ(catalog.at("SIX").status, synthesis::Standard);
  EXPECT_DOUBLE_EQ(catalog.at("SIX").vd, 64.17);
  // An integer field written in floating form keeps the later fields in place.
  EXPECT_EQ(catalog.at("FLOATFORM").formula, 2);
  EXPECT_DOUBLE_EQ(catalog.at("FLOATFORM").vd, 36.37);
  EXPECT_EQ(catalog.at("FLOATFORM").status, synthesis::Special);
  // A field that does not read leaves it and every later one at zero.
  EXPECT_EQ(catalog.at("BROKEN").formula, 2);
  EXPECT_EQ(catalog.at("BROKEN").nd, 0.0);
  EXPECT_EQ(catalog.at("BROKEN").status, 0);
}

TEST(AgfReader, ListsAndRange) {
  const auto first =
      read("NM G 2 0 1.5 60 0 1\nED 7.1 8.2 2.51 -0.5 0\nCD 1 2 word 3\nLD 0.3 2.5\n");
  EXPECT_EQ(first.at("G").extra, (std::vector<double>{7.1, 8.2, 2.51, -0.5, 0}));
  EXPECT_EQ(first.at("G").dispersion, (std::vector<double>{1, 2}));
  EXPECT_DOUBLE_EQ(first.at("G").lambdaMax, 2.5);
}

// A name listed twice in one file keeps the record with data; of two with data, the first.
TEST(AgfReader, RepeatedNameKeepsTheRecordWithData) {
  const std::string data = "2 0 1.5 60 0 1\nCD 1 0 0 0 0 0\nLD 0.3 2.5\n";
  const std::string placeholder = "2 0 1 0 0 1\nLD 0.3 2.5\n";
  const struct {
    std::string text;
    double keptMin;
    std::size_t warnings;
  } cases[] = {
      {"NM G " + placeholder + "NM G " + data, 0.3, 0},
      {"NM G " + data + "NM G " + placeholder, 0.3, 0},
      {"NM G " + data + "NM G 2 0 1.6 40 0 1\nCD 2 0 0 0 0 0\nLD 0.4 2\n", 0.3, 1},
  };
  for (const auto& c : cases) {
    GlassCatalog catalog;
    const auto warnings = readAgfText(c.text, catalog, "X");
    ASSERT_EQ(catalog.size(), 1u) << c.text;
    EXPECT_EQ(catalog.at("G").lambdaMin, c.keptMin) << c.text;
    EXPECT_EQ(catalog.at("G").nd, 1.5) << c.text;
    ASSERT_EQ(warnings.size(), c.warnings) << c.text;
    if (c.warnings) {
      EXPECT_EQ(warnings[0].rfind("строка 4: стекло G", 0), 0u) << warnings[0];
    }
  }
}

TEST(AgfReader, UnreadableRangeIsSkippedWithAWarning) {
  GlassCatalog catalog;
  const auto warnings =
      readAgfText("NM A 2 0 1.5 60 0 1\nLD 0.3 oops\nNM B 2 0 1.5 60 0 1\n", catalog);
  ASSERT_EQ(catalog.size(), 2u);
  EXPECT_EQ(catalog.at("A").lambdaMax, 0.0);  // no range: every index is refused
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind("строка 2: запись LD стекла A", 0), 0u) << warnings[0];
  // A text without any NM record adds no nameless glass.
  EXPECT_TRUE(read("CC nothing here\nLD 1 2\n").empty());
}

TEST(AgfReader, FileErrorsLeaveTheCatalogAsItWas) {
  GlassCatalog catalog = read("NM KEEP 2 0 1.5 60 0 1\n");
  const auto refusal = [&](const std::string& path) {
    return zelt_test::thrownMessage([&] { synthesis::readAgfFile(path, catalog); });
  };
  EXPECT_EQ(refusal(""), "Не задан файл c данными оптических стекол");
  // A folder is no catalog: refused like a missing file, not read as an empty one.
  for (const std::string& path : {kCatalogs + "missing.agf", kCatalogs})
    EXPECT_EQ(refusal(path), "Файл c данными оптических стекол отсутствует") << path;
  // A file without any glass record is no catalog: an empty file, a picture, a lens file.
  const std::string none = zelt_test::tempPath("none.agf");
  for (const std::string& content :
       {std::string(), std::string("\x89PNG\r\n\x1a\n\0\0", 10), std::string("VERS 1\nSURF 0\n")}) {
    zelt_test::writeBytes(none, content);
    EXPECT_EQ(refusal(none), none + ": не каталог AGF: нет ни одного стекла") << content;
  }
  EXPECT_EQ(catalog.size(), 1u);
}

TEST(AgfReader, SecondFileAddsToTheFirst) {
  GlassCatalog catalog;
  synthesis::readAgfFile(kCatalogs + "HERAEUS.AGF", catalog);
  const auto heraeus = catalog.size();
  synthesis::readAgfFile(kCatalogs + "SCHOTT_20180601.agf", catalog);
  EXPECT_EQ(catalog.size(), heraeus + 160);
}

// Makers share glass names: merged catalogs keep each maker's glass, labelled by its catalog.
TEST(AgfReader, MergedCatalogsKeepEveryMakersGlass) {
  GlassCatalog catalog;
  for (const char* file : {"SCHOTT.AGF", "CDGM_201904.AGF", "SUMITA_20200803.agf"})
    synthesis::readAgfFile(kCatalogs + file, catalog);
  EXPECT_EQ(synthesis::catalogsHolding(catalog, "BAF4"),
            (std::vector<std::string>{"CDGM_201904", "SCHOTT", "SUMITA_20200803"}));
  const auto& schott = catalog.at("BAF4 (SCHOTT)");
  const auto& cdgm = catalog.at("BAF4 (CDGM_201904)");
  EXPECT_EQ(schott.catalog, "SCHOTT");
  EXPECT_NEAR(schott.nd, 1.6056, 1e-4);
  EXPECT_NEAR(cdgm.nd, 1.5827, 1e-4);
  EXPECT_EQ(catalog.at("N-BK7").label, "N-BK7");  // one maker's name stays bare
  EXPECT_EQ(synthesis::resolveGlass(catalog, "CDGM_201904/BAF4"), "BAF4 (CDGM_201904)");
  EXPECT_EQ(synthesis::resolveGlass(catalog, "N-BK7"), "N-BK7");
  const std::string which =
      zelt_test::thrownMessage([&] { synthesis::resolveGlass(catalog, "BAF4"); });
  EXPECT_NE(which.find("CDGM_201904, SCHOTT, SUMITA_20200803"), std::string::npos) << which;
  // Reading a file again replaces its glasses rather than adding them twice.
  const auto size = catalog.size();
  synthesis::readAgfFile(kCatalogs + "SCHOTT.AGF", catalog);
  EXPECT_EQ(catalog.size(), size);
}

// Every glass of every maker's file either gives a finite index inside its range, at both ends
// and in the middle, or is refused with a message that names the problem.
TEST(AgfReader, EveryGlassOfTheRealCatalogsGivesAnIndexOrAClearRefusal) {
  const std::map<std::string, std::size_t> distinctGlasses{
      {"SCHOTT.AGF", 356},
      {"SCHOTT_20180601.agf", 160},
      {"OHARA.agf", 418},
      {"OHARA_20200623.AGF", 158},
      {"HOYA20220711_include_obsolete.agf", 408},
      {"HOYA_20200803.agf", 209},
      {"CDGM_201904.AGF", 256},
      {"SUMITA_20200803.agf", 400},
      {"NIKON-HIKARI_201911.AGF", 379},
      {"NIKON-HIKARI.agf", 383},
      {"HIKARI.AGF", 354},
      {"NHG.agf", 221},
      {"HERAEUS.AGF", 13}};
  for (const auto& [file, expected] : distinctGlasses) {
    GlassCatalog catalog;
    synthesis::readAgfFile(kCatalogs + file, catalog);
    EXPECT_EQ(catalog.size(), expected) << file;
    for (const auto& [name, glass] : catalog) {
      if (glass.lambdaMax <= 0.0) continue;  // no range given: every request is refused
      const double mid = 0.5 * (glass.lambdaMin + glass.lambdaMax);
      for (double lambda : {glass.lambdaMin, mid, glass.lambdaMax}) {
        try {
          const double n = glass.index(lambda);
          EXPECT_TRUE(std::isfinite(n)) << file << " " << name << " at " << lambda;
        } catch (const std::runtime_error& e) {
          const std::string message = e.what();
          EXPECT_TRUE(message.find(name) != std::string::npos ||
                      message == "Невозможно рассчитать показатель преломления")
              << file << " " << name << ": " << message;
        }
      }
    }
  }
}

TEST(AgfReader, WrappedCoefficientLinesAreJoined) {
  GlassCatalog catalog;
  synthesis::readAgfFile(kCatalogs + "NIKON-HIKARI_201911.AGF", catalog);
  auto glass = catalog.at("J-FK5");
  glass.environment.airIndex = false;  // the maker's nd is relative to air already
  EXPECT_EQ(glass.formula, 13);
  EXPECT_EQ(glass.dispersion.size(), 10u);
  EXPECT_EQ(glass.thermal.size(), 7u);
  // nd of the NM line, from the maker's own tables (its TD data refer to 23 °C).
  EXPECT_NEAR(glass.refractiveIndex(0.5875618, 23.0), 1.48749, 2e-6);
}

TEST(AgfReader, Utf16CatalogsReadLikeTheirAsciiTwins) {
  GlassCatalog utf16, ascii;
  synthesis::readAgfFile(kCatalogs + "NIKON-HIKARI.agf", utf16);
  synthesis::readAgfFile(kCatalogs + "NIKON-HIKARI_201911.AGF", ascii);
  ASSERT_TRUE(utf16.count("J-BK7A") && ascii.count("J-BK7A"));
  EXPECT_NEAR(utf16.at("J-BK7A").index(0.5875618), ascii.at("J-BK7A").index(0.5875618), 1e-6);
  GlassCatalog heraeus;
  synthesis::readAgfFile(kCatalogs + "HERAEUS.AGF", heraeus);  // UTF-16BE
  EXPECT_EQ(heraeus.size(), 13u);
}

}  // namespace
