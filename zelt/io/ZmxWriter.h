#pragma once
// Writing an optical system as a Zemax ZMX lens file.

#include <string>

#include "zelt/model/OSystem.h"

namespace zelt {

/// Text of a ZMX file and the warning about what the format could not hold (empty when none).
struct ZmxText {
  std::string text;
  std::string warning;
};

/// Conditions the indices of the system's media belong to; a reader that corrects indices for
/// temperature and air pressure needs them to get the indices the design used.
struct ZmxConditions {
  double temperature = 20.0;  // °C
  double pressure = 1.0;      // atm
};

/// Returns the ZMX lines of `system` naming its glasses for catalog `catalog` (any letter case).
/// Throws std::runtime_error when the system has no object, image or source.
ZmxText zmxText(const OSystem& system, const std::string& catalog);

/// Returns the ZMX lines of `system` stating `conditions` for its indices.
ZmxText zmxText(const OSystem& system, const std::string& catalog, const ZmxConditions& conditions);

/// Writes `system` as a ZMX file at `path`. Throws std::runtime_error when the file cannot be
/// written, and after a complete write when the system holds something the format cannot express.
void writeZmxFile(const OSystem& system, const std::string& path, const std::string& catalog);

/// Writes `system` as a ZMX file at `path` stating `conditions` for its indices.
void writeZmxFile(const OSystem& system, const std::string& path, const std::string& catalog,
                  const ZmxConditions& conditions);

}  // namespace zelt
