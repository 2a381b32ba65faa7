#pragma once

#include <memory>

#include "zelt/model/OStop.h"

namespace zelt {

// A stop given by the position of the entrance pupil rather than by a surface of the chain.
class OEntrancePupil : public OStop {
 public:
  OEntrancePupil() = default;
  explicit OEntrancePupil(double pupilPosition) : position(pupilPosition) {}

  // Resets type, size and position.
  void clear() override {
    OStop::clear();
    position = 0.0;
  }

  // Returns a heap copy.
  std::unique_ptr<OStop> clone() const override {
    return std::unique_ptr<OStop>(new OEntrancePupil(*this));
  }

  double position = 0.0;  // entrance pupil position, from the first surface

 protected:
  OEntrancePupil(const OEntrancePupil&) = default;
};

}  // namespace zelt
