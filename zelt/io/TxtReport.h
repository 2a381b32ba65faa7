#pragma once
// The text report: a readable description of an optical system.

#include <ostream>
#include <string>

#include "zelt/model/OSystem.h"

namespace zelt {

/// Writes the report of `system`: name, object, image, aperture, wavelengths, zones, lens table.
/// Reads the model only; a medium that cannot give an index throws, what is written stays.
void writeTextReport(const OSystem& system, std::ostream& out);

/// Writes the report into the file at `path`, replacing it; throws std::runtime_error when the
/// file cannot be opened.
void writeTextReport(const OSystem& system, const std::string& path);

}  // namespace zelt
