#pragma once
// The image: last node of the chain, at a finite distance or at infinity.

#include "zelt/model/ONode.h"

namespace zelt {

/// Image node; its size is h (a length when finite, an angle in radians at infinity).
class OImage : public ONode {
 public:
  OImage() = default;

  /// Resets the node and the image data to their defaults.
  void clear() override;
  std::unique_ptr<ONode> clone() const override;
  ONode* next() const override { return nullptr; }

  bool finite = false;  // true: image at a finite distance
  bool flag = true;     // stored and copied only
  double S_ = 0.0;      // image distance S'
  bool fromParaxial =
      true;  // distance type: S' counted from the Gaussian image (else last surface)

 protected:
  OImage(const OImage&) = default;
};

}  // namespace zelt
