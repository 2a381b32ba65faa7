#pragma once
// Spot diagram and MTF of the selected doublet reshaped into plot data, plain code without
// widgets.

#include <string>
#include <vector>

#include "gui/plot/GlassPlotData.h"
#include "synthesis/doublet_quality.h"

namespace plot {

/// A named set of plot points: one wavelength's spots, or one MTF curve.
struct NamedPoints {
  std::string name;
  std::vector<PlotPoint> points;
};

/// What the spot diagram and the MTF plot draw.
struct QualityPlots {
  /// One series per wavelength [µm]: each field centred on its centroid, the fields side by
  /// side from the axis to the full field.
  std::vector<NamedPoints> spots;
  /// The Airy circle of every field in two halves (upper and lower), each ascending in x.
  std::vector<std::vector<PlotPoint>> airyHalves;
  PlotRanges spotRanges;
  /// Polychromatic tangential and sagittal curves of every field.
  std::vector<NamedPoints> mtf;
  /// The MTF of a perfect circular pupil at λ0.
  std::vector<PlotPoint> diffractionLimit;
  PlotRanges mtfRanges;
};

/// Returns the plot data of `quality`.
QualityPlots qualityPlots(const synthesis::DoubletQuality& quality);

}  // namespace plot
