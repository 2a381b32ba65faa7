#pragma once
// What a glass costs and how it behaves, beside its dispersion: the limits a search may put on
// them, the transmittance of a glass and the volume of a lens.

#include <array>
#include <optional>

#include "synthesis/glass_catalog.h"
#include "synthesis/glass_filter.h"

namespace synthesis {

/// Path [mm] through which the transmittance limit is stated.
inline constexpr double kTransmittanceThickness = 10.0;

/// The maker's resistance classes in the order of the OD line.
enum class Resistance : int { Climate, Stain, Acid, Alkali, Phosphate };
inline constexpr int kResistanceCount = 5;

/// Limits on the maker's data of a glass; a limit left empty admits every glass.
struct GlassDataFilter {
  std::optional<double> maxCost;                                 ///< relative cost
  std::array<std::optional<double>, kResistanceCount> maxClass;  ///< by Resistance
  std::optional<double> minTransmittance;  ///< internal, through 10 mm at λmin
  bool requireData = false;  ///< a glass without a limited datum fails instead of passing
};

/// One limit of GlassDataFilter: the cost, a class (by Resistance), the transmittance.
enum class GlassDataLimit : int { Cost, Climate, Stain, Acid, Alkali, Phosphate, Transmittance };

/// Returns the user's name of a limit ("фильтр стоимости", …) for the empty-result message.
const char* limitName(GlassDataLimit limit);

/// Returns the resistance class of `glass`, none where the maker gives none.
std::optional<double> resistanceClass(const GlassRecord& glass, Resistance which);

/// Returns the internal transmittance of 10 mm of `glass` at `lambda` [um], none outside its IT
/// table.
std::optional<double> transmittance10(const GlassRecord& glass, double lambda);

/// Returns the first limit of `filter` that `glass` fails at λmin `lambdaMin`, none when it passes.
std::optional<GlassDataLimit> failedLimit(const GlassRecord& glass, const GlassDataFilter& filter,
                                          double lambdaMin);

/// Returns one named filter step per limit that `filter` sets, in the order of GlassDataLimit,
/// so that a search left empty by one of them names it.
std::vector<GlassFilterStep> glassDataSteps(const GlassDataFilter& filter);

/// Returns the volume [mm³] of a lens of axial thickness `t` between spherical surfaces of radii
/// `front` and `back` (infinite: plane) cut by a cylinder of radius `h`; NaN when a surface is
/// smaller than the cylinder.
double lensVolume(double front, double back, double t, double h);

}  // namespace synthesis
