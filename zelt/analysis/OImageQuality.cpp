#include "zelt/analysis/OImageQuality.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>

namespace zelt {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

double rmsPathDifference(const OImageRays& rays, const OReferenceSphere& sphere) {
  if (rays.lost > 0 || rays.size() == 0) return kNaN;
  std::vector<double> opd(rays.size());
  double mean = 0.0;
  for (std::size_t k = 0; k < rays.size(); ++k) {
    opd[k] = ORayGrid::pathToSphere(rays, k, sphere);
    mean += opd[k];
  }
  mean /= static_cast<double>(opd.size());
  double sum = 0.0;
  for (double v : opd) sum += (v - mean) * (v - mean);
  return std::sqrt(sum / static_cast<double>(opd.size()));
}

void OImageQuality::calculate(const std::vector<double>& fields, int rings) {
  ready_ = false;
  const ORayGrid grid(*system_, imageDistanceOf(*system_));
  const std::vector<OPupilPoint> pupil = hexapolarPupil(rings);
  const int waves = static_cast<int>(system_->source()->count());
  fields_ = fields;
  rays_.assign(fields.size(), std::vector<OImageRays>(static_cast<std::size_t>(waves)));
  rms_.assign(fields.size(), kNaN);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    std::vector<const OImageRays*> bundles;
    for (int w = 0; w < waves; ++w) {
      grid.trace(fields[i], w, pupil, rays_[i][static_cast<std::size_t>(w)]);
      bundles.push_back(&rays_[i][static_cast<std::size_t>(w)]);
    }
    rms_[i] = rmsSpot(bundles);
  }
  imageDistance_ = grid.imageDistance();
  wavefrontRms_ = axialWavefront(grid, pupil);
  ready_ = true;
}

double OImageQuality::axialWavefront(const ORayGrid& grid,
                                     const std::vector<OPupilPoint>& pupil) const {
  OImageRays own;
  const OImageRays* axis = &own;
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i] == 0.0) axis = &rays_[i][0];
  if (axis == &own) grid.trace(0.0, 0, pupil, own);
  // The reference sphere is centred on the axial image point of the plane.
  const double waves = 1000.0 / system_->source()->wavelengths.at(0);
  return rmsPathDifference(*axis, grid.sphereAt(0.0, 0.0)) * waves;
}

double OImageQuality::strehl() const {
  const double phase = 2.0 * std::numbers::pi * wavefrontRms_;
  return std::exp(-phase * phase);
}

int OImageQuality::wavelengthCount() const {
  return rays_.empty() ? 0 : static_cast<int>(rays_[0].size());
}

void OImageQuality::checkField(int field) const {
  if (!ready_) throw std::runtime_error("No image quality results: run the calculation first");
  if (field < 0 || field >= static_cast<int>(fields_.size()))
    throw std::out_of_range("Field index " + std::to_string(field) +
                            " is outside the image quality results");
}

double OImageQuality::rms(int field) const {
  checkField(field);
  return rms_[static_cast<std::size_t>(field)];
}

const OImageRays& OImageQuality::rays(int field, int w) const {
  checkField(field);
  if (w < 0 || w >= wavelengthCount())
    throw std::out_of_range("Wavelength index " + std::to_string(w) +
                            " is outside the image quality results");
  return rays_[static_cast<std::size_t>(field)][static_cast<std::size_t>(w)];
}

}  // namespace zelt
