#include "gui/plot/GlassPlotView.h"

#include <qcustomplot.h>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <cmath>

namespace plot {
namespace {

constexpr int kDiscSize = 10;
constexpr int kLabelPointSize = 9;
constexpr double kTooltipReach = 6.0;  // pixels from a disc's centre
constexpr int kCurveMarkSize = 4;
constexpr int kLegendPointSize = 8;
constexpr int kBorderMarkSize = 9;
constexpr int kGridCell = 48;   // pixels of a cell of the label grid
constexpr int kClickReach = 4;  // pixels a click may move and still pick a glass
constexpr int kLabelGap = 4;    // pixels between a disc's centre and its name

// Corners of a point where its name may go, in the order they are tried: upper right, upper
// left, lower right, lower left; each with the alignment of the text to the point.
struct LabelCorner {
  int dx, dy;  // sign of the offset from the point
  Qt::Alignment alignment;
};
constexpr LabelCorner kCorners[] = {{1, -1, Qt::AlignLeft | Qt::AlignBottom},
                                    {-1, -1, Qt::AlignRight | Qt::AlignBottom},
                                    {1, 1, Qt::AlignLeft | Qt::AlignTop},
                                    {-1, 1, Qt::AlignRight | Qt::AlignTop}};

QRect cornerRect(QPoint at, QSize size, const LabelCorner& corner) {
  const int x = corner.dx > 0 ? at.x() + kLabelGap : at.x() - kLabelGap - size.width();
  const int y = corner.dy < 0 ? at.y() - kLabelGap - size.height() : at.y() + kLabelGap;
  return {QPoint(x, y), size};
}

// An antialiased disc drawn once per colour and stamped at every glass: stamping a pixmap costs a
// fraction of rasterising thousands of ellipses at each redraw of six plots.
QCPScatterStyle stampedDisc(const QColor& colour) {
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap disc(QSize(kDiscSize + 1, kDiscSize + 1) * ratio);
  disc.setDevicePixelRatio(ratio);
  disc.fill(Qt::transparent);
  QPainter painter(&disc);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(QRectF(0.5, 0.5, kDiscSize, kDiscSize));
  return QCPScatterStyle(disc);
}

// The vector disc of the same size, for a PDF, where a pixmap would print blurred.
QCPScatterStyle vectorDisc(const QColor& colour) {
  return QCPScatterStyle(QCPScatterStyle::ssDisc, colour, kDiscSize);
}

QVector<double> xsOf(const std::vector<PlotPoint>& points) {
  QVector<double> xs;
  xs.reserve(static_cast<int>(points.size()));
  for (const PlotPoint& p : points) xs.push_back(p.x);
  return xs;
}

QVector<double> ysOf(const std::vector<PlotPoint>& points) {
  QVector<double> ys;
  ys.reserve(static_cast<int>(points.size()));
  for (const PlotPoint& p : points) ys.push_back(p.y);
  return ys;
}

}  // namespace

GlassPlotView* GlassPlotView::of(QWidget* plotWidget) {
  auto* plot = qobject_cast<QCustomPlot*>(plotWidget);
  if (!plot) return nullptr;
  if (auto* view = plot->findChild<GlassPlotView*>(QString(), Qt::FindDirectChildrenOnly)) {
    return view;
  }
  return new GlassPlotView(plot);
}

QWidget* GlassPlotView::createPlotWidget(QWidget* parent) {
  auto* plot = new QCustomPlot(parent);
  of(plot);
  return plot;
}

GlassPlotView::GlassPlotView(QCustomPlot* plot) : QObject(plot), m_plot(plot) {
  m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  m_plot->setContextMenuPolicy(Qt::CustomContextMenu);
  m_plot->installEventFilter(this);
  connect(m_plot, &QCustomPlot::customContextMenuRequested, this, &GlassPlotView::showExportMenu);
  connect(m_plot, &QCustomPlot::mouseDoubleClick, this, &GlassPlotView::restoreDrawnRanges);
  // Names are placed after the axes are laid out, so that pixels are those drawn.
  connect(m_plot, &QCustomPlot::afterLayout, this, [this] {
    if (m_placeLabels) placeLabels();
  });
  for (QCPAxis* axis : {m_plot->xAxis, m_plot->yAxis}) {
    connect(axis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &GlassPlotView::reportUserRanges);
  }
  const QCPRange x = m_plot->xAxis->range();
  const QCPRange y = m_plot->yAxis->range();
  m_drawnRanges = {x.lower, x.upper, y.lower, y.upper};
}

void GlassPlotView::clear() {
  m_plot->clearGraphs();
  for (std::size_t i = 0; i < m_labelsShown; ++i) m_labels[i]->setVisible(false);
  m_labelsShown = 0;
  m_points.clear();
  m_labelRects.clear();
  m_unnamedPoints = 0;
  m_plot->legend->setVisible(false);
}

QCPItemText* GlassPlotView::nextLabel() {
  if (m_labelsShown == m_labels.size()) m_labels.push_back(new QCPItemText(m_plot));
  QCPItemText* label = m_labels[m_labelsShown++];
  label->setVisible(true);
  return label;
}

void GlassPlotView::setAxisLabels(const QString& x, const QString& y) {
  const QFont font("Times New Roman", 11);
  m_plot->xAxis->setLabel(x);
  m_plot->yAxis->setLabel(y);
  m_plot->xAxis->setLabelFont(font);
  m_plot->yAxis->setLabelFont(font);
}

void GlassPlotView::setRanges(const PlotRanges& ranges, bool reversedX) {
  m_settingRanges = true;
  m_plot->xAxis->setRange(ranges.xMin, ranges.xMax);
  m_plot->xAxis->setRangeReversed(reversedX);
  m_plot->yAxis->setRange(ranges.yMin, ranges.yMax);
  m_settingRanges = false;
  m_drawnRanges = ranges;
}

void GlassPlotView::reportUserRanges() {
  if (!m_settingRanges) emit rangesChangedByUser(ranges());
}

void GlassPlotView::addSeries(const GlassSeries& series, const QColor& colour, bool always) {
  QCPGraph* graph = m_plot->addGraph();
  graph->setData(xsOf(series.points), ysOf(series.points));
  graph->setPen(QPen(colour));
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(m_placeLabels ? stampedDisc(colour) : vectorDisc(colour));
  const QFont font(m_plot->window()->font().family(), kLabelPointSize);
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    // Names and tooltips stay plain strings until one is shown: most never are.
    m_points.push_back({series.points[i], series.names[i], series.tooltips[i], colour, always});
    if (m_placeLabels) continue;
    const QString name = QString::fromStdString(series.names[i]);
    QCPItemText* label = nextLabel();
    label->position->setType(QCPItemPosition::ptPlotCoords);
    label->position->setCoords(series.points[i].x, series.points[i].y);
    label->setText(name);
    label->setFont(font);
    label->setColor(colour);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
  }
}

