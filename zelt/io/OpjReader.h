#pragma once
// Reading an OPJ project file into an optical system.

#include <string>
#include <string_view>

#include "zelt/io/OpjFormat.h"
#include "zelt/model/OSystem.h"

namespace zelt {

/// Parses the bytes of an OPJ file. Throws std::runtime_error with "Read OPJ Error: ..." for a
/// file the library cannot take; never reads past `bytes`.
OpjDocument parseOpj(std::string_view bytes);

/// Replaces the contents of `system` by the system `doc` describes; `doc` must come from parseOpj.
void buildOpjSystem(const OpjDocument& doc, OSystem& system);

/// Reads the OPJ file at `path` into `system`; on a failure the system stays as it was.
void readOpjFile(const std::string& path, OSystem& system);

}  // namespace zelt
