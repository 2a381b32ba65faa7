// The ZMX reader on the lens files makers ship, and on broken files.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

namespace {

// The catalogs the makers' files name: SCHOTT, HIKARI and HOYA (the last under the maker's name).
void readMakersCatalogs() {
  readCatalogOnce("SCHOTT.AGF");
  readCatalogOnce("HIKARI.AGF");
  static bool hoya = false;
  if (!hoya) {
    const std::string copy = tempPath("HOYA.agf");
    std::filesystem::copy_file(kData + "/catalogs/HOYA20220711_include_obsolete.agf", copy,
                               std::filesystem::copy_options::overwrite_existing);
    ZELT_Throw_On_Error(ZELT_System_Read_Catalog(copy.c_str()));
    hoya = true;
  }
}

double getWavelength(int i) {
  double w = 0;
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(i, &w));
  return w;
}
std::string systemName() {
  std::string name;
  ZELT_Throw_On_Error(ZELT_System_Get_Name(name));
  return name;
}

std::vector<std::string> lensFiles() {
  std::vector<std::string> files;
  for (const char* dir : {"/lenses/thorlabs", "/lenses/other"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kData + dir)) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> splitCsv(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
  return fields;
}

const std::string kBroken = kData + "/zmx_broken/";

}  // namespace

TEST(ZmxReader, EveryMakersFileReadsAndItsParaxialCalculationRuns) {
  readMakersCatalogs();
  const auto files = lensFiles();
  EXPECT_EQ(files.size(), 108u);
  for (const auto& file : files) {
    SCOPED_TRACE(file);
    const int read = ZELT_System_Read_Zmx_File(file.c_str());
    ASSERT_EQ(read, 0) << errorText(read);
    EXPECT_GE(surfaceCount(), 5);  // object, three or more surfaces, image
    const int calc = ZELT_Calc_Paraxial();
    ASSERT_EQ(calc, 0) << errorText(calc);
    double f = 0;
    ZELT_Throw_On_Error(ZELT_Paraxial_Get_F_(&f));
    EXPECT_TRUE(std::isfinite(f) && std::abs(f) > 1.0) << f;
  }
}

// The published first-order data of two lenses: radii, thicknesses, glasses and focal lengths.
TEST(ZmxReader, ReferenceLensesMatchTheirPublishedData) {
  readMakersCatalogs();
  std::ifstream csv(kData + "/lenses/reference.csv");
  std::string line;
  std::getline(csv, line);
  int rows = 0;
  while (std::getline(csv, line)) {
    const auto f = splitCsv(line);
    ASSERT_GE(f.size(), 10u);
    SCOPED_TRACE(f[0]);
    ++rows;
    const std::string file = kData + "/lenses/thorlabs/" + f[0] + ".zmx";
    ZELT_Throw_On_Error(ZELT_System_Read_Zmx_File(file.c_str()));
    EXPECT_EQ(glassOf(1), f[1]);
    EXPECT_EQ(glassOf(2), f[2]);
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(1.0 / curvatureOf(k), std::stod(f[2 + k]), 0.01);
    EXPECT_DOUBLE_EQ(thicknessOf(1), std::stod(f[6]));
    EXPECT_DOUBLE_EQ(thicknessOf(2), std::stod(f[7]));
    // Of the 24 WAVM lines FTYP counts three; the one PWAV marks primary is the main one.
    int waves = 0, stopSurface = -1;
    ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength_Count(&waves));
    ASSERT_EQ(waves, 3);
    EXPECT_EQ(getWavelength(0), 0.5876);
    EXPECT_EQ(getWavelength(1), 0.4861);
    // ENPD is the entrance pupil diameter; the stop is on the first lens surface.
    char type = 0;
    double size = 0;
    ZELT_Throw_On_Error(ZELT_Stop_Get_Type(&type));
    ZELT_Throw_On_Error(ZELT_Stop_Get_Size(&size));
    ZELT_Throw_On_Error(ZELT_Stop_Get_Surface_Num(&stopSurface));
    EXPECT_EQ(type, 'p');
    EXPECT_EQ(size, 11.43);
    EXPECT_EQ(stopSurface, 1);
    ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
    double efl = 0, bfl = 0;
    ZELT_Throw_On_Error(ZELT_Paraxial_Get_F_(&efl));
    ZELT_Throw_On_Error(ZELT_Paraxial_Get_SF_(&bfl));
    EXPECT_NEAR(efl, std::stod(f[8]), 0.1);
    EXPECT_NEAR(bfl, std::stod(f[9]), 0.1);
  }
  EXPECT_EQ(rows, 2);
}

