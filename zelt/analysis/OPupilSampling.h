#pragma once
// Where the rays of an analysis cross the entrance pupil, in relative pupil coordinates.

#include <vector>

namespace zelt {

/// A point of the entrance pupil: relative coordinates, the rim at radius 1.
struct OPupilPoint {
  double px = 0.0;
  double py = 0.0;
};

/// Returns the hexapolar grid: the centre, then on ring k = 1…rings the 6k points at radius
/// k/rings and angles 2πj/(6k); 127 points for 6 rings.
std::vector<OPupilPoint> hexapolarPupil(int rings);

/// A square grid of samples × samples cells across the pupil diameter; only the cells whose
/// centre lies in the pupil carry a point, `cell` gives each point's row-major cell number.
struct OSquarePupil {
  int samples = 0;
  std::vector<OPupilPoint> points;
  std::vector<int> cell;
};

/// Returns the square grid of `samples` cells a side (at least 2).
OSquarePupil squarePupil(int samples);

}  // namespace zelt
