#pragma once
// Dispersion formulas of the AGF glass catalog, shared by the synthesis core and the optics
// library.

#include <cstddef>
#include <span>

namespace zelt::dispersion {

/// Number of dispersion formulas an AGF catalog may name (formula numbers 1..13).
inline constexpr int kFormulaCount = 13;

/// Returns true when `agfFormula` is one of the AGF formula numbers 1..13.
bool isKnownFormula(int agfFormula);

/// Returns how many coefficients AGF formula `agfFormula` reads (0 for an unknown number).
std::size_t coefficientCount(int agfFormula);

/// Returns the formula index n0 at wavelength `lambda` [um], before any thermal or air correction.
/// Precondition: isKnownFormula(agfFormula) and coefficients.size() >=
/// coefficientCount(agfFormula). Poles and negative squares are not checked: they give inf or NaN,
/// as the catalog data dictate.
double formulaIndex(int agfFormula, std::span<const double> coefficients, double lambda);

}  // namespace zelt::dispersion
