#pragma once
// Glass catalog of the synthesis: catalog glasses, their indices and the AGF reader.

#include <map>
#include <string>
#include <vector>

namespace synthesis {

/// Conditions at which the indices of a glass are computed.
struct GlassEnvironment {
  double temperature = 20.0;  ///< [°C]
  double pressure = 1.0;      ///< [atm], 1 is normal pressure
  bool airIndex = true;       ///< indices relative to air at this temperature and pressure
};

/// Catalog status of a glass, as the AGF NM record codes it.
enum GlassStatus : int { Standard = 0, Preferred = 1, Obsolete = 2, Special = 3, Melt = 4 };

/// Number of glass statuses (the length of a status flag list).
inline constexpr int kGlassStatusCount = 5;

/// The F and C lines [um] of the principal dispersion.
inline constexpr double kLineF = 0.4861327;
inline constexpr double kLineC = 0.6562725;

/// One catalog glass; copied by value into the synthesis results.
struct GlassRecord {
  std::string name;
  int formula = 0;  ///< AGF dispersion formula number 1..13
  double milCode = 0.0;
  double nd = 0.0;
  double vd = 0.0;
  int excludeSubstitution = 0;
  int status = Standard;
  double lambdaMin = 0.0;          ///< shortest admissible wavelength [um]
  double lambdaMax = 0.0;          ///< longest admissible wavelength [um]
  std::vector<double> dispersion;  ///< CD coefficients c0, c1, ...
  std::vector<double> thermal;     ///< TD: D0, D1, D2, E0, E1, λtk [um], Tref [°C]
  std::vector<double> extra;       ///< ED; the first is α, thermal expansion [1e-6/°C]
  GlassEnvironment environment;
  std::string catalog;  ///< catalog of origin: base name of the AGF file the glass was read from

  /// Returns the index relative to the environment's air at `lambda` [um] and temperature `t`.
  double refractiveIndex(double lambda, double t) const;
  /// Returns the index at `lambda` [um] at the environment temperature.
  double index(double lambda) const { return refractiveIndex(lambda, environment.temperature); }
  /// Returns the Abbe number (n(λ0) − 1)/(n(λ1) − n(λ2)).
  double abbeNumber(double lambda0, double lambda1, double lambda2) const;
  /// Returns the principal dispersion nF − nC.
  double principalDispersion() const;
  /// Returns the relative change per °C of the power of a thin lens of this glass at `lambda`.
  double thermoOpticalValue(double lambda) const;
};

/// Catalog glasses by name, in byte-wise name order.
using GlassCatalog = std::map<std::string, GlassRecord>;

/// Reads the AGF file at `path` into `catalog` (glasses of the same name are replaced).
/// Throws std::runtime_error with the user's message when the path is empty or the file is missing.
void readAgfFile(const std::string& path, GlassCatalog& catalog);

/// Reads AGF text (already decoded to 8-bit with LF line ends) into `catalog`; every glass read
/// remembers `origin` as its catalog.
void readAgfText(std::string text, GlassCatalog& catalog, const std::string& origin = {});

/// Returns the catalog name of an AGF file: its file name without folder, up to the first dot.
std::string catalogBaseName(const std::string& path);

}  // namespace synthesis
