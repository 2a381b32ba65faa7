#include "gui/plot/GlassPlotData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

#include "synthesis/glass_partial_dispersion.h"
#include "synthesis/message_text.h"

namespace plot {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The partial dispersion needs the g, F and C lines, which a narrow glass may not cover; only
// the diagram of P_g,F loses the glass then.
double partialDispersionOrNaN(const synthesis::GlassRecord& glass) {
  try {
    return synthesis::relativePartialDispersion(glass);
  } catch (const std::exception&) {
    return kNaN;
  }
}

std::string formatNumber(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string statusText(int status) {
  static const char* const kTexts[] = {
      SYNTHESIS_TEXT("plot", "стандартное"), SYNTHESIS_TEXT("plot", "предпочтительное"),
      SYNTHESIS_TEXT("plot", "устаревшее"), SYNTHESIS_TEXT("plot", "особенное"),
      SYNTHESIS_TEXT("plot", "плавка")};
  const bool known = status >= 0 && status < synthesis::kGlassStatusCount;
  return synthesis::messageText("plot",
                                known ? kTexts[status] : SYNTHESIS_TEXT("plot", "неизвестный"));
}

// Widens [low, high] by a tenth of its width at both ends; a span of one value gets a tenth of
// the value (or 1 at zero), since the plot refuses an empty range.
void widen(double& low, double& high) {
  double margin = (high - low) / 10.0;
  if (margin == 0.0) margin = low != 0.0 ? std::abs(low) / 10.0 : 1.0;
  low -= margin;
  high += margin;
}

}  // namespace

namespace {

// "стоимость 1.2; CR 1, FR 0, SR 1, AR 2.3, PR 1.3", with "—" for what the maker leaves out.
std::string makerDataText(const synthesis::GlassRecord& g) {
  const auto value = [](const std::optional<double>& v) {
    return v ? formatNumber("%g", *v) : std::string("—");
  };
  const auto& c = g.classes;
  return synthesis::messageText("plot", "стоимость ") + value(g.cost) + "; CR " + value(c.climate) +
         ", FR " + value(c.stain) + ", SR " + value(c.acid) + ", AR " + value(c.alkali) + ", PR " +
         value(c.phosphate);
}

}  // namespace

void fillPlotData(GlassPlotData& data, const synthesis::GlassCatalog& catalog,
                  const SpectralLines& lines) {
  data = GlassPlotData{};
  for (const auto& [name, glass] : catalog) {
    if (name.empty()) continue;
    double n = 0.0, nu = 0.0, v = 0.0;
    try {
      n = glass.index(lines.main);
      nu = glass.abbeNumber(lines.main, lines.min, lines.max);
      v = glass.thermoOpticalValue(lines.main);
    } catch (const std::exception&) {
      continue;  // out of range or without thermal data: the glass cannot be placed
    }
    data.indices.push_back(n);
    data.abbeNumbers.push_back(nu);
    data.thermoOptical.push_back(v);
    data.partialDispersions.push_back(partialDispersionOrNaN(glass));
    data.statuses.push_back(glass.status);
    data.names.push_back(name);
    data.catalogs.push_back(glass.catalog);
    data.costs.push_back(glass.cost.value_or(kNaN));
    data.makerData.push_back(makerDataText(glass));
    data.tooltips.push_back(glassTooltip(data, data.size() - 1));
  }
}

bool isFinite(PlotPoint point) {
  return std::isfinite(point.x) && std::isfinite(point.y);
}

PlotPoint glassCoordinates(const GlassPlotData& data, std::size_t g, PlotKind kind) {
  const double n = data.indices[g];
  const double nu = data.abbeNumbers[g];
  const double v = data.thermoOptical[g];
  switch (kind) {
    case Abbe:
      return {nu, n};
    case Schwarz:
      return {nu, 1.0 / v};
    case Volosov:
      return {nu, nu * v};
    case Tamagawa:
    case ThermalMap:
      return {1.0 / nu, v};
    case PartialDispersion:
      return {nu, data.partialDispersions[g]};
  }
  return {kNaN, kNaN};
}

bool autoRange(const std::vector<PlotPoint>& points, PlotRanges& ranges) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  PlotRanges span{kInf, -kInf, kInf, -kInf};
  for (const PlotPoint& p : points) {
    if (!isFinite(p)) continue;
    span.xMin = std::min(span.xMin, p.x);
    span.xMax = std::max(span.xMax, p.x);
    span.yMin = std::min(span.yMin, p.y);
    span.yMax = std::max(span.yMax, p.y);
  }
  if (span.xMin > span.xMax) return false;
  widen(span.xMin, span.xMax);
  widen(span.yMin, span.yMax);
  ranges = span;
  return true;
}

