// OPJ projects: files laid out field by field, refused files, the writer's round trip and the
// conversions to and from ZMX.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "tests/support/TestSupport.h"
#include "tests/zelt/io/OpjTestSupport.h"

using namespace zelt_test;
using opj_test::Layout;

namespace {

double index(int i, int w) {
  double n = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Ingex_Of_Refraction(i, w, &n));
  return n;
}
std::string name() {
  std::string n;
  ZELT_Throw_On_Error(ZELT_System_Get_Name(n));
  return n;
}
int stopSurface() {
  int s = -1;
  ZELT_Throw_On_Error(ZELT_Stop_Get_Surface_Num(&s));
  return s;
}
int zoneCount() {
  int z = -1;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(z));
  return z;
}
double objectDistance() {
  double s = 0;
  ZELT_Throw_On_Error(ZELT_Object_Get_S(&s));
  return s;
}
void resetToKept() {
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ZELT_Throw_On_Error(ZELT_System_Set_Name("kept"));
}

// Writes `layout` to a file and reads it; returns the status.
int readLayout(const Layout& layout) {
  const std::string path = tempPath("layout.opj");
  writeBytes(path, layout.bytes());
  return ZELT_System_Read_Opj_File(path.c_str());
}

// Returns the line of the current system's ZMX text that starts with `keyword`.
std::string zmxLine(const std::string& keyword) {
  const std::string path = tempPath("probe.zmx");
  ZELT_System_Write_Zmx_File(path.c_str(), "SCHOTT");
  for (const std::string& line : fileLines(path)) {
    if (line.rfind(keyword, 0) == 0) return line;
  }
  return "";
}

// Drops the line of the image's DIAM: OPJ keeps no image size when the field is on the object side.
void dropImageDiameter(std::vector<std::string>& lines) {
  const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                 [](const std::string& l) { return l.rfind("  DIAM", 0) == 0; });
  if (last != lines.rend()) lines.erase(std::next(last).base());
}

}  // namespace

// The default doublet with two zones, stored last first after the axis.
TEST(OpjReader, SphericalDoubletFromItsFields) {
  Layout layout;
  layout.zones = {{1.0f, 0.2f, 0.1f, 1.0, 2.0, 3.0}, {0.7f, 0.0f, 0.0f, 0.0, 0.0, 0.0}};
  ASSERT_EQ(readLayout(layout), 0);
  EXPECT_EQ(name(), "Layout doublet");
  ASSERT_EQ(surfaceCount(), 5);
  EXPECT_DOUBLE_EQ(curvatureOf(2), -1 / 45.71);
  EXPECT_EQ(thicknessOf(2), 2.5);
  EXPECT_EQ(heightOf(3), 11.43);
  EXPECT_EQ(glassOf(0), "AIR");  // glass code 0
  EXPECT_EQ(glassOf(2), "SF5");
  EXPECT_EQ(index(2, 1), 1.6848);
  EXPECT_EQ(index(3, 2), 1.0);
  double w = 0, x = 0, y = 0, z = 0, low = 0;
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(0, &w));
  EXPECT_EQ(w, 0.58756);  // the float's short decimal, not its exact value
  EXPECT_EQ(stopSurface(), 1);
  EXPECT_EQ(zmxLine("WWGT"), "WWGT 1 0.5 0.25");
  ASSERT_EQ(zoneCount(), 3);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Relative_Coord(1, x, y));
  EXPECT_EQ(y, 0.7);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Vign(2, x, low));
  EXPECT_NEAR(low, 0.1, 1e-12);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Shift(2, x, y, z));
  EXPECT_EQ(z, -3.0);  // S − offset, S = 0
}

