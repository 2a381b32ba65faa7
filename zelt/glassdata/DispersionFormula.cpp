#include "zelt/glassdata/DispersionFormula.h"

#include <array>
#include <cmath>

namespace zelt::dispersion {
namespace {

using Coefficients = std::span<const double>;

// Powers of the wavelength that every formula needs; integer powers by multiplication.
struct Lambda {
  explicit Lambda(double lambda)
      : l(lambda),
        l2(lambda * lambda),
        l4(l2 * l2),
        l6(l4 * l2),
        inv2(1.0 / l2),
        inv4(inv2 * inv2),
        inv6(inv4 * inv2),
        inv8(inv4 * inv4),
        inv10(inv8 * inv2),
        inv12(inv6 * inv6) {}
  double l, l2, l4, l6, inv2, inv4, inv6, inv8, inv10, inv12;
  // One Sellmeier resonance term B·λ²/(λ² − C).
  double resonance(double b, double c) const { return b * l2 / (l2 - c); }
};

// Schott power series: n² = c0 + c1λ² + c2λ⁻² + c3λ⁻⁴ + c4λ⁻⁶ + c5λ⁻⁸.
double schottSquare(Coefficients c, const Lambda& x) {
  return c[0] + c[1] * x.l2 + c[2] * x.inv2 + c[3] * x.inv4 + c[4] * x.inv6 + c[5] * x.inv8;
}

double schott(Coefficients c, const Lambda& x) {
  return std::sqrt(schottSquare(c, x));
}

// Sellmeier with N resonances: n² = 1 + Σ Bᵢλ²/(λ² − Cᵢ), pairs (Bᵢ, Cᵢ) in coefficient order.
template <std::size_t N>
double sellmeierOdd(Coefficients c, const Lambda& x) {
  double n2 = 1.0;
  for (std::size_t i = 0; i < N; ++i) n2 += x.resonance(c[2 * i], c[2 * i + 1]);
  return std::sqrt(n2);
}

// Herzberger: n = c0 + c1L + c2L² + c3λ² + c4λ⁴ + c5λ⁶ with L = 1/(λ² − 0.028).
double herzberger(Coefficients c, const Lambda& x) {
  const double L = 1.0 / (x.l2 - 0.028);
  return c[0] + c[1] * L + c[2] * L * L + c[3] * x.l2 + c[4] * x.l4 + c[5] * x.l6;
}

// Sellmeier 2: n² = 1 + c0 + c1λ²/(λ² − c2) + c3λ²/(λ² − c4).
double sellmeier2(Coefficients c, const Lambda& x) {
  return std::sqrt(1.0 + c[0] + x.resonance(c[1], c[2]) + x.resonance(c[3], c[4]));
}

// Conrady: n = c0 + c1/λ + c2/λ^3.5.
double conrady(Coefficients c, const Lambda& x) {
  return c[0] + c[1] / x.l + c[2] / std::pow(x.l, 3.5);
}

// Handbook of Optics 1: n² = c0 + c1/(λ² − c2) − c3λ².
double handbook1(Coefficients c, const Lambda& x) {
  return std::sqrt(c[0] + c[1] / (x.l2 - c[2]) - c[3] * x.l2);
}

// Handbook of Optics 2: n² = c0 + c1λ²/(λ² − c2) − c3λ².
double handbook2(Coefficients c, const Lambda& x) {
  return std::sqrt(c[0] + x.resonance(c[1], c[2]) - c[3] * x.l2);
}

// Sellmeier 4: n² = c0 + c1λ²/(λ² − c2) + c3λ²/(λ² − c4).
double sellmeier4(Coefficients c, const Lambda& x) {
  return std::sqrt(c[0] + x.resonance(c[1], c[2]) + x.resonance(c[3], c[4]));
}

// Extended: the Schott series continued by c6λ⁻¹⁰ + c7λ⁻¹².
double extended(Coefficients c, const Lambda& x) {
  return std::sqrt(schottSquare(c, x) + c[6] * x.inv10 + c[7] * x.inv12);
}

// Extended 2: the Schott series continued by c6λ⁴ + c7λ⁶.
double extended2(Coefficients c, const Lambda& x) {
  return std::sqrt(schottSquare(c, x) + c[6] * x.l4 + c[7] * x.l6);
}

// Extended 3: n² = c0 + c1λ² + c2λ⁴ + c3λ⁻² + c4λ⁻⁴ + c5λ⁻⁶ + c6λ⁻⁸ + c7λ⁻¹⁰ + c8λ⁻¹².
double extended3(Coefficients c, const Lambda& x) {
  return std::sqrt(c[0] + c[1] * x.l2 + c[2] * x.l4 + c[3] * x.inv2 + c[4] * x.inv4 +
                   c[5] * x.inv6 + c[6] * x.inv8 + c[7] * x.inv10 + c[8] * x.inv12);
}

struct Formula {
  double (*evaluate)(Coefficients, const Lambda&);
  std::size_t coefficients;
};

// Indexed by AGF formula number − 1.
constexpr std::array<Formula, kFormulaCount> kFormulas{{
    {schott, 6},
    {sellmeierOdd<3>, 6},
    {herzberger, 6},
    {sellmeier2, 5},
    {conrady, 3},
    {sellmeierOdd<4>, 8},
    {handbook1, 4},
    {handbook2, 4},
    {sellmeier4, 5},
    {extended, 8},
    {sellmeierOdd<5>, 10},
    {extended2, 8},
    {extended3, 9},
}};

}  // namespace

bool isKnownFormula(int agfFormula) {
  return agfFormula >= 1 && agfFormula <= kFormulaCount;
}

std::size_t coefficientCount(int agfFormula) {
  return isKnownFormula(agfFormula) ? kFormulas[agfFormula - 1].coefficients : 0;
}

double formulaIndex(int agfFormula, std::span<const double> coefficients, double lambda) {
  return kFormulas[agfFormula - 1].evaluate(coefficients, Lambda(lambda));
}

double thermalIndexChange(std::span<const double> td, double n0, double lambda, double t) {
  if (td.size() < kThermalValues) return 0.0;
  const double dT = t - td[6];
  const double lambdaTk = td[5];
  const double sign = lambdaTk >= 0.0 ? 1.0 : -1.0;
  const double polynomial = td[0] * dT + td[1] * dT * dT + td[2] * dT * dT * dT;
  const double resonance =
      (td[3] * dT + td[4] * dT * dT) / (lambda * lambda - sign * lambdaTk * lambdaTk);
  return (n0 * n0 - 1.0) / (2.0 * n0) * (polynomial + resonance);
}

double airIndex(double lambda, double t, double pressure) {
  const double l2 = lambda * lambda;
  const double nRef =
      1.0 +
      (6432.8 + 2949810.0 * l2 / (146.0 * l2 - 1.0) + 25540.0 * l2 / (41.0 * l2 - 1.0)) * 1e-8;
  return 1.0 + (nRef - 1.0) * pressure / (1.0 + (t - 15.0) * 0.0034785);
}

}  // namespace zelt::dispersion
