#pragma once
// Command line of doublet_batch: the main window's inputs as flags, with the window's defaults.

#include <optional>
#include <string>
#include <vector>

#include "synthesis/doublet_calculation.h"

namespace batch {

using Mode = synthesis::SearchMode;
enum class Format { Table, Csv, Json };

/// Returns the main window's calculation defaults: those of the core, with the air index off.
inline synthesis::CalculationInputs windowDefaults() {
  synthesis::CalculationInputs in;
  in.design.environment.airIndex = false;
  return in;
}

/// Everything the main window's calculation reads, plus what the tool does with the result.
struct Options {
  std::vector<std::string> catalogs;  ///< read in order into one catalog
  synthesis::CalculationInputs calculation = windowDefaults();
  Format format = Format::Table;
  bool list = false;
  bool help = false;
  bool aberrations = false;  ///< print the aberration tables of the chosen row instead of the list
  bool quality = false;      ///< print the spots, wavefront and MTF of the chosen row instead
  std::string zmxPath;       ///< save the chosen row as a ZMX lens file
  std::string opjPath;       ///< save the chosen row as an OPJ project file
  std::string txtPath;       ///< write the text report of the chosen row
  std::string osmPath;       ///< save the chosen row as an OSM file
  int row = 1;               ///< 1-based row of the result list for --aberrations and --zmx
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
