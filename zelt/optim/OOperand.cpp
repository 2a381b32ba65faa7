#include "zelt/optim/OOperand.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "zelt/analysis/ORayGrid.h"

namespace zelt {

namespace {

// Writes, ray after ray, u − ū and v − v̄ of the pair (u, v) that `at` gives for ray k of a
// bundle, the means taken over every ray of every bundle.
template <class At>
void writeAboutMean(const std::vector<OImageRays>& bundles, At at, double* out) {
  double su = 0.0, sv = 0.0;
  std::size_t count = 0;
  for (const OImageRays& rays : bundles) {
    for (std::size_t k = 0; k < rays.size(); ++k) {
      const auto [u, v] = at(rays, k);
      su += u;
      sv += v;
    }
    count += rays.size();
  }
  su /= static_cast<double>(count);
  sv /= static_cast<double>(count);
  for (const OImageRays& rays : bundles)
    for (std::size_t k = 0; k < rays.size(); ++k) {
      const auto [u, v] = at(rays, k);
      *out++ = u - su;
      *out++ = v - sv;
    }
}

}  // namespace

void OOperand::residuals(const OAxisSystem& system, double* out, double* focusSlopes) const {
  values(system, out, focusSlopes);
  const int n = size();
  for (int k = 0; k < n; ++k) out[k] = weight_ * (out[k] - target_);
  if (focusSlopes != nullptr)
    for (int k = 0; k < n; ++k) focusSlopes[k] *= weight_;
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

void OSpotOperand::values(const OAxisSystem& system, double* out, double* focusSlopes) const {
  const ORayGrid grid(system, imageDistanceOf(system));
  std::vector<OImageRays> bundles(static_cast<std::size_t>(waves_));
  bool lost = false;
  for (int w = 0; w < waves_; ++w) {
    OImageRays& rays = bundles[static_cast<std::size_t>(w)];
    grid.trace(field_, w, pupil_, rays);
    lost = lost || rays.lost > 0;
  }
  const int n = size();
  if (lost) {
    // The lost-ray residuals are constants: nothing moves with the image plane.
    std::fill_n(out, n, kLostRayResidual);
    if (focusSlopes != nullptr) std::fill_n(focusSlopes, n, 0.0);
    return;
  }
  writeAboutMean(
      bundles, [](const OImageRays& r, std::size_t k) { return std::pair(r.x[k], r.y[k]); }, out);
  if (focusSlopes == nullptr) return;
  // A ray meets a plane moved by ds′ at x + ds′·X/Z, y + ds′·Y/Z (Z > 0 for every ray that
  // reached the plane); the centroid moves by the mean of those tangents.
  writeAboutMean(
      bundles,
      [](const OImageRays& r, std::size_t k) {
        return std::pair(r.X[k] / r.Z[k], r.Y[k] / r.Z[k]);
      },
      focusSlopes);
}

}  // namespace zelt