namespace {

// Returns the 2nd and 98th percentile (nearest rank) of the finite values.
std::pair<double, double> bulkSpan(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t last = values.size() - 1;
  const auto low = static_cast<std::size_t>(std::floor(0.02 * static_cast<double>(last)));
  const auto high = static_cast<std::size_t>(std::ceil(0.98 * static_cast<double>(last)));
  return {values[low], values[high]};
}

// Widens [low, high] so that `value` lies inside with `room` to spare on both sides.
void holdInside(double value, double room, double& low, double& high) {
  low = std::min(low, value - room);
  high = std::max(high, value + room);
}

}  // namespace

bool robustRange(const std::vector<PlotPoint>& points, const std::vector<PlotPoint>& kept,
                 PlotRanges& ranges) {
  std::vector<double> xs, ys;
  for (const auto* list : {&points, &kept}) {
    if (!xs.empty()) break;  // the kept points set the span only when there is no bulk
    for (const PlotPoint& p : *list) {
      if (!isFinite(p)) continue;
      xs.push_back(p.x);
      ys.push_back(p.y);
    }
  }
  if (xs.empty()) return false;
  PlotRanges span;
  std::tie(span.xMin, span.xMax) = bulkSpan(xs);
  std::tie(span.yMin, span.yMax) = bulkSpan(ys);
  widen(span.xMin, span.xMax);
  widen(span.yMin, span.yMax);
  // A name takes about a tenth of the width beside its point and a twentieth of the height.
  const double xRoom = (span.xMax - span.xMin) / 8.0, yRoom = (span.yMax - span.yMin) / 12.0;
  for (const PlotPoint& p : kept) {
    if (!isFinite(p)) continue;
    holdInside(p.x, xRoom, span.xMin, span.xMax);
    holdInside(p.y, yRoom, span.yMin, span.yMax);
  }
  ranges = span;
  return true;
}

BorderSplit splitAtBorder(const GlassSeries& series, const PlotRanges& ranges) {
  const double xLow = std::min(ranges.xMin, ranges.xMax),
               xHigh = std::max(ranges.xMin, ranges.xMax);
  const double yLow = std::min(ranges.yMin, ranges.yMax),
               yHigh = std::max(ranges.yMin, ranges.yMax);
  BorderSplit split;
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    const PlotPoint p = series.points[i];
    if (!isFinite(p)) continue;
    const PlotPoint onBorder{std::clamp(p.x, xLow, xHigh), std::clamp(p.y, yLow, yHigh)};
    const bool inside = onBorder.x == p.x && onBorder.y == p.y;
    GlassSeries& to = inside ? split.inside : split.border;
    to.add(onBorder, i < series.names.size() ? series.names[i] : std::string(),
           i < series.tooltips.size() ? series.tooltips[i] : std::string());
  }
  return split;
}

bool passesFilter(const GlassPlotData& data, std::size_t g, const GlassFilter& filter) {
  const double n = data.indices[g];
  const double nu = data.abbeNumbers[g];
  if (filter.indexOn && (n < filter.nMin || n > filter.nMax)) return false;
  if (filter.abbeOn && (nu < filter.abbeMin || nu > filter.abbeMax)) return false;
  return true;
}

StatusSeries statusSeries(const GlassPlotData& data, PlotKind kind, const GlassFilter& filter) {
  StatusSeries series;
  for (std::size_t g = 0; g < data.size(); ++g) {
    if (!passesFilter(data, g, filter)) continue;
    const PlotPoint point = glassCoordinates(data, g, kind);
    if (!isFinite(point)) continue;
    series.accepted.push_back(point);
    const int status = data.statuses[g];
    if (status < 0 || status >= synthesis::kGlassStatusCount) continue;
    series.byStatus[static_cast<std::size_t>(status)].add(point, data.names[g], data.tooltips[g]);
  }
  return series;
}

std::optional<std::size_t> findGlass(const GlassPlotData& data, const std::string& name) {
  const auto it = std::find(data.names.begin(), data.names.end(), name);
  if (it == data.names.end()) return std::nullopt;
  return static_cast<std::size_t>(it - data.names.begin());
}

