#pragma once
// One glass of an AGF catalog as its maker describes it, shared by the synthesis core and the
// optics library: dispersion, thermal data, cost, resistance classes and internal transmittance.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelt::agf {

/// One point of a glass's internal transmittance table (an IT line).
struct TransmissionPoint {
  double lambda = 0.0;         ///< [um]
  double transmittance = 0.0;  ///< internal transmittance, 0..1
  double thickness = 0.0;      ///< reference thickness [mm]
};

/// The maker's resistance classes of the OD line; none where the maker gives no class.
struct ResistanceClasses {
  std::optional<double> climate;    ///< CR
  std::optional<double> stain;      ///< FR
  std::optional<double> acid;       ///< SR
  std::optional<double> alkali;     ///< AR
  std::optional<double> phosphate;  ///< PR
};

/// One catalog glass with everything its AGF record holds.
struct AgfGlass {
  std::string name;
  int formula = 0;  ///< AGF dispersion formula number 1..13 (0 when unread)
  double milCode = 0.0;
  double nd = 0.0;
  double vd = 0.0;
  int excludeSubstitution = 0;
  int status = 0;                    ///< 0 standard … 4 melt, as the NM line codes it
  std::optional<int> meltFrequency;  ///< NM: how often the maker melts it
  double lambdaMin = 0.0;            ///< shortest admissible wavelength [um]
  double lambdaMax = 0.0;            ///< longest admissible wavelength [um]
  std::vector<double> dispersion;    ///< CD coefficients c0, c1, ...
  std::vector<double> thermal;       ///< TD: D0, D1, D2, E0, E1, λtk [um], Tref [°C]
  std::vector<double> extra;         ///< ED as written; the first is α, thermal expansion
  std::optional<double> expansion;   ///< ED: TCE from −30 to +70 °C [1e-6/K]
  std::optional<double> density;     ///< ED [g/cm³]
  std::optional<double> deltaPgF;    ///< ED: ΔPg,F, the deviation from the normal line
  std::optional<double> cost;        ///< OD: price relative to the maker's reference glass
  ResistanceClasses classes;         ///< OD
  std::vector<TransmissionPoint> transmission;  ///< IT, sorted by wavelength
  std::string catalog;  ///< catalog of origin: the AGF file name without folder and extension
  int line = 0;         ///< line of the NM record in its file (1-based)

  /// Returns true when the record can give indices: a known formula with coefficients, nd > 1
  /// and νd > 0 (a maker's placeholder record has none of these).
  bool hasData() const;
};

/// Conditions at which glass indices are computed.
struct IndexConditions {
  double temperature = 20.0;  ///< [°C]
  double pressure = 1.0;      ///< [atm], 1 is normal pressure
  bool airIndex = true;       ///< indices relative to air at this temperature and pressure
};

/// Returns the index of air at `lambda` [um], temperature [°C] and pressure [atm].
double airIndex(double lambda, double temperature, double pressure);

/// Returns the absolute index change of a glass of catalog index `n0` at `lambda` [um] when
/// warmed from its TD reference temperature to `temperature` [°C]; 0 without TD data, nothing
/// for an incomplete TD record.
std::optional<double> thermalIndexChange(std::span<const double> thermal, double n0, double lambda,
                                         double temperature);

/// Converts a catalog index `n0` at `lambda` [um] to the index at `conditions`: the TD
/// temperature change, then relative to air when asked; nothing for an incomplete TD record.
std::optional<double> conditionedIndex(std::span<const double> thermal, double n0, double lambda,
                                       const IndexConditions& conditions);

/// Returns the internal transmittance of `thickness` [mm] of the glass at `lambda` [um]:
/// T(λ)^(t/t_ref), T interpolated linearly between the two nearest IT points; nothing outside
/// the table or without one.
std::optional<double> internalTransmittance(const std::vector<TransmissionPoint>& table,
                                            double lambda, double thickness);

}  // namespace zelt::agf
