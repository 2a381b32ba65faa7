#pragma once
// Image quality of one designed doublet as the optics library computes it: spot diagrams,
// wavefront and diffraction MTF; plain values for the window and the batch tool.

#include <vector>

#include "synthesis/doublet_synthesis.h"

namespace synthesis {

/// The spot diagram of one field at one wavelength [mm on the image plane].
struct SpotPoints {
  std::vector<double> x, y;
};

/// The MTF curves of one field at one wavelength (or polychromatic).
struct MtfCurves {
  std::vector<double> tangential, sagittal;
};

/// Spot diagrams and MTF of a doublet on the axis, at 0.7 and at full field.
struct DoubletQuality {
  std::vector<double> wavelengths;             ///< [um], the main wavelength first
  std::vector<double> fields;                  ///< relative fields: 0, 0.7, 1
  std::vector<double> fieldAngles;             ///< [degrees]
  std::vector<double> rms;                     ///< RMS spot per field [mm]
  std::vector<std::vector<SpotPoints>> spots;  ///< [field][wavelength]
  double wfeRms = 0.0;                         ///< on the axis [waves]
  double strehl = 0.0;
  double imageDistance = 0.0;       ///< s′ [mm]
  double airyRadius = 0.0;          ///< 1.22·λ0·f′/D [mm]
  std::vector<double> frequencies;  ///< [cycles/mm] of every MTF curve
  /// [field][wavelength], the polychromatic curves last.
  std::vector<std::vector<MtfCurves>> mtf;
};

/// Number of pupil cells a side of the MTF's pupil grid.
inline constexpr int kMtfSamples = 64;

/// Makes `doublet` the library's current system and returns its spots, wavefront and MTF; a
/// failure of the library is thrown with its message.
DoubletQuality computeDoubletQuality(const DoubletResult& doublet);

}  // namespace synthesis
