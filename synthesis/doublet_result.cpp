#include <cmath>

#include "synthesis/doublet_synthesis.h"

namespace synthesis {

PairData computePairData(double n1, double nu1, double n2, double nu2, double c) {
  PairData d;
  const double phi1 = nu1 * (1.0 + c * nu2) / (nu1 - nu2);
  const double phi2 = 1.0 - phi1;
  const double phi = phi1 + phi2;
  const double pi = phi1 / n1 + phi2 / n2;
  const double g = 2.0 * pi + phi;
  const double q0 =
      -(3.0 * phi1 * phi1 / (n1 - 1.0) - 3.0 * phi2 * phi2 / (n2 - 1.0) - 2.0 * phi2 * phi) /
      (2.0 * g);
  const double p0 = n2 * phi2 * phi2 * phi / (n2 - 1.0) +
                    n2 * phi2 * phi2 * phi2 / ((n2 - 1.0) * (n2 - 1.0)) +
                    n1 * phi1 * phi1 * phi1 / ((n1 - 1.0) * (n1 - 1.0)) - g * q0 * q0;
  const double w0 =
      -(phi + pi) * q0 - (phi1 * phi1 / (n1 - 1.0) - phi2 * phi2 / (n2 - 1.0) - phi * phi2);
  d.phi1 = phi1;
  d.pi = pi;
  d.p0A = p0;
  d.q0A = q0;
  d.w0A = w0;
  // Turning the component round (order B) mirrors Q and W about their values for a symmetric
  // bending and shifts P accordingly.
  d.q0B = phi / g - q0;
  d.w0B = phi * phi * pi / g - w0;
  d.p0B = p0 - 4.0 * phi * w0 + 2.0 * pi * phi * phi * phi / g;
  return d;
}

bool isFinite(const PairData& d) {
  for (double v : {d.phi1, d.pi, d.p0A, d.q0A, d.w0A, d.p0B, d.q0B, d.w0B}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

void DoubletResult::computeRadii([[maybe_unused]] double C, double fPrime, double mainLine,
                                 double W) {
  // C entered the pair data when the search computed them; they travel with the result.
  const double n1 = glass1.index(mainLine);
  const double n2 = glass2.index(mainLine);
  index1 = n1;
  index2 = n2;
  double q = 0.0;
  if (!orderB) {
    phiFirst = pair.phi1;
    phiSecond = 1.0 - pair.phi1;
    q = pair.q0A - (W - pair.w0A) / (pair.pi + 1.0);
  } else {
    phiFirst = 1.0 - pair.phi1;
    phiSecond = pair.phi1;
    q = pair.q0B - (W - pair.w0B) / (pair.pi + 1.0);
  }
  alpha2 = (1.0 - 1.0 / n1) * q + phiFirst;
  alpha3 = (1.0 - 1.0 / n2) * q + phiFirst;
  // Heights of the paraxial ray at surfaces 2 and 3 shrink by the lens thicknesses.
  const double h2 = 1.0 - alpha2 * thickness1 / fPrime;
  const double h3 = 1.0 - (alpha2 * thickness1 + alpha3 * thickness2) / fPrime;
  r1 = fPrime * (n1 - 1.0) / (n1 * alpha2);
  r2 = h2 * fPrime * (n2 - n1) / (n2 * alpha3 - n1 * alpha2);
  r3 = h3 * fPrime * (1.0 - n2) / (1.0 - n2 * alpha3);
  computeEdges();
}

void DoubletResult::computeParameters() {
  const double n1 = index1;
  const double n2 = index2;
  const double dispersion1 = glass1.principalDispersion() / n1;
  const double dispersion2 = glass2.principalDispersion() / n2;
  // Δα/Δ(1/n) at the cemented, first and last surface.
  const double a = (alpha3 - alpha2) / (1.0 / n2 - 1.0 / n1);
  const double h = alpha2 / (1.0 / n1 - 1.0);
  const double l = (1.0 - alpha3) / (1.0 - 1.0 / n2);
  // Δ(α/n) at the same surfaces.
  const double b = alpha3 / n2 - alpha2 / n1;
  const double firstStep = alpha2 / n1;
  const double lastStep = 1.0 - alpha3 / n2;
  p = a * a * b + h * h * firstStep + l * l * lastStep;
  w = a * b + h * firstStep + l * lastStep;
  c = (dispersion2 - dispersion1) * a + dispersion1 * h - dispersion2 * l;
}

double DoubletResult::thermalValue() const {
  const double nu1 = glass1.abbeNumber(lambda0, lambdaMin, lambdaMax);
  const double nu2 = glass2.abbeNumber(lambda0, lambdaMin, lambdaMax);
  const double v1 = glass1.thermoOpticalValue(lambda0);
  const double v2 = glass2.thermoOpticalValue(lambda0);
  // Where the line through (1/ν1, V1) and (1/ν2, V2) meets 1/ν = 0: the achromat's value.
  return (nu1 * v1 - nu2 * v2) / (nu1 - nu2);
}

double defaultThickness(double d) {
  if (d <= 120.0) return 0.12 * d;
  if (d <= 260.0) return 0.10 * d;
  if (d <= 500.0) return 0.08 * d;
  return 0.0;
}

}  // namespace synthesis
