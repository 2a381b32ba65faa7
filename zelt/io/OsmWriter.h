#pragma once
// Writing an optical system as an OSM lens data file.

#include <ostream>
#include <string>

#include "zelt/model/OAxisSystem.h"

namespace zelt {

/// Returns `utf8` with its Cyrillic letters in code page 866; other bytes are copied unchanged.
std::string toCodePage866(const std::string& utf8);

/// Writes `system` in OSM lines; its paraxial record must be up to date. Throws
/// std::runtime_error for a system without surfaces or paraxial results.
void writeOsm(OAxisSystem& system, std::ostream& out);

/// Writes the OSM file at `path`, replacing it; throws std::runtime_error when it cannot.
void writeOsmFile(OAxisSystem& system, const std::string& path);

}  // namespace zelt
