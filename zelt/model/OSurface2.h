#pragma once
// Second-order surface of revolution: c(x² + y²) − 2z + c(1 − e²)z² = 0 about its vertex.

#include "zelt/model/OElement.h"

namespace zelt {

/// Conic surface of revolution with vertex curvature c and conic term e².
class OSurface2 : public OSurface {
 public:
  OSurface2() = default;
  OSurface2(double curvature, double conic) : c(curvature), e2(conic) {}
  OSurface2(const OSurface2&) = default;
  OSurface2& operator=(const OSurface2&) = default;

  void clear() override;
  double getCurvature() const override { return c; }
  void setCurvature(double curvature) override { c = curvature; }
  double getConic() const override { return e2; }
  void setConic(double conic) override { e2 = conic; }
  std::unique_ptr<OElement> clone() const override;

  // The ray operations are defined in ModelRayOps.cpp.
  void intersect(const ORealRay& ray, ORayCalc& calc) const override;
  void refract(ORealRay& ray, double mu, ORayCalc& calc) const override;
  Matrix2 refractionMatrix(double mu, double k) const override;

  double c = 0.0;   // vertex curvature, 1/mm
  double e2 = 0.0;  // conic term, square of the eccentricity
};

}  // namespace zelt
