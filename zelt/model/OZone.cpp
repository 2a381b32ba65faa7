#include "zelt/model/OZone.h"

#include <cmath>

namespace zelt {

void OZone::clear() {
  real = {};
  shift = {};
  points.clear();
  for (auto& e : vignetting) e = geom::GEllipse<double>();
  matrix3x3 = {};
  matrix3x1 = {};
}

void OZone::resizeEntries(std::size_t n) {
  points.assign(n, geom::GPoint<double>());
  vignetting.assign(n, geom::GEllipse<double>());
}

void OZone::setVignetting(double upper, double lower) {
  if (vignetting.empty()) vignetting.emplace_back();
  auto& e = vignetting.front();
  // The pupil's unvignetted part spans y from −1 − Kl to 1 − Ku; x extent is kept.
  const double top = e.centre.y + e.b;
  const double bottom = -1.0 - lower;
  e.b = std::abs(top - bottom) / 2.0;
  e.centre.y = (top + bottom) / 2.0;
  const double newBottom = e.centre.y - e.b;
  const double newTop = 1.0 - upper;
  e.b = std::abs(newTop - newBottom) / 2.0;
  e.centre.y = (newTop + newBottom) / 2.0;
  e.angle = 0.0;
}

void OZone::getVignetting(double& upper, double& lower) const {
  if (vignetting.empty()) {
    upper = lower = 0.0;
    return;
  }
  const auto& e = vignetting.front();
  upper = 1.0 - (e.centre.y + e.b);
  lower = -1.0 - (e.centre.y - e.b);
}

}  // namespace zelt