TEST(OpjReader, ConicMirrorFiniteObjectAndPlainFile) {
  Layout conic;
  conic.kinds = {2, 2, 2};  // three conics of the 100 slots
  conic.conics = {0.5f};
  conic.codes = {0, 1, -2, 0};  // surface 2 reflects into glass entry 2
  conic.objectFinite = 1;
  conic.objectDistance = -250.0;
  ASSERT_EQ(readLayout(conic), 0);
  double e2 = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Conic(1, &e2));
  EXPECT_EQ(e2, 0.5);
  bool mirror = false;
  ZELT_Throw_On_Error(ZELT_Surface_Is_Mirror(2, &mirror));
  EXPECT_TRUE(mirror);
  EXPECT_EQ(index(2, 0), -1.6727);
  EXPECT_EQ(objectDistance(), -250.0);

  // Without the optional sections: no semi-heights, weights 0, only the axis zone.
  Layout plain;
  plain.semiDiameters.clear();
  plain.baseFlags = 0x8000;
  plain.objectDistance = -0.5;  // metres for an object at infinity
  ASSERT_EQ(readLayout(plain), 0);
  EXPECT_EQ(heightOf(1), 0.0);
  EXPECT_EQ(zmxLine("WWGT"), "WWGT 0 0 0");
  EXPECT_EQ(zoneCount(), 1);
  EXPECT_EQ(objectDistance(), -500.0);
}

// The stop on a surface, on a plane p from surface s, or as an entrance pupil.
TEST(OpjReader, StopPlacements) {
  struct Case {
    int s;
    double p;
    int nodes, stop;
    double before, after;  // thicknesses of the nodes in front of and at the stop
  };
  const Case cases[] = {
      {2, 1.0, 6, 3, 1, 1.5},   // behind surface 2, inside the second lens
      {3, 5.0, 6, 4, 5, 0},     // behind the last surface
      {1, -3.0, 6, 1, 0, 3},    // in front of the first surface
      {3, -1.0, 6, 3, 1.5, 1},  // in front of surface 3
      {2, 0.0, 5, 2, 4, 2.5},   // on surface 2
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.s) + " " + std::to_string(c.p));
    Layout layout;
    layout.stopSurface = c.s;
    layout.stopPosition = c.p;
    ASSERT_EQ(readLayout(layout), 0);
    ASSERT_EQ(surfaceCount(), c.nodes);
    EXPECT_EQ(stopSurface(), c.stop);
    EXPECT_EQ(curvatureOf(c.stop), c.p == 0.0 ? -1 / 45.71 : 0.0);
    if (c.stop > 1) {
      EXPECT_EQ(thicknessOf(c.stop - 1), c.before);
    }
    EXPECT_EQ(thicknessOf(c.stop), c.after);
  }
  // An entrance pupil, as 99 or 999, keeps its position through a write.
  for (int s : {99, 999}) {
    Layout layout;
    layout.stopSurface = s;
    layout.stopPosition = -20.0;
    ASSERT_EQ(readLayout(layout), 0);
    EXPECT_EQ(surfaceCount(), 5);
    const std::string path = tempPath("pupil.opj");
    ASSERT_EQ(ZELT_System_Write_Opj_File(path.c_str()), 0);
    const std::string bytes = fileBytes(path);
    std::int16_t stop = 0;
    double position = 0;
    std::memcpy(&stop, bytes.data() + 58, sizeof stop);
    std::memcpy(&position, bytes.data() + 108, sizeof position);
    EXPECT_EQ(stop, 99);
    EXPECT_EQ(position, -20.0);
  }
  // No stop surface: the file reads, the calculation refuses.
  Layout none;
  none.stopSurface = 0;
  ASSERT_EQ(readLayout(none), 0);
  EXPECT_EQ(errorText(ZELT_Calc_Paraxial()), "The aperture stop is on no surface");
}

TEST(OpjReader, RefusedFilesKeepTheCurrentSystem) {
  const std::string corrupted = "Read OPJ Error: file is corrupted";
  const struct {
    const char* what;
    Layout layout;
    std::string message;
  } cases[] = {
      {"zoom", {.zoom = 2}, "Read OPJ Error: варио-системы не поддерживаются"},
      {"flags",
       {.extraFlags = 0x100},
       "Read OPJ Error: нарциссы, блоки, градиенты, плавки не поддерживаются"},
      {"special",
       {.specialElements = 1, .kinds = {1, 1, 1}},
       "Read OPJ Error: дифракционные элементы не поддерживаются"},
      {"asphere",
       {.kinds = {1, 3, 1}},
       "Read OPJ Error: high order aspherical surface doesn't support."},
      {"space", {.flags2 = 0x8000}, "Read OPJ Error: space systems doesn't support."},
      {"huge N", {.surfaceCount = 30000}, corrupted},
      {"negative N", {.surfaceCount = -1}, corrupted},
      {"huge G", {.glassCount = 32767}, corrupted},
      {"no wavelength", {.waveCount = 0}, corrupted},
      {"huge Z", {.zoneCount = 0xFFFFFFF0u}, corrupted},
      {"glass code", {.codes = {0, 3, 2, 0}}, corrupted},
  };
  resetToKept();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(errorText(readLayout(c.layout)), c.message);
    EXPECT_EQ(name(), "kept");
    EXPECT_EQ(surfaceCount(), 2);
  }
  const int missing = ZELT_System_Read_Opj_File(tempPath("no such file.opj").c_str());
  EXPECT_EQ(errorText(missing), "Read OPJ Error: file does not exist");
}

