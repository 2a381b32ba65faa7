// Exports of the image quality analyses and the refinement by real rays: each finds the current
// system and hands it to the analysis or the optimisation layer.

#include <cmath>
#include <stdexcept>

#include "zelt/api/ApiStatus.h"
#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/optim/ORefinement.h"
#include "zelt_api/zelt_api.h"

using zelt::OApiState;

namespace {

void requireFields(const std::vector<double>& fields) {
  if (fields.empty()) throw std::invalid_argument("Quality: give at least one relative field");
  for (double f : fields)
    if (!std::isfinite(f) || std::fabs(f) > 1.0)
      throw std::invalid_argument("Quality: a relative field must lie between -1 and 1");
}

}  // namespace

int ZELT_Quality_Calc(const std::vector<double>& fields) {
  return zelt::runStatus([&](OApiState& s) {
    requireFields(fields);
    zelt::OAxisSystemCalc(s.system).requireParaxial();
    s.quality.calculate(fields);
  });
}

int ZELT_Quality_Get_Spot_Rms(int field, double* rms) {
  return zelt::runGetter(rms, [&](OApiState& s) { return s.quality.rms(field); });
}

int ZELT_Quality_Get_Spot_Points(int field, int w, std::vector<double>& x, std::vector<double>& y) {
  return zelt::runStatus([&](OApiState& s) {
    const zelt::OImageRays& rays = s.quality.rays(field, w);
    x = rays.x;
    y = rays.y;
  });
}

int ZELT_Quality_Get_Wavefront(double* rms, double* strehl) {
  return zelt::runStatus([&](OApiState& s) {
    if (!s.quality.ready())
      throw std::runtime_error("No image quality results: call ZELT_Quality_Calc");
    double& r = zelt::outValue(rms);
    double& q = zelt::outValue(strehl);
    r = s.quality.wavefrontRms();
    q = s.quality.strehl();
  });
}

int ZELT_Quality_Get_Image_Distance(double* distance) {
  return zelt::runGetter(distance, [](OApiState& s) {
    if (!s.quality.ready())
      throw std::runtime_error("No image quality results: call ZELT_Quality_Calc");
    return s.quality.imageDistance();
  });
}

int ZELT_Quality_Calc_Mtf(const std::vector<double>& fields, int samples) {
  return zelt::runStatus([&](OApiState& s) {
    requireFields(fields);
    if (samples < 8 || samples > 512)
      throw std::invalid_argument("Quality: the MTF pupil grid must have 8 to 512 cells a side");
    zelt::OAxisSystemCalc(s.system).requireParaxial();
    s.mtf.calculate(fields, samples);
  });
}

int ZELT_Quality_Get_Mtf(int field, int w, std::vector<double>& frequency,
                         std::vector<double>& tangential, std::vector<double>& sagittal) {
  return zelt::runStatus([&](OApiState& s) {
    const zelt::OMtfCurve& curve = s.mtf.curve(field, w);
    frequency = s.mtf.frequencies();
    tangential = curve.tangential;
    sagittal = curve.sagittal;
  });
}

int ZELT_Refine_Run(double fieldWeight, double* meritStart, double* merit) {
  return zelt::runStatus([&](OApiState& s) {
    double& start = zelt::outValue(meritStart);
    double& end = zelt::outValue(merit);
    // The optimisation works on a copy; only its final values reach the current system.
    const zelt::ORefinementReport report = zelt::refineByRealRays(s.system, fieldWeight);
    start = report.meritStart;
    end = report.merit;
  });
}