TEST(ZmxReader, NamesInEveryEncodingBecomeUtf8) {
  readMakersCatalogs();
  const std::map<std::string, std::string> names{
      {"/lenses/thorlabs/AC254-080-A.zmx",
       "\u00d825.4 mm, f=80.0 mm, Near IR Achromat"},  // Latin-1
      {"/lenses/thorlabs/AC254-125-B.zmx",
       "\u00d825.4 mm, f=125.0 mm, Near IR Achromat"},  // UTF-16
      {"/lenses/other/zmax_49270.zmx", "49270 Achromatic Lens"},
      {"/lenses/other/AC254-100-A-Zemax(ZMX).zmx", "AC254-100-A"}};
  for (const auto& [file, start] : names) {
    SCOPED_TRACE(file);
    ZELT_Throw_On_Error(ZELT_System_Read_Zmx_File((kData + file).c_str()));
    EXPECT_EQ(systemName().substr(0, start.size()), start);
  }
  // The UTF-16 file of the newer dialect has no TYPE lines and puts its image on the paraxial
  // focus (MAZH); its glasses come from the first catalog that holds them.
  EXPECT_EQ(glassOf(1), "N-BK7");
  ZELT_Throw_On_Error(ZELT_System_Read_Zmx_File((kData + "/lenses/other/zmax_49270.zmx").c_str()));
  EXPECT_EQ(glassOf(1), "N-LAK22");
  EXPECT_EQ(glassOf(2), "N-SF6");
  EXPECT_DOUBLE_EQ(thicknessOf(3), 2.9932047030897055);
  double s = -1;
  ZELT_Throw_On_Error(ZELT_Image_Get_S_(&s));
  EXPECT_EQ(s, 0.0);  // counted from the paraxial image
}

TEST(ZmxReader, BrokenFilesAreRefusedAndLeaveTheSystemAlone) {
  readMakersCatalogs();
  const std::map<std::string, std::string> cases{
      {"missing.zmx", "Read ZMX Error: file does not exist"},
      {".", "Read ZMX Error: file does not exist"},  // a directory
      {"empty.zmx", "Read ZMX Error: файл поврежден"},
      {"three_bytes.zmx", "Read ZMX Error: файл поврежден"},
      {"no_surface.zmx",
       "Read ZMX Error: the file holds no surface (no SURF line); it is no lens file"},
      {"binary_junk.zmx",
       "Read ZMX Error: the file holds no surface (no SURF line); it is no lens file"},
      {"garbage_number.zmx", "Read ZMX Error: line 22: CURV: \"0.0x16\" is no number"},
      {"infinite_number.zmx", "Read ZMX Error: line 24: DISZ: \"1e999\" is no number"},
      {"nan_number.zmx", "Read ZMX Error: line 14: DISZ: \"nan\" is no number"},
      {"truncated_header.zmx", "Read ZMX Error: line 6: FTYP needs at least four numbers"},
      {"huge_counts.zmx", "Read ZMX Error: FTYP gives a bad number of fields"},
      {"missing_waves.zmx", "Read ZMX Error: FTYP announces 3 wavelengths, the file gives 1"},
      {"unknown_glass.zmx", "NoMediumFound:UNOBTAINIUM"},
      {"negative_pressure.zmx",
       "Read ZMX Error: line 9: ENVD: the temperature must be at least -273.15 °C and the "
       "pressure a finite number of at least 0 atm"},
  };
  for (const auto& [file, message] : cases) {
    SCOPED_TRACE(file);
    buildDoublet(kAchromat);
    const int status = ZELT_System_Read_Zmx_File((kBroken + file).c_str());
    ASSERT_NE(status, 0);
    EXPECT_EQ(errorText(status), message);
    EXPECT_EQ(surfaceCount(), 5);
    EXPECT_EQ(systemName(), "Cemented Doublet");
    EXPECT_DOUBLE_EQ(curvatureOf(1), 1.0 / 62.75);
    EXPECT_EQ(glassOf(2), "SF5");
  }
  EXPECT_NE(ZELT_System_Read_Zmx_File(nullptr), 0);
}

