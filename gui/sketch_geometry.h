#pragma once
// Geometry of the doublet sketch: lens outlines from radii, thicknesses and heights, free of
// widgets so that tests can check it alone.

#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <vector>

/// One refracting surface of the sketch.
struct SketchSurface {
  double radius = 0.0;        ///< [mm], 0 for a plane
  double thickness = 0.0;     ///< axial distance to the next surface [mm]
  double semiDiameter = 0.0;  ///< [mm]
  double index = 0.0;         ///< only tells whether glass follows (index > 1)
};

/// Returns the scene window (mm, optical axis at y = 0, first vertex at x = 0) that shows the
/// whole doublet to scale with 10 % margins in a widget of `size`; empty for nothing to draw.
QRectF sketchWindow(const std::vector<SketchSurface>& surfaces, QSize size);

/// Returns the map from the scene window `window` onto a widget of `size`.
QTransform sketchTransform(const QRectF& window, QSize size);

/// Returns the outline of the lens between surface `i` and `i + 1`, its front vertex at `x`.
QPainterPath lensOutline(const std::vector<SketchSurface>& surfaces, double x, std::size_t i);

/// Returns the axial length of the doublet: the sum of the thicknesses [mm].
double sketchLength(const std::vector<SketchSurface>& surfaces);
