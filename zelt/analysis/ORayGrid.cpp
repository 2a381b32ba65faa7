#include "zelt/analysis/ORayGrid.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/calc/OPath.h"
#include "zelt/ray/RayErrors.h"

namespace zelt {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const ONode* stopNodeOf(const OSystem& system) {
  const auto* stop = dynamic_cast<const OApertureStop*>(system.stop());
  return stop ? stop->node : nullptr;
}

void requireTraceable(const OAxisSystem& system) {
  if (!system.object() || !system.image() || !system.source() || system.surfaceCount() == 0)
    throw std::runtime_error("No optical system to analyse: create a system with surfaces");
  if (!system.stop()) throw std::runtime_error("The optical system has no aperture stop");
  if (!system.image()->finite)
    throw std::runtime_error("Image quality needs an image at a finite distance");
  const OParaxial& p = system.paraxial;
  if (p.SP.size() != system.source()->count() || p.wavelengths != system.source()->wavelengths)
    throw std::runtime_error(
        "No paraxial data for the current wavelengths: run the paraxial calculation first");
}

void resizeRays(OImageRays& rays, std::size_t n) {
  for (auto* v : {&rays.x, &rays.y, &rays.X, &rays.Y, &rays.Z, &rays.path}) v->assign(n, kNaN);
  rays.lost = 0;
}

}  // namespace

double imageDistanceOf(const OAxisSystem& system) {
  requireTraceable(system);
  const OImage& image = *system.image();
  return image.fromParaxial ? image.S_ + system.paraxial.SG.at(0) : image.S_;
}

ORayGrid::ORayGrid(const OAxisSystem& system, double imageDistance)
    : system_(&system), imageDistance_(imageDistance) {
  requireTraceable(system);
  if (!std::isfinite(imageDistance)) throw std::runtime_error("The image distance is not finite");
}

void ORayGrid::trace(double fy, int w, const std::vector<OPupilPoint>& pupil,
                     OImageRays& out) const {
  const OAxisSystem& sys = *system_;
  const std::size_t n = sys.surfaceCount();
  const bool atInfinity = !sys.object()->finite;
  const double n0 = signedIndex(sys.object()->out, w);
  const double nImage = signedIndex(sys.image()->in, w);
  const ONode* first = sys.object()->next();
  const ONode* last = sys.image()->prev();
  const ONode* stopNode = stopNodeOf(sys);
  const auto step = [](const ONode& node, ORealRay& ray, ORayCalc& c) { traceNode(node, ray, c); };
  resizeRays(out, pupil.size());
  OPath<ORealRay> path(n + 1);
  ORayCalc calc;
  for (std::size_t k = 0; k < pupil.size(); ++k) {
    const ORealRay start = launchRay(sys, fy, pupil[k].px, pupil[k].py, w);
    path.rays[0] = start;
    path.L = 0.0;
    try {
      traceChain(path, first, last, stopNode, w, calc, step);
    } catch (const ErrorOnSurface&) {
      ++out.lost;
      continue;
    }
    const ORealRay& ray = path.rays[n];
    if (!(ray.Z > 0.0)) {  // it never reaches the image plane
      ++out.lost;
      continue;
    }
    const double t = (imageDistance_ - ray.z) / ray.Z;
    out.x[k] = ray.x + ray.X * t;
    out.y[k] = ray.y + ray.Y * t;
    out.X[k] = ray.X;
    out.Y[k] = ray.Y;
    out.Z[k] = ray.Z;
    // At infinity the path counts from the plane wavefront through the pupil centre.
    const double front = atInfinity ? n0 * (start.x * start.X + start.y * start.Y) : 0.0;
    out.path[k] = path.L + nImage * t + front;
  }
}

OReferenceSphere ORayGrid::sphereAt(double x, double y) const {
  const OAxisSystem& sys = *system_;
  // The paraxial record keeps the exit pupil as the reciprocal of its distance before the
  // paraxial image plane S′ (behind the last surface); 0 is an exit pupil at infinity.
  const double inverse = sys.paraxial.SP_.at(0);
  const double pupil = inverse != 0.0 ? sys.paraxial.S_ + 1.0 / inverse : -1e12;
  const double dz = imageDistance_ - pupil;
  // Behind a mirror the stored directions point to +z while the light runs to −z: the pupil
  // then lies at positive ray parameters from the image plane.
  OReferenceSphere sphere{x, y, std::sqrt(x * x + y * y + dz * dz), signedIndex(sys.image()->in, 0),
                          dz >= 0.0 ? -1.0 : 1.0};
  return sphere;
}

double ORayGrid::pathToSphere(const OImageRays& rays, std::size_t k, const OReferenceSphere& s) {
  // Back along the ray from its image point to the sphere through the exit pupil: the root of
  // |v + tD|² = R² on the pupil side, v from the centre to the image point.
  const double vx = rays.x[k] - s.x, vy = rays.y[k] - s.y;
  const double vd = vx * rays.X[k] + vy * rays.Y[k];
  const double disc = vd * vd - (vx * vx + vy * vy) + s.radius * s.radius;
  if (!(disc >= 0.0)) return kNaN;
  const double t = -vd + s.back * std::sqrt(disc);
  return rays.path[k] + s.index * t;
}

double rmsSpot(const std::vector<const OImageRays*>& bundles) {
  double sx = 0.0, sy = 0.0;
  std::size_t count = 0;
  for (const OImageRays* b : bundles) {
    if (b->lost > 0) return kNaN;
    for (std::size_t k = 0; k < b->size(); ++k) {
      sx += b->x[k];
      sy += b->y[k];
    }
    count += b->size();
  }
  if (count == 0) return kNaN;
  const double cx = sx / static_cast<double>(count), cy = sy / static_cast<double>(count);
  double sum = 0.0;
  for (const OImageRays* b : bundles)
    for (std::size_t k = 0; k < b->size(); ++k)
      sum += (b->x[k] - cx) * (b->x[k] - cx) + (b->y[k] - cy) * (b->y[k] - cy);
  return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace zelt