void GlassPlotView::addCostSeries(const CostSeries& series) {
  const auto& bounds = costBinBounds();
  for (std::size_t bin = 0; bin <= series.byBin.size(); ++bin) {
    const bool known = bin < series.byBin.size();
    const GlassSeries& points = known ? series.byBin[bin] : series.unknown;
    const QColor colour(QRgb(costColour(known ? std::optional<std::size_t>(bin) : std::nullopt)));
    addSeries(points, colour);
    QString name = tr("без цены");
    if (known && bin == 0) name = tr("стоимость ≤ %1").arg(bounds[0]);
    if (known && bin > 0 && bin < bounds.size()) {
      name = QStringLiteral("%1–%2").arg(bounds[bin - 1]).arg(bounds[bin]);
    }
    if (known && bin == bounds.size()) name = QStringLiteral("> %1").arg(bounds.back());
    m_plot->graph(m_plot->graphCount() - 1)->setName(name);
  }
  // The legend sits in the corner of high index and high ν, where the map of glasses is sparse,
  // in two rows to cover little of it.
  m_plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
  m_plot->legend->setFont(QFont(m_plot->font().family(), kLegendPointSize));
  m_plot->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
  m_plot->legend->setWrap(3);
  m_plot->legend->setVisible(true);
}

void GlassPlotView::addBorderMarkers(const GlassSeries& series, const QColor& colour) {
  if (series.points.empty()) return;
  QCPGraph* graph = m_plot->addGraph();
  graph->setData(xsOf(series.points), ysOf(series.points));
  graph->setPen(QPen(colour, 1.5));
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssTriangle, kBorderMarkSize));
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    m_points.push_back({series.points[i], std::string(), series.tooltips[i], colour, false});
    ++m_unnamedPoints;
  }
}

