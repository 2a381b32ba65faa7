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

Matrix2 OSurface2::refractionMatrix(double mu, double k) const {
  return zelt::refractionMatrix(c, mu, k);
}

}  // namespace zelt
