#include "tests/support/TestSupport.h"

#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

#include <unistd.h>

#include "zelt_api/zelt_api.h"

namespace zelt_test {

namespace {

// Removes the scratch folder when the program ends.
struct ScratchCleanup {
  ~ScratchCleanup() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
  }
};
ScratchCleanup scratchCleanup;

double curvature(double r) {
  return r == 0.0 ? 0.0 : 1.0 / r;
}

}  // namespace

const Doublet kAchromat{"N-BK7",
                        "SF5",
                        62.75,
                        -45.71,
                        -128.23,
                        4,
                        2.5,
                        22.86,
                        1.0,
                        {1.5168, 1.5143, 1.5224},
                        {1.6727, 1.6657, 1.6848}};

std::string errorText(int code) {
  char buffer[256] = "untouched";
  ZELT_Get_Error(code, buffer);
  return buffer;
}

void requireOk(int status) {
  if (status != 0) throw std::runtime_error(errorText(status));
}

std::filesystem::path scratchFolder() {
  return std::filesystem::temp_directory_path() / ("zelt_tests_" + std::to_string(::getpid()));
}

std::string tempPath(const std::string& name) {
  std::filesystem::create_directories(scratchFolder());
  return (scratchFolder() / name).string();
}

void writeBytes(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> fileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int buildSystem(int surfaces) {
  if (int s = ZELT_System_Create_Base()) return s;
  for (int i = 0; i < surfaces; ++i) {
    if (int s = ZELT_System_Append_Surface()) return s;
  }
  return 0;
}

void buildDoublet(const Doublet& d) {
  requireOk(buildSystem(3));
  requireOk(ZELT_System_Set_Name("Cemented Doublet"));
  requireOk(ZELT_Object_Set_Type(false));
  requireOk(ZELT_Image_Set_Type(true));
  requireOk(ZELT_Image_Set_Size(d.field * std::numbers::pi / 180.0));
  requireOk(ZELT_Image_Set_Distance_Type(true));
  requireOk(ZELT_Source_Set_Wavelength(0, d.waves[0]));
  requireOk(ZELT_Source_Append_Wave(d.waves[1], 1));
  requireOk(ZELT_Source_Append_Wave(d.waves[2], 1));
  requireOk(ZELT_Stop_Set_Surface_Num(1));
  requireOk(ZELT_Stop_Set(d.pupil * 0.5, 'p'));
  const double radii[] = {d.r1, d.r2, d.r3};
  for (int k = 1; k <= 3; ++k) {
    requireOk(ZELT_Surface_Set_Curvature(k, curvature(radii[k - 1])));
    requireOk(ZELT_Surface_Set_Height(k, d.pupil * 0.5));
  }
  requireOk(ZELT_Surface_Set_Thickness(1, d.t1));
  requireOk(ZELT_Surface_Set_Thickness(2, d.t2));
  requireOk(ZELT_Surface_Set_And_Create_Glass(0, "AIR", {1, 1, 1}));
  requireOk(ZELT_Surface_Set_And_Create_Glass(3, "AIR", {1, 1, 1}));
  requireOk(ZELT_Surface_Set_And_Create_Glass(1, d.glass1, {d.n1[0], d.n1[1], d.n1[2]}));
  requireOk(ZELT_Surface_Set_And_Create_Glass(2, d.glass2, {d.n2[0], d.n2[1], d.n2[2]}));
}

void readCatalogOnce(const std::string& file) {
  static std::vector<std::string> read;
  for (const auto& f : read)
    if (f == file) return;
  requireOk(ZELT_System_Read_Catalog((kCatalogs + file).c_str()));
  read.push_back(file);
}

void buildSinglet(const Singlet& s) {
  const int lens = s.leadingPlane ? 2 : 1;
  requireOk(buildSystem(lens + 1));
  if (s.leadingPlane) requireOk(ZELT_Surface_Set_Thickness(1, 10.0));
  requireOk(ZELT_Surface_Set_Curvature(lens, 1.0 / Singlet::kRadius));
  requireOk(ZELT_Surface_Set_Thickness(lens, Singlet::kThickness));
  requireOk(ZELT_Surface_Set_And_Create_Glass(lens, "GLASS", s.indices));
  requireOk(ZELT_Source_Set_Wavelength(0, s.waves[0]));
  for (std::size_t i = 1; i < s.waves.size(); ++i)
    requireOk(ZELT_Source_Append_Wave(s.waves[i], 1));
  requireOk(ZELT_Object_Set_Type(false));
  requireOk(ZELT_Object_Set_Size(s.field));
  requireOk(ZELT_Image_Set_Type(true));
  requireOk(ZELT_Image_Set_Distance_Type(true));
  requireOk(ZELT_Stop_Set_Surface_Num(lens));
  requireOk(ZELT_Stop_Set(s.pupilRadius, 'p'));
}

void buildParaboloid(double focal, double pupilRadius) {
  const std::string path = tempPath("paraboloid.zmx");
  writeBytes(path,
             "VERS 120928 15 30221\nMODE SEQ\nNAME PARABOLOID\nUNIT MM X W X CM MR CPMM\n"
             "ENPD 20\nWAVM 1 5.5E-1 1\nWAVM 2 4.5E-1 1\nWAVM 3 6.5E-1 1\nPWAV 1\n"
             "SURF 0\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  DISZ INFINITY\n"
             "SURF 1\n  STOP\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  GLAS MIRROR\n"
             "  DISZ -100\nSURF 2\n  TYPE STANDARD\n  CURV 0.0 0 0 0 0 \"\"\n  DISZ 0\n");
  requireOk(ZELT_System_Read_Zmx_File(path.c_str()));
  bool mirror = false;
  requireOk(ZELT_Surface_Is_Mirror(1, &mirror));
  if (!mirror) throw std::runtime_error("the paraboloid's surface does not reflect");
  requireOk(ZELT_Surface_Set_Curvature(1, -0.5 / focal));
  requireOk(ZELT_Surface_Set_Conic(1, 1.0));
  requireOk(ZELT_Surface_Set_Thickness(1, -focal));
  requireOk(ZELT_Object_Set_Type(false));
  requireOk(ZELT_Object_Set_Size(0.01));
  requireOk(ZELT_Image_Set_Type(true));
  requireOk(ZELT_Image_Set_Distance_Type(true));
  requireOk(ZELT_Image_Set_S_(0.0));
  requireOk(ZELT_Stop_Set(pupilRadius, 'p'));
}

int traceRay(double fy, double px, double py, int w, Ray& r) {
  return ZELT_Ray_Trace(0, fy, px, py, w, &r.x, &r.y, &r.z, &r.X, &r.Y, &r.Z, &r.L, &r.code,
                        &r.node);
}

Ray tracedRay(double fy, double px, double py, int w) {
  Ray r;
  requireOk(traceRay(fy, px, py, w, r));
  if (r.code != 0) throw std::runtime_error("ray lost with code " + std::to_string(r.code));
  return r;
}

int surfaceCount() {
  int n = 0;
  requireOk(ZELT_System_Get_Surface_Count(&n));
  return n;
}

double curvatureOf(int i) {
  double c = 0;
  requireOk(ZELT_Surface_Get_Curvature(i, &c));
  return c;
}

double thicknessOf(int i) {
  double d = 0;
  requireOk(ZELT_Surface_Get_Thickness(i, &d));
  return d;
}

double heightOf(int i) {
  double h = 0;
  requireOk(ZELT_Surface_Get_Height(i, h));
  return h;
}

std::string glassOf(int i) {
  std::string name;
  requireOk(ZELT_Surface_Get_Glass(i, name));
  return name;
}

}  // namespace zelt_test
