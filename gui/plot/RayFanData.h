#pragma once
// Ray fans of the selected doublet: its transverse aberration tables reshaped into plot curves,
// plain code without widgets.

#include <cstddef>
#include <string>
#include <vector>

#include "gui/plot/GlassPlotData.h"
#include "synthesis/doublet_aberrations.h"

namespace plot {

/// One curve of a ray fan: transverse aberration [mm] over the relative pupil at one wavelength.
struct FanCurve {
  std::string name;               ///< legend text, "λ0=546.1 нм"
  std::vector<PlotPoint> points;  ///< x the relative pupil from −1 to 1, y the aberration [mm]
};

/// The two ray fans a designer reads first, on the axis and at full field.
struct RayFans {
  std::vector<FanCurve> axis;
  std::vector<FanCurve> fullField;
  double fullFieldAngle = 0.0;  ///< [degrees]
  // Each fan has its own scale: the field's aberrations would flatten the axis fan to a line.
  PlotRanges axisRanges;
  PlotRanges fullFieldRanges;
};

/// Returns the curves of field point `field`, one per wavelength of the tables in their order
/// (λ0, λmin, λmax), each running from the lower pupil rim up; points that are not finite are
/// left out. Empty when the tables hold no such field.
std::vector<FanCurve> fanCurves(const synthesis::DoubletAberrations& tables, std::size_t field);

/// Returns the fans of the first and the last field point, each with ranges symmetric about zero.
RayFans rayFans(const synthesis::DoubletAberrations& tables);

}  // namespace plot
