#pragma once

namespace zelt {

// A real ray: a point and unit direction cosines in the frame of the surface it last met.
// Behind a mirror the direction is stored times the gap's direction sign, so it keeps
// pointing towards +z and distances along it become negative.
class ORealRay {
 public:
  ORealRay() = default;
  ORealRay(double px, double py, double pz, double dx, double dy, double dz)
      : x(px), y(py), z(pz), X(dx), Y(dy), Z(dz) {}
  ORealRay(const ORealRay&) = default;
  ORealRay& operator=(const ORealRay&) = default;
  virtual ~ORealRay() = default;

  // Resets to the vertex with the direction of the axis.
  virtual void clear() { *this = ORealRay(); }

  double x = 0.0, y = 0.0, z = 0.0;
  double X = 0.0, Y = 0.0, Z = 1.0;
};

}  // namespace zelt
