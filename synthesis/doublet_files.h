#pragma once
// The designed doublet saved in the optics library's other file formats.

#include <string>

#include "synthesis/doublet_synthesis.h"

namespace synthesis {

/// Builds `doublet` in the optics library and writes it as an OPJ project file; a failure is
/// thrown with the library's message.
void saveDoubletOpj(const DoubletResult& doublet, const std::string& path);

/// Builds `doublet` in the optics library and writes its text report.
void saveDoubletTxt(const DoubletResult& doublet, const std::string& path);

/// Builds `doublet` in the optics library and writes it as an OSM file (after the paraxial
/// calculation the writer runs itself).
void saveDoubletOsm(const DoubletResult& doublet, const std::string& path);

}  // namespace synthesis
