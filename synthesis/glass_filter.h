#pragma once
// The glass filter of a pair search: an ordered list of named steps, each a test that a catalog
// glass must pass to enter the search, with the count of glasses every step leaves. A search
// that finds nothing names the step that emptied it.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "synthesis/glass_catalog.h"

namespace synthesis {

/// Glass statuses admitted to a search, indexed by GlassStatus.
using StatusFlags = std::array<bool, kGlassStatusCount>;

/// Index minimum, index maximum, Abbe minimum, Abbe maximum.
using FilterRanges = std::array<double, 4>;

/// The three lines of a search [um]: the main line and the two of the Abbe number.
struct SearchBand {
  double lambda0, lambdaMin, lambdaMax;
};

/// A catalog glass on its way through the filter. Its index and Abbe number at the search's
/// lines are computed on first use, both at once, so a step before them never computes them.
class FilterGlass {
 public:
  FilterGlass(const GlassRecord& record, const SearchBand& band) : record_(&record), band_(band) {}

  /// Returns the catalog record.
  const GlassRecord& record() const { return *record_; }
  /// Returns the lines of the search.
  const SearchBand& band() const { return band_; }
  /// Returns the index at λ0; throws when the glass cannot give it.
  double n() const;
  /// Returns the Abbe number at λ0, λmin, λmax; throws when the glass cannot give it.
  double nu() const;

 private:
  void computeOptics() const;

  const GlassRecord* record_;
  SearchBand band_;
  mutable std::optional<double> n_, nu_;
};

/// One named step of the filter: the glasses for which `admits` is false leave the search.
struct GlassFilterStep {
  std::string name;  ///< as the user knows it, e.g. "фильтр показателя преломления"
  std::function<bool(const FilterGlass&)> admits;
};

/// How many glasses one step received and how many it let through.
struct FilterStepCount {
  std::string name;
  std::size_t received = 0;
  std::size_t left = 0;
};

/// The ordered steps a glass passes to enter a search.
class GlassFilter {
 public:
  /// Appends a step after the others.
  void add(GlassFilterStep step) { steps_.push_back(std::move(step)); }
  /// Returns the steps in order.
  const std::vector<GlassFilterStep>& steps() const { return steps_; }

  /// Returns the catalog glasses that pass every step, in catalog order; `counts` receives one
  /// entry per step. A step sees only the glasses that the steps before it let through.
  std::vector<FilterGlass> apply(const GlassCatalog& catalog, const SearchBand& band,
                                 std::vector<FilterStepCount>& counts) const;

  /// Returns the name of the first step that refuses `glass`, or nothing when it passes.
  std::optional<std::string> firstRefusal(const FilterGlass& glass) const;

 private:
  std::vector<GlassFilterStep> steps_;
};

/// Returns the built-in filter of a search: status, wavelength range of the glass, a defined
/// Abbe number, then the index and Abbe ranges when they are on.
GlassFilter standardGlassFilter(const StatusFlags& statusFlags, const FilterRanges& ranges,
                                bool indexFilterOn, bool abbeFilterOn);

/// What the filter of one search saw and left.
struct FilterOutcome {
  const GlassCatalog& catalog;
  const SearchBand& band;
  const GlassFilter& filter;
  const std::vector<FilterStepCount>& counts;
  std::size_t passed;  ///< glasses that passed every step
};

/// Returns why a search that added no doublet found nothing: the same glass given twice, a
/// given glass missing from the catalog or refused by a step, or the step that left fewer than
/// two glasses with every step's count. `glass1` and `glass2` are the given glasses, if any.
std::string explainEmptySearch(const FilterOutcome& outcome, const std::string& glass1,
                               const std::string& glass2);

/// Returns the line "NAME: LEFT из RECEIVED стекол" of one step.
std::string filterCountLine(const FilterStepCount& count);

}  // namespace synthesis
