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
std::string glass(int i) {
  std::string name;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Glass(i, name));
  return name;
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

// Writes `layout` to a file and reads it; returns the status.
int readLayout(const Layout& layout, const std::string& file = "layout.opj") {
  const std::string path = tempPath(file);
  writeBytes(path, layout.bytes());
  return ZELT_System_Read_Opj_File(path.c_str());
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

template <class T>
T fieldAt(const std::string& bytes, std::size_t offset) {
  T v{};
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

}  // namespace

TEST(OpjReader, SphericalDoubletFromItsFields) {
  ASSERT_EQ(readLayout(Layout{}), 0);
  EXPECT_EQ(name(), "Layout doublet");
  ASSERT_EQ(surfaceCount(), 5);
  EXPECT_DOUBLE_EQ(curvatureOf(2), -1 / 45.71);
  EXPECT_EQ(thicknessOf(1), 4.0);
  EXPECT_EQ(thicknessOf(2), 2.5);
  EXPECT_EQ(heightOf(3), 11.43);
  EXPECT_EQ(glass(0), "AIR");  // glass code 0
  EXPECT_EQ(glass(1), "N-BK7");
  EXPECT_EQ(glass(2), "SF5");
  EXPECT_EQ(index(2, 1), 1.6848);
  EXPECT_EQ(index(3, 2), 1.0);
  double w = 0;
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(0, &w));
  EXPECT_EQ(w, 0.58756);  // the float's short decimal, not its exact value
  EXPECT_EQ(stopSurface(), 1);
  char type = 0;
  ZELT_Throw_On_Error(ZELT_Stop_Get_Type(&type));
  EXPECT_EQ(type, 'p');
  bool finite = true;
  ZELT_Throw_On_Error(ZELT_Object_Get_Type(&finite));
  EXPECT_FALSE(finite);
  int zones = -1;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(zones));
  EXPECT_EQ(zones, 1);  // the axis
  EXPECT_EQ(zmxLine("WWGT"), "WWGT 1 0.5 0.25");
}

TEST(OpjReader, ConicMirrorFiniteObjectAndPlainFile) {
  Layout conic;
  conic.kinds = {2, 1, 1};
  conic.conics = {0.5f};
  conic.codes = {0, 1, -2, 0};  // surface 2 reflects into glass entry 2
  conic.objectFinite = 1;
  conic.objectDistance = -250.0;
  ASSERT_EQ(readLayout(conic), 0);
  double e2 = 0, s = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Conic(1, &e2));
  EXPECT_EQ(e2, 0.5);
  bool mirror = false;
  ZELT_Throw_On_Error(ZELT_Surface_Is_Mirror(2, &mirror));
  EXPECT_TRUE(mirror);
  EXPECT_EQ(index(2, 0), -1.6727);
  ZELT_Throw_On_Error(ZELT_Object_Get_S(&s));
  EXPECT_EQ(s, -250.0);

  // Without the optional sections: no semi-heights, weights 0, only the axis zone.
  Layout plain;
  plain.semiDiameters.clear();
  plain.baseFlags = 0x8000;
  plain.objectDistance = -0.5;  // metres for an object at infinity
  ASSERT_EQ(readLayout(plain), 0);
  EXPECT_EQ(heightOf(1), 0.0);
  EXPECT_EQ(zmxLine("WWGT"), "WWGT 0 0 0");
  int zones = 0;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(zones));
  EXPECT_EQ(zones, 1);
  ZELT_Throw_On_Error(ZELT_Object_Get_S(&s));
  EXPECT_EQ(s, -500.0);
}

TEST(OpjReader, ZonesComeLastFirstAfterTheAxis) {
  Layout layout;
  layout.zones = {{1.0f, 0.2f, 0.1f, 1.0, 2.0, 3.0}, {0.7f, 0.0f, 0.0f, 0.0, 0.0, 0.0}};
  ASSERT_EQ(readLayout(layout), 0);
  int zones = 0;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(zones));
  ASSERT_EQ(zones, 3);
  double x = 0, y = 0, z = 0, up = 0, low = 0;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Relative_Coord(1, x, y));
  EXPECT_EQ(y, 0.7);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Relative_Coord(2, x, y));
  EXPECT_EQ(y, 1.0);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Vign(2, up, low));
  EXPECT_NEAR(up, 0.2, 1e-12);
  EXPECT_NEAR(low, 0.1, 1e-12);
  ZELT_Throw_On_Error(ZELT_Zone_Get_Shift(2, x, y, z));
  EXPECT_EQ(x, -1.0);  // S − offset, S = 0
  EXPECT_EQ(y, -2.0);
  EXPECT_EQ(z, -3.0);
}

