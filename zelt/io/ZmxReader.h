#pragma once
// Reading a Zemax ZMX lens file into an optical system.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zelt/model/OSystem.h"

namespace zelt {

/// One SURF block of a ZMX file.
struct ZmxSurfaceRecord {
  int line = 0;                        // line of its SURF keyword
  std::optional<double> distance;      // DISZ; INFINITY reads as 0
  bool distanceInfinite = false;       // DISZ INFINITY
  double curvature = 0.0;              // CURV
  double conic = 0.0;                  // CONI (the format's conic constant, −e²)
  std::optional<double> semiHeight;    // first DIAM value
  std::optional<double> diameterKind;  // second DIAM value: 1 fixed, 0 automatic
  std::string glass;                   // GLAS name, empty when none
  bool mirror = false;                 // GLAS MIRROR
  bool stop = false;                   // STOP
  bool solveToParaxialFocus = false;   // MAZH 0 0: the distance after it ends at the paraxial image
};

/// The lines of a ZMX file that the library uses, in the file's units.
struct ZmxDocument {
  std::string name;
  std::vector<std::string> catalogs;  // GCAT
  std::optional<char> stopType;       // 'd' (FLOA) or 'p' (ENPD, OBNA)
  double stopSize = 0.0;
  std::optional<std::vector<double>> fieldType;  // FTYP numbers
  std::vector<double> wavelengths;               // WAVL, or the WAVM wavelengths by number
  std::vector<double> weights;                   // WWGT, or the WAVM weights
  int primaryWave = 1;                           // PWAV, 1-based
  std::vector<double> fields;                    // YFLD / YFLN
  std::vector<double> vignetCentre;              // ZVCY / VCYN
  std::vector<double> vignetHalf;                // ZVDY / VDYN
  std::optional<std::size_t> zoneVignetCount;    // values on the ZVCY line, when there is one
  std::optional<double> temperature;             // TEMP or ENVD, °C
  std::optional<double> pressure;                // PRES or ENVD, atm
  std::vector<ZmxSurfaceRecord> surfaces;
};

/// Parses ZMX text already decoded to UTF-8 with LF line ends. Throws std::runtime_error with
/// "Read ZMX Error: ..." for a line whose numbers cannot be read or a file without SURF lines.
ZmxDocument parseZmx(std::string_view text);

/// Replaces the contents of `system` by the system `doc` describes, its glasses looked up in the
/// catalogs the file names: a name that no loaded catalog bears exactly stands for the loaded
/// catalogs whose names start with it (HOYA for HOYA20220711_include_obsolete). Everything is
/// checked before the system is touched: on a failure the system stays as it was.
void buildZmxSystem(const ZmxDocument& doc, OSystem& system);

/// Reads the ZMX file at `path` (ASCII, Latin-1, UTF-8 or UTF-16, any line ends) into `system`.
void readZmxFile(const std::string& path, OSystem& system);

}  // namespace zelt
