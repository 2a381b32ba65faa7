#pragma once
// A gap between two consecutive nodes of the chain: its medium, placement and direction of light.

#include <memory>

#include "zelt/model/OAlignment.h"

namespace zelt {

class OMedium;
class ONode;

/// Gap between node `prev` and node `next`; the thickness and glass of surface i live in the gap
/// after node i.
class OGuide {
 public:
  OGuide() : alignment(std::make_unique<OAxisAlignment>()) {}
  virtual ~OGuide() = default;
  OGuide(const OGuide&) = delete;
  OGuide& operator=(const OGuide&) = delete;

  /// Drops medium and links, sets the sign to +1 and the distance to 0.
  virtual void clear();

  /// Returns the axial distance to the next node (the thickness of the surface before the gap).
  double& distance() { return alignment->distance(); }
  double getDistance() const { return alignment->getDistance(); }

  OMedium* medium = nullptr;              // not owned: media belong to the glass store
  std::unique_ptr<OAlignment> alignment;  // always present
  ONode* prev = nullptr;
  ONode* next = nullptr;
  int sign = 1;  // +1 or −1: direction of light in the gap; a mirror flips it
};

}  // namespace zelt