// Cuts of a file with all sections are refused; no damaged byte makes the reader overrun.
TEST(OpjReader, TruncatedAndDamagedFiles) {
  Layout full;
  full.kinds = {2, 1, 1};
  full.conics = {-1.0f};
  full.zones = {{1.0f, 0.1f, 0.1f, 0, 0, 0}};
  full.extraFlags = 0x800;
  full.trailingSections = true;
  const std::string bytes = full.bytes();
  resetToKept();
  const std::string path = tempPath("cut.opj");
  // Cuts every third byte, and all through the last section, keep the file writes few.
  for (std::size_t n = 0; n < bytes.size(); n += n + 16 < bytes.size() ? 3 : 1) {
    writeBytes(path, bytes.substr(0, n));
    ASSERT_EQ(errorText(ZELT_System_Read_Opj_File(path.c_str())),
              "Read OPJ Error: file is corrupted")
        << n << " bytes";
  }
  EXPECT_EQ(name(), "kept");
  writeBytes(path, bytes);
  ASSERT_EQ(ZELT_System_Read_Opj_File(path.c_str()), 0);
  for (std::size_t k = 0; k < bytes.size(); k += 5) {
    std::string damaged = bytes;
    damaged[k] = static_cast<char>(0xFF);
    writeBytes(path, damaged);
    ZELT_System_Read_Opj_File(path.c_str());  // success or a message; never a crash
  }
}

TEST(OpjWriter, WrittenSystemsReadBackIntact) {
  buildDoublet(kAchromat);
  ZELT_Throw_On_Error(ZELT_Surface_Set_Conic(3, -1.25));
  ZELT_Throw_On_Error(ZELT_Image_Set_Distance_Type(false));
  ZELT_Throw_On_Error(ZELT_Image_Set_S_(96.5));
  ZELT_Throw_On_Error(ZELT_Object_Set_Type(true));
  ZELT_Throw_On_Error(ZELT_Object_Set_S(-400.25));
  ZELT_Throw_On_Error(ZELT_Zone_Set_Count(3));
  ZELT_Throw_On_Error(ZELT_Zone_Set_Relative_Coord(1, 0, 0.5));
  ZELT_Throw_On_Error(ZELT_Zone_Set_Relative_Coord(2, 0, 1.0));
  const std::string path = tempPath("doublet.opj");
  ASSERT_EQ(ZELT_System_Write_Opj_File(path.c_str()), 0);
  ASSERT_EQ(ZELT_System_Read_Opj_File(path.c_str()), 0);
  EXPECT_EQ(name(), "Cemented Doublet");
  ASSERT_EQ(surfaceCount(), 5);
  EXPECT_EQ(curvatureOf(3), 1 / kAchromat.r3);
  EXPECT_EQ(thicknessOf(1), kAchromat.t1);
  EXPECT_EQ(heightOf(2), kAchromat.pupil * 0.5);
  EXPECT_EQ(index(1, 2), kAchromat.n1[2]);
  EXPECT_EQ(glassOf(2), kAchromat.glass2);
  double e2 = 0, s_ = 0, w = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Conic(3, &e2));
  EXPECT_EQ(e2, -1.25);
  EXPECT_EQ(objectDistance(), -400.25);
  ZELT_Throw_On_Error(ZELT_Image_Get_S_(&s_));
  EXPECT_EQ(s_, 96.5);
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(2, &w));
  EXPECT_EQ(w, 0.6562725);  // the float's short decimal: seven digits
  EXPECT_EQ(stopSurface(), 1);
  EXPECT_EQ(zoneCount(), 3);

  // A glass name longer than the format holds is cut, and said so once the file is written.
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, "N-LASF44", {1.8, 1.81, 1.79}));
  EXPECT_EQ(errorText(ZELT_System_Write_Opj_File(path.c_str())),
            "Write OPJ Warning: glass names longer than 7 characters were cut: N-LASF44");
  ASSERT_EQ(ZELT_System_Read_Opj_File(path.c_str()), 0);
  EXPECT_EQ(glassOf(1), "N-LASF4");

  // Six zones besides the axis do not fit.
  ZELT_Throw_On_Error(ZELT_Zone_Set_Count(7));
  for (int k = 1; k < 7; ++k) ZELT_Throw_On_Error(ZELT_Zone_Set_Relative_Coord(k, 0, k / 6.0));
  EXPECT_EQ(errorText(ZELT_System_Write_Opj_File(path.c_str())), "Error: more then 5 object zone");
}

