#include "gui/plot/QualityPlotData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "synthesis/message_text.h"

namespace plot {

namespace {

constexpr int kCirclePoints = 48;

std::string label(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Centroid [mm] of a field's spots over every wavelength (lost rays left out).
PlotPoint centroid(const std::vector<synthesis::SpotPoints>& spots) {
  double sx = 0.0, sy = 0.0;
  int n = 0;
  for (const auto& s : spots)
    for (std::size_t k = 0; k < s.x.size(); ++k)
      if (std::isfinite(s.x[k]) && std::isfinite(s.y[k])) {
        sx += s.x[k];
        sy += s.y[k];
        ++n;
      }
  return n > 0 ? PlotPoint{sx / n, sy / n} : PlotPoint{};
}

// Largest distance [µm] of any spot from its field's centroid, at least the Airy radius.
double largestRadius(const synthesis::DoubletQuality& q) {
  double r = q.airyRadius * 1e3;
  for (const auto& field : q.spots) {
    const PlotPoint c = centroid(field);
    for (const auto& s : field)
      for (std::size_t k = 0; k < s.x.size(); ++k)
        r = std::max(r, 1e3 * std::hypot(s.x[k] - c.x, s.y[k] - c.y));
  }
  return std::isfinite(r) ? r : q.airyRadius * 1e3;
}

void addSpots(const synthesis::DoubletQuality& q, QualityPlots& plots) {
  const double radius = largestRadius(q), pitch = 2.5 * radius;
  for (std::size_t w = 0; w < q.wavelengths.size(); ++w)
    plots.spots.push_back(
        {label(synthesis::messageText("plot", "λ=%.1f нм").c_str(), q.wavelengths[w] * 1e3), {}});
  for (std::size_t i = 0; i < q.spots.size(); ++i) {
    const PlotPoint c = centroid(q.spots[i]);
    const double shift = pitch * static_cast<double>(i);
    for (std::size_t w = 0; w < q.spots[i].size(); ++w)
      for (std::size_t k = 0; k < q.spots[i][w].x.size(); ++k)
        plots.spots[w].points.push_back(
            {shift + 1e3 * (q.spots[i][w].x[k] - c.x), 1e3 * (q.spots[i][w].y[k] - c.y)});
    std::vector<PlotPoint> upper, lower;
    for (int k = 0; k <= kCirclePoints; ++k) {
      const double a = std::numbers::pi * k / kCirclePoints;
      const double x = shift - q.airyRadius * 1e3 * std::cos(a);
      upper.push_back({x, q.airyRadius * 1e3 * std::sin(a)});
      lower.push_back({x, -q.airyRadius * 1e3 * std::sin(a)});
    }
    plots.airyHalves.push_back(upper);
    plots.airyHalves.push_back(lower);
  }
  const double last = pitch * static_cast<double>(std::max<std::size_t>(q.spots.size(), 1) - 1);
  plots.spotRanges = {-1.2 * radius, last + 1.2 * radius, -1.2 * radius, 1.2 * radius};
}

void addMtf(const synthesis::DoubletQuality& q, QualityPlots& plots) {
  for (std::size_t i = 0; i < q.mtf.size(); ++i) {
    const synthesis::MtfCurves& poly = q.mtf[i].back();
    NamedPoints t{label("T %.2f°", q.fieldAngles[i]), {}},
        s{label("S %.2f°", q.fieldAngles[i]), {}};
    for (std::size_t k = 0; k < q.frequencies.size(); ++k) {
      t.points.push_back({q.frequencies[k], poly.tangential[k]});
      s.points.push_back({q.frequencies[k], poly.sagittal[k]});
    }
    plots.mtf.push_back(t);
    plots.mtf.push_back(s);
  }
  const double cutoff = q.frequencies.empty() ? 1.0 : q.frequencies.back();
  for (double f : q.frequencies) {
    const double nu = std::min(f / cutoff, 1.0);
    plots.diffractionLimit.push_back(
        {f, 2.0 / std::numbers::pi * (std::acos(nu) - nu * std::sqrt(1.0 - nu * nu))});
  }
  plots.mtfRanges = {0.0, cutoff, 0.0, 1.05};
}

}  // namespace

QualityPlots qualityPlots(const synthesis::DoubletQuality& quality) {
  QualityPlots plots;
  addSpots(quality, plots);
  addMtf(quality, plots);
  return plots;
}

}  // namespace plot