QSize GlassPlotView::labelSize(const std::string& name) {
  const auto it = m_labelSizes.find(name);
  if (it != m_labelSizes.end()) return it->second;
  const QFontMetrics metrics(QFont(m_plot->window()->font().family(), kLabelPointSize));
  const QSize size(metrics.horizontalAdvance(QString::fromStdString(name)) + 2, metrics.height());
  m_labelSizes.emplace(name, size);
  return size;
}

void GlassPlotView::placeLabels() {
  for (std::size_t i = 0; i < m_labelsShown; ++i) m_labels[i]->setVisible(false);
  m_labelsShown = 0;
  m_labelRects.clear();
  const QRect area = m_plot->axisRect()->rect();
  if (area.isEmpty()) return;
  // A coarse grid of the axis rectangle lists the names in each cell, so that a new name is
  // checked against its neighbours only.
  const int columns = area.width() / kGridCell + 1, rows = area.height() / kGridCell + 1;
  std::vector<std::vector<int>> grid(static_cast<std::size_t>(columns * rows));
  for (bool always : {true, false}) {
    for (std::size_t i = 0; i < m_points.size(); ++i) {
      if (m_points[i].always == always && !m_points[i].name.empty()) placeLabel(i, area, grid);
    }
  }
}

bool GlassPlotView::placeLabel(std::size_t index, const QRect& area,
                               std::vector<std::vector<int>>& grid) {
  const LabelledPoint& p = m_points[index];
  const QPoint at(static_cast<int>(m_plot->xAxis->coordToPixel(p.point.x)),
                  static_cast<int>(m_plot->yAxis->coordToPixel(p.point.y)));
  if (!area.contains(at)) return false;
  const QSize size = labelSize(p.name);
  const int columns = area.width() / kGridCell + 1;
  const auto cellsOf = [&](const QRect& r, auto&& visit) {
    for (int cy = (r.top() - area.top()) / kGridCell; cy <= (r.bottom() - area.top()) / kGridCell;
         ++cy) {
      for (int cx = (r.left() - area.left()) / kGridCell;
           cx <= (r.right() - area.left()) / kGridCell; ++cx) {
        if (visit(grid[static_cast<std::size_t>(cy * columns + cx)])) return true;
      }
    }
    return false;
  };
  for (const LabelCorner& corner : kCorners) {
    const QRect r = cornerRect(at, size, corner);
    if (!area.contains(r)) continue;
    const bool covers = cellsOf(r, [&](const std::vector<int>& cell) {
      for (int k : cell) {
        if (m_labelRects[static_cast<std::size_t>(k)].intersects(r)) return true;
      }
      return false;
    });
    if (covers) continue;
    const int k = static_cast<int>(m_labelRects.size());
    m_labelRects.push_back(r);
    cellsOf(r, [k](std::vector<int>& cell) {
      cell.push_back(k);
      return false;
    });
    QCPItemText* label = nextLabel();
    label->position->setType(QCPItemPosition::ptAbsolute);
    label->position->setCoords(at.x() + corner.dx * kLabelGap, at.y() + corner.dy * kLabelGap);
    label->setPositionAlignment(corner.alignment);
    label->setText(QString::fromStdString(p.name));
    label->setFont(QFont(m_plot->window()->font().family(), kLabelPointSize));
    label->setColor(p.colour);
    label->setClipToAxisRect(false);
    return true;
  }
  return false;
}

