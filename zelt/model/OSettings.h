#pragma once
// Units, tolerance and flags of a system.

#include <array>
#include <string>

namespace zelt {

/// System settings with fixed defaults.
class OSettings {
 public:
  virtual ~OSettings() = default;

  /// Restores the defaults.
  virtual void clear() { *this = OSettings(); }

  /// Returns true when zones are referred to the object (the fourth flag), else to the image.
  bool zonesOnObject() const { return flags[3]; }

  std::string angleMode = "rad";  // "rad", "tg" or "sin": how field angles scale
  std::string lengthUnit = "мм";
  double tolerance = 2.220446049250313e-16;
  std::array<bool, 5> flags{true, true, false, true, true};
};

}  // namespace zelt