// The stop on a surface, on a plane p from surface s, or as an entrance pupil.
TEST(OpjReader, StopPlacements) {
  struct Case {
    int s;
    double p;
    int nodes, stop;
    std::vector<double> thicknesses;  // of nodes 1..N
  };
  const std::vector<Case> cases{
      {2, 1.0, 6, 3, {4, 1, 1.5, 0}},   // behind surface 2, inside the second lens
      {3, 5.0, 6, 4, {4, 2.5, 5, 0}},   // behind the last surface
      {1, -3.0, 6, 1, {3, 4, 2.5, 0}},  // in front of the first surface
      {3, -1.0, 6, 3, {4, 1.5, 1, 0}},  // in front of surface 3
      {2, 0.0, 5, 2, {4, 2.5, 0}},      // on surface 2
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
    for (std::size_t k = 0; k < c.thicknesses.size(); ++k) {
      EXPECT_EQ(thicknessOf(static_cast<int>(k) + 1), c.thicknesses[k]) << "surface " << k + 1;
    }
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
    EXPECT_EQ(fieldAt<std::int16_t>(bytes, 58), 99);
    EXPECT_EQ(fieldAt<double>(bytes, 108), -20.0);
  }
  // No stop surface: the file reads, the calculation refuses.
  Layout none;
  none.stopSurface = 0;
  ASSERT_EQ(readLayout(none), 0);
  const int calc = ZELT_Calc_Paraxial();
  ASSERT_NE(calc, 0);
  EXPECT_EQ(errorText(calc), "The aperture stop is on no surface");
}