// Every catalog character survives a read and a write, the blank of default catalog 8 (code 11)
// too; a file without such a glass keeps default catalog 0.
TEST(OpjWriter, CatalogCodesSurviveTheRoundTrip) {
  const std::string path = tempPath("codes.opj");
  for (const char stored : std::string("$ORSMGFJH ")) {
    SCOPED_TRACE(std::string("catalog character '") + stored + "'");
    Layout layout;
    layout.defaultCatalog = 8;
    layout.glasses.front().stored = stored + std::string("N-BK7");
    ASSERT_EQ(readLayout(layout), 0);
    ASSERT_EQ(ZELT_System_Write_Opj_File(path.c_str()), 0);
    const std::string bytes = fileBytes(path);
    const std::size_t name = bytes.find("N-BK7");
    ASSERT_NE(name, std::string::npos);
    EXPECT_EQ(bytes[name - 1], stored);
    const int defaultCatalog = static_cast<unsigned char>(bytes[74]) | bytes[75] << 8;
    EXPECT_EQ(defaultCatalog, stored == ' ' ? 8 : 0);
  }
}

// ZMX → OPJ → ZMX keeps what both formats carry, for every maker's file.
TEST(OpjConversion, MakersFilesSurviveTheTripThroughOpj) {
  readCatalogOnce("SCHOTT.AGF");
  readCatalogOnce("HIKARI.AGF");
  const std::string hoya = tempPath("HOYA.agf");
  std::filesystem::copy_file(kCatalogs + "HOYA20220711_include_obsolete.agf", hoya,
                             std::filesystem::copy_options::overwrite_existing);
  ZELT_Throw_On_Error(ZELT_System_Read_Catalog(hoya.c_str()));
  int files = 0;
  const std::string copy = tempPath("trip.zmx"), direct = tempPath("direct.zmx");
  for (const char* dir : {"/lenses/thorlabs", "/lenses/other"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kData + dir)) {
      SCOPED_TRACE(entry.path().string());
      ++files;
      std::filesystem::copy_file(entry.path(), copy,
                                 std::filesystem::copy_options::overwrite_existing);
      ASSERT_EQ(ZELT_System_Read_Zmx_File(copy.c_str()), 0);
      ZELT_System_Write_Zmx_File(direct.c_str(), "SCHOTT");  // warnings change no line
      EXPECT_OK(ZELT_System_Convert_Zmx_to_Opj_File(copy.c_str()));
      ZELT_System_Convert_Opj_to_Zmx_File(tempPath("trip.opj").c_str(), "SCHOTT");
      // trip.zmx was written over by the trip. The format keeps 40 bytes of the name only.
      auto before = fileLines(direct), after = fileLines(copy);
      ASSERT_GE(std::min(before.size(), after.size()), 3u);
      EXPECT_EQ(before[2].rfind(after[2].substr(0, after[2].size() - 1), 0), 0u) << after[2];
      before.erase(before.begin() + 2);
      after.erase(after.begin() + 2);
      dropImageDiameter(before);
      dropImageDiameter(after);
      // OPJ keeps a glass's indices, not the nd and νd of its model glass.
      for (std::string& line : before) {
        if (line.starts_with("  GLAS ")) line = line.substr(0, line.find(' ', 7));
      }
      EXPECT_EQ(before, after);
    }
  }
  EXPECT_EQ(files, 108);
  EXPECT_NE(ZELT_System_Convert_Opj_to_Zmx_File(tempPath("absent.opj").c_str(), "SCHOTT"), 0);
  EXPECT_FALSE(std::filesystem::exists(tempPath("absent.zmx")));
}
