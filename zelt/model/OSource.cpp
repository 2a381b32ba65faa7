#include "zelt/model/OSource.h"

namespace zelt {

void OSource::clear() {
  wavelengths.clear();
  weights.clear();
}

void OSource::append(double lambda, double weight) {
  wavelengths.push_back(lambda);
  weights.push_back(weight);
}

void OSource::resize(std::size_t n) {
  wavelengths.resize(n, 0.0);
  weights.resize(n, 0.0);
}

}  // namespace zelt
