#include "gui/plot/GlassPlotView.h"

#include <qcustomplot.h>
#include <QFileDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QToolTip>
#include <cmath>

namespace plot {
namespace {

constexpr int kDiscSize = 10;
constexpr int kLabelPointSize = 12;
constexpr double kTooltipReach = 6.0;  // pixels from a disc's centre
constexpr int kCurveMarkSize = 4;
constexpr int kLegendPointSize = 8;

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
  const QCPRange x = m_plot->xAxis->range();
  const QCPRange y = m_plot->yAxis->range();
  m_drawnRanges = {x.lower, x.upper, y.lower, y.upper};
}

void GlassPlotView::clear() {
  m_plot->clearGraphs();
  for (std::size_t i = 0; i < m_labelsShown; ++i) m_labels[i]->setVisible(false);
  m_labelsShown = 0;
  m_points.clear();
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
  m_plot->xAxis->setRange(ranges.xMin, ranges.xMax);
  m_plot->xAxis->setRangeReversed(reversedX);
  m_plot->yAxis->setRange(ranges.yMin, ranges.yMax);
  m_drawnRanges = ranges;
}

void GlassPlotView::addSeries(const GlassSeries& series, const QColor& colour) {
  QCPGraph* graph = m_plot->addGraph();
  graph->setData(xsOf(series.points), ysOf(series.points));
  graph->setPen(QPen(colour));
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, kDiscSize));
  const QFont font(m_plot->window()->font().family(), kLabelPointSize);
  for (std::size_t i = 0; i < series.points.size(); ++i) {
    QCPItemText* label = nextLabel();
    label->position->setCoords(series.points[i].x, series.points[i].y);
    label->setText(QString::fromStdString(series.names[i]));
    label->setFont(font);
    label->setColor(colour);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_points.push_back({series.points[i], QString::fromStdString(series.tooltips[i])});
  }
}

void GlassPlotView::addLine(const std::vector<PlotPoint>& points, const QPen& pen) {
  QCPGraph* graph = m_plot->addGraph();
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

QString GlassPlotView::tooltipAt(const QPoint& pixel) const {
  double nearest = kTooltipReach;
  QString tooltip;
  for (const LabelledPoint& p : m_points) {
    const double dx = m_plot->xAxis->coordToPixel(p.point.x) - pixel.x();
    const double dy = m_plot->yAxis->coordToPixel(p.point.y) - pixel.y();
    const double distance = std::hypot(dx, dy);
    if (distance <= nearest) {
      nearest = distance;
      tooltip = p.tooltip;
    }
  }
  return tooltip;
}

bool GlassPlotView::saveImage(const QString& path) {
  if (path.endsWith(".pdf", Qt::CaseInsensitive)) return m_plot->savePdf(path);
  return m_plot->savePng(path);
}

bool GlassPlotView::eventFilter(QObject* watched, QEvent* event) {
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
  menu.addAction("Сохранить как PNG…");
  QAction* pdf = menu.addAction("Сохранить как PDF…");
  QAction* chosen = menu.exec(m_plot->mapToGlobal(position));
  if (!chosen) return;
  const bool asPdf = chosen == pdf;
  const QString path = QFileDialog::getSaveFileName(m_plot, "Сохранить диаграмму", QString(),
                                                    asPdf ? "PDF (*.pdf)" : "PNG (*.png)");
  if (path.isEmpty()) return;
  const QString suffix = asPdf ? ".pdf" : ".png";
  const QString file = path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
  if (!saveImage(file)) {
    QMessageBox::critical(m_plot->window(), "Ошибка: ", "Не удалось сохранить файл " + file);
  }
}

void GlassPlotView::restoreDrawnRanges() {
  m_plot->xAxis->setRange(m_drawnRanges.xMin, m_drawnRanges.xMax);
  m_plot->yAxis->setRange(m_drawnRanges.yMin, m_drawnRanges.yMax);
  m_plot->replot();
}

}  // namespace plot
