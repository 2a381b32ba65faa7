#pragma once
// Per-glass values of the glass diagrams and nomograms and the plot geometry built from them:
// plain code without widgets, so that the drawing routine stays a thin walk over a table.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "synthesis/glass_catalog.h"

namespace plot {

/// Plots of the second tab; the number is the kind the drawing routine is handed.
enum PlotKind : int {
  Abbe = 0,               ///< n over ν
  Schwarz = 1,            ///< ν_t = 1/V over ν
  Volosov = 2,            ///< U = ν·V over ν
  Tamagawa = 3,           ///< V over ω = 1/ν
  ThermalMap = 4,         ///< V over ω = 1/ν
  PartialDispersion = 5,  ///< P_g,F over ν
};

/// Number of plot kinds.
inline constexpr int kPlotKindCount = 6;

/// The three wavelengths [um] the plot values are computed at.
struct SpectralLines {
  double main = 0.546074;
  double min = 0.4799914;
  double max = 0.6438469;
};

/// Per-glass plot values, parallel lists with one entry per plotted catalog glass.
struct GlassPlotData {
  std::vector<double> indices;             ///< n at λ0
  std::vector<double> abbeNumbers;         ///< ν at λ0, λmin, λmax
  std::vector<double> thermoOptical;       ///< V [1/°C] at λ0
  std::vector<double> partialDispersions;  ///< P_g,F; NaN when the g line is out of range
  std::vector<int> statuses;
  std::vector<std::string> names;
  std::vector<std::string> catalogs;   ///< catalog of origin, empty when unknown
  std::vector<std::string> tooltips;   ///< name, catalog, n, ν, V, status, cost and classes
  std::vector<double> costs;           ///< relative cost; NaN when the maker gives none
  std::vector<std::string> makerData;  ///< cost and resistance classes as the tooltip shows them

  /// Returns the number of glasses.
  std::size_t size() const { return names.size(); }
};

/// Empties the per-glass lists and fills them from `catalog` at `lines`. A glass whose index,
/// Abbe number or thermo-optical value cannot be computed is left out.
void fillPlotData(GlassPlotData& data, const synthesis::GlassCatalog& catalog,
                  const SpectralLines& lines);

/// One point in plot coordinates.
struct PlotPoint {
  double x = 0.0;
  double y = 0.0;
};

/// Returns true when both coordinates are finite.
bool isFinite(PlotPoint point);

/// Returns the plot coordinates of glass `g` in plot `kind`; not finite when it cannot be placed.
PlotPoint glassCoordinates(const GlassPlotData& data, std::size_t g, PlotKind kind);

/// Axis ranges of a plot.
struct PlotRanges {
  double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
};

/// Sets `ranges` to the span of the finite `points`, widened by a tenth of each width on both
/// sides; keeps them when there is no finite point. Returns whether the ranges were set.
bool autoRange(const std::vector<PlotPoint>& points, PlotRanges& ranges);

/// Sets `ranges` to the bulk of the finite `points`: from the 2nd to the 98th percentile on each
/// axis, widened by a tenth of each width, so that a few glasses far out do not flatten the
/// rest. Then stretches them so that every finite point of `kept` lies inside with room for its
/// name. Keeps them when neither list has a finite point; returns whether they were set.
bool robustRange(const std::vector<PlotPoint>& points, const std::vector<PlotPoint>& kept,
                 PlotRanges& ranges);

/// The index and Abbe ranges of the glass filter.
struct GlassFilter {
  bool indexOn = true;
  double nMin = 1.4, nMax = 1.8;
  bool abbeOn = true;
  double abbeMin = 20.0, abbeMax = 70.0;
};

/// Returns true when glass `g` passes the index and Abbe ranges of `filter`.
bool passesFilter(const GlassPlotData& data, std::size_t g, const GlassFilter& filter);

/// Points of one plotted series with the name and tooltip of each.
struct GlassSeries {
  std::vector<PlotPoint> points;
  std::vector<std::string> names;
  std::vector<std::string> tooltips;

