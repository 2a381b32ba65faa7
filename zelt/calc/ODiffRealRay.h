#pragma once

#include "zelt/ray/ONullRay.h"
#include "zelt/ray/ORealRay.h"

namespace zelt {

// A real ray with its neighbourhood: the paraxial-like heights and angles of the sagittal and
// tangential neighbours (the ONullRay part), and the displacement dP and direction change dD of
// a neighbouring ray that leaves the aperture stop at a unit angle to this one.
class ODiffRealRay : public ORealRay, public ONullRay {
 public:
  ODiffRealRay() = default;
  ODiffRealRay(const ODiffRealRay&) = default;
  ODiffRealRay& operator=(const ODiffRealRay&) = default;
  ~ODiffRealRay() override = default;

  // Resets the real ray, the neighbour heights and angles and the differential vectors.
  void clear() override {
    ORealRay::clear();
    ONullRay::clear();
    dPx = dPy = dPz = 0.0;
    dDx = dDy = dDz = 0.0;
  }

  double dPx = 0.0, dPy = 0.0, dPz = 0.0;  // differential displacement
  double dDx = 0.0, dDy = 0.0, dDz = 0.0;  // differential direction
};

}  // namespace zelt
