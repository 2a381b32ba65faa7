// Ray operations of the model classes: they delegate to the conic optics of zelt/ray and keep
// the model free of ray mathematics.

#include "zelt/model/OAlignment.h"
#include "zelt/model/OMedium.h"
#include "zelt/model/OSurface2.h"
#include "zelt/ray/ConicOptics.h"

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

void OElement::moveToSurface(ORealRay& ray, ORayCalc& calc) const {
  intersect(ray, calc);
  advanceToIntersection(ray, calc);
}

void OHMedium::transfer(ORealRay& ray, const OElement& surface, ORayCalc& calc) const {
  surface.moveToSurface(ray, calc);
}

}  // namespace zelt
