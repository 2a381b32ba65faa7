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

TEST(AgfReader, OnlyTheExactKeywordOpensARecord) {
  const auto catalog = read(
      "NM A 2 0 1.5 60 0 1\nNMX B 2 0 1.5 60 0 1\nnm C 2 0 1.5 60 0 1\n"
      "CC a comment that says NM D 1 0 1.6 40 0 2\n");
  ASSERT_EQ(catalog.size(), 2u);
  EXPECT_TRUE(catalog.count("A"));
  // A keyword standing alone inside a comment is still a keyword.
  ASSERT_TRUE(catalog.count("D"));
  EXPECT_EQ(catalog.at("D").status, 2);
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

TEST(AgfReader, ListsRangeAndRepeatedNames) {
  const auto catalog = read(
      "NM G 2 0 1.5 60 0 1\nED 7.1 8.2 2.51 -0.5 0\nCD 1 2 word 3\nTD 1 2\nLD 0.3 2.5\n"
      "NM H 2 0 1.5 60 0 1\nNM G 1 0 1.6 40 0 0\nED 1\n");
  const auto& h = catalog.at("H");
  EXPECT_TRUE(h.extra.empty());
  EXPECT_EQ(h.lambdaMin, 0.0);
  EXPECT_EQ(h.lambdaMax, 0.0);
  // The second glass of a name replaces the first.
  EXPECT_EQ(catalog.at("G").formula, 1);
  EXPECT_EQ(catalog.at("G").extra, std::vector<double>{1});

  const auto first =
      read("NM G 2 0 1.5 60 0 1\nED 7.1 8.2 2.51 -0.5 0\nCD 1 2 word 3\nLD 0.3 2.5\n");
  EXPECT_EQ(first.at("G").extra, (std::vector<double>{7.1, 8.2, 2.51, -0.5, 0}));
  EXPECT_EQ(first.at("G").dispersion, (std::vector<double>{1, 2}));
  EXPECT_DOUBLE_EQ(first.at("G").lambdaMax, 2.5);
}

TEST(AgfReader, UnreadableRangeEndsTheFileKeepingThePendingGlass) {
  const auto catalog = read("NM A 2 0 1.5 60 0 1\nLD 0.3 oops\nNM B 2 0 1.5 60 0 1\n");
  ASSERT_EQ(catalog.size(), 1u);
  EXPECT_DOUBLE_EQ(catalog.at("A").lambdaMin, 0.3);
  // A file without any NM record adds no nameless glass.
  EXPECT_TRUE(read("CC nothing here\nLD 1 2\n").empty());
}

TEST(AgfReader, FileErrorsLeaveTheCatalogAsItWas) {
  GlassCatalog catalog = read("NM KEEP 2 0 1.5 60 0 1\n");
  EXPECT_THROW(
      {
        try {
          synthesis::readAgfFile("", catalog);
        } catch (const std::runtime_error& e) {
          EXPECT_STREQ(e.what(), "Не задан файл c данными оптических стекол");
          throw;
        }
      },
      std::runtime_error);
  // A folder is no catalog: refused like a missing file, not read as an empty one.
  for (const std::string& path : {kCatalogs + "missing.agf", kCatalogs}) {
    try {
      synthesis::readAgfFile(path, catalog);
      ADD_FAILURE() << path;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Файл c данными оптических стекол отсутствует");
    }
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