TEST(ZmxReader, TruncatedFileReadsWhatItHolds) {
  readMakersCatalogs();
  // Cut inside the second lens surface: the blocks before it are a system of their own.
  const int status = ZELT_System_Read_Zmx_File((kBroken + "truncated_surface.zmx").c_str());
  ASSERT_EQ(status, 0) << errorText(status);
  EXPECT_EQ(surfaceCount(), 3);
  EXPECT_EQ(glassOf(1), "N-BK7");
}

TEST(ZmxReader, SurfaceNumbersAreNotUsed) {
  readMakersCatalogs();
  const std::string file = kData + "/lenses/thorlabs/AC254-100-A.zmx";
  std::ifstream in(file, std::ios::binary);
  std::stringstream renumbered;
  int k = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("SURF ", 0) == 0) line = "SURF " + std::to_string(7 * k++ + 3) + "\r";
    renumbered << line << "\n";
  }
  const std::string copy = tempPath("renumbered.zmx");
  writeBytes(copy, renumbered.str());
  ZELT_Throw_On_Error(ZELT_System_Read_Zmx_File(file.c_str()));
  std::vector<double> original;
  for (int i = 1; i <= 3; ++i) original.push_back(curvatureOf(i) + thicknessOf(i));
  ZELT_Throw_On_Error(ZELT_System_Read_Zmx_File(copy.c_str()));
  ASSERT_EQ(surfaceCount(), 5);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(curvatureOf(i) + thicknessOf(i), original[i - 1]);
}

// Damaged copies of a real file: overwritten bytes, cut ends, doubled lines. Each is read or
// refused with a message; none may crash or hang.
TEST(ZmxReader, DamagedCopiesAreReadOrRefusedCleanly) {
  readMakersCatalogs();
  const std::string original = fileBytes(kData + "/lenses/thorlabs/AC254-125-B.zmx");  // UTF-16
  ASSERT_GT(original.size(), 1000u);
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  const std::string path = tempPath("damaged.zmx");
  for (int round = 0; round < 300; ++round) {
    std::string bytes = original;
    switch (round % 3) {
      case 0:
        for (int k = 0; k < 8; ++k) bytes[next(bytes.size())] = static_cast<char>(next(256));
        break;
      case 1:
        bytes.resize(next(bytes.size()));
        break;
      default:
        bytes.insert(next(bytes.size()), bytes.substr(next(bytes.size()), 200));
    }
    writeBytes(path, bytes);
    const int status = ZELT_System_Read_Zmx_File(path.c_str());
    if (status != 0) {
      EXPECT_FALSE(errorText(status).empty());
    }
  }
}

// GCAT names the maker (HOYA) while the catalog was read under its dated file name. Lens
// programs match catalog names without regard to case: our own file names the catalog in
// capitals while the file keeps its stem's case, and a maker may write it in small letters.
TEST(ZmxReader, CatalogNamesMatchDatedCatalogFilesInAnyCase) {
  readCatalogOnce("HIKARI.AGF");  // E-BAF11 is HIKARI's: the test must not rely on an earlier one
  readCatalogOnce("HOYA20220711_include_obsolete.agf");
  const std::string text = fileBytes(kData + "/lenses/thorlabs/AC254-060-A.zmx");
  const std::size_t gcat = text.find("GCAT ");
  ASSERT_NE(gcat, std::string::npos);
  const std::size_t end = text.find('\r', gcat);  // the file's own line, as it stands
  for (const std::string& names :
       {text.substr(gcat, end - gcat), std::string("GCAT HIKARI HOYA20220711_INCLUDE_OBSOLETE"),
        std::string("GCAT hikari hoya"), std::string("GCAT Hikari Hoya2022")}) {
    SCOPED_TRACE(names);
    const std::string copy = tempPath("case.zmx");
    writeBytes(copy, text.substr(0, gcat) + names + text.substr(end));
    const int status = ZELT_System_Read_Zmx_File(copy.c_str());
    ASSERT_EQ(status, 0) << errorText(status);
    EXPECT_EQ(glassOf(1), "E-BAF11");  // HIKARI's
    EXPECT_EQ(glassOf(2), "FD10");     // HOYA's
  }
}