TEST(OpjReader, RefusedFilesKeepTheCurrentSystem) {
  struct Case {
    const char* what;
    Layout layout;
    std::string message;
  };
  const std::string corrupted = "Read OPJ Error: file is corrupted";
  std::vector<Case> cases;
  auto add = [&](const char* what, auto change, std::string message) {
    Layout l;
    change(l);
    cases.push_back({what, l, std::move(message)});
  };
  add(
      "zoom", [](Layout& l) { l.zoom = 2; }, "Read OPJ Error: варио-системы не поддерживаются");
  add(
      "flags", [](Layout& l) { l.extraFlags = 0x100; },
      "Read OPJ Error: нарциссы, блоки, градиенты, плавки не поддерживаются");
  add(
      "special",
      [](Layout& l) {
        l.kinds = {1, 1, 1}, l.specialElements = 1;
      },
      "Read OPJ Error: дифракционные элементы не поддерживаются");
  add(
      "asphere",
      [](Layout& l) {
        l.kinds = {1, 3, 1};
      },
      "Read OPJ Error: high order aspherical surface doesn't support.");
  add(
      "space", [](Layout& l) { l.flags2 = 0x8000; },
      "Read OPJ Error: space systems doesn't support.");
  add(
      "huge N", [](Layout& l) { l.surfaceCount = 30000; }, corrupted);
  add(
      "negative N", [](Layout& l) { l.surfaceCount = -1; }, corrupted);
  add(
      "huge G", [](Layout& l) { l.glassCount = 32767; }, corrupted);
  add(
      "no wavelength", [](Layout& l) { l.waveCount = 0; }, corrupted);
  add(
      "huge Z", [](Layout& l) { l.zoneCount = 0xFFFFFFF0u; }, corrupted);
  add(
      "glass code",
      [](Layout& l) {
        l.codes = {0, 3, 2, 0};
      },
      corrupted);
  add(
      "conics",
      [](Layout& l) {
        l.kinds = {2, 2, 2};
      },
      "");  // three conics of 100 slots read

  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ZELT_Throw_On_Error(ZELT_System_Set_Name("kept"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int status = readLayout(c.layout);
    if (c.message.empty()) {
      EXPECT_EQ(status, 0);
      ZELT_Throw_On_Error(ZELT_System_Create_Base());
      ZELT_Throw_On_Error(ZELT_System_Set_Name("kept"));
      continue;
    }
    ASSERT_NE(status, 0);
    EXPECT_EQ(errorText(status), c.message);
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
  ZELT_Throw_On_Error(ZELT_System_Create_Base());
  ZELT_Throw_On_Error(ZELT_System_Set_Name("kept"));
  const std::string path = tempPath("cut.opj");
  // Cuts every third byte, and all through the last section, keep the file writes few.
  for (std::size_t n = 0; n < bytes.size(); n += n + 16 < bytes.size() ? 3 : 1) {
    writeBytes(path, bytes.substr(0, n));
    const int status = ZELT_System_Read_Opj_File(path.c_str());
    ASSERT_NE(status, 0) << n << " bytes";
    ASSERT_EQ(errorText(status), "Read OPJ Error: file is corrupted") << n << " bytes";
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
  EXPECT_EQ(curvatureOf(1), 1 / kAchromat.r1);
  EXPECT_EQ(curvatureOf(3), 1 / kAchromat.r3);
  EXPECT_EQ(thicknessOf(1), kAchromat.t1);
  EXPECT_EQ(heightOf(2), kAchromat.pupil * 0.5);
  EXPECT_EQ(index(1, 2), kAchromat.n1[2]);
  EXPECT_EQ(glass(2), kAchromat.glass2);
  double e2 = 0, s = 0, s_ = 0, size = 0, w = 0;
  ZELT_Throw_On_Error(ZELT_Surface_Get_Conic(3, &e2));
  EXPECT_EQ(e2, -1.25);
  ZELT_Throw_On_Error(ZELT_Object_Get_S(&s));
  EXPECT_EQ(s, -400.25);
  ZELT_Throw_On_Error(ZELT_Image_Get_S_(&s_));
  EXPECT_EQ(s_, 96.5);
  ZELT_Throw_On_Error(ZELT_Stop_Get_Size(&size));
  EXPECT_EQ(size, kAchromat.pupil * 0.5);
  ZELT_Throw_On_Error(ZELT_Source_Get_Wavelength(2, &w));
  EXPECT_EQ(w, 0.6562725);  // the float's short decimal: seven digits
  EXPECT_EQ(stopSurface(), 1);
  int zones = 0;
  ZELT_Throw_On_Error(ZELT_Zone_Get_Count(zones));
  EXPECT_EQ(zones, 3);

  // A glass name longer than the format holds is cut, and said so once the file is written.
  ZELT_Throw_On_Error(ZELT_Surface_Set_And_Create_Glass(1, "N-LASF44", {1.8, 1.81, 1.79}));
  const int cut = ZELT_System_Write_Opj_File(path.c_str());
  EXPECT_EQ(errorText(cut),
            "Write OPJ Warning: glass names longer than 7 characters were cut: N-LASF44");
  ASSERT_EQ(ZELT_System_Read_Opj_File(path.c_str()), 0);
  EXPECT_EQ(glass(1), "N-LASF4");

  // Six zones besides the axis do not fit.
  ZELT_Throw_On_Error(ZELT_Zone_Set_Count(7));
  for (int k = 1; k < 7; ++k) ZELT_Throw_On_Error(ZELT_Zone_Set_Relative_Coord(k, 0, k / 6.0));
  const int six = ZELT_System_Write_Opj_File(path.c_str());
  EXPECT_EQ(errorText(six), "Error: more then 5 object zone");
}

// ZMX → OPJ → ZMX keeps what both formats carry, for every maker's file.
TEST(OpjConversion, MakersFilesSurviveTheTripThroughOpj) {
  readCatalogOnce("SCHOTT.AGF");
  readCatalogOnce("HIKARI.AGF");
  const std::string hoya = tempPath("HOYA.agf");
  std::filesystem::copy_file(kData + "/catalogs/HOYA20220711_include_obsolete.agf", hoya,
                             std::filesystem::copy_options::overwrite_existing);
  ZELT_Throw_On_Error(ZELT_System_Read_Catalog(hoya.c_str()));
  int files = 0;
  for (const char* dir : {"/lenses/thorlabs", "/lenses/other"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kData + dir)) {
      SCOPED_TRACE(entry.path().string());
      ++files;
      const std::string copy = tempPath("trip.zmx");
      std::filesystem::copy_file(entry.path(), copy,
                                 std::filesystem::copy_options::overwrite_existing);
      ASSERT_EQ(ZELT_System_Read_Zmx_File(copy.c_str()), 0);
      const std::string direct = tempPath("direct.zmx");
      ZELT_System_Write_Zmx_File(direct.c_str(), "SCHOTT");  // warnings change no line
      const int toOpj = ZELT_System_Convert_Zmx_to_Opj_File(copy.c_str());
      ASSERT_EQ(toOpj, 0) << errorText(toOpj);
      ZELT_System_Convert_Opj_to_Zmx_File(tempPath("trip.opj").c_str(), "SCHOTT");
      // trip.zmx was written over by the trip. The format keeps 40 bytes of the name and not the
      // further text.
      auto before = fileLines(direct), after = fileLines(copy);
      ASSERT_GE(before.size(), 2u);
      ASSERT_GE(after.size(), 2u);
      EXPECT_EQ(before[1].rfind(after[1].substr(0, after[1].size() - 1), 0), 0u) << after[1];
      before.erase(before.begin() + 1);
      after.erase(after.begin() + 1);
      // Nor the image size when the field is given on the object side (the image's DIAM).
      auto imageDiameter = [](std::vector<std::string>& lines) {
        const auto last = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) {
          return l.rfind("  DIAM", 0) == 0;
        });
        if (last != lines.rend()) lines.erase(std::next(last).base());
      };
      imageDiameter(before);
      imageDiameter(after);
      ASSERT_EQ(before.size(), after.size());
      for (std::size_t k = 0; k < before.size(); ++k) EXPECT_EQ(before[k], after[k]);
    }
  }
  EXPECT_EQ(files, 108);
  EXPECT_NE(ZELT_System_Convert_Opj_to_Zmx_File(tempPath("absent.opj").c_str(), "SCHOTT"), 0);
  EXPECT_FALSE(std::filesystem::exists(tempPath("absent.zmx")));
}
