#include <gtest/gtest.h>

#include <cmath>

#include "zelt/ray/ConicOptics.h"
#include "zelt/ray/RayErrors.h"

namespace zelt {
namespace {

ORealRay unitRay(double x, double y, double z, double dx, double dy, double dz) {
  const double n = std::sqrt(dx * dx + dy * dy + dz * dz);
  return ORealRay(x, y, z, dx / n, dy / n, dz / n);
}

struct Vec {
  double x, y, z;
};

Vec cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
double norm(Vec a) {
  return std::sqrt(dot(a, a));
}

TEST(ConicOptics, AxialRayStaysOnAxisThroughAnyConic) {
  for (double e2 : {0.0, 1.0, -2.0, 0.5}) {
    ORealRay ray(0, 0, -5, 0, 0, 1);
    ORayCalc calc;
    conic::moveToSurface(0.02, e2, ray, calc);
    conic::refract(0.02, e2, ray, 1.0 / 1.5, calc);
    EXPECT_EQ(ray.x, 0.0);
    EXPECT_EQ(ray.y, 0.0);
    EXPECT_EQ(ray.z, 0.0);
    EXPECT_DOUBLE_EQ(ray.Z, 1.0);
    EXPECT_DOUBLE_EQ(calc.t, 5.0);
  }
}

TEST(ConicOptics, ParaboloidMirrorFocusesParallelRays) {
  // A concave paraboloid of vertex radius -200 has its focus 100 in front of the vertex.
  const double c = -1.0 / 200.0;
  for (double h : {1e-6, 1.0, 10.0, 30.0, 60.0}) {
    ORealRay ray(0, h, -50, 0, 0, 1);
    ORayCalc calc;
    conic::moveToSurface(c, 1.0, ray, calc);
    ASSERT_TRUE(std::isfinite(calc.t));
    conic::refract(c, 1.0, ray, -1.0, calc);
    // The stored direction is the reversed physical one; both describe the same line.
    const double focusZ = ray.z - ray.y * ray.Z / ray.Y;
    EXPECT_NEAR(focusZ, 1.0 / (2.0 * c), 1e-12 * 100) << "height " << h;
    EXPECT_NEAR(ray.X * ray.X + ray.Y * ray.Y + ray.Z * ray.Z, 1.0, 1e-15);
  }
}

TEST(ConicOptics, ParaboloidMetAlongAxisNeedsNoDivisionByZero) {
  // Parallel to the axis a = 0: the forward ray uses the stable root, a backward one the
  // linear root of the degenerate equation.
  for (double dz : {1.0, -1.0}) {
    ORealRay ray(0, 4, dz > 0 ? -10 : 10, 0, 0, dz);
    ORayCalc calc;
    conic::moveToSurface(0.1, 1.0, ray, calc);
    EXPECT_NEAR(ray.z, 0.1 * 16 / 2, 1e-14);
  }
}

TEST(ConicOptics, SnellsLawHoldsForSkewRays) {
  const double n = 1.0, n_ = 1.6;
  for (double e2 : {0.0, 1.0, -0.7, 2.5}) {
    ORealRay ray = unitRay(3.0, -2.0, -20, -0.05, 0.08, 1.0);
    ORayCalc calc;
    conic::moveToSurface(1.0 / 40.0, e2, ray, calc);
    const Vec in{ray.X, ray.Y, ray.Z};
    conic::refract(1.0 / 40.0, e2, ray, n / n_, calc);
    const Vec out{ray.X, ray.Y, ray.Z};
    Vec normal{calc.Nx, calc.Ny, calc.Nz};
    const double len = norm(normal);
    normal = {normal.x / len, normal.y / len, normal.z / len};
    EXPECT_NEAR(norm(out), 1.0, 1e-15);
    EXPECT_NEAR(n * norm(cross(in, normal)), n_ * norm(cross(out, normal)), 1e-15);
    EXPECT_NEAR(dot(cross(in, normal), out), 0.0, 1e-15);  // refracted ray in plane of incidence
    EXPECT_NEAR(calc.cos2I_, dot(out, normal) * dot(out, normal), 1e-15);
  }
}

TEST(ConicOptics, MissesAreReported) {
  ORayCalc calc;
  ORealRay parallel(0, 0, -1, 0, 1, 0);
  EXPECT_THROW(conic::moveToSurface(0.0, 0.0, parallel, calc), MissOnSurface);
  ORealRay outside(0, 11, -1, 0, 0, 1);
  EXPECT_THROW(conic::moveToSurface(0.1, 0.0, outside, calc), MissOnSurface);
  ORealRay tangent(0, 10, 0, 0, 0, 1);  // touches the sphere of radius 10 at its equator
  EXPECT_THROW(conic::moveToSurface(0.1, 0.0, tangent, calc), MissOnSurface);
  EXPECT_EQ(tangent.y, 10.0);  // a ray that misses is not moved
}

TEST(ConicOptics, TotalInternalReflectionIsReported) {
  ORealRay steep = unitRay(0, 0, -1, 0, 0.8, 0.6);  // sin I = 0.8 > 1 / 1.5
  ORayCalc calc;
  conic::moveToSurface(0.0, 0.0, steep, calc);
  try {
    conic::refract(0.0, 0.0, steep, 1.5, calc);
    FAIL() << "no error raised";
  } catch (const FullReflectionOnSurface& e) {
    EXPECT_STREQ(e.what(), "Full Reflection On Surface");
    EXPECT_EQ(rayErrorCode(e), kRayFullReflection);
  }
  ORealRay shallow = unitRay(0, 0, -1, 0, 0.6, 0.8);
  conic::moveToSurface(0.0, 0.0, shallow, calc);
  EXPECT_NO_THROW(conic::refract(0.0, 0.0, shallow, 1.5, calc));
  EXPECT_NEAR(shallow.Y, 0.9, 1e-15);
}

}  // namespace
}  // namespace zelt
