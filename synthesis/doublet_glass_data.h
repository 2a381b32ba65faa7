#pragma once
// Cost, transmittance and mass of a designed doublet, from the maker's data of its glasses.

#include <optional>

#include "synthesis/doublet_synthesis.h"

namespace synthesis {

/// Cost, transmittance and mass of a designed doublet; none where a glass lacks the datum.
struct DoubletGlassData {
  std::optional<double> cost1, cost2;   ///< relative costs of the first and second lens
  std::optional<double> transmittance;  ///< internal, both lenses at their thicknesses, at λmin
  std::optional<double> mass;           ///< [g], both lenses cut at the pupil's semi-diameter
};

/// Returns the cost, transmittance and mass of `doublet`.
DoubletGlassData doubletGlassData(const DoubletResult& doublet);

}  // namespace synthesis
