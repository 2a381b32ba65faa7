#pragma once
// Diffraction MTF of an explicit system: the pupil function sampled on a square grid, its
// autocorrelation by FFT, tangential and sagittal, per field and wavelength and polychromatic.

#include <complex>
#include <vector>

#include "zelt/analysis/ORayGrid.h"

namespace zelt {

/// The optical transfer function along the two axes of the pupil grid, at shifts of 0…samples
/// cells (the last one the cut-off), normalised to 1 at zero frequency.
struct OOtfLines {
  std::vector<std::complex<double>> tangential;  ///< frequencies along y
  std::vector<std::complex<double>> sagittal;    ///< frequencies along x
};

/// Returns the OTF lines of a pupil function given row-major on samples × samples cells (y the
/// row), zero-padded to twice the size so that the FFT autocorrelation does not wrap.
OOtfLines otfOfPupil(const std::vector<std::complex<double>>& pupil, int samples);

/// MTF curves of one field at one wavelength (or polychromatic).
struct OMtfCurve {
  std::vector<double> tangential;
  std::vector<double> sagittal;
};

/// Diffraction MTF of a system on the plane its image node states.
class OMtfAnalysis {
 public:
  /// Binds the analysis to `system`; it reads the system only when asked to calculate.
  explicit OMtfAnalysis(const OAxisSystem& system) : system_(&system) {}

  /// Computes the curves of every relative field of `fields` at every source wavelength and
  /// polychromatic (equal weights), from a pupil grid of `samples` cells a side (at least 8).
  /// Needs an object at infinity. Throws, leaving no results, when the system cannot be traced.
  void calculate(const std::vector<double>& fields, int samples = 64);

  /// Returns true after a completed calculation.
  bool ready() const { return ready_; }
  /// Returns the frequencies [cycles/mm] of every curve, 0 to the cut-off D/(λ0·f′).
  const std::vector<double>& frequencies() const { return frequencies_; }
  /// Returns the curve of field i at wavelength w; w equal to the wavelength count gives the
  /// polychromatic curve.
  const OMtfCurve& curve(int field, int w) const;
  /// Returns the number of source wavelengths of the curves.
  int wavelengthCount() const { return waves_; }

 private:
  std::vector<OOtfLines> fieldOtf(const ORayGrid& grid, const OSquarePupil& pupil, double fy) const;

  const OAxisSystem* system_;
  bool ready_ = false;
  int waves_ = 0;
  std::vector<double> frequencies_;
  std::vector<std::vector<OMtfCurve>> curves_;  // [field][wavelength, polychromatic last]
};

}  // namespace zelt
