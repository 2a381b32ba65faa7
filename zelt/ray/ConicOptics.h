#pragma once

#include "zelt/ray/ORayCalc.h"
#include "zelt/ray/ORealRay.h"

namespace zelt {

// Refuses a ray that misses or only touches the surface it was intersected with last (calc),
// else moves it onto the intersection; throws MissOnSurface.
void advanceToIntersection(ORealRay& ray, const ORayCalc& calc);

}  // namespace zelt

// Exact ray optics of a conic surface of revolution with its vertex at the frame origin:
// c (x^2 + y^2) + c (1 - e2) z^2 - 2 z = 0, c the vertex curvature, e2 the eccentricity squared.
namespace zelt::conic {

// Returns the sag of the conic at radial distance squared rho2 (NaN beyond its rim).
double sag(double c, double e2, double rho2);

// Finds where the ray meets the surface: fills calc.t, the discriminant (calc.cos2I) and the
// unnormalised normal there; throws MissOnSurface for a ray parallel to a plane.
void intersect(double c, double e2, const ORealRay& ray, ORayCalc& calc);

// Intersects, refuses a ray that misses or only touches the surface, and moves it there.
void moveToSurface(double c, double e2, ORealRay& ray, ORayCalc& calc);

// Turns the ray's direction at the intersection found last, mu = (n s)/(n' s'); a negative mu
// reflects. Throws FullReflectionOnSurface when no refracted ray exists.
void refract(double c, double e2, ORealRay& ray, double mu, ORayCalc& calc);

}  // namespace zelt::conic
