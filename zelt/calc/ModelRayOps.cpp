// Ray operations of the model classes: they delegate to the conic optics and keep the model free
// of ray mathematics.

#include <cmath>

#include "zelt/calc/ConicOptics.h"
#include "zelt/calc/RayErrors.h"
#include "zelt/model/OAlignment.h"
#include "zelt/model/OMedium.h"
#include "zelt/model/OSurface2.h"

namespace zelt {

void OSurface2::intersect(const ORealRay& ray, ORayCalc& calc) const {
  conic::intersect(c, e2, ray, calc);
}

void OSurface2::refract(ORealRay& ray, double mu, ORayCalc& calc) const {
  conic::refract(c, e2, ray, mu, calc);
}

void OAxisAlignment::transfer(const ORealRay& from, ORealRay& to) const {
  to = from;
  to.z -= distance_;
}

void OHMedium::transfer(ORealRay& ray, const OElement& surface, ORayCalc& calc) const {
  surface.intersect(ray, calc);
  // A tangent ray (zero discriminant) counts as a miss: it cannot refract there.
  if (!(calc.cos2I > 0.0) || !std::isfinite(calc.t)) throw MissOnSurface(calc);
  ray.x += calc.t * ray.X;
  ray.y += calc.t * ray.Y;
  ray.z += calc.t * ray.Z;
}

}  // namespace zelt
