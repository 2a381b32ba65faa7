// The designed doublet as the optics library's current system: built through the library's
// exports, traced there, and saved as a lens file.

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "synthesis/doublet_synthesis.h"
#include "zelt_api/zelt_api.h"

namespace synthesis {
namespace {

// Hands a library status to the library's own error conversion.
void check(int status) {
  ZELT_Throw_On_Error(status);
}

double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// A flat surface has curvature 0; an infinite radius arrives here as 0 curvature too.
double curvature(double radius) {
  return radius == 0.0 ? 0.0 : 1.0 / radius;
}

void setGlass(int surface, const GlassRecord& glass, double index0, double lambdaMin,
              double lambdaMax) {
  check(ZELT_Surface_Set_And_Create_Glass(
      surface, glass.name, {index0, glass.index(lambdaMin), glass.index(lambdaMax)}));
  // The catalog's nd and νd go into the lens file for programs that lack the glass.
  if (glass.nd >= 1.0 && glass.vd > 0.0) {
    check(ZELT_Surface_Set_Glass_Nd_Vd(surface, glass.nd, glass.vd));
  }
}

// The final ray of one trace; NaN coordinates when the ray was lost on the way.
struct TracedRay {
  double y = kNaN, z = kNaN, Y = kNaN, Z = kNaN;
};

TracedRay trace(double fieldY, double pupilY, int wave) {
  TracedRay ray;
  double x = kNaN, X = kNaN, length = kNaN;
  int error = 0, node = 0;
  check(ZELT_Ray_Trace(0.0, fieldY, 0.0, pupilY, wave, &x, &ray.y, &ray.z, &X, &ray.Y, &ray.Z,
                       &length, &error, &node));
  // A ray that missed a surface or was totally reflected has no image point.
  if (error != 0) return TracedRay{};
  return ray;
}

// Where the traced ray crosses the axis, measured from the image plane.
double axisCrossing(const TracedRay& r) {
  return r.z - r.y * r.Z / r.Y;
}

// Height of the traced ray in the image plane.
double imageHeight(const TracedRay& r) {
  return r.y + r.z * r.Y / r.Z;
}

std::string shortest(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

// Returns `line` with the conditions put in when it is one of the lines that state them.
std::string conditionLine(const std::string& line, const GlassEnvironment& environment) {
  const std::string t = shortest(environment.temperature);
  const std::string p = shortest(environment.pressure);
  if (line.rfind("TEMP ", 0) == 0) return "TEMP " + t;
  if (line.rfind("PRES ", 0) == 0) return "PRES " + p;
  if (line.rfind("ENVD ", 0) == 0) return "ENVD " + t + " " + p + " 0";
  return line;
}

// The library's lens file states the standard 20 °C and 1 atm. A doublet designed at other
// conditions states its own, so that a program computing the catalog indices gets the design's.
void stateConditions(const std::string& path, const GlassEnvironment& environment) {
  if (environment.temperature == 20.0 && environment.pressure == 1.0) return;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  std::string line;
  while (std::getline(in, line)) {
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.pop_back();
    text << conditionLine(line, environment) << (crlf ? "\r\n" : "\n");
  }
  in.close();
  // Through a file beside it, renamed over it: a failed write leaves the library's file whole.
  const std::string partial = path + ".partial";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out << text.str();
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(partial, path, error);
  if (!out || error) {
    std::filesystem::remove(partial, error);
    throw std::runtime_error("Write ZMX Error: cannot write file " + path);
  }
}

}  // namespace

const std::array<double, 5>& pupilZones() {
  // The axis zone is traced just off the axis, where the crossing point is still defined.
  static const std::array<double, 5> zones{1e-8, 0.5, std::sqrt(0.5), std::sqrt(0.75), 1.0};
  return zones;
}

void DoubletResult::buildDoublet() const {
  check(ZELT_System_Create_Base());
  for (int k = 0; k < 3; ++k) check(ZELT_System_Append_Surface());
  check(ZELT_System_Set_Name("Cemented Doublet"));
  check(ZELT_Object_Set_Type(false));
  check(ZELT_Image_Set_Type(true));
  check(ZELT_Image_Set_Size(radians(fieldAngle)));
  // A refined doublet has its own image distance; a designed one is judged on the paraxial focus.
  check(ZELT_Image_Set_Distance_Type(!refined));
  if (refined) check(ZELT_Image_Set_S_(imageDistance));
  check(ZELT_Source_Set_Wavelength(0, lambda0));
  check(ZELT_Source_Append_Wave(lambdaMin, 1.0));
  check(ZELT_Source_Append_Wave(lambdaMax, 1.0));
  check(ZELT_Stop_Set_Surface_Num(1));
  check(ZELT_Stop_Set(pupilDiameter * 0.5, 'p'));
  const double radii[] = {r1, r2, r3};
  for (int k = 1; k <= 3; ++k) check(ZELT_Surface_Set_Curvature(k, curvature(radii[k - 1])));
  check(ZELT_Surface_Set_Thickness(1, thickness1));
  check(ZELT_Surface_Set_Thickness(2, thickness2));
  for (int k = 1; k <= 3; ++k) check(ZELT_Surface_Set_Height(k, pupilDiameter * 0.5));
  check(ZELT_Surface_Set_And_Create_Glass(0, "AIR", {1.0, 1.0, 1.0}));
  check(ZELT_Surface_Set_And_Create_Glass(3, "AIR", {1.0, 1.0, 1.0}));
  setGlass(1, glass1, index1, lambdaMin, lambdaMax);
  setGlass(2, glass2, index2, lambdaMin, lambdaMax);
}

void DoubletResult::traceAberrations() {
  const auto& zones = pupilZones();
  longitudinal.assign(zones.size(), kNaN);
  transverse.assign(zones.size(), kNaN);
  chromatism.assign(zones.size(), kNaN);
  secondarySpectrum.assign(zones.size(), kNaN);
  coma = kNaN;
  buildDoublet();
  check(ZELT_Object_Set_Size(-radians(fieldAngle)));
  check(ZELT_Calc_Paraxial());
  for (std::size_t k = 0; k < zones.size(); ++k) {
    const TracedRay main = trace(0.0, zones[k], 0);
    transverse[k] = imageHeight(main);
    longitudinal[k] = axisCrossing(main);
    const double shortest = axisCrossing(trace(0.0, zones[k], 1));
    const double longest = axisCrossing(trace(0.0, zones[k], 2));
    chromatism[k] = shortest - longest;
    secondarySpectrum[k] = (shortest + longest) / 2.0 - longitudinal[k];
  }
  // Coma of the full field: the chief ray against the mean of the two rim rays.
  const double chief = trace(1.0, 0.0, 0).y;
  const double upper = trace(1.0, 1.0, 0).y;
  const double lower = trace(1.0, -1.0, 0).y;
  coma = chief - (upper + lower) / 2.0;
}

void DoubletResult::judgeImage() {
  rmsAxis = rmsField = wfeRms = strehl = kNaN;
  try {
    buildDoublet();
    check(ZELT_Object_Set_Size(-radians(fieldAngle)));
    check(ZELT_Calc_Paraxial());
    check(ZELT_Quality_Calc({0.0, 1.0}));
    check(ZELT_Quality_Get_Spot_Rms(0, &rmsAxis));
    check(ZELT_Quality_Get_Spot_Rms(1, &rmsField));
    check(ZELT_Quality_Get_Wavefront(&wfeRms, &strehl));
    check(ZELT_Quality_Get_Image_Distance(&imageDistance));
  } catch (const std::runtime_error&) {
    rmsAxis = rmsField = wfeRms = strehl = kNaN;  // the doublet cannot be traced
    if (!refined) imageDistance = kNaN;
  }
  if (!refined) {
    rmsAxisStart = rmsAxis;
    rmsFieldStart = rmsField;
  }
}

void DoubletResult::refineImage(double fieldWeight) {
  // A design that loses rays has no merit to start from.
  if (!std::isfinite(rmsAxis) || !std::isfinite(rmsField)) return;
  try {
    buildDoublet();
    check(ZELT_Object_Set_Size(-radians(fieldAngle)));
    check(ZELT_Calc_Paraxial());
    double meritStart = 0.0, merit = 0.0;
    check(ZELT_Refine_Run(fieldWeight, &meritStart, &merit));
    double curvatures[3] = {0.0, 0.0, 0.0}, distance = 0.0;
    for (int k = 0; k < 3; ++k) check(ZELT_Surface_Get_Curvature(k + 1, &curvatures[k]));
    check(ZELT_Image_Get_S_(&distance));
    // A flat surface is stored as radius 0, as the design writes it.
    r1 = curvature(curvatures[0]);
    r2 = curvature(curvatures[1]);
    r3 = curvature(curvatures[2]);
    imageDistance = distance;
    refined = true;
  } catch (const std::runtime_error&) {
    return;  // the designed doublet stands
  }
  judgeImage();
}

void saveDoubletZmx(const DoubletResult& doublet, const std::string& path,
                    const std::string& catalogName) {
  doublet.buildDoublet();
  check(ZELT_System_Write_Zmx_File(path.c_str(), catalogName.c_str()));
  stateConditions(path, doublet.glass1.environment);
}

void saveDoubletZmx(const DoubletResult& doublet, const std::string& path) {
  saveDoubletZmx(doublet, path, glassCatalogs(doublet));
}

std::string glassCatalogs(const DoubletResult& doublet) {
  const std::string& first = doublet.glass1.catalog;
  const std::string& second = doublet.glass2.catalog;
  if (first.empty() || first == second) return second;
  return second.empty() ? first : first + " " + second;
}

}  // namespace synthesis
