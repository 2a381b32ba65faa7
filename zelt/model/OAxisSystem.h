#pragma once
// The system the library works on: a centred system with its calculation results.

#include "zelt/model/OParaxial.h"
#include "zelt/model/OSystem.h"

namespace zelt {

/// Centred optical system; the calculations keep their results here.
class OAxisSystem : public OSystem {
 public:
  OAxisSystem() = default;
  ~OAxisSystem() override = default;

  /// Clears the system and its calculation results.
  void clear() override;

  /// Replaces the contents by a copy of `other` and its last paraxial record.
  void copyFrom(const OAxisSystem& other) {
    OSystem::copyFrom(other);
    paraxial = other.paraxial;
  }

  OParaxial paraxial;  // results of the last paraxial calculation
};

}  // namespace zelt
