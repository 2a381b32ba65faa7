// Media through the exports: catalogs read from files, glasses made from indices, indices per
// wavelength as the source changes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/TestSupport.h"

using namespace zelt_test;
namespace fs = std::filesystem;

namespace {

// Writes a file of the scratch folder and returns its path.
std::string writeTemp(const std::string& name, const std::string& content) {
  const std::string path = tempPath(name);
  writeBytes(path, content);
  return path;
}

double indexAfter(int surface, int w) {
  double n = 0;
  const int s = ZELT_Surface_Get_Ingex_Of_Refraction(surface, w, &n);
  EXPECT_EQ(s, 0) << errorText(s);
  return n;
}

}  // namespace

TEST(ApiMedia, CatalogNameIsTheFileNameWithoutItsExtension) {
  const std::string schott = kCatalogs + "SCHOTT.AGF";
  const std::string content = fileBytes(schott);
  // A Windows path: the name follows the last backslash.
  const std::string windowsStyle = writeTemp("sub\\schott.agf", content);
  ASSERT_EQ(buildSystem(1), 0);
  ASSERT_EQ(ZELT_System_Read_Catalog(windowsStyle.c_str()), 0);
  EXPECT_EQ(ZELT_Surface_Set_Glass(1, "N-BK7", "schott"), 0);
  EXPECT_GT(ZELT_Surface_Set_Glass(1, "N-BK7", "sub\\schott"), 0);
  // A bare relative name with the upper-case extension.
  const fs::path old = fs::current_path();
  fs::current_path(scratchFolder());
  writeTemp("Lenses.AGF",
            "NM MYGLASS 2 0 1.5 60\nCD 1.03961212 0.00600069867 0.231792344 "
            "0.0200179144 1.01046945 103.560653\nLD 0.3 2.5\n");
  const int status = ZELT_System_Read_Catalog("Lenses.AGF");
  fs::current_path(old);
  ASSERT_EQ(status, 0) << errorText(status);
  EXPECT_EQ(ZELT_Surface_Set_Glass(1, "MYGLASS", "Lenses"), 0);
  EXPECT_NEAR(indexAfter(1, 0), 1.5185, 1e-3);
  // Every catalog ends with AIR of index 1.
  EXPECT_EQ(ZELT_Surface_Set_Glass(1, "AIR", "Lenses"), 0);
  EXPECT_DOUBLE_EQ(indexAfter(1, 0), 1.0);
}

TEST(ApiMedia, UnicodeCatalogsWithCrlfReadLikePlainOnes) {
  ASSERT_EQ(buildSystem(1), 0);
  for (const char* file : {"HERAEUS.AGF", "HIKARI.AGF", "OHARA_20200623.AGF"}) {
    const std::string path = kCatalogs + file;
    const int s = ZELT_System_Read_Catalog(path.c_str());
    ASSERT_EQ(s, 0) << file << ": " << errorText(s);
  }
  ASSERT_EQ(ZELT_Source_Set_Wavelength(0, 0.5875618), 0);
  // S-BSL7 of Ohara (UTF-16LE): nd 1.51633 in its NM record.
  ASSERT_EQ(ZELT_Surface_Set_Glass(1, "S-BSL7", "OHARA_20200623"), 0);
  EXPECT_NEAR(indexAfter(1, 0), 1.51633, 2e-5);
  // HERAEUS is UTF-16BE.
  ASSERT_EQ(ZELT_Surface_Set_Glass(1, "SUPRASIL", "HERAEUS"), 0);
  EXPECT_NEAR(indexAfter(1, 0), 1.458464, 2e-5);
}

TEST(ApiMedia, CatalogGlassFollowsTheSourceWavelengths) {
  ASSERT_EQ(buildSystem(2), 0);
  const std::string path = kCatalogs + "SCHOTT.AGF";
  ASSERT_EQ(ZELT_System_Read_Catalog(path.c_str()), 0);
  ASSERT_EQ(ZELT_Surface_Set_Glass(1, "N-BK7", "SCHOTT"), 0);
  std::string name;
  ASSERT_EQ(ZELT_Surface_Get_Glass(1, name), 0);
  EXPECT_EQ(name, "N-BK7");
  const double at055 = indexAfter(1, 0);
  ASSERT_EQ(ZELT_Source_Set_Wavelength(0, 0.5875618), 0);
  EXPECT_NEAR(indexAfter(1, 0), 1.5168, 1e-4);
  EXPECT_GT(at055, 1.5168);
  ASSERT_EQ(ZELT_Source_Append_Wave(0.4861327, 1.0), 0);
  ASSERT_EQ(ZELT_Source_Append_Wave(0.6562725, 1.0), 0);
  const double abbe = (indexAfter(1, 0) - 1) / (indexAfter(1, 1) - indexAfter(1, 2));
  EXPECT_NEAR(abbe, 64.17, 0.02);
  double n = 0;
  EXPECT_GT(ZELT_Surface_Get_Ingex_Of_Refraction(1, 3, &n), 0);  // three wavelengths only
  // Outside the LD range of the glass (0.3 .. 2.5 µm).
  ASSERT_EQ(ZELT_Source_Set_Wavelength(2, 2.6), 0);
  const int s = ZELT_Surface_Get_Ingex_Of_Refraction(1, 0, &n);
  EXPECT_EQ(errorText(s), "OutOfSpectralRange: N-BK7");
}

