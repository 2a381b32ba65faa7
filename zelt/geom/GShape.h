#pragma once
// Plane shapes that describe the clear aperture of a surface in its x–y plane.

#include <memory>

namespace geom {

/// Axis-parallel rectangle: the bounding box a shape reports or is fitted to.
template <class T>
struct GRect {
  T xmin{}, xmax{}, ymin{}, ymax{};
};

/// Shift, scale and rotation applied to a shape; dz and sz are carried but no plane shape uses
/// them.
template <class T>
struct GTransform {
  T dx{}, dy{}, dz{};
  T sx{1}, sy{1}, sz{1};
  T angle{};  // radians, counter-clockwise rotation of the coordinates
};

/// Abstract plane shape over coordinate type T.
template <class T>
class GShape {
 public:
  virtual ~GShape() = default;

  /// Writes the shape's axis-parallel bounding box into `box` (the rotation is not considered).
  virtual void boundingBox(GRect<T>& box) const = 0;

  /// Shifts, scales and then rotates the shape about the origin.
  virtual void transform(const GTransform<T>& t) = 0;

  /// Reshapes the shape so that it fills `box` (a point may collapse the box to itself).
  virtual void fitToBox(GRect<T>& box) = 0;

  /// Returns true when (x, y) lies inside the shape or on its boundary.
  virtual bool contains(T x, T y) const = 0;

  /// Returns a heap copy owned by the caller.
  virtual std::unique_ptr<GShape<T>> clone() const = 0;

 protected:
  GShape() = default;
  GShape(const GShape&) = default;
  GShape& operator=(const GShape&) = default;
};

}  // namespace geom
