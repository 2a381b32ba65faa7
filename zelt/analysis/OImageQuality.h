#pragma once
// Geometric image quality of an explicit system: spot diagrams and RMS spot radii per field over
// every source wavelength, and the RMS wavefront error and Strehl ratio on the axis.

#include <vector>

#include "zelt/analysis/ORayGrid.h"

namespace zelt {

/// Spot diagrams, RMS spots and the axial wavefront of one system on its own image plane.
class OImageQuality {
 public:
  /// Binds the analysis to `system`; it reads the system only when asked to calculate.
  explicit OImageQuality(const OAxisSystem& system) : system_(&system) {}

  /// Traces a hexapolar pupil of `rings` rings for every relative field of `fields` and every
  /// source wavelength onto the plane the image node states. Throws, leaving no results, when the
  /// system cannot be traced; a lost ray only makes its field's RMS NaN.
  void calculate(const std::vector<double>& fields, int rings = 6);

  /// Returns true after a completed calculation.
  bool ready() const { return ready_; }
  /// Returns the relative fields of the last calculation.
  const std::vector<double>& fields() const { return fields_; }
  /// Returns the RMS spot radius [mm] of field i over all its wavelengths (NaN: a ray was lost).
  double rms(int field) const;
  /// Returns the rays of field i at wavelength w on the image plane.
  const OImageRays& rays(int field, int w) const;
  /// Returns the RMS wavefront error [waves at the main wavelength] on the axis, piston removed.
  double wavefrontRms() const { return wavefrontRms_; }
  /// Returns the Strehl ratio by Maréchal's approximation exp(−(2πσ)²).
  double strehl() const;
  /// Returns the image plane's distance behind the last surface [mm].
  double imageDistance() const { return imageDistance_; }
  /// Returns the number of wavelengths the spots hold.
  int wavelengthCount() const;

 private:
  void checkField(int field) const;
  double axialWavefront(const ORayGrid& grid, const std::vector<OPupilPoint>& pupil) const;

  const OAxisSystem* system_;
  bool ready_ = false;
  std::vector<double> fields_;
  std::vector<std::vector<OImageRays>> rays_;  // [field][wavelength]
  std::vector<double> rms_;
  double wavefrontRms_ = 0.0;
  double imageDistance_ = 0.0;
};

/// Returns the RMS optical path difference [mm] of `rays` against `sphere`, piston removed;
/// NaN when a ray was lost.
double rmsPathDifference(const OImageRays& rays, const OReferenceSphere& sphere);

}  // namespace zelt
