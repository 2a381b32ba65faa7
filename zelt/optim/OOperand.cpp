#include "zelt/optim/OOperand.h"

#include <cmath>

#include "zelt/analysis/ORayGrid.h"

namespace zelt {

void OOperand::residuals(const OAxisSystem& system, double* out) const {
  values(system, out);
  const int n = size();
  for (int k = 0; k < n; ++k) out[k] = weight_ * (out[k] - target_);
}

OSpotOperand::OSpotOperand(double field, double meritWeight, int waves, int rings)
    : OOperand(0.0, std::sqrt(meritWeight /
                              (waves * static_cast<double>(hexapolarPupil(rings).size())))),
      field_(field),
      waves_(waves),
      pupil_(hexapolarPupil(rings)) {}

int OSpotOperand::size() const {
  return 2 * waves_ * static_cast<int>(pupil_.size());
}

void OSpotOperand::values(const OAxisSystem& system, double* out) const {
  const ORayGrid grid(system, imageDistanceOf(system));
  std::vector<OImageRays> bundles(static_cast<std::size_t>(waves_));
  double cx = 0.0, cy = 0.0;
  bool lost = false;
  for (int w = 0; w < waves_; ++w) {
    OImageRays& rays = bundles[static_cast<std::size_t>(w)];
    grid.trace(field_, w, pupil_, rays);
    lost = lost || rays.lost > 0;
    for (std::size_t k = 0; k < rays.size(); ++k) {
      cx += rays.x[k];
      cy += rays.y[k];
    }
  }
  const int n = size();
  if (lost) {
    for (int k = 0; k < n; ++k) out[k] = kLostRayResidual;
    return;
  }
  cx /= n / 2;
  cy /= n / 2;
  for (const OImageRays& rays : bundles)
    for (std::size_t k = 0; k < rays.size(); ++k) {
      *out++ = rays.x[k] - cx;
      *out++ = rays.y[k] - cy;
    }
}

}  // namespace zelt
