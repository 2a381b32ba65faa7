#pragma once
// A field point of the system with its vignetting.

#include <array>
#include <vector>

#include "zelt/geom/GEllipse.h"
#include "zelt/geom/GPoint.h"

namespace zelt {

/// Field point: relative and real coordinates, offsets and per-entry vignetting and image points.
class OZone {
 public:
  virtual ~OZone() = default;

  /// Zeroes real point, shift, matrices and points; resets every vignetting ellipse to the unit
  /// circle; keeps the relative point.
  virtual void clear();

  /// Gives both entry lists `n` fresh entries (points (0, 0), unit circles).
  void resizeEntries(std::size_t n);

  /// Sets vignetting entry 0 from the upper and lower coefficients (lower first).
  void setVignetting(double upper, double lower);
  /// Returns the upper and lower coefficients of vignetting entry 0 (0 and 0 without entries).
  void getVignetting(double& upper, double& lower) const;

  geom::GPoint<double> relative;
  geom::GPoint<double> real;
  std::array<double, 3> shift{};  // object offset (x), image (y), aperture (z)
  std::vector<geom::GEllipse<double>> vignetting;
  std::array<double, 9> matrix3x3{};
  std::array<double, 3> matrix3x1{};
  std::vector<geom::GPoint<double>> points;  // real field points referred to the image
};

}  // namespace zelt
