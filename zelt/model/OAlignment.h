#pragma once
// Placement of the next node of the chain relative to the current one.

#include <memory>

#include "zelt/model/ORayTypes.h"

namespace zelt {

/// Abstract placement of the next node in the frame of the current one.
class OAlignment {
 public:
  virtual ~OAlignment() = default;

  /// Resets the placement to a distance of 0.
  virtual void clear() = 0;
  /// Returns a heap copy.
  virtual std::unique_ptr<OAlignment> clone() const = 0;
  /// Returns the stored axial distance for reading and writing.
  virtual double& distance() = 0;
  /// Returns the axial distance by value.
  virtual double getDistance() const = 0;
  /// Writes into `to` the ray `from` expressed in the next node's frame.
  virtual void transfer(const ORealRay& from, ORealRay& to) const = 0;

 protected:
  OAlignment() = default;
  OAlignment(const OAlignment&) = default;
  OAlignment& operator=(const OAlignment&) = default;
};

/// Next node on the common axis at an axial distance (mm, may be negative).
class OAxisAlignment : public OAlignment {
 public:
  OAxisAlignment() = default;
  explicit OAxisAlignment(double d) : distance_(d) {}
  OAxisAlignment(const OAxisAlignment&) = default;
  OAxisAlignment& operator=(const OAxisAlignment&) = default;

  void clear() override { distance_ = 0.0; }
  std::unique_ptr<OAlignment> clone() const override {
    return std::make_unique<OAxisAlignment>(*this);
  }
  double& distance() override { return distance_; }
  double getDistance() const override { return distance_; }
  // Defined in ModelRayOps.cpp: copy, then z −= distance.
  void transfer(const ORealRay& from, ORealRay& to) const override;

 private:
  double distance_ = 0.0;
};

}  // namespace zelt
