// A system written as ZMX and read back is the same system.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/TestSupport.h"

using namespace zelt_test;

namespace {

// What a lens file has to carry over: surfaces, media, stop, light and aperture.
struct Snapshot {
  int nodes = 0, zones = 0;
  std::vector<double> curvatures, conics, thicknesses, heights;
  std::vector<std::string> glasses;
  std::vector<double> waves;
  int stopSurface = -1;
  char stopType = 0;
  double stopSize = 0;
  bool objectFinite = false, imageFinite = false;
  double objectS = 0, imageS = 0, imageSize = 0;
};

Snapshot snapshot() {
  Snapshot s;
  ZELT_Throw_On_Error(ZELT_System_Get_Surface_Count(&s.nodes));
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(s.zones));
  for (int i = 0; i < s.nodes; ++i) {
    double c = 0, e2 = 0, d = 0, h = 0;
    ZELT_Throw_On_Error(ZELT_Surface_Get_Curvature(i, &c));
    ZELT_Throw_On_Error(ZELT_Surface_Get_Conic(i, &e2));
    ZELT_Throw_On_Error(ZELT_Surface_Get_Height(i, h));
    s.curvatures.push_back(c);
    s.conics.push_back(e2);
    s.heights.push_back(h);
    if (i + 1 < s.nodes) {
      std::string glass;
      ZELT_Throw_On_Error(ZELT_Surface_Get_Thickness(i, &d));
      ZELT_Throw_On_Error(ZELT_Surface_Get_Glass(i, glass));
      s.thicknesses.push_back(d);
      s.glasses.push_back(glass);
    }
  }
  int count = 0;
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength_Count(&count));
  for (int w = 0; w < count; ++w) {
    double lambda = 0;
    ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(w, &lambda));
    s.waves.push_back(lambda);
  }
  ZELT_Throw_On_Error(ZELT_Stop_Get_Surface_Num(&s.stopSurface));
  ZELT_Throw_On_Error(ZELT_Stop_Get_Type(&s.stopType));
  ZELT_Throw_On_Error(ZELT_Stop_Get_Size(&s.stopSize));
  ZELT_Throw_On_Error(ZELT_Object_Get_Type(&s.objectFinite));
  ZELT_Throw_On_Error(ZELT_Image_Get_Type(&s.imageFinite));
  ZELT_Throw_On_Error(ZELT_Object_Get_S(&s.objectS));
  ZELT_Throw_On_Error(ZELT_Image_Get_S_(&s.imageS));
  ZELT_Throw_On_Error(ZELT_Image_Get_Size(&s.imageSize));
  return s;
}

// Numbers travel in their shortest exact text: they come back to the last bit.
void expectClose(const std::vector<double>& a, const std::vector<double>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i], b[i]) << "entry " << i;
}

void expectSame(const Snapshot& a, const Snapshot& b) {
  EXPECT_EQ(a.nodes, b.nodes);
  EXPECT_EQ(a.zones, b.zones);
  expectClose(a.curvatures, b.curvatures);
  expectClose(a.conics, b.conics);
  expectClose(a.thicknesses, b.thicknesses);
  expectClose(a.heights, b.heights);
  EXPECT_EQ(a.glasses, b.glasses);
  expectClose(a.waves, b.waves);
  EXPECT_EQ(a.stopSurface, b.stopSurface);
  EXPECT_EQ(a.stopType, b.stopType);
  EXPECT_EQ(a.stopSize, b.stopSize);
  EXPECT_EQ(a.objectFinite, b.objectFinite);
  EXPECT_EQ(a.imageFinite, b.imageFinite);
  EXPECT_EQ(a.objectS, b.objectS);
  EXPECT_EQ(a.imageS, b.imageS);
  // A field angle travels in degrees: it comes back within a unit in the last place.
  EXPECT_DOUBLE_EQ(a.imageSize, b.imageSize);
}

