#include "gui/sketch_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

/// Height where a surface ends: a sphere cannot reach above its radius.
double reachableHeight(double radius, double height) {
  return radius == 0.0 ? height : std::min(height, std::abs(radius));
}

/// Returns the sag of a sphere of `radius` at `height`, signed like the radius.
double sag(double radius, double height) {
  if (radius == 0.0) return 0.0;
  const double s = std::abs(radius) - std::sqrt(radius * radius - height * height);
  return radius < 0.0 ? -s : s;
}

/// Adds the arc of the sphere with vertex `vertex` from height ∓h to ±h through the vertex.
void addArc(QPainterPath& path, double vertex, double radius, double h, bool downward) {
  if (radius == 0.0) {
    path.lineTo(vertex, downward ? -h : h);
    return;
  }
  const double angle = std::asin(h / radius) * kDegrees;
  const QRectF square = radius > 0.0
                            ? QRectF(vertex, -radius, 2.0 * radius, 2.0 * radius)
                            : QRectF(vertex + 2.0 * radius, radius, -2.0 * radius, -2.0 * radius);
  if (!downward) {  // front surface: from −h to +h
    path.arcTo(square, radius > 0.0 ? 180.0 - angle : -angle, 2.0 * angle);
  } else {  // back surface: from +h to −h
    path.arcTo(square, radius > 0.0 ? angle + 180.0 : angle, -2.0 * angle);
  }
}

}  // namespace

double sketchLength(const std::vector<SketchSurface>& surfaces) {
  double length = 0.0;
  for (const SketchSurface& s : surfaces) length += s.thickness;
  return length;
}

QRectF sketchWindow(const std::vector<SketchSurface>& surfaces, QSize size) {
  double height = 0.0;
  for (const SketchSurface& s : surfaces) height = std::max(height, s.semiDiameter);
  const double length = sketchLength(surfaces);
  if (height <= 0.0 || size.isEmpty() || !std::isfinite(length + height)) return {};
  const double k = double(size.width()) / size.height();
  double a = 2.0 * height;
  double b = k * a;
  if (length / a > k) {  // a long lens: its length fills the width
    a = length / k;
    b = length;
  }
  const double mx = 0.1 * b, my = 0.1 * a;
  return QRectF(-mx, -(a / 2 + my), 2 * mx + b, 2 * my + a);
}

QTransform sketchTransform(const QRectF& window, QSize size) {
  if (window.isEmpty()) return {};
  QTransform t;
  t.scale(size.width() / window.width(), size.height() / window.height());
  t.translate(-window.left(), -window.top());
  return t;
}

QPainterPath lensOutline(const std::vector<SketchSurface>& surfaces, double x, std::size_t i) {
  QPainterPath path;
  if (i + 1 >= surfaces.size()) return path;
  const SketchSurface& front = surfaces[i];
  const SketchSurface& back = surfaces[i + 1];
  const double r1 = front.radius, r2 = back.radius, t = front.thickness;
  const double m = std::max(front.semiDiameter, back.semiDiameter);
  // A convex face reaches the full height; a concave one keeps its own and meets a flat edge.
  const double hf = reachableHeight(r1, r1 > 0.0 ? m : front.semiDiameter);
  const double hb = reachableHeight(r2, r2 < 0.0 ? m : back.semiDiameter);
  const double x1 = x + sag(r1, hf);
  const double x2 = x + t + sag(r2, hb);
  path.moveTo(x1, -m);
  if (hf < m) path.lineTo(x1, -hf);
  addArc(path, x, r1, hf, false);
  if (hf < m) path.lineTo(x1, m);
  path.lineTo(x2, m);
  if (hb < m) path.lineTo(x2, hb);
  addArc(path, x + t, r2, hb, true);
  if (hb < m) path.lineTo(x2, -m);
  path.closeSubpath();
  return path;
}
