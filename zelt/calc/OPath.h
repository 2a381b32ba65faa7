#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "zelt/model/OAlignment.h"
#include "zelt/model/OGuide.h"
#include "zelt/model/ONode.h"
#include "zelt/ray/ORayCalc.h"
#include "zelt/ray/RayErrors.h"

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

// Traces `path` from node `first` to node `last` at wavelength `w`: each node's ray starts as the
// one before it carried into the node's frame, then `traceNode(node, ray, calc)` meets the
// surface. The ray at `stopNode` is kept, and a ray error is told the node it happened on.
template <class Ray, class TraceNode>
void traceChain(OPath<Ray>& path, const ONode* first, const ONode* last, const ONode* stopNode,
                int w, ORayCalc& calc, TraceNode traceNode) {
  const ONode* end = last->next();
  calc.wavelength = w;
  calc.k = 1;
  calc.atStop = false;
  for (const ONode* node = first; node != end; node = node->next()) {
    if (!node || !node->in || static_cast<std::size_t>(calc.k) >= path.rays.size())
      throw std::runtime_error("Ray path does not fit the chain of surfaces");
    Ray& ray = path.rays[calc.k];
    // The copy carries what the frame change leaves alone (a differential ray's neighbours).
    ray = path.rays[calc.k - 1];
    node->in->alignment->transfer(path.rays[calc.k - 1], ray);
    if (node == stopNode) {
      path.stopRay = ray;
      calc.atStop = true;
    }
    try {
      traceNode(*node, ray, calc);
    } catch (ErrorOnSurface& e) {
      e.node = node;
      throw;
    }
    path.L += calc.segmentPath;
    ++calc.k;
  }
}

}  // namespace zelt
