#pragma once
// Number texts shared by the batch tool's outputs.

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace batch {

/// Returns `value` printed with the printf `format`.
inline std::string formatted(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

/// Returns every digit of `v`: 17 significant digits give the double back exactly.
inline std::string exact(double v) {
  return formatted("%.17g", v);
}

/// Returns `v` as JSON, null when not computed or not finite (JSON has no NaN or infinity).
inline nlohmann::ordered_json jsonNumber(const std::optional<double>& v) {
  if (v && std::isfinite(*v)) return *v;
  return nullptr;
}

}  // namespace batch
