#include "zelt/model/OSurface2.h"

namespace zelt {

void OSurface2::clear() {
  OSurface::clear();
  c = 0.0;
  e2 = 0.0;
}

std::unique_ptr<OElement> OSurface2::clone() const {
  return std::make_unique<OSurface2>(*this);
}

OMatrix2 OSurface2::refractionMatrix(double mu, double k) const {
  // Paraxial refraction: the height is kept, the angle becomes mu·α + k·c·(1 − mu)·h.
  return {{{1.0, 0.0}, {k * c * (1.0 - mu), mu}}};
}

}  // namespace zelt
