// Weak stand-ins for the ray operations of the model classes. The ray tracing defines the real
// ones; until it is linked in, tracing fails with a clear message instead of a missing symbol.

#include <stdexcept>

#include "zelt/model/OAlignment.h"
#include "zelt/model/OMedium.h"
#include "zelt/model/OSurface2.h"

namespace zelt {
namespace {

[[noreturn]] void noRayTracing() {
  throw std::logic_error("Ray tracing is not available in this build of the library");
}

}  // namespace

[[gnu::weak]] void OSurface2::intersect(const ORealRay&, ORayCalc&) const {
  noRayTracing();
}
[[gnu::weak]] void OSurface2::refract(ORealRay&, double, ORayCalc&) const {
  noRayTracing();
}
[[gnu::weak]] void OAxisAlignment::transfer(const ORealRay&, ORealRay&) const {
  noRayTracing();
}
[[gnu::weak]] void OHMedium::transfer(ORealRay&, const OElement&, ORayCalc&) const {
  noRayTracing();
}

}  // namespace zelt
