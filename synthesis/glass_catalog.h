#pragma once
// Glass catalog of the synthesis: catalog glasses, their indices and the AGF reader.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "zelt/glassdata/AgfGlass.h"

namespace synthesis {

/// Conditions at which the indices of a glass are computed.
using GlassEnvironment = zelt::agf::IndexConditions;

/// Catalog status of a glass, as the AGF NM record codes it.
enum GlassStatus : int { Standard = 0, Preferred = 1, Obsolete = 2, Special = 3, Melt = 4 };

/// Number of glass statuses (the length of a status flag list).
inline constexpr int kGlassStatusCount = 5;

/// The F and C lines [um] of the principal dispersion.
inline constexpr double kLineF = 0.4861327;
inline constexpr double kLineC = 0.6562725;

/// One catalog glass with the conditions of its indices; copied by value into the results.
struct GlassRecord : zelt::agf::AgfGlass {
  GlassEnvironment environment;
  /// Name in the merged catalog: the glass name, or "NAME (CATALOG)" when several loaded
  /// catalogs hold that name; empty for a glass read outside a merged catalog.
  std::string label;

  /// Returns the label, or the name when the glass has none.
  const std::string& shownName() const { return label.empty() ? name : label; }
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

/// Catalog glasses by label (GlassRecord::label), in byte-wise order.
using GlassCatalog = std::map<std::string, GlassRecord>;

/// Merges `added` into `merged`: a glass of the same name and catalog replaces the one there; a
/// name that several catalogs hold stays once per catalog, each labelled "NAME (CATALOG)".
void mergeCatalog(GlassCatalog& merged, const GlassCatalog& added);

/// Reads the AGF file at `path` into `catalog` (see mergeCatalog) and returns the reading's
/// warnings, each "FILE: строка N: …". Throws std::runtime_error with the user's message when the
/// path is empty, the file is missing or it holds no glass; the catalog then stays as it was.
std::vector<std::string> readAgfFile(const std::string& path, GlassCatalog& catalog);

/// Reads AGF text (already decoded to 8-bit with LF line ends) into `catalog` (see mergeCatalog);
/// every glass read remembers `origin` as its catalog. Returns the warnings, "строка N: …".
std::vector<std::string> readAgfText(std::string_view text, GlassCatalog& catalog,
                                     const std::string& origin = {});

/// Returns the catalog name of an AGF file: its file name without folder and last extension.
std::string catalogBaseName(const std::string& path);

/// Returns the catalogs of `catalog` that hold a glass named `name`, in name order.
std::vector<std::string> catalogsHolding(const GlassCatalog& catalog, const std::string& name);

/// Returns the label of the glass that `text` names: a label, "CATALOG/NAME", or a bare name
/// that one catalog holds. Throws std::runtime_error naming the catalogs when several hold it;
/// returns `text` unchanged when no glass matches (the search then finds none).
std::string resolveGlass(const GlassCatalog& catalog, const std::string& text);

}  // namespace synthesis
