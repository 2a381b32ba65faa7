#pragma once
// Command line of doublet_batch: the main window's inputs as flags, with the window's defaults.

#include <optional>
#include <string>
#include <vector>

#include "synthesis/doublet_calculation.h"

namespace batch {

using Mode = synthesis::SearchMode;
enum class Format { Table, Csv, Json };

/// Everything the main window's calculation reads, plus what the tool does with the result.
struct Options {
  std::vector<std::string> catalogs;  ///< read in order into one catalog
  double P = 0.0, W = 0.0, C = 0.0;
  double focus = 100.0;     ///< back focal length f' [mm]
  double pupil = 20.0;      ///< pupil diameter D [mm]
  double field = 5.0;       ///< field angle [degrees]
  double thickness1 = 5.0;  ///< crown lens [mm]
  double thickness2 = 3.0;  ///< flint lens [mm]
  double lambda0 = 0.546074, lambdaMin = 0.4799914, lambdaMax = 0.6438469;  ///< e, F', C' [um]
  int pairs = 4;
  Mode mode = Mode::All;
  std::string glass1, glass2;
  synthesis::GlassEnvironment environment{20.0, 1.0, false};
  synthesis::StatusFlags statuses{true, true, false, false, false};
  synthesis::FilterRanges ranges{1.4, 1.8, 20.0, 70.0};
  bool indexFilter = true, abbeFilter = true;
  Format format = Format::Table;
  bool list = false;
  bool help = false;
  std::string zmxPath;  ///< save one doublet as a ZMX lens file
  int zmxRow = 1;       ///< 1-based row of the result list to save
};

/// Returns the wavelength [um] of a spectral line letter (i h G' g F' F e d D C' C r A') or of a
/// number in micrometres; nothing when the text is neither.
std::optional<double> parseWavelength(const std::string& text);

/// Parses the arguments (without the program name); throws std::invalid_argument on a bad flag
/// or value.
Options parseOptions(const std::vector<std::string>& args, const std::string& defaultCatalog);

/// Returns the usage text.
std::string usage();

}  // namespace batch
