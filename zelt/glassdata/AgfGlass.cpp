#include "zelt/glassdata/AgfGlass.h"

#include <algorithm>
#include <cmath>

#include "zelt/glassdata/DispersionFormula.h"

namespace zelt::agf {

bool AgfGlass::hasData() const {
  return zelt::dispersion::isKnownFormula(formula) &&
         dispersion.size() >= zelt::dispersion::coefficientCount(formula) && nd > 1.0 && vd > 0.0;
}

double airIndex(double lambda, double temperature, double pressure) {
  return zelt::dispersion::airIndex(lambda, temperature, pressure);
}

std::optional<double> thermalIndexChange(std::span<const double> td, double n0, double lambda,
                                         double temperature) {
  if (td.empty()) return 0.0;
  if (td.size() < zelt::dispersion::kThermalValues) return std::nullopt;
  return zelt::dispersion::thermalIndexChange(td, n0, lambda, temperature);
}

std::optional<double> conditionedIndex(std::span<const double> thermal, double n0, double lambda,
                                       const IndexConditions& conditions) {
  const auto change = thermalIndexChange(thermal, n0, lambda, conditions.temperature);
  if (!change) return std::nullopt;
  // The catalog coefficients are used as they stand at every temperature.
  const double air =
      conditions.airIndex ? airIndex(lambda, conditions.temperature, conditions.pressure) : 1.0;
  return (n0 + *change) / air;
}

namespace {

// T of point `p` through `thickness`: Lambert's law scales the optical density with the path.
double throughThickness(const TransmissionPoint& p, double thickness) {
  return std::pow(p.transmittance, thickness / p.thickness);
}

}  // namespace

std::optional<double> internalTransmittance(const std::vector<TransmissionPoint>& table,
                                            double lambda, double thickness) {
  const auto above = std::find_if(table.begin(), table.end(),
                                  [&](const TransmissionPoint& p) { return p.lambda >= lambda; });
  if (above == table.end() || !(thickness >= 0.0)) return std::nullopt;
  if (above->lambda == lambda) return throughThickness(*above, thickness);
  if (above == table.begin()) return std::nullopt;
  const TransmissionPoint& below = *(above - 1);
  const double f = (lambda - below.lambda) / (above->lambda - below.lambda);
  if (below.thickness == above->thickness) {
    const double t = below.transmittance + f * (above->transmittance - below.transmittance);
    return std::pow(t, thickness / below.thickness);
  }
  // Points measured through different thicknesses are first brought to the same one.
  const double a = throughThickness(below, thickness);
  return a + f * (throughThickness(*above, thickness) - a);
}

}  // namespace zelt::agf
