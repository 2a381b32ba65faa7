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

/// Number of values of an AGF TD record: D0, D1, D2, E0, E1, λtk [um], Tref [°C].
inline constexpr std::size_t kThermalValues = 7;

/// Returns the change of the formula index `n0` at `lambda` [um] when the glass goes from its
/// catalog's reference temperature Tref to `t` [°C], after the TD record `td`; 0 when `td` holds
/// fewer than kThermalValues values.
double thermalIndexChange(std::span<const double> td, double n0, double lambda, double t);

/// Returns the index of air at `lambda` [um], temperature `t` [°C] and `pressure` [atm].
double airIndex(double lambda, double t, double pressure);

}  // namespace zelt::dispersion
