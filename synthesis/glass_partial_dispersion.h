#pragma once
// Relative partial dispersion of a glass, the quantity that decides the secondary spectrum of an
// achromat: glasses on one straight line over ν give the same residual colour.

#include "synthesis/glass_catalog.h"

namespace synthesis {

/// The g line [um] of the partial dispersion ng − nF.
inline constexpr double kLineG = 0.4358343;

/// Returns P_g,F = (ng − nF)/(nF − nC) at the glass's environment; throws like `index`.
inline double relativePartialDispersion(const GlassRecord& glass) {
  const double nF = glass.index(kLineF);
  return (glass.index(kLineG) - nF) / (nF - glass.index(kLineC));
}

}  // namespace synthesis