// Writes the current system, reads it back and returns the system before and after.
std::pair<Snapshot, Snapshot> roundTrip(const std::string& catalog) {
  Snapshot before = snapshot();
  const std::string path = tempPath("roundtrip.zmx");
  const int write = ZELT_System_Write_Zmx_File(path.c_str(), catalog.c_str());
  EXPECT_EQ(write, 0) << errorText(write);
  // An image on the paraxial focus: the last gap comes back holding the focal distance the file
  // states beside MAZH: for an object at infinity, the library's back focal distance.
  const auto lines = fileLines(path);
  const auto solve = std::find(lines.begin(), lines.end(), "  MAZH 0 0");
  if (solve != lines.end() && solve + 1 != lines.end() && (solve + 1)->starts_with("  DISZ ")) {
    before.thicknesses.back() = std::stod((solve + 1)->substr(7));
    double backFocus = 0;
    ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
    ZELT_Throw_On_Error(ZELT_Paraxial_Get_SF_(&backFocus));
    if (!before.objectFinite) {
      EXPECT_EQ(before.thicknesses.back(), backFocus);
    }
  }
  const int read = ZELT_System_Read_Zmx_File(path.c_str());
  EXPECT_EQ(read, 0) << errorText(read);
  // Writing what was read gives the same file again.
  const std::string again = tempPath("roundtrip2.zmx");
  EXPECT_EQ(ZELT_System_Write_Zmx_File(again.c_str(), catalog.c_str()), 0);
  // The focal distance beside MAZH and the model glass beside a glass name are calculated from
  // the indices, which the catalog gives after reading; the rest of the file is the same again.
  auto withoutFocus = [](std::vector<std::string> text) {
    const auto at = std::find(text.begin(), text.end(), "  MAZH 0 0");
    if (at != text.end() && at + 1 != text.end()) text.erase(at + 1);
    for (std::string& line : text) {
      if (line.starts_with("  GLAS ")) line = line.substr(0, line.find(' ', 7));
    }
    return text;
  };
  EXPECT_EQ(withoutFocus(fileLines(path)), withoutFocus(fileLines(again)));
  // A doublet's design field, kept in the image size, comes back as the object's field too,
  // as the negative angle the synthesis program traces it with.
  Snapshot after = snapshot();
  if (before.zones == 0 && !before.objectFinite && before.imageFinite && before.heights[0] == 0) {
    EXPECT_DOUBLE_EQ(after.heights[0], -before.imageSize);
    before.heights[0] = after.heights[0];
  }
  return {before, after};
}

// Doublets of the kind the pair search finds in the SCHOTT catalog, crown first, in both lens
// orders, with the wavelengths of the program's spectral lines.
const std::vector<Doublet> kDoublets{
    kAchromat,
    {"N-BAF10",
     "SF10",
     33.34,
     -22.28,
     -291.07,
     9,
     2.5,
     22.86,
     2.0,
     {1.6700, 1.6661, 1.6786},
     {1.7283, 1.7176, 1.7465}},
    {"SF2",
     "N-BAK4",
     120.3,
     41.7,
     -210.9,
     3,
     6,
     30,
     0.5,
     {1.6477, 1.6421, 1.6612},
     {1.5688, 1.5659, 1.5754}},
    {"N-SK16",
     "N-SF6",
     71.2,
     -58.4,
     0.0,
     5.5,
     2.1,
     12.5,
     3.0,
     {1.6204, 1.6178, 1.6262},
     {1.8052, 1.7945, 1.8296},
     {0.546074, 0.4799914, 0.6438469}},
};

}  // namespace

TEST(ZmxRoundTrip, FoundDoubletsComeBackUnchanged) {
  readCatalogOnce("SCHOTT.AGF");
  for (const Doublet& d : kDoublets) {
    SCOPED_TRACE(d.glass1 + "/" + d.glass2);
    buildDoublet(d);
    // The catalog name in small letters, as a file name may have it.
    const auto [before, after] = roundTrip("schott");
    expectSame(before, after);
    // The image lies on the paraxial focus in both, so the traced focal length agrees.
    ASSERT_EQ(ZELT_Calc_Paraxial(), 0);
  }
}

TEST(ZmxRoundTrip, ConicsFiniteObjectAndFloatingStop) {
  readCatalogOnce("SCHOTT.AGF");
  buildDoublet(kDoublets[0]);
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(1, 0.5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(3, -1.25));
  ZELT_Throw_On_Error(ZELT_Object_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Object_Set_S(-400));
  ZELT_Throw_On_Error(ZELT_Stop_Set(10, 'd'));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Height(1, 10));
  ZELT_Throw_On_Error(ZELT_Image_Set_Distance_Type(false));
  ZELT_Throw_On_Error(ZELT_Image_Set_S_(105.25));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(3, 105.25));  // the file has one distance for both
  const auto [before, after] = roundTrip("SCHOTT");
  expectSame(before, after);
}

