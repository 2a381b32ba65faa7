#pragma once
// The one place that talks to the plotting library: glass series with names, construction
// lines, axis labels and ranges, pan and zoom, tooltips and the export menu of one plot widget.

#include <QColor>
#include <QObject>
#include <QPen>
#include <QString>
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
  /// Adds the points as filled discs of size 10 in `colour`, each named to its upper right.
  void addSeries(const GlassSeries& series, const QColor& colour);
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
  /// Returns the axis ranges shown.
  PlotRanges ranges() const;
  /// Returns true when the x axis runs from right to left.
  bool isXReversed() const;
  /// Returns the tooltip of the glass point nearest `pixel` within a few pixels, or empty.
  QString tooltipAt(const QPoint& pixel) const;
  /// Saves the plot as PDF when `path` ends in .pdf, otherwise as PNG; false on failure.
  bool saveImage(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit GlassPlotView(QCustomPlot* plot);
  void showExportMenu(const QPoint& position);
  void restoreDrawnRanges();
  void moveLegendBelowAxes();
  QCPItemText* nextLabel();

  struct LabelledPoint {
    PlotPoint point;
    QString tooltip;
  };

  QCustomPlot* m_plot;
  QCPTextElement* m_title = nullptr;
  PlotRanges m_drawnRanges;
  std::vector<LabelledPoint> m_points;
  // Names are hidden and reused rather than deleted: a redraw of a few thousand glasses would
  // otherwise spend most of its time making and unmaking plot items.
  std::vector<QCPItemText*> m_labels;
  std::size_t m_labelsShown = 0;
};

}  // namespace plot
