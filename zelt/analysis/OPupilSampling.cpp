#include "zelt/analysis/OPupilSampling.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zelt {

std::vector<OPupilPoint> hexapolarPupil(int rings) {
  if (rings < 0) throw std::invalid_argument("A hexapolar pupil needs 0 or more rings");
  std::vector<OPupilPoint> grid{{0.0, 0.0}};
  for (int k = 1; k <= rings; ++k) {
    const double radius = static_cast<double>(k) / rings;
    const int count = 6 * k;
    for (int j = 0; j < count; ++j) {
      const double angle = 2.0 * std::numbers::pi * j / count;
      grid.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
  }
  return grid;
}

OSquarePupil squarePupil(int samples) {
  if (samples < 2) throw std::invalid_argument("A square pupil grid needs at least 2 samples");
  OSquarePupil grid;
  grid.samples = samples;
  for (int row = 0; row < samples; ++row) {
    const double py = 2.0 * (row + 0.5) / samples - 1.0;
    for (int column = 0; column < samples; ++column) {
      const double px = 2.0 * (column + 0.5) / samples - 1.0;
      if (px * px + py * py > 1.0) continue;
      grid.points.push_back({px, py});
      grid.cell.push_back(row * samples + column);
    }
  }
  return grid;
}

}  // namespace zelt
