#pragma once

#include "zelt/calc/OPath.h"
#include "zelt/model/OAxisSystem.h"
#include "zelt/ray/ORayCalc.h"
#include "zelt/ray/ORealRay.h"
#include "zelt/ray/ParaxialMatrix.h"

namespace zelt {

// Final ray of a trace and its optical path.
struct TraceResult {
  ORealRay ray;
  double L = 0.0;
};

// Calculations on a centred system: paraxial characteristics and exact ray traces. It holds only
// a pointer to the system and lives for one calculation.
class OAxisSystemCalc {
 public:
  explicit OAxisSystemCalc(OAxisSystem& system) : system_(&system) {}
  virtual ~OAxisSystemCalc() = default;

  // Returns the matrix from the front of `first` to the back of `last` at wavelength `w`.
  Matrix2 systemMatrix(const ONode* first, const ONode* last, int w) const;

  // Fills the system's paraxial record from the current system.
  void calcParaxial();

  // Throws unless a paraxial calculation has filled the pupil lists for the current wavelengths.
  void requireParaxial() const;

  // Returns the start ray for stop size r, relative pupil (px, py), relative field fy.
  ORealRay startRay(double r, double px, double py, double fy, double sp0, int w) const;

  // Carries a ray behind the last surface to the image plane; returns the optical path added.
  double toImagePlane(ORealRay& ray, int w) const;

  // Traces one ray from relative field and pupil coordinates; the path keeps every ray.
  TraceResult traceRay(double fy, double px, double py, int w, OPath<ORealRay>& path) const;

  // Converts a stop of type 'd' to type 'p' (the sine of its half-height seen from the object).
  void switchStopToAperture();

  // Writes the axial distance of an aperture stop surface in air; false leaves it alone.
  bool stopDistance(double& sd);

  OAxisSystem& system() const { return *system_; }

 private:
  OAxisSystem* system_;
};

// Returns the start ray for stop size r, relative pupil (px, py), relative field fy, entrance
// pupil position sp0, at wavelength w; the one construction of a start ray in the library.
ORealRay startRayOf(const OAxisSystem& system, double r, double px, double py, double fy,
                    double sp0, int w);

// Returns the start ray of the analyses: relative field fy, relative pupil (px, py), with the
// aperture of stopRadius and the entrance pupil of wavelength w. Needs a paraxial calculation.
ORealRay launchRay(const OAxisSystem& system, double fy, double px, double py, int w);

// Returns the index of a gap's medium at wavelength w times the gap's direction sign; a gap
// that has not been given a medium is air.
double signedIndex(const OGuide* gap, int w);

// Returns the aperture that start rays are built from at wavelength w: the stop's own size, or
// its image-side size ('z') or diameter ('d') carried over through the paraxial record.
double stopRadius(const OStop& stop, const OParaxial& paraxial, int w);

// Returns (n s)/(n' s') of the gaps before and after a surface node.
double indexRatio(const ONode& node, int w);

// Moves a ray, already in the frame of `node`, onto its surface and refracts it there.
void traceNode(const ONode& node, ORealRay& ray, ORayCalc& calc);

// Traces path.rays[0] from node `first` through node `last`; rays[k] is the ray after the k-th
// node. A ray error carries the node where it happened.
void tracePath(const OAxisSystemCalc& calculator, OPath<ORealRay>& path, const ONode* first,
               const ONode* last, int w, ORayCalc& calc);

}  // namespace zelt
