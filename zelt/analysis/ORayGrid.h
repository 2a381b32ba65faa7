#pragma once
// The one ray grid of the analyses: rays launched through pupil points, traced through an
// explicit system and met on an image plane at a given distance behind the last surface.

#include <vector>

#include "zelt/analysis/OPupilSampling.h"
#include "zelt/model/OAxisSystem.h"

namespace zelt {

/// Rays of one field and wavelength on the image plane; a lost ray (a miss or a total
/// reflection) has NaN coordinates and path.
struct OImageRays {
  std::vector<double> x, y;     ///< image-plane coordinates [mm]
  std::vector<double> X, Y, Z;  ///< direction cosines after the last surface
  std::vector<double> path;     ///< optical path from the entrance wavefront to the plane [mm]
  int lost = 0;                 ///< number of lost rays

  /// Returns the number of rays.
  std::size_t size() const { return x.size(); }
};

/// A reference sphere of the wavefront: its centre on the image plane and its radius.
struct OReferenceSphere {
  double x = 0.0, y = 0.0;  ///< centre [mm] on the image plane
  double radius = 0.0;      ///< [mm], from the paraxial exit pupil to the centre
  double index = 1.0;       ///< of image space
  double back = -1.0;       ///< sign of the ray parameter from the plane back to the pupil
};

/// Returns the image distance the system's image node states: from the last surface, or from
/// the Gaussian image at the main wavelength. Needs a paraxial calculation.
double imageDistanceOf(const OAxisSystem& system);

/// Traces rays through an explicit system onto the plane `imageDistance` behind its last surface.
class ORayGrid {
 public:
  /// Binds the grid to `system`, which needs a stop, an object at infinity or at a finite
  /// distance, and a paraxial calculation for its current wavelengths.
  ORayGrid(const OAxisSystem& system, double imageDistance);

  /// Traces relative field fy through every point of `pupil` at wavelength w into `out`.
  void trace(double fy, int w, const std::vector<OPupilPoint>& pupil, OImageRays& out) const;

  /// Returns the reference sphere centred on (x, y) of the image plane whose surface passes
  /// through the paraxial exit pupil of the main wavelength.
  OReferenceSphere sphereAt(double x, double y) const;

  /// Returns the path of ray k of `rays` up to the reference sphere [mm] (NaN for a lost ray).
  static double pathToSphere(const OImageRays& rays, std::size_t k, const OReferenceSphere& s);

  const OAxisSystem& system() const { return *system_; }
  double imageDistance() const { return imageDistance_; }

 private:
  const OAxisSystem* system_;
  double imageDistance_;
};

/// Returns the RMS spot radius of the rays of `bundles` about their common centroid; NaN when
/// a ray was lost or there are none.
double rmsSpot(const std::vector<const OImageRays*>& bundles);

}  // namespace zelt
