#pragma once
// Refinement of a lens by real rays: the curvatures and the image distance that give the best
// polychromatic image, with the focal length held.

#include <memory>

#include "zelt/optim/OSolver.h"

namespace zelt {

/// The result of a refinement: the merit M = rms_axis² + w·rms_field² [mm²] before and after.
struct ORefinementReport {
  double meritStart = 0.0;
  double merit = 0.0;
  int iterations = 0;
};

/// Returns the refinement problem of `system` (its paraxial data brought up to date): the
/// variables, solve and operands that refineByRealRays minimises. Throws on a field weight
/// that is negative or not finite, or a system without a finite focal length.
std::unique_ptr<OProblem> makeRefinementProblem(OAxisSystem& system, double fieldWeight);

/// Refines `system` in place: varies the curvatures of surfaces 1…N−1 and the image distance,
/// solves the curvature of surface N after every step for the focal length the system has, and
/// minimises M over the axis and, with fieldWeight > 0, the full field, every source wavelength
/// equally weighted. A failed refinement throws and leaves the system as it was.
ORefinementReport refineByRealRays(OAxisSystem& system, double fieldWeight);

}  // namespace zelt
