#pragma once
// The one place that talks to the plotting library: glass series with names, construction
// lines, axis labels and ranges, pan and zoom, tooltips and the export menu of one plot widget.

#include <QColor>
#include <QObject>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <unordered_map>
#include <vector>

#include "gui/plot/GlassPlotData.h"

class QCustomPlot;
class QCPItemText;
class QCPTextElement;
class QPoint;
class QWidget;

namespace plot {

/// A glass plot on one plot widget; owned by that widget.
class GlassPlotView : public QObject {
  Q_OBJECT

 public:
  /// Returns the view of `plotWidget`, made on first use; nullptr when it is no plot widget.
  static GlassPlotView* of(QWidget* plotWidget);
  /// Returns a new plot widget with its view, owned by `parent`.
  static QWidget* createPlotWidget(QWidget* parent);

  /// Removes every series, line and name.
  void clear();
  /// Sets the axis labels in Times New Roman at 11 points.
  void setAxisLabels(const QString& x, const QString& y);
  /// Sets the axis ranges (kept for the double-click return) and the direction of the x axis.
  void setRanges(const PlotRanges& ranges, bool reversedX);
  /// Adds the points as filled discs of size 10 in `colour`. Their names are placed at each
  /// replot where they cover no name placed before; `always` names go first and are always shown.
  void addSeries(const GlassSeries& series, const QColor& colour, bool always = false);
  /// Adds the points coloured by relative-cost bin, grey without a cost, with the bins in the
  /// legend.
  void addCostSeries(const CostSeries& series);
  /// Adds points that lie beyond the ranges, drawn on the border as open triangles; they carry
  /// a tooltip but no name.
  void addBorderMarkers(const GlassSeries& series, const QColor& colour);
  /// Draws the plain way (true): every name beside its point and every disc rasterised, as the
  /// window once did; kept to measure what placed names and stamped discs save. The default
  /// (false) places names only where they cover none placed before and stamps the discs.
  void setPlainDrawing(bool plain) { m_placeLabels = !plain; }
  /// Adds a connected line through `points` without point symbols.
  void addLine(const std::vector<PlotPoint>& points, const QPen& pen);
  /// Sets the tick labels to a small font, for plots a few hundred pixels wide.
  void useSmallTickLabels();
  /// Adds a line with small circles at `points`, named `name` in the legend below the axes.
  void addCurve(const std::vector<PlotPoint>& points, const QColor& colour, const QString& name);
  /// Adds the points as small dots without a line, named `name` in the legend below the axes.
  void addScatter(const std::vector<PlotPoint>& points, const QColor& colour, const QString& name);
  /// Sets the title above the axes; an empty title removes it.
  void setTitle(const QString& title);
  /// Draws the plot anew.
  void replot();

  /// Returns the number of graphs (series and lines).
  int graphCount() const;
  /// Returns the number of data points of graph `index`.
  int pointCount(int index) const;
  /// Returns the data points of graph `index` in the plot's order (ascending x).
  std::vector<PlotPoint> points(int index) const;
  /// Returns the legend name of graph `index`.
  QString graphName(int index) const;
  /// Returns the title above the axes.
  QString title() const;
  /// Returns the number of glass names shown.
  int itemCount() const;
  /// Returns the number of glass points that carry a name.
  int namedPointCount() const { return static_cast<int>(m_points.size()) - m_unnamedPoints; }
  /// Returns the pixel rectangles of the names shown, as placed at the last replot.
  const std::vector<QRect>& labelRects() const { return m_labelRects; }
  /// Returns the axis ranges shown.
  PlotRanges ranges() const;
  /// Returns true when the x axis runs from right to left.
  bool isXReversed() const;
  /// Returns the tooltip of the glass point nearest `pixel` within a few pixels, or empty.
  QString tooltipAt(const QPoint& pixel) const;
  /// Saves the plot as PDF when `path` ends in .pdf, otherwise as PNG; false on failure.
  bool saveImage(const QString& path);

 signals:
  /// Tells that the user moved or zoomed the axes (not a call of setRanges).
  void rangesChangedByUser(plot::PlotRanges ranges);
  /// Tells that the user clicked the glass point `name` (at `globalPos` on the screen).
  void glassClicked(const QString& name, const QPoint& globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit GlassPlotView(QCustomPlot* plot);
  void showExportMenu(const QPoint& position);
  void restoreDrawnRanges();
  void moveLegendBelowAxes();
  QCPItemText* nextLabel();
  void placeLabels();
  bool placeLabel(std::size_t index, const QRect& area, std::vector<std::vector<int>>& grid);
  QSize labelSize(const std::string& name);
  int nearestPoint(const QPoint& pixel) const;
  void reportUserRanges();

  struct LabelledPoint {
    PlotPoint point;
    std::string name;  ///< empty for a point without a name
    std::string tooltip;
    QColor colour;
    bool always = false;
  };

  QCustomPlot* m_plot;
  QCPTextElement* m_title = nullptr;
  PlotRanges m_drawnRanges;
  std::vector<LabelledPoint> m_points;
  // Names are hidden and reused rather than deleted: a redraw of a few thousand glasses would
  // otherwise spend most of its time making and unmaking plot items.
  std::vector<QCPItemText*> m_labels;
  std::size_t m_labelsShown = 0;
  std::vector<QRect> m_labelRects;
  std::unordered_map<std::string, QSize> m_labelSizes;  ///< text extents, measured once
  int m_unnamedPoints = 0;
  bool m_placeLabels = true;
  bool m_settingRanges = false;
  QPoint m_pressPos;
};

}  // namespace plot
