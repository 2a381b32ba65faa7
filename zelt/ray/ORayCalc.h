#pragma once

namespace zelt {

// Working record of one ray at one surface; every ray error carries a copy of it.
class ORayCalc {
 public:
  ORayCalc() = default;
  ORayCalc(const ORayCalc&) = default;
  ORayCalc& operator=(const ORayCalc&) = default;

  // Zeroes every value.
  virtual void clear() { *this = ORayCalc(); }
  virtual ~ORayCalc() = default;

  int wavelength = 0;
  int k = 0;                            // index of the ray in its path, 1 at the first surface
  double t = 0.0;                       // distance along the ray to the intersection
  double diffPath = 0.0;                // differential path term
  double segmentPath = 0.0;             // optical path n*s*t of the last transfer
  double cos2I = 0.0;                   // before refraction: the raw discriminant
  double cos2I_ = 0.0;                  // square of the cosine of refraction
  double Nx = 0.0, Ny = 0.0, Nz = 0.0;  // surface normal, not normalised
  double diff1 = 0.0, diff2 = 0.0, diff3 = 0.0;
  double gamma = 0.0;  // refraction coefficient of the last refraction
  double diff4 = 0.0;
  bool atStop = false;          // set from the aperture stop node to the end of the path
  double curvature[3][3] = {};  // diag(c, c, (1 - e2) c) of the last refracting surface
};

}  // namespace zelt