TEST(ApiMedia, GlassLookupIsExactAndAFailedLookupKeepsTheMedium) {
  ASSERT_EQ(buildSystem(1), 0);
  const std::string path = kCatalogs + "SCHOTT.AGF";
  ASSERT_EQ(ZELT_System_Read_Catalog(path.c_str()), 0);
  ASSERT_EQ(ZELT_Surface_Set_Glass(1, "F2", "SCHOTT"), 0);
  EXPECT_EQ(errorText(ZELT_Surface_Set_Glass(1, "n-bk7", "SCHOTT")), "NoMediumFound: n-bk7");
  EXPECT_EQ(errorText(ZELT_Surface_Set_Glass(1, "N-BK7", "Schott")), "NoMediumFound: N-BK7");
  std::string name;
  ASSERT_EQ(ZELT_Surface_Get_Glass(1, name), 0);
  EXPECT_EQ(name, "F2");
}

TEST(ApiMedia, MadeGlassHandsBackItsIndicesAndRefusesMissingOnes) {
  ASSERT_EQ(buildSystem(2), 0);
  ASSERT_EQ(ZELT_Surface_Set_And_Create_Glass(1, "K8", {1.51, 1.52, 1.53}), 0);
  std::string name;
  ASSERT_EQ(ZELT_Surface_Get_Glass(1, name), 0);
  EXPECT_EQ(name, "K8");
  EXPECT_EQ(indexAfter(1, 2), 1.53);
  double n = 7;
  EXPECT_GT(ZELT_Surface_Get_Ingex_Of_Refraction(1, 3, &n), 0);
  EXPECT_GT(ZELT_Surface_Get_Ingex_Of_Refraction(1, -1, &n), 0);
  EXPECT_EQ(n, 7);
  // The gap after surface 2 has no medium yet: a clear failure, no crash.
  EXPECT_NE(errorText(ZELT_Surface_Get_Ingex_Of_Refraction(2, 0, &n)).find("2"), std::string::npos);
  EXPECT_GT(ZELT_Surface_Get_Glass(2, name), 0);
  EXPECT_EQ(name, "K8");
}

TEST(ApiMedia, BadCatalogFilesFailWithTheirMessagesAndAddNothing) {
  ASSERT_EQ(buildSystem(1), 0);
  EXPECT_EQ(errorText(ZELT_System_Read_Catalog("")),
            "Не задан файл c данными оптических стекол / Filepath with optical glasse is empty");
  const std::string missing = tempPath("none.agf");
  EXPECT_EQ(errorText(ZELT_System_Read_Catalog(missing.c_str())),
            "Файл c данными оптических стекол отсутствует / File with optical glasse is missing");
  const std::string folder = scratchFolder().string();
  EXPECT_EQ(errorText(ZELT_System_Read_Catalog(folder.c_str())),
            "Файл c данными оптических стекол отсутствует / File with optical glasse is missing");
  const std::string bad = writeTemp("bad.agf",
                                    "NM GOOD 2 0 1.5 60\nCD 1 0 0 0 0 0\nLD 0.3 2.5\n"
                                    "NM STRANGE 14 0 1.5 60\nCD 1 0 0 0 0 0\nLD 0.3 2.5\n");
  EXPECT_EQ(errorText(ZELT_System_Read_Catalog(bad.c_str())), "UnknownDFormula: STRANGE");
  EXPECT_EQ(errorText(ZELT_Surface_Set_Glass(1, "GOOD", "bad")), "NoMediumFound: GOOD");
}

TEST(ApiMedia, CatalogGlassWithTooFewCoefficientsIsRefused) {
  ASSERT_EQ(buildSystem(1), 0);
  const std::string path =
      writeTemp("short.agf", "NM SHORT 2 0 1.5 60\nCD 1.03 0.006 0.23\nLD 0.3 2.5\n");
  ASSERT_EQ(ZELT_System_Read_Catalog(path.c_str()), 0);
  ASSERT_EQ(ZELT_Surface_Set_Glass(1, "SHORT", "short"), 0);
  double n = 0;
  const std::string message = errorText(ZELT_Surface_Get_Ingex_Of_Refraction(1, 0, &n));
  EXPECT_NE(message.find("SHORT"), std::string::npos) << message;
  EXPECT_EQ(n, 0);
}
