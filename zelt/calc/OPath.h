#pragma once

#include <vector>

namespace zelt {

// The rays of one trace: entry 0 the start ray, entry k the ray after surface k.
template <class T>
class OPath {
 public:
  OPath() = default;
  explicit OPath(std::size_t count) : rays(count) {}
  OPath(const OPath&) = default;
  OPath& operator=(const OPath&) = default;

  virtual ~OPath() {
    for (T& ray : rays) ray.clear();
  }

  // Empties the ray list and the accumulated optical path.
  virtual void clear() {
    L = 0.0;
    rays.clear();
  }

  std::vector<T> rays;
  T stopRay;       // the ray as it reached the aperture stop node
  double L = 0.0;  // accumulated optical path length
};

}  // namespace zelt
