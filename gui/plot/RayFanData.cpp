#include "gui/plot/RayFanData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "synthesis/message_text.h"

namespace plot {
namespace {

// The smallest half height of the aberration axis [mm]: a perfect fan still gets a scale.
constexpr double kMinHalfHeight = 1e-6;
constexpr double kMargin = 1.1;

// Returns the legend text of wavelength `wave`: its role and its value in nanometres.
std::string curveName(std::size_t wave, double wavelengthUm) {
  static const char* const kRoles[] = {"λ0", "λmin", "λmax"};
  const std::string role = wave < 3 ? kRoles[wave] : "λ" + std::to_string(wave);
  char number[32];
  std::snprintf(number, sizeof number, "%.1f", wavelengthUm * 1000.0);
  return role + "=" + number + synthesis::messageText("plot", " нм");
}

// Returns ranges over the whole pupil, symmetric about zero aberration and holding every point.
PlotRanges symmetricRanges(const std::vector<FanCurve>& curves) {
  double largest = kMinHalfHeight;
  for (const FanCurve& c : curves) {
    for (const PlotPoint& p : c.points) largest = std::max(largest, std::abs(p.y));
  }
  return {-kMargin, kMargin, -kMargin * largest, kMargin * largest};
}

}  // namespace

std::vector<FanCurve> fanCurves(const synthesis::DoubletAberrations& tables, std::size_t field) {
  std::vector<FanCurve> curves;
  const std::size_t waves = std::min(tables.wavelengths.size(), tables.transverse.size());
  for (std::size_t w = 0; w < waves; ++w) {
    if (field >= tables.transverse[w].size()) return {};
    const std::vector<double>& row = tables.transverse[w][field];
    FanCurve curve{curveName(w, tables.wavelengths[w]), {}};
    const std::size_t n = std::min(row.size(), tables.pupil.size());
    // The tables run from the upper rim down; the plot reads from left to right.
    for (std::size_t j = n; j-- > 0;) {
      const PlotPoint p{tables.pupil[j], row[j]};
      if (isFinite(p)) curve.points.push_back(p);
    }
    curves.push_back(std::move(curve));
  }
  return curves;
}

RayFans rayFans(const synthesis::DoubletAberrations& tables) {
  RayFans fans;
  fans.axis = fanCurves(tables, 0);
  if (!tables.fields.empty()) fans.fullField = fanCurves(tables, tables.fields.size() - 1);
  if (!tables.fieldAngles.empty()) fans.fullFieldAngle = tables.fieldAngles.back();
  fans.axisRanges = symmetricRanges(fans.axis);
  fans.fullFieldRanges = symmetricRanges(fans.fullField);
  return fans;
}

}  // namespace plot
