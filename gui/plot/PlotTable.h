#pragma once
// The plots of the second tab described once: the drawing routine walks this table.

#include <array>

#include "gui/plot/GlassPlotData.h"

namespace plot {

/// One plot: its widgets by object name, axis labels and default ranges.
struct PlotDescription {
  PlotKind kind;
  const char* group;                         ///< group box holding the plot and its range fields
  const char* plot;                          ///< the plot widget
  const char* displaySwitch;                 ///< check box that shows the plot
  const char* autoSwitch;                    ///< check box of the automatic range
  std::array<const char*, 4> rangeFields;    ///< min X, max X, min Y, max Y
  std::array<const char*, 4> defaultRanges;  ///< texts of the range fields at start
  const char* xLabel;
  const char* yLabel;
  bool reversedX;  ///< ν falls to the right, as designers read glass maps
};

/// Returns the plots in drawing order: Abbe, Schwarz, Volosov, Tamagawa, thermal map, P_g,F.
const std::array<PlotDescription, kPlotKindCount>& plotTable();

}  // namespace plot
