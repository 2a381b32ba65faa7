#include "zelt/model/OStop.h"

#include <cmath>

namespace zelt {

void OStop::clear() {
  type = 'd';
  size = 0.0;
}

std::unique_ptr<OStop> OStop::clone() const {
  return std::unique_ptr<OStop>(new OStop(*this));
}

void OStop::convertTo(char requested, double S) {
  // 'd' is a pupil half-height v seen from distance S; 'p' the sine of the aperture angle.
  if (type == 'd' && requested == 'p') {
    size = std::sqrt(1.0 / (S * S / (size * size) + 1.0));
  } else if (type == 'p' && requested == 'd') {
    size = std::sqrt(1.0 / (1.0 / (size * size) - 1.0)) * S;
  } else {
    return;
  }
  type = requested;
}

void OApertureStop::clear() {
  OStop::clear();
  node = nullptr;
}

std::unique_ptr<OStop> OApertureStop::clone() const {
  return std::unique_ptr<OStop>(new OApertureStop(*this));
}

}  // namespace zelt