GlassSeries chosenSeries(const GlassPlotData& data, PlotKind kind, const std::string& name1,
                         const std::string& name2) {
  GlassSeries series;
  for (const std::string* name : {&name1, &name2}) {
    const auto g = findGlass(data, *name);
    if (!g) continue;
    const PlotPoint point = glassCoordinates(data, *g, kind);
    if (!isFinite(point)) continue;
    series.add(point, *name, data.tooltips[*g]);
  }
  return series;
}

std::vector<PlotPoint> lineThrough(PlotPoint a, PlotPoint b, double xMin, double xMax) {
  if (!isFinite(a) || !isFinite(b) || a.x == b.x) return {};
  const double slope = (b.y - a.y) / (b.x - a.x);
  const double intercept = (a.y * b.x - a.x * b.y) / (b.x - a.x);
  return {a, b, {xMin, slope * xMin + intercept}, {xMax, slope * xMax + intercept}};
}

ConstructionLines constructionLines(PlotKind kind, PlotPoint g1, PlotPoint g2, double xMin,
                                    double xMax, bool lineBetween, bool lineFromOrigin) {
  ConstructionLines lines;
  const bool straightKind = kind == Schwarz || kind == Volosov || kind == PartialDispersion;
  if (lineBetween && straightKind) lines.between = lineThrough(g1, g2, xMin, xMax);
  if (lineFromOrigin && kind == Tamagawa) {
    for (PlotPoint g : {g1, g2}) {
      if (isFinite(g)) lines.fromOrigin.push_back({{0.0, 0.0}, g});
    }
  }
  return lines;
}

std::optional<std::pair<std::size_t, std::size_t>> normalLineGlasses(const GlassPlotData& data) {
  static const std::pair<const char*, const char*> kReferences[] = {{"K7", "F2"}, {"NSL7", "PBM2"}};
  for (const auto& [crown, flint] : kReferences) {
    const auto g1 = findGlass(data, crown);
    const auto g2 = findGlass(data, flint);
    if (g1 && g2 && std::isfinite(data.partialDispersions[*g1]) &&
        std::isfinite(data.partialDispersions[*g2])) {
      return std::make_pair(*g1, *g2);
    }
  }
  return std::nullopt;
}

std::string glassTooltip(const GlassPlotData& data, std::size_t g) {
  std::string text = data.names[g];
  // A name that several catalogs share carries its catalog already.
  const std::string origin = " (" + data.catalogs[g] + ")";
  if (!data.catalogs[g].empty() && !text.ends_with(origin)) text += origin;
  text += "\nn = " + formatNumber("%.6g", data.indices[g]);
  text += "\nν = " + formatNumber("%.6g", data.abbeNumbers[g]);
  text += "\nV = " + formatNumber("%.6g", data.thermoOptical[g]) + " °Cˉ¹";
  text += '\n';
  text += synthesis::messageText("plot", "статус: ") + statusText(data.statuses[g]);
  if (g < data.makerData.size()) text += "\n" + data.makerData[g];
  return text;
}

}  // namespace plot

namespace plot {

const std::array<double, kCostBinCount - 1>& costBinBounds() {
  static const std::array<double, kCostBinCount - 1> bounds = {1.0, 2.0, 4.0, 8.0};
  return bounds;
}

std::optional<std::size_t> costBin(double cost) {
  if (!std::isfinite(cost) || cost < 0.0) return std::nullopt;
  const auto& bounds = costBinBounds();
  return static_cast<std::size_t>(std::lower_bound(bounds.begin(), bounds.end(), cost) -
                                  bounds.begin());
}

unsigned costColour(std::optional<std::size_t> bin) {
  static const std::array<unsigned, kCostBinCount> colours = {0x1a9850, 0x91cf60, 0xfdae61,
                                                              0xf46d43, 0xd73027};
  if (!bin || *bin >= colours.size()) return 0xa0a0a0;
  return colours[*bin];
}

CostSeries costSeries(const GlassPlotData& data, const GlassSeries& series) {
  // The tooltip names the glass with its catalog, so equal names of two makers stay apart.
  std::unordered_map<std::string, double> costOf;
  for (std::size_t g = 0; g < data.tooltips.size() && g < data.costs.size(); ++g) {
    costOf.emplace(data.tooltips[g], data.costs[g]);
  }
  CostSeries sorted;
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    const auto it = costOf.find(series.tooltips[i]);
    const auto bin = costBin(it == costOf.end() ? std::nan("") : it->second);
    GlassSeries& target = bin ? sorted.byBin[*bin] : sorted.unknown;
    target.add(series.points[i], series.names[i], series.tooltips[i]);
  }
  return sorted;
}

}  // namespace plot