void GlassPlotView::addLine(const std::vector<PlotPoint>& points, const QPen& pen) {
  QCPGraph* graph = m_plot->addGraph();
  graph->setName(
      QString());  // not QCustomPlot's "Graph N": an unnamed line stays out of the legend
  graph->setData(xsOf(points), ysOf(points));
  graph->setPen(pen);
  graph->setLineStyle(QCPGraph::lsLine);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
}

void GlassPlotView::addCurve(const std::vector<PlotPoint>& points, const QColor& colour,
                             const QString& name) {
  addLine(points, QPen(colour, 1.5));
  QCPGraph* graph = m_plot->graph(m_plot->graphCount() - 1);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, kCurveMarkSize));
  graph->setName(name);
  if (m_plot->legend->layout() != m_plot->plotLayout()) moveLegendBelowAxes();
  m_plot->legend->setVisible(true);
}

void GlassPlotView::addScatter(const std::vector<PlotPoint>& points, const QColor& colour,
                               const QString& name) {
  addCurve(points, colour, name);
  QCPGraph* graph = m_plot->graph(m_plot->graphCount() - 1);
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 3));
}

void GlassPlotView::moveLegendBelowAxes() {
  // Inside the axes the legend would cover the rim of a fan, where its values are largest.
  QCPLegend* legend = m_plot->legend;
  m_plot->axisRect()->insetLayout()->take(legend);
  QCPLayoutGrid* layout = m_plot->plotLayout();
  const int row = layout->rowCount();
  layout->addElement(row, 0, legend);
  layout->setRowStretchFactor(row, 0.001);
  legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
  legend->setFont(QFont(m_plot->font().family(), kLegendPointSize));
  legend->setBorderPen(Qt::NoPen);
  legend->setMargins(QMargins(0, 0, 0, 0));
  legend->setIconSize(12, 8);
  legend->setIconTextPadding(3);
  legend->setColumnSpacing(2);
}

void GlassPlotView::useSmallTickLabels() {
  const QFont font(m_plot->font().family(), kLegendPointSize);
  m_plot->xAxis->setTickLabelFont(font);
  m_plot->yAxis->setTickLabelFont(font);
}

void GlassPlotView::setTitle(const QString& title) {
  if (!m_title && !title.isEmpty()) {
    m_plot->plotLayout()->insertRow(0);
    m_title = new QCPTextElement(m_plot, title, QFont(m_plot->font().family(), 9, QFont::Bold));
    m_plot->plotLayout()->addElement(0, 0, m_title);
  } else if (m_title && title.isEmpty()) {
    m_plot->plotLayout()->remove(m_title);
    m_plot->plotLayout()->simplify();
    m_title = nullptr;
  } else if (m_title) {
    m_title->setText(title);
  }
}

void GlassPlotView::replot() {
  // Only named graphs explain something in the legend; glass series and lines speak for themselves.
  for (int i = 0; i < m_plot->graphCount(); ++i) {
    if (m_plot->graph(i)->name().isEmpty()) m_plot->graph(i)->removeFromLegend();
  }
  m_plot->replot();
}

int GlassPlotView::graphCount() const {
  return m_plot->graphCount();
}

int GlassPlotView::pointCount(int index) const {
  return m_plot->graph(index)->dataCount();
}

std::vector<PlotPoint> GlassPlotView::points(int index) const {
  std::vector<PlotPoint> result;
  const QSharedPointer<QCPGraphDataContainer> data = m_plot->graph(index)->data();
  for (auto it = data->constBegin(); it != data->constEnd(); ++it) {
    result.push_back({it->key, it->value});
  }
  return result;
}

QString GlassPlotView::graphName(int index) const {
  return m_plot->graph(index)->name();
}

QString GlassPlotView::title() const {
  return m_title ? m_title->text() : QString();
}

