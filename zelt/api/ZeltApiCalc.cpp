// Exports of the paraxial calculation and the ray traces.

#include <string>
#include <vector>

#include "zelt/api/ApiStatus.h"
#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/io/ParaxialReport.h"
#include "zelt/ray/RayErrors.h"
#include "zelt_api/zelt_api.h"

using zelt::OApiState;

namespace {

// Copies one field of the paraxial record.
int getField(double zelt::OParaxial::*field, double* out) {
  return zelt::runGetter(out, [&](OApiState& s) { return s.system.paraxial.*field; });
}

// Copies entry `w` of a per-wavelength list; the number must name a source wavelength that the
// last calculation has covered.
int getEntry(std::vector<double> zelt::OParaxial::*list, int w, double* out) {
  if (const int status = zelt::checkWavelengthNumber(w)) return status;
  return zelt::runGetter(out, [&](OApiState& s) {
    const std::vector<double>& values = s.system.paraxial.*list;
    if (static_cast<std::size_t>(w) >= values.size())
      throw std::runtime_error(
          "No paraxial data for this wavelength: run the paraxial calculation first");
    return values[w];
  });
}

// The final ray of one trace, or the ray error that stopped it.
struct RayOutcome {
  zelt::TraceResult result;
  int code = zelt::kRayOk;
  int node = 0;
};

// Traces one ray of the current system; ray errors become a code and a node number.
RayOutcome traceOne(OApiState& s, double fy, double px, double py, int w,
                    zelt::OPath<zelt::ORealRay>& path) {
  zelt::OAxisSystemCalc calculator(s.system);
  calculator.requireParaxial();
  RayOutcome outcome;
  try {
    outcome.result = calculator.traceRay(fy, px, py, w, path);
  } catch (const zelt::ErrorOnSurface& e) {
    outcome.code = zelt::rayErrorCode(e);
    outcome.node = e.node ? s.system.indexOf(e.node) : 0;
  }
  return outcome;
}

void writeRay(const zelt::ORealRay& ray, double* x, double* y, double* z, double* X, double* Y,
              double* Z) {
  *x = ray.x;
  *y = ray.y;
  *z = ray.z;
  *X = ray.X;
  *Y = ray.Y;
  *Z = ray.Z;
}

void requireOutputs(std::initializer_list<const void*> outputs) {
  for (const void* p : outputs)
    if (p == nullptr) throw std::runtime_error(zelt::messages::kNullOutput);
}

}  // namespace

int ZELT_Calc_Paraxial() {
  return zelt::runStatus([](OApiState& s) { zelt::OAxisSystemCalc(s.system).calcParaxial(); });
}

int ZELT_Paraxial_Get_F(double* f) {
  return getField(&zelt::OParaxial::F, f);
}
int ZELT_Paraxial_Get_F_(double* f) {
  return getField(&zelt::OParaxial::F_, f);
}
int ZELT_Paraxial_Get_SF(double* s) {
  return getField(&zelt::OParaxial::SF, s);
}
int ZELT_Paraxial_Get_SF_(double* s) {
  return getField(&zelt::OParaxial::SF_, s);
}
int ZELT_Paraxial_Get_SH(double* s) {
  return getField(&zelt::OParaxial::SH, s);
}
int ZELT_Paraxial_Get_SH_(double* s) {
  return getField(&zelt::OParaxial::SH_, s);
}
int ZELT_Paraxial_Get_S(int, double* s) {
  return getField(&zelt::OParaxial::S, s);
}
int ZELT_Paraxial_Get_S_(int, double* s) {
  return getField(&zelt::OParaxial::S_, s);
}
int ZELT_Paraxial_Get_SP(int w, double* sp) {
  return getEntry(&zelt::OParaxial::SP, w, sp);
}
int ZELT_Paraxial_Get_SP_(int w, double* sp) {
  return getEntry(&zelt::OParaxial::SP_, w, sp);
}
int ZELT_Paraxial_Get_SG(int w, double* sg) {
  return getEntry(&zelt::OParaxial::SG, w, sg);
}
int ZELT_Paraxial_Get_V(int w, double* v) {
  return getEntry(&zelt::OParaxial::V, w, v);
}

int ZELT_Write_Paraxial(const char* path) {
  return zelt::runStatus([&](OApiState& s) {
    if (path == nullptr) throw std::runtime_error("No file name for the paraxial report");
    zelt::writeParaxialReportFile(path, s.system.paraxial);
  });
}

int ZELT_Ray_Trace(double, double fieldY, double pupilX, double pupilY, int wave, double* x,
                   double* y, double* z, double* X, double* Y, double* Z, double* L, int* errorCode,
                   int* errorNode) {
  if (errorCode) *errorCode = zelt::kRayOk;
  if (const int status = zelt::checkWavelengthNumber(wave)) return status;
  return zelt::runStatus([&](OApiState& s) {
    requireOutputs({x, y, z, X, Y, Z, L, errorCode, errorNode});
    zelt::OPath<zelt::ORealRay> path;
    const RayOutcome outcome = traceOne(s, fieldY, pupilX, pupilY, wave, path);
    if (outcome.code != zelt::kRayOk) {
      *errorCode = outcome.code;
      *errorNode = outcome.node;
      return;
    }
    writeRay(outcome.result.ray, x, y, z, X, Y, Z);
    *L = outcome.result.L;
  });
}

int ZELT_Ray_Trace_Path(double, double fieldY, double pupilX, double pupilY, int wave, double x[],
                        double y[], double z[], double X[], double Y[], double Z[], double* L,
                        int* errorCode, int* errorNode) {
  if (errorCode) *errorCode = zelt::kRayOk;
  if (const int status = zelt::checkWavelengthNumber(wave)) return status;
  return zelt::runStatus([&](OApiState& s) {
    requireOutputs({x, y, z, X, Y, Z, L, errorCode, errorNode});
    zelt::OAxisSystemCalc(s.system).switchStopToAperture();
    zelt::OPath<zelt::ORealRay> path;
    const RayOutcome outcome = traceOne(s, fieldY, pupilX, pupilY, wave, path);
    if (outcome.code != zelt::kRayOk) {
      *errorCode = outcome.code;
      *errorNode = outcome.node;
      return;
    }
    const std::size_t n = path.rays.size();
    for (std::size_t i = 0; i < n; ++i)
      writeRay(path.rays[i], &x[i], &y[i], &z[i], &X[i], &Y[i], &Z[i]);
    writeRay(outcome.result.ray, &x[n], &y[n], &z[n], &X[n], &Y[n], &Z[n]);
    *L = outcome.result.L;
  });
}

int ZELT_Stop_Get_SD(double& sd) {
  return zelt::runStatus([&](OApiState& s) { zelt::OAxisSystemCalc(s.system).stopDistance(sd); });
}
