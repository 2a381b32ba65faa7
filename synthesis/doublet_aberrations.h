#pragma once
// Aberration tables of a designed doublet over field, wavelength and pupil, as the optics
// library computes them; plain values for the window and the batch tool.

#include <vector>

#include "synthesis/doublet_synthesis.h"

namespace synthesis {

/// The three aberration tables of one doublet with the coordinates that label them.
struct DoubletAberrations {
  std::vector<double> wavelengths;  ///< [um] of the tables, the main wavelength first
  std::vector<double> fields;       ///< relative field of each field point, 0 the axis, 1 full
  std::vector<double> fieldAngles;  ///< [degrees] of each field point
  std::vector<double> pupil;        ///< relative pupil of each column, upper rim first
  /// [wavelength][pupil] on the axis [mm]: distance from the ray's axis crossing to the image.
  std::vector<std::vector<double>> longitudinal;
  /// [wavelength][field][pupil] [mm], from the chief ray of the main wavelength.
  std::vector<std::vector<std::vector<double>>> transverse;
  /// [wavelength][field][pupil] in waves of the main wavelength, 0 at the pupil centre.
  std::vector<std::vector<std::vector<double>>> wave;
};

/// Makes `doublet` the library's current system and returns its aberration tables; a failure
/// of the library is thrown with its message.
DoubletAberrations computeDoubletAberrations(const DoubletResult& doublet);

}  // namespace synthesis
