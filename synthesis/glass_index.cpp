#include <cmath>
#include <sstream>
#include <stdexcept>

#include "synthesis/glass_catalog.h"
#include "zelt/glassdata/DispersionFormula.h"

namespace synthesis {
namespace {

std::string formatWavelength(double lambda) {
  std::ostringstream text;
  text << lambda;
  return text.str();
}

void checkRange(const GlassRecord& glass, double lambda) {
  if (lambda < glass.lambdaMin || lambda > glass.lambdaMax) {
    throw std::runtime_error("Длина волны " + formatWavelength(lambda) +
                             " выходит за границы разрешенного диапазона для стекла " + glass.name);
  }
}

double formulaIndex(const GlassRecord& glass, double lambda) {
  if (!zelt::dispersion::isKnownFormula(glass.formula)) {
    throw std::runtime_error("Невозможно рассчитать показатель преломления");
  }
  if (glass.dispersion.size() < zelt::dispersion::coefficientCount(glass.formula)) {
    throw std::runtime_error("Недостаточно коэффициентов формулы дисперсии (CD) у стекла " +
                             glass.name);
  }
  return zelt::dispersion::formulaIndex(glass.formula, glass.dispersion, lambda);
}

// Thermal change of the index after the catalog's D0, D1, D2, E0, E1, λtk, Tref.
double thermalChange(const GlassRecord& glass, double n0, double lambda, double t) {
  const auto& td = glass.thermal;
  if (td.empty()) return 0.0;
  if (td.size() < zelt::dispersion::kThermalValues) {
    throw std::runtime_error("Неполные термические данные (TD) у стекла " + glass.name);
  }
  // The library computes the same change for a lens file's temperature.
  return zelt::dispersion::thermalIndexChange(td, n0, lambda, t);
}

// Index of air at `lambda`, temperature `t` and the environment's pressure.
double airIndex(const GlassEnvironment& environment, double lambda, double t) {
  if (!environment.airIndex) return 1.0;
  return zelt::dispersion::airIndex(lambda, t, environment.pressure);
}

}  // namespace

double GlassRecord::refractiveIndex(double lambda, double t) const {
  checkRange(*this, lambda);
  const double n0 = formulaIndex(*this, lambda);
  // The catalog coefficients are used as they stand at every temperature.
  return (n0 + thermalChange(*this, n0, lambda, t)) / airIndex(environment, lambda, t);
}

double GlassRecord::abbeNumber(double lambda0, double lambda1, double lambda2) const {
  const double n0 = index(lambda0);
  const double n1 = index(lambda1);
  const double n2 = index(lambda2);
  return (n0 - 1.0) / (n1 - n2);
}

double GlassRecord::principalDispersion() const {
  return index(kLineF) - index(kLineC);
}

double GlassRecord::thermoOpticalValue(double lambda) const {
  if (extra.empty()) {
    throw std::runtime_error("Нет коэффициента теплового расширения (ED) у стекла " + name);
  }
  const double t = environment.temperature;
  const double change = refractiveIndex(lambda, t) - refractiveIndex(lambda, t - 1.0);
  return change / (refractiveIndex(lambda, 20.0) - 1.0) - extra[0] * 1e-6;
}

}  // namespace synthesis
