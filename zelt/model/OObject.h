#pragma once
// The object: first node of the chain, at a finite distance or at infinity.

#include "zelt/model/ONode.h"

namespace zelt {

/// Object node; its size is h (a length when finite, the field angle in radians at infinity).
class OObject : public ONode {
 public:
  OObject() = default;

  /// Resets the node and the object data to their defaults.
  void clear() override;
  std::unique_ptr<ONode> clone() const override;
  ONode* prev() const override { return nullptr; }

  bool finite = false;  // true: object at a finite distance
  double S = 0.0;       // object distance
  bool flag = true;     // stored and copied only

 protected:
  OObject(const OObject&) = default;
};

}  // namespace zelt