int GlassPlotView::itemCount() const {
  return static_cast<int>(m_labelsShown);
}

PlotRanges GlassPlotView::ranges() const {
  const QCPRange x = m_plot->xAxis->range();
  const QCPRange y = m_plot->yAxis->range();
  return {x.lower, x.upper, y.lower, y.upper};
}

bool GlassPlotView::isXReversed() const {
  return m_plot->xAxis->rangeReversed();
}

int GlassPlotView::nearestPoint(const QPoint& pixel) const {
  double nearest = kTooltipReach;
  int found = -1;
  for (std::size_t i = 0; i < m_points.size(); ++i) {
    const double dx = m_plot->xAxis->coordToPixel(m_points[i].point.x) - pixel.x();
    const double dy = m_plot->yAxis->coordToPixel(m_points[i].point.y) - pixel.y();
    const double distance = std::hypot(dx, dy);
    if (distance <= nearest) {
      nearest = distance;
      found = static_cast<int>(i);
    }
  }
  return found;
}

QString GlassPlotView::tooltipAt(const QPoint& pixel) const {
  const int found = nearestPoint(pixel);
  return found < 0 ? QString()
                   : QString::fromStdString(m_points[static_cast<std::size_t>(found)].tooltip);
}

bool GlassPlotView::saveImage(const QString& path) {
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) return m_plot->savePng(path);
  std::vector<QCPGraph*> stamped;
  for (int i = 0; i < m_plot->graphCount(); ++i) {
    QCPGraph* graph = m_plot->graph(i);
    if (graph->scatterStyle().shape() != QCPScatterStyle::ssPixmap) continue;
    graph->setScatterStyle(vectorDisc(graph->pen().color()));
    stamped.push_back(graph);
  }
  const bool saved = m_plot->savePdf(path);
  for (QCPGraph* graph : stamped) graph->setScatterStyle(stampedDisc(graph->pen().color()));
  return saved;
}

bool GlassPlotView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_plot && event->type() == QEvent::MouseButtonPress) {
    m_pressPos = static_cast<QMouseEvent*>(event)->pos();
  }
  if (watched == m_plot && event->type() == QEvent::MouseButtonRelease) {
    // A click, not the end of a drag: the glass under the pointer, if it has a name.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int found = nearestPoint(mouse->pos());
    if (mouse->button() == Qt::LeftButton &&
        (mouse->pos() - m_pressPos).manhattanLength() <= kClickReach && found >= 0 &&
        !m_points[static_cast<std::size_t>(found)].name.empty()) {
      emit glassClicked(QString::fromStdString(m_points[static_cast<std::size_t>(found)].name),
                        mouse->globalPos());
    }
  }
  if (watched == m_plot && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tooltip = tooltipAt(help->pos());
    if (tooltip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tooltip, m_plot);
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void GlassPlotView::showExportMenu(const QPoint& position) {
  QMenu menu(m_plot);
  menu.addAction(tr("Сохранить как PNG…"));
  QAction* pdf = menu.addAction(tr("Сохранить как PDF…"));
  QAction* chosen = menu.exec(m_plot->mapToGlobal(position));
  if (!chosen) return;
  const bool asPdf = chosen == pdf;
  const QString path = QFileDialog::getSaveFileName(m_plot, tr("Сохранить диаграмму"), QString(),
                                                    asPdf ? "PDF (*.pdf)" : "PNG (*.png)");
  if (path.isEmpty()) return;
  const QString suffix = asPdf ? ".pdf" : ".png";
  const QString file = path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
  if (!saveImage(file)) {
    QMessageBox::critical(m_plot->window(), tr("Ошибка"),
                          tr("Не удалось сохранить файл %1").arg(file));
  }
}

void GlassPlotView::restoreDrawnRanges() {
  m_plot->xAxis->setRange(m_drawnRanges.xMin, m_drawnRanges.xMax);
  m_plot->yAxis->setRange(m_drawnRanges.yMin, m_drawnRanges.yMax);
  m_plot->replot();
}

}  // namespace plot
