#pragma once
// Optical elements that a node of the chain carries: abstract element and surface.

#include <memory>
#include <string>

#include "zelt/model/ORayTypes.h"

namespace zelt {

/// An element of the chain, named; the surfaces are its only kind.
class OElement {
 public:
  virtual ~OElement() = default;

  /// Resets the element to its default state (the name becomes empty).
  virtual void clear() { name.clear(); }

  /// Returns the vertex curvature (1/mm; 0 for a plane).
  virtual double getCurvature() const = 0;
  /// Sets the vertex curvature.
  virtual void setCurvature(double c) = 0;
  /// Returns the conic term e² (square of the eccentricity).
  virtual double getConic() const = 0;
  /// Sets the conic term e².
  virtual void setConic(double e2) = 0;

  /// Returns a heap copy of the element.
  virtual std::unique_ptr<OElement> clone() const = 0;

  /// Finds where `ray` meets the element: fills t, the discriminant and the normal of `calc`;
  /// throws MissOnSurface when a plane is parallel to the ray. Does not move the ray.
  virtual void intersect(const ORealRay& ray, ORayCalc& calc) const = 0;

  /// Intersects, refuses a ray that misses or only touches the element, and moves it there.
  void moveToSurface(ORealRay& ray, ORayCalc& calc) const;

  /// Turns the direction of `ray` by the vector law of refraction with index ratio `mu`;
  /// throws FullReflectionOnSurface when no refracted ray exists.
  virtual void refract(ORealRay& ray, double mu, ORayCalc& calc) const = 0;

  /// Returns the paraxial refraction matrix [[1, 0], [k·c·(1 − mu), mu]].
  virtual Matrix2 refractionMatrix(double mu, double k) const = 0;

  std::string name;

 protected:
  OElement() = default;
  OElement(const OElement&) = default;
  OElement& operator=(const OElement&) = default;
};

/// A refracting or reflecting surface; the conic of revolution is its one concrete kind.
class OSurface : public OElement {
 protected:
  OSurface() = default;
  OSurface(const OSurface&) = default;
  OSurface& operator=(const OSurface&) = default;
};

}  // namespace zelt
