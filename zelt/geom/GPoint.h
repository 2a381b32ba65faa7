#pragma once
// A point of the plane, also usable as a degenerate shape.

#include <cmath>

#include "zelt/geom/GShape.h"

namespace geom {

/// Point (x, y) of the plane.
template <class T>
class GPoint : public GShape<T> {
 public:
  GPoint() = default;
  GPoint(T px, T py) : x(px), y(py) {}
  GPoint(const GPoint&) = default;
  GPoint& operator=(const GPoint&) = default;

  void boundingBox(GRect<T>& box) const override { box = {x, x, y, y}; }

  void transform(const GTransform<T>& t) override {
    x = (x + t.dx) * t.sx;
    y = (y + t.dy) * t.sy;
    rotate(t.angle);
  }

  void fitToBox(GRect<T>& box) override {
    x = box.xmin;
    y = box.ymin;
    box.xmax = box.xmin;
    box.ymax = box.ymin;
  }

  bool contains(T px, T py) const override { return px == x && py == y; }

  std::unique_ptr<GShape<T>> clone() const override { return std::make_unique<GPoint>(*this); }

  /// Rotates the point about the origin by `angle` radians.
  void rotate(T angle) {
    const T c = std::cos(angle), s = std::sin(angle);
    const T nx = x * c + y * s;
    y = y * c - x * s;
    x = nx;
  }

  bool operator==(const GPoint& o) const { return x == o.x && y == o.y; }

  T x{}, y{};
};

}  // namespace geom
