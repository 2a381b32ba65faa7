#include "zelt/ray/ConicOptics.h"

#include <cmath>
#include <limits>

#include "zelt/ray/RayErrors.h"

namespace zelt {

void advanceToIntersection(ORealRay& ray, const ORayCalc& calc) {
  // A tangent ray (zero discriminant) counts as a miss: it cannot refract there.
  if (!(calc.cos2I > 0.0) || !std::isfinite(calc.t)) throw MissOnSurface(calc);
  ray.x += calc.t * ray.X;
  ray.y += calc.t * ray.Y;
  ray.z += calc.t * ray.Z;
}

}  // namespace zelt

namespace zelt::conic {

double sag(double c, double e2, double rho2) {
  return c * rho2 / (1.0 + std::sqrt(1.0 - (1.0 - e2) * c * c * rho2));
}

namespace {

// Distance along the ray from the foot point to the crossing nearest the vertex. The two forms
// are the same root; each is used where it suffers no cancellation. With a = 0 (a paraboloid
// met parallel to the axis) the equation is linear and keeps a single root.
double nearestRoot(double a, double b, double g, double delta) {
  const double root = std::sqrt(delta);
  if (b >= 0.0) return g / (b + root);
  if (a != 0.0) return (b - root) / a;
  return g / (2.0 * b);
}

void intersectCurved(double c, double e2, const ORealRay& ray, ORayCalc& calc) {
  // Work from the foot of the perpendicular from the vertex: it keeps the quadratic well scaled
  // for rays that start far away.
  const double p = ray.x * ray.X + ray.y * ray.Y + ray.z * ray.Z;
  const double qx = ray.x - p * ray.X;
  const double qy = ray.y - p * ray.Y;
  const double qz = ray.z - p * ray.Z;
  const double a = c * (1.0 - e2 * ray.Z * ray.Z);
  const double b = ray.Z + c * e2 * qz * ray.Z;
  const double g = c * (qx * qx + qy * qy + (1.0 - e2) * qz * qz) - 2.0 * qz;
  const double delta = b * b - a * g;
  calc.cos2I = delta;
  calc.t = delta > 0.0 ? nearestRoot(a, b, g, delta) - p : std::numeric_limits<double>::quiet_NaN();
  const double xs = ray.x + calc.t * ray.X;
  const double ys = ray.y + calc.t * ray.Y;
  const double zs = ray.z + calc.t * ray.Z;
  calc.Nx = -c * xs;
  calc.Ny = -c * ys;
  calc.Nz = 1.0 - c * (1.0 - e2) * zs;
}

}  // namespace

void intersect(double c, double e2, const ORealRay& ray, ORayCalc& calc) {
  if (c != 0.0) {
    intersectCurved(c, e2, ray, calc);
    return;
  }
  if (ray.Z == 0.0) throw MissOnSurface(calc);
  calc.cos2I = ray.Z * ray.Z;
  calc.t = -ray.z / ray.Z;
  calc.Nx = 0.0;
  calc.Ny = 0.0;
  calc.Nz = 1.0;
}

void moveToSurface(double c, double e2, ORealRay& ray, ORayCalc& calc) {
  intersect(c, e2, ray, calc);
  advanceToIntersection(ray, calc);
}

void refract(double c, double e2, ORealRay& ray, double mu, ORayCalc& calc) {
  const double n2 = calc.Nx * calc.Nx + calc.Ny * calc.Ny + calc.Nz * calc.Nz;
  const double delta = calc.cos2I;
  const double deltaOut = n2 - (n2 - delta) * mu * mu;
  if (!(deltaOut > 0.0)) throw FullReflectionOnSurface(calc);
  const double gamma = (std::sqrt(deltaOut) - std::sqrt(delta) * mu) / n2;
  calc.gamma = gamma;
  if (n2 != 1.0) {
    calc.cos2I_ = deltaOut / n2;
    calc.cos2I = delta / n2;
  } else {
    calc.cos2I_ = deltaOut;
  }
  for (auto& row : calc.curvature)
    for (double& v : row) v = 0.0;
  calc.curvature[0][0] = c;
  calc.curvature[1][1] = c;
  calc.curvature[2][2] = (1.0 - e2) * c;
  ray.X = mu * ray.X + gamma * calc.Nx;
  ray.Y = mu * ray.Y + gamma * calc.Ny;
  ray.Z = mu * ray.Z + gamma * calc.Nz;
}

}  // namespace zelt::conic
