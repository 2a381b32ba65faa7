#pragma once
// What every lens-file writer does before and while it writes: refuse numbers a file cannot
// hold, and never leave a partial file behind.

#include <string>

#include "zelt/model/OSystem.h"

namespace zelt {

/// Throws std::runtime_error("<prefix>...") naming the first non-finite curvature, conic,
/// semi-height, distance, object or image value, wavelength, stop size or refractive index of
/// `system`; `prefix` is the writer's own, e.g. "Write ZMX Error: ".
void requireFiniteSystem(const OSystem& system, const std::string& prefix);

/// Writes `bytes` to `path` through a temporary file in the same folder renamed over it, so that
/// a failed write leaves no partial file and any old file as it was. Throws std::runtime_error
/// ("<prefix>cannot open file ..." or "<prefix>cannot write file ...").
void replaceFileContents(const std::string& path, const std::string& bytes,
                         const std::string& prefix);

}  // namespace zelt
