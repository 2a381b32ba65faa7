#pragma once
// What an optimisation may change in a system: each variable reads and writes one value.

#include "zelt/model/OAxisSystem.h"

namespace zelt {

/// One value of a system that an optimisation varies.
class OVariable {
 public:
  virtual ~OVariable() = default;
  /// Returns the value in `system`.
  virtual double get(const OAxisSystem& system) const = 0;
  /// Writes `value` into `system`.
  virtual void set(OAxisSystem& system, double value) const = 0;
  /// Returns whether the value is the image distance, along which the operands give their
  /// derivatives without another trace.
  virtual bool isImageDistance() const { return false; }
};

/// The vertex curvature of surface `surface` (1…N) [1/mm].
class OCurvatureVariable : public OVariable {
 public:
  explicit OCurvatureVariable(int surface) : surface_(surface) {}
  double get(const OAxisSystem& system) const override;
  void set(OAxisSystem& system, double value) const override;

 private:
  int surface_;
};

/// The distance of the image plane behind the last surface [mm]; writing it fixes the plane
/// there (no longer counted from the Gaussian image).
class OImageDistanceVariable : public OVariable {
 public:
  double get(const OAxisSystem& system) const override;
  void set(OAxisSystem& system, double value) const override;
  bool isImageDistance() const override { return true; }
};

/// Returns the surface element of surface `surface` (1…N); throws when there is none.
OElement& surfaceElement(const OAxisSystem& system, int surface);

/// Sets the curvature of surface `surface` so that the paraxial focal length at the main
/// wavelength is `focal`; the system matrix is linear in that curvature. Throws when the
/// curvature has no effect on the power.
void solveFocalLength(OAxisSystem& system, int surface, double focal);

}  // namespace zelt
