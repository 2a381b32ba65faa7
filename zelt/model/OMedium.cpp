#include "zelt/model/OMedium.h"

#include <string>

#include "zelt/glassdata/DispersionFormula.h"

namespace zelt {

double OMedium::index(unsigned) const {
  return 0.0;
}

OHMedium::OHMedium(std::string mediumName, std::vector<double> indexList)
    : indices(std::move(indexList)) {
  name = std::move(mediumName);
}

std::unique_ptr<OMedium> OHMedium::clone() const {
  return std::make_unique<OHMedium>(*this);
}

void OHMedium::setWavelengths(const std::vector<double>&) {}

double OHMedium::index(unsigned w) const {
  if (w >= indices.size()) {
    throw MediaError("Medium " + name + " has no index for wavelength number " + std::to_string(w) +
                     " (it holds " + std::to_string(indices.size()) + ")");
  }
  return indices[w];
}

std::unique_ptr<OMedium> OAMedium::clone() const {
  return std::make_unique<OAMedium>(*this);
}

void OAMedium::setWavelengths(const std::vector<double>& lambdas) {
  indices.clear();
  for (double lambda : lambdas) indices.push_back(indexAt(lambda));
}

double OAMedium::indexAt(double lambda) const {
  // Written so that a NaN wavelength is refused as out of range too. No formula has a value at
  // a zero or negative wavelength (they divide by powers of λ), whatever range the catalog gives.
  if (!(lambda >= lambdaMin && lambda <= lambdaMax) || lambda <= 0.0) {
    throw OutOfSpectralRange("OutOfSpectralRange: " + name);
  }
  const int agfFormula = formula + 1;
  if (!dispersion::isKnownFormula(agfFormula)) throw UnknownDFormula("UnknownDFormula: " + name);
  const std::size_t needed = dispersion::coefficientCount(agfFormula);
  if (coefficients.size() < needed) {
    throw MediaError("Glass " + name + " has " + std::to_string(coefficients.size()) +
                     " dispersion coefficients, its formula needs " + std::to_string(needed));
  }
  double n = dispersion::formulaIndex(agfFormula, coefficients, lambda);
  const bool hasThermal = thermal.size() >= dispersion::kThermalValues;
  if (temperature && hasThermal)
    n += dispersion::thermalIndexChange(thermal, n, lambda, *temperature);
  if (pressure != 1.0) {
    // The catalog's indices are relative to air at normal pressure.
    const double t = temperature.value_or(hasThermal ? thermal[6] : 20.0);
    n *= dispersion::airIndex(lambda, t, 1.0) / dispersion::airIndex(lambda, t, pressure);
  }
  return n;
}

}  // namespace zelt
