#include <cmath>
#include <sstream>
#include <stdexcept>

#include "synthesis/glass_catalog.h"
#include "synthesis/message_text.h"
#include "zelt/glassdata/DispersionFormula.h"

namespace synthesis {
namespace {

std::string formatWavelength(double lambda) {
  std::ostringstream text;
  text << lambda;
  return text.str();
}

void checkRange(const GlassRecord& glass, double lambda) {
  // Written so that a NaN or non-positive wavelength is refused too.
  if (!(lambda >= glass.lambdaMin && lambda <= glass.lambdaMax) || lambda <= 0.0) {
    throw std::runtime_error(
        messageText("synthesis", "Длина волны ") + formatWavelength(lambda) +
        messageText("synthesis", " выходит за границы разрешенного диапазона для стекла ") +
        glass.name);
  }
}

double formulaIndex(const GlassRecord& glass, double lambda) {
  if (!zelt::dispersion::isKnownFormula(glass.formula)) {
    throw std::runtime_error(
        messageText("synthesis", "Невозможно рассчитать показатель преломления"));
  }
  if (glass.dispersion.size() < zelt::dispersion::coefficientCount(glass.formula)) {
    throw std::runtime_error(
        messageText("synthesis", "Недостаточно коэффициентов формулы дисперсии (CD) у стекла ") +
        glass.name);
  }
  return zelt::dispersion::formulaIndex(glass.formula, glass.dispersion, lambda);
}

}  // namespace

double GlassRecord::refractiveIndex(double lambda, double t) const {
  checkRange(*this, lambda);
  const double n0 = formulaIndex(*this, lambda);
  GlassEnvironment at = environment;
  at.temperature = t;
  const auto n = zelt::agf::conditionedIndex(thermal, n0, lambda, at);
  if (!n)
    throw std::runtime_error(
        messageText("synthesis", "Неполные термические данные (TD) у стекла ") + name);
  return *n;
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
  if (extra.empty() || std::isnan(extra[0])) {
    throw std::runtime_error(
        messageText("synthesis", "Нет коэффициента теплового расширения (ED) у стекла ") + name);
  }
  const double t = environment.temperature;
  const double change = refractiveIndex(lambda, t) - refractiveIndex(lambda, t - 1.0);
  return change / (refractiveIndex(lambda, 20.0) - 1.0) - extra[0] * 1e-6;
}

}  // namespace synthesis
