#pragma once
// What an optimisation judges: each operand gives a block of the residual vector,
// weight × (value − target).

#include <vector>

#include "zelt/analysis/OPupilSampling.h"
#include "zelt/model/OAxisSystem.h"

namespace zelt {

/// A block of values of a system with their common target and weight.
class OOperand {
 public:
  OOperand(double target, double weight) : target_(target), weight_(weight) {}
  virtual ~OOperand() = default;
  /// Returns the number of values of the block.
  virtual int size() const = 0;
  /// Writes the block's values for `system` (traced on the plane its image node states) and,
  /// when `focusSlopes` is given, their derivatives along the image distance [per mm].
  virtual void values(const OAxisSystem& system, double* out, double* focusSlopes) const = 0;
  /// Writes weight × (value − target) for every value of the block and, when `focusSlopes` is
  /// given, the derivatives of those residuals along the image distance.
  void residuals(const OAxisSystem& system, double* out, double* focusSlopes = nullptr) const;

 private:
  double target_;
  double weight_;
};

/// The ray deviations of one field from its centroid over every source wavelength (x and y of
/// each ray of a hexapolar pupil). With weight √(w / rays) and target 0 the block's sum of
/// squares is w times the squared RMS spot radius. Moving the image plane by ds′ moves a ray
/// by ds′ times the tangents X/Z and Y/Z of its direction, so the derivatives along the image
/// distance come from the same trace.
class OSpotOperand : public OOperand {
 public:
  /// Judges relative field `field` with merit weight `meritWeight` (w above) over `waves`
  /// wavelengths and a hexapolar pupil of `rings` rings.
  OSpotOperand(double field, double meritWeight, int waves, int rings = 6);
  int size() const override;
  void values(const OAxisSystem& system, double* out, double* focusSlopes) const override;

 private:
  double field_;
  int waves_;
  std::vector<OPupilPoint> pupil_;
};

/// Returns the residual of a ray that was lost [mm]: far above any deviation of a sound image,
/// so that a step that loses rays is never taken.
inline constexpr double kLostRayResidual = 1e3;

}  // namespace zelt
