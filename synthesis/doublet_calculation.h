#pragma once
// The main window's whole calculation as one call: from the design inputs to designed and traced
// doublets, plus the numbers every result shows.

#include <array>
#include <optional>
#include <string>

#include "synthesis/doublet_synthesis.h"
#include "synthesis/glass_properties.h"

namespace synthesis {

/// One spectral line of the line lists: its letter and wavelength [um].
struct SpectralLine {
  const char* letter;
  double wavelength;
};

/// Number of spectral lines offered for λ0, λmin and λmax.
inline constexpr int kSpectralLineCount = 13;

/// Returns the spectral lines from i (365 nm) to A′ (768 nm), shortest first.
const std::array<SpectralLine, kSpectralLineCount>& spectralLines();

/// Default line indices: λ0 = e, λmin = F′, λmax = C′.
inline constexpr int kDefaultMainLine = 6;
inline constexpr int kDefaultMinLine = 4;
inline constexpr int kDefaultMaxLine = 9;

/// Returns the English name of a glass status ("standard" … "melt"), "unknown" for another code.
const char* statusName(int status);

/// Which glasses the search may combine.
enum class SearchMode {
  All,   ///< every admissible pair
  One,   ///< pairs with the given first glass
  Pair,  ///< the one given pair
};

/// Everything one calculation reads.
struct CalculationInputs {
  double P = 0.0, W = 0.0, C = 0.0;  ///< basic parameters of the thin component
  double focus = 100.0;              ///< back focal length f′ [mm]
  DesignInputs design;               ///< thicknesses, pupil, field, environment
  double lambda0 = 0.546074;         ///< main wavelength [um]
  double lambdaMin = 0.4799914;      ///< [um]
  double lambdaMax = 0.6438469;      ///< [um]
  int pairCount = 4;                 ///< pairs for analysis: a multiple of 4 up to 256
  SearchMode mode = SearchMode::All;
  std::string glass1, glass2;  ///< given glasses of modes One (glass1) and Pair (both)
  StatusFlags statuses{true, true, false, false, false};
  FilterRanges ranges{1.4, 1.8, 20.0, 70.0};
  bool indexFilter = true, abbeFilter = true;
  GlassDataFilter dataFilter;  ///< limits on cost, resistance classes and transmittance
  bool refine = false;         ///< refine every doublet by real rays before judging it
  double fieldWeight = 0.0;    ///< weight w of the full field's RMS² in the refinement merit
};

/// Largest number of pairs for analysis.
inline constexpr int kMaxPairCount = 256;

/// Empties the results, sets the wavelengths, searches the pairs of the chosen mode, then
/// designs and traces every result. Throws std::runtime_error with the user's message; the
/// results then hold at most what the failed step left.
void runCalculation(DoubletSynthesis& core, const CalculationInputs& inputs);

/// The numbers a result row shows; NaN where a ray was lost or the doublet was not traced.
struct ResultSummary {
  double phi1, phi2;              ///< powers of the first and second lens (sum 1)
  double p, w, c;                 ///< P, W, C of the designed doublet
  double transverse;              ///< rim zone [mm]
  double longitudinal;            ///< rim zone L1 [mm]
  double longitudinal3;           ///< third-order part L1 − L5 [mm]
  double longitudinal5;           ///< fifth-order part L5 = 2·L1 − 4·L0.7 [mm]
  double chromatism;              ///< chromatism of position near the axis [mm]
  double secondarySpectrum;       ///< near the axis [mm]
  double coma;                    ///< at full field [mm]
  std::optional<double> thermal;  ///< −10⁶·V_d [1/°C]; none for a glass without thermal data
  double edge1 = 0.0, edge2 = 0.0;  ///< edge thicknesses of the first and second lens [mm]
  bool edgeOk = true;               ///< both edges at least the minimum edge thickness
  double rmsAxis;                   ///< RMS spot on the axis [mm]
  double rmsField;                  ///< RMS spot at full field [mm]
  double wfeRms;                    ///< RMS wavefront error on the axis [waves]
  double strehl;                    ///< Strehl ratio
  double imageDistance;             ///< s′ [mm]
  bool refined;                     ///< the row was refined by real rays
  double rmsAxisStart;              ///< RMS spot on the axis before refinement [mm]
  double rmsFieldStart;             ///< RMS spot at full field before refinement [mm]

  /// Number of values of a result row after its two glass names.
  static constexpr int kColumnCount = 13;
  /// Returns the row's values in column order, φ1 first and the thermal value last.
  std::array<std::optional<double>, kColumnCount> columns() const {
    return {phi1,
            phi2,
            p,
            w,
            c,
            transverse,
            longitudinal,
            longitudinal3,
            longitudinal5,
            chromatism,
            secondarySpectrum,
            coma,
            thermal};
  }
};

/// Returns the row numbers of a designed doublet.
ResultSummary summarize(const DoubletResult& result);

}  // namespace synthesis
