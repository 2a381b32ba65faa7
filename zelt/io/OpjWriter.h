#pragma once
// Writing an optical system as an OPJ project file.

#include <string>

#include "zelt/io/OpjFormat.h"
#include "zelt/model/OSystem.h"

namespace zelt {

/// Returns the OPJ content of `system`, sorting its zones and refreshing its media first. Throws
/// std::runtime_error for an empty system, more than five zones besides the axis, or counts the
/// format cannot hold.
OpjDocument opjDocument(OSystem& system);

/// Returns `doc` laid out as the bytes of an OPJ file.
std::string opjBytes(const OpjDocument& doc);

/// Writes `system` as an OPJ file at `path`; throws std::runtime_error when it cannot, and after
/// a complete write when a glass name had to be cut to the format's seven characters.
void writeOpjFile(OSystem& system, const std::string& path);

}  // namespace zelt
