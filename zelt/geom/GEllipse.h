#pragma once
// A rotated ellipse: the elliptic clear aperture of a surface and the unvignetted part of a pupil.

#include <cmath>

#include "zelt/geom/GPoint.h"

namespace geom {

/// Ellipse with centre, rotation angle and semi-axes a (own x axis) and b (own y axis).
template <class T>
class GEllipse : public GShape<T> {
 public:
  /// Builds the unit circle at the origin.
  GEllipse() = default;
  GEllipse(T cx, T cy, T semiA, T semiB, T phi) : centre(cx, cy), angle(phi), b(semiB), a(semiA) {}
  GEllipse(const GEllipse&) = default;
  GEllipse& operator=(const GEllipse&) = default;

  void boundingBox(GRect<T>& box) const override {
    box = {centre.x - a, centre.x + a, centre.y - b, centre.y + b};
  }

  void transform(const GTransform<T>& t) override {
    centre.x += t.dx;
    centre.y += t.dy;
    a *= t.sx;
    b *= t.sy;
    centre.rotate(t.angle);
    angle += t.angle;
  }

  void fitToBox(GRect<T>& box) override {
    a = std::abs(box.xmax - box.xmin) / 2;
    b = std::abs(box.ymax - box.ymin) / 2;
    centre = GPoint<T>((box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2);
    angle = 0;
  }

  bool contains(T x, T y) const override {
    // Rotate the point and the centre into the ellipse's own axes, then test the normal form.
    const T c = std::cos(-angle), s = std::sin(-angle);
    const T u = centre.x * c + centre.y * s;
    const T v = centre.y * c - centre.x * s;
    const T px = x * c + y * s - u;
    const T py = y * c - x * s - v;
    return py * py / (b * b) + px * px / (a * a) <= 1;
  }

  std::unique_ptr<GShape<T>> clone() const override { return std::make_unique<GEllipse>(*this); }

  GPoint<T> centre;
  T angle{};
  T b{1};
  T a{1};
};

}  // namespace geom
