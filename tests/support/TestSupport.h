#pragma once
// Helpers shared by the test programs and the ray-trace benchmark: status checks, message texts,
// the scratch folder, and a cemented doublet, a singlet, a paraboloid mirror and traced rays built
// through the library's exports.

#include <array>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "zelt_api/zelt_api.h"

namespace zelt_test {

inline const std::string kData = ZELT_TEST_DATA;
inline const std::string kCatalogs = kData + "/catalogs/";

inline const char kSurfaceNumberMessage[] = "Ошибка при задании номера поверхности";
inline const char kZoneNumberMessage[] = "Ошибка при задании номера зоны";
inline const char kWavelengthNumberMessage[] = "Ошибка при задании номера длины волны";

/// Returns the text of message `code` as ZELT_Get_Error hands it out ("untouched" for none).
std::string errorText(int code);

/// Throws std::runtime_error with the message of a non-zero status.
void requireOk(int status);

/// Returns this process's scratch folder, removed when the program ends; one per process, as
/// builds of the same tests may run side by side.
std::filesystem::path scratchFolder();

/// Returns a path in the scratch folder.
std::string tempPath(const std::string& name);

/// Writes `text` to `path` byte for byte.
void writeBytes(const std::string& path, const std::string& text);

/// Returns the lines of the file at `path`.
std::vector<std::string> fileLines(const std::string& path);

/// Returns the bytes of the file at `path`, empty when it cannot be read.
std::string fileBytes(const std::string& path);

/// Returns the message `call` throws as std::runtime_error, empty when it throws nothing.
template <typename Call>
std::string thrownMessage(Call&& call) {
  try {
    call();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

/// Builds a base system with `surfaces` plane surfaces; returns 0 or the first failing status.
int buildSystem(int surfaces);

/// A cemented doublet as the synthesis program hands it to the library.
struct Doublet {
  std::string glass1, glass2;
  double r1, r2, r3;             // radii, mm (0 for a plane)
  double t1, t2;                 // lens thicknesses, mm
  double pupil;                  // entrance pupil diameter, mm
  double field;                  // field angle, degrees
  std::array<double, 3> n1, n2;  // indices at the main, shortest and longest wavelength
  std::array<double, 3> waves{0.5875618, 0.4861327, 0.6562725};
};

/// AC254-100-A as its maker publishes it: N-BK7 and SF5, stop at the first surface.
extern const Doublet kAchromat;

/// Makes `d` the library's current system with the synthesis program's sequence of calls.
void buildDoublet(const Doublet& d);

/// Returns the surface count of the current system; a failing export throws its message.
int surfaceCount();
/// Returns the curvature of surface `i` [1/mm].
double curvatureOf(int i);
/// Returns the thickness after surface `i` [mm].
double thicknessOf(int i);
/// Returns the semi-height of surface `i` [mm].
double heightOf(int i);
/// Returns the medium name of the gap after surface `i`.
std::string glassOf(int i);

/// Reads the catalog at tests/data/catalogs/<file> into the library once per process.
void readCatalogOnce(const std::string& file);

/// A plano-convex singlet (R 51.5 mm, 5 mm thick), convex side to an object at infinity, stop
/// on the lens, image on the paraxial focus; `indices` one per wavelength of `waves`.
struct Singlet {
  static constexpr double kRadius = 51.5, kThickness = 5.0;
  double pupilRadius = 10.0;
  std::vector<double> waves{0.5876, 0.4861, 0.6563};
  std::vector<double> indices{1.5168, 1.5224, 1.5143};
  double field = 0.05;        // object field angle, radians
  bool leadingPlane = false;  // a plane in air 10 mm in front of the lens
};

/// Makes `s` the library's current system, paraxial calculation not yet run.
void buildSinglet(const Singlet& s);

/// Makes a paraboloid mirror of focal length `focal` the current system, read from a lens file
/// as only a file makes a surface reflect; stop on the mirror, image on the paraxial focus.
void buildParaboloid(double focal, double pupilRadius);

/// A ray on the image plane: point, direction cosines, optical path and how the trace ended.
struct Ray {
  double x = -7, y = -7, z = -7, X = -7, Y = -7, Z = -7, L = -7;
  int code = -1, node = -1;
};

/// Traces the ray of relative field `fy` through pupil point (`px`, `py`) at wavelength `w`
/// into `r`; returns the library's status.
int traceRay(double fy, double px, double py, int w, Ray& r);

/// Returns that ray; a failing status or a lost ray throws.
Ray tracedRay(double fy, double px, double py, int w);

}  // namespace zelt_test

/// Expects a library call to succeed and shows the library's message when it does not.
#define EXPECT_OK(call)                                           \
  do {                                                            \
    const int zeltStatus = (call);                                \
    EXPECT_EQ(zeltStatus, 0) << zelt_test::errorText(zeltStatus); \
  } while (0)