  /// Appends one point with its name and tooltip.
  void add(PlotPoint point, const std::string& name, const std::string& tooltip) {
    points.push_back(point);
    names.push_back(name);
    tooltips.push_back(tooltip);
  }
  /// Appends every point of `other`.
  void append(const GlassSeries& other) {
    points.insert(points.end(), other.points.begin(), other.points.end());
    names.insert(names.end(), other.names.begin(), other.names.end());
    tooltips.insert(tooltips.end(), other.tooltips.begin(), other.tooltips.end());
  }
};

/// The filtered glasses of one plot: one series per status and every accepted point.
struct StatusSeries {
  std::array<GlassSeries, synthesis::kGlassStatusCount> byStatus;
  std::vector<PlotPoint> accepted;  ///< all statuses; they set the automatic range
};

/// Sorts the glasses that pass `filter` and can be placed in plot `kind` by status.
StatusSeries statusSeries(const GlassPlotData& data, PlotKind kind, const GlassFilter& filter);

/// A series cut at the plot's border: the points inside, and those outside moved onto the
/// nearest border, with their names and tooltips.
struct BorderSplit {
  GlassSeries inside;
  GlassSeries border;
};

/// Splits `series` at `ranges` (in either order of min and max); points not finite are dropped.
BorderSplit splitAtBorder(const GlassSeries& series, const PlotRanges& ranges);

/// Number of relative-cost bins of the Abbe diagram's cost colouring.
inline constexpr std::size_t kCostBinCount = 5;

/// Returns the upper bounds of the cost bins (the last bin is open): makers price relative to
/// their common crown (cost 1), and costs spread over a factor of a few tens, so bins double.
const std::array<double, kCostBinCount - 1>& costBinBounds();

/// Returns the cost bin of relative cost `cost` (0 cheapest), or none when it is not known.
std::optional<std::size_t> costBin(double cost);

/// Returns the colour of cost bin `bin` as 0xRRGGBB, green (cheap) to red (dear); grey for none.
unsigned costColour(std::optional<std::size_t> bin);

/// Points of one plot sorted by relative cost: one series per bin and one for unknown cost.
struct CostSeries {
  std::array<GlassSeries, kCostBinCount> byBin;
  GlassSeries unknown;
};

/// Sorts the points of `series` by the relative cost of the glass each names in `data`.
CostSeries costSeries(const GlassPlotData& data, const GlassSeries& series);

/// Returns the first glass named `name`, if any.
std::optional<std::size_t> findGlass(const GlassPlotData& data, const std::string& name);

/// Returns the series of the chosen glasses that exist in `data` and can be placed.
GlassSeries chosenSeries(const GlassPlotData& data, PlotKind kind, const std::string& name1,
                         const std::string& name2);

/// Returns a line through `a` and `b` across [xMin, xMax] as four points; empty when a and b
/// share their x (an infinite slope) or are not finite.
std::vector<PlotPoint> lineThrough(PlotPoint a, PlotPoint b, double xMin, double xMax);

/// Construction lines through the chosen glasses: the line between them (Schwarz, Volosov and
/// partial dispersion) and the two segments from the origin (Tamagawa).
struct ConstructionLines {
  std::vector<PlotPoint> between;
  std::vector<std::vector<PlotPoint>> fromOrigin;
};

/// Returns the construction lines of plot `kind` through chosen glasses `g1` and `g2`.
ConstructionLines constructionLines(PlotKind kind, PlotPoint g1, PlotPoint g2, double xMin,
                                    double xMax, bool lineBetween, bool lineFromOrigin);

/// Returns the two reference glasses of the partial-dispersion normal line: K7 and F2, else
/// their equivalents NSL7 and PBM2; none when the data hold neither pair.
std::optional<std::pair<std::size_t, std::size_t>> normalLineGlasses(const GlassPlotData& data);

/// Returns the tooltip of glass `g`: name, catalog, n, ν, V, status, cost and classes.
std::string glassTooltip(const GlassPlotData& data, std::size_t g);

}  // namespace plot
