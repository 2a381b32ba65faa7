// Edge thicknesses of the designed lenses and the axial thicknesses that give a minimum edge.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "synthesis/doublet_synthesis.h"
#include "synthesis/message_text.h"

namespace synthesis {
namespace {

// The thickness iteration changes the radii only through the paraxial heights at surfaces 2
// and 3, a small effect: a handful of rounds reach 1e-9 mm; the bound only guards the loop.
constexpr int kMaxEdgeRounds = 100;
constexpr double kThicknessTolerance = 1e-9;  // [mm]

std::string millimetres(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3g", v);
  return text;
}

std::string lensWarning(int lens, double edge, double minimum, double height) {
  const std::string prefix = messageText("synthesis", "Линза ") + std::to_string(lens) + ": ";
  if (std::isnan(edge)) {
    return prefix + messageText("synthesis", "радиус поверхности меньше D/2 = ") +
           millimetres(height) + messageText("synthesis", " мм, края нет, линзу нельзя изготовить");
  }
  return prefix + messageText("synthesis", "толщина по краю ") + millimetres(edge) +
         messageText("synthesis", " мм, на ") + millimetres(minimum - edge) +
         messageText("synthesis", " мм меньше минимума ") + millimetres(minimum) +
         messageText("synthesis", " мм");
}

}  // namespace

double sphereSag(double r, double h) {
  if (std::abs(r) < h) return std::numeric_limits<double>::quiet_NaN();
  // r − sign(r)·√(r² − h²) written as h²/(r + sign(r)·√(r² − h²)): no cancellation for a
  // nearly flat surface, and 0 for a plane (r infinite).
  return h * h / (r + std::copysign(std::sqrt(r * r - h * h), r));
}

double edgeThickness(double t, double front, double back, double h) {
  return t - sphereSag(front, h) + sphereSag(back, h);
}

void DoubletResult::computeEdges() {
  const double h = 0.5 * pupilDiameter;
  edge1 = edgeThickness(thickness1, r1, r2, h);
  edge2 = edgeThickness(thickness2, r2, r3, h);
}

namespace {

// An edge fitted to the minimum agrees with it to the thickness tolerance, from either side.
bool edgeEnough(double edge, double minimum) {
  return edge >= minimum - kThicknessTolerance;  // false for a NaN edge
}

}  // namespace

bool DoubletResult::edgesOk() const {
  return edgeEnough(edge1, minEdge) && edgeEnough(edge2, minEdge);
}

void DoubletResult::fitEdgeThicknesses(double C, double fPrime, double mainLine, double W) {
  const double given1 = thickness1, given2 = thickness2;
  for (int round = 0; round < kMaxEdgeRounds; ++round) {
    if (std::isnan(edge1) || std::isnan(edge2)) break;  // no thickness gives such a lens an edge
    // The edge grows one for one with the axial thickness while the radii stay.
    const double need1 = std::max(given1, thickness1 + minEdge - edge1);
    const double need2 = std::max(given2, thickness2 + minEdge - edge2);
    if (std::abs(need1 - thickness1) <= kThicknessTolerance &&
        std::abs(need2 - thickness2) <= kThicknessTolerance)
      return;
    thickness1 = need1;
    thickness2 = need2;
    computeRadii(C, fPrime, mainLine, W);
  }
  // No edge, or no agreement: the doublet keeps the given thicknesses and shows as too thin.
  thickness1 = given1;
  thickness2 = given2;
  computeRadii(C, fPrime, mainLine, W);
}

std::string edgeWarning(const DoubletResult& r) {
  std::string text;
  const double h = 0.5 * r.pupilDiameter;
  for (const auto& [lens, edge] : {std::pair{1, r.edge1}, std::pair{2, r.edge2}}) {
    if (edgeEnough(edge, r.minEdge)) continue;
    if (!text.empty()) text += '\n';
    text += lensWarning(lens, edge, r.minEdge, h);
  }
  return text;
}

}  // namespace synthesis