TEST(ZmxRoundTrip, StopInFrontOfTheLens) {
  readCatalogOnce("SCHOTT.AGF");
  // A stop surface in air, 12 mm before a singlet, with a finite object 300 mm before the lens.
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  for (int i = 0; i < 3; ++i) ZELT_Throw_On_Error(ZELT_System_Append_Surface());
  ZELT_Throw_On_Error(ZELT_Object_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Object_Set_S(-300));
  ZELT_Throw_On_Error(ZELT_Image_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(0.02, 'p'));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 12));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(2, 5));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(2, 0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(3, -0.02));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(0, "AIR", "SCHOTT"));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(1, "AIR", "SCHOTT"));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(2, "N-BK7", "SCHOTT"));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(3, "AIR", "SCHOTT"));
  const std::string path = tempPath("front_stop.zmx");
  ZELT_Throw_On_Error(ZELT_System_Write_Zmx_File(path.c_str(), "SCHOTT"));
  // The file counts the object distance to the stop surface.
  const auto lines = fileLines(path);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "  DISZ 288"), lines.end());
  const auto [before, after] = roundTrip("SCHOTT");
  expectSame(before, after);
}

// Every makers' lens file, written by the library and read again, keeps its values.
TEST(ZmxRoundTrip, MakersFilesKeepTheirValues) {
  for (const char* file : {"SCHOTT.AGF", "HIKARI.AGF", "HOYA20220711_include_obsolete.agf"})
    readCatalogOnce(file);
  int files = 0;
  for (const char* dir : {"/lenses/thorlabs", "/lenses/other"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kData + dir)) {
      SCOPED_TRACE(entry.path().string());
      ++files;
      ASSERT_EQ(ZELT_System_Read_Zmx_File(entry.path().c_str()), 0);
      const auto [before, after] = roundTrip("SCHOTT HIKARI HOYA");
      expectSame(before, after);
    }
  }
  EXPECT_EQ(files, 108);
}

// Zones come back with their fields and vignetting.
TEST(ZmxRoundTrip, ZonesWithVignetting) {
  readCatalogOnce("SCHOTT.AGF");
  buildDoublet(kDoublets[1]);
  const double field = 2.0 * std::numbers::pi / 180.0;
  ZELT_Throw_On_Error(ZELT_Object_Set_Size(field));
  ZELT_Throw_On_Error(ZELT_Zone_Set_Count(3));
  const double relative[] = {1.0, 0.7, 0.0};
  for (int i = 0; i < 3; ++i) {
    ZELT_Throw_On_Error(ZELT_Zone_Set_Relative_Coord(i, 0, relative[i]));
    ZELT_Throw_On_Error(ZELT_Zone_Set_Real_Coord(i, 0, relative[i] * field));
  }
  ZELT_Throw_On_Error(ZELT_Zone_Set_Vign(0, 0.2, 0.0));
  const auto [before, after] = roundTrip("SCHOTT");
  expectSame(before, after);  // three zones: the axis zone of the file is not doubled
  for (int i = 0; i < 3; ++i) {
    double x = 0, y = 0, upper = 0, lower = 0;
    ZELT_Throw_On_Error(ZELT_Zone_Get_Relative_Coord(i, x, y));
    ZELT_Throw_On_Error(ZELT_Zone_Get_Vign(i, upper, lower));
    EXPECT_NEAR(y, relative[i], 1e-5);
    EXPECT_NEAR(upper, i == 0 ? 0.2 : 0.0, 1e-12);
    EXPECT_NEAR(lower, 0.0, 1e-12);
  }
}

// An infrared singlet of CDGM's HWS1 for 8–12 µm: its air is valid wherever its glass is.
TEST(ZmxRoundTrip, InfraredSingletReadsTracesAndWrites) {
  readCatalogOnce("CDGM_201904.AGF");
  requireOk(buildSystem(2));
  ZELT_Throw_On_Error(ZELT_Source_Set_Wavelength(0, 10.0));
  for (double w : {8.0, 12.0}) ZELT_Throw_On_Error(ZELT_Source_Append_Wave(w, 1.0));
  ZELT_Throw_On_Error(ZELT_Stop_Set_Surface_Num(1));
  ZELT_Throw_On_Error(ZELT_Stop_Set(10, 'p'));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Thickness(1, 6));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(1, 0.01));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Curvature(2, 0.002));
  for (int i : {0, 2}) ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(i, "AIR", "CDGM_201904"));
  ZELT_Throw_On_Error(ZELT_Surface_Set_Glass(1, "HWS1", "CDGM_201904"));
  ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
  const auto [before, after] = roundTrip("CDGM_201904");
  expectSame(before, after);
  EXPECT_EQ(after.waves, (std::vector<double>{10.0, 8.0, 12.0}));
  EXPECT_EQ(after.glasses[1], "HWS1");
  ASSERT_EQ(ZELT_Calc_Paraxial(), 0);
}
