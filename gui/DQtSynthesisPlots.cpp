// Main window: glass diagrams and nomograms of the loaded catalog.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <array>

#include "gui/DQtSynthesis.h"
#include "gui/plot/GlassPlotView.h"
#include "gui/plot/PlotTable.h"
#include "ui_DQtSynthesis.h"

namespace {

using plot::GlassPlotView;
using plot::PlotDescription;
using plot::PlotKind;
using plot::PlotRanges;

// Point colours of the five statuses, the text colours of their filter switches.
const std::array<QColor, synthesis::kGlassStatusCount>& statusColours() {
  static const std::array<QColor, synthesis::kGlassStatusCount> kColours{
      QColor(0, 0, 0), QColor(128, 0, 64), QColor(255, 128, 0), QColor(128, 0, 255),
      QColor(128, 128, 128)};
  return kColours;
}

const QColor kChosenColour(0, 0, 255);
const QPen kLineBetweenPen(QColor(0, 0, 255, 100), 6);
const QPen kLineFromOriginPen(QColor(0, 255, 0, 100), 6);
const QPen kNormalLinePen(QColor(60, 60, 60), 1.5, Qt::DashLine);

template <class Widget>
Widget* child(const QObject& window, const char* name) {
  return window.findChild<Widget*>(QLatin1String(name));
}

GlassPlotView* viewOf(const QObject& window, const PlotDescription& plot) {
  return GlassPlotView::of(child<QWidget>(window, plot.plot));
}

std::array<QLineEdit*, 4> rangeFields(const QObject& window, const PlotDescription& plot) {
  std::array<QLineEdit*, 4> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = child<QLineEdit>(window, plot.rangeFields[i]);
  }
  return fields;
}

// Builds the group of a plot the form does not hold: plot, auto switch and four range fields,
// laid out like the groups of the form.
QGroupBox* buildPlotGroup(const PlotDescription& plot, const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QLatin1String(plot.group));
  auto* grid = new QGridLayout(group);
  QWidget* plotWidget = GlassPlotView::createPlotWidget(group);
  plotWidget->setObjectName(QLatin1String(plot.plot));
  plotWidget->setMinimumSize(150, 150);
  plotWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  grid->addWidget(plotWidget, 0, 0, 1, 4);
  auto* automatic = new QCheckBox(QStringLiteral("Автоматическое вычисление "), group);
  automatic->setObjectName(QLatin1String(plot.autoSwitch));
  automatic->setChecked(true);
  grid->addWidget(automatic, 1, 0, 1, 4);
  const char* const labels[] = {"Min X", "Max X", "Min Y", "Max Y"};
  for (int i = 0; i < 4; ++i) {
    auto* field = new QLineEdit(QLatin1String(plot.defaultRanges[i]), group);
    field->setObjectName(QLatin1String(plot.rangeFields[i]));
    grid->addWidget(new QLabel(QLatin1String(labels[i]), group), 2 + i / 2, (i % 2) * 2);
    grid->addWidget(field, 2 + i / 2, (i % 2) * 2 + 1);
  }
  return group;
}

}  // namespace

void DQtSynthesis::setupPlots() {
  // The partial-dispersion diagram for apochromatic pairs: off until its switch is checked.
  const PlotDescription& pgf = plot::plotTable()[plot::PartialDispersion];
  auto* display = new QCheckBox(QStringLiteral("Диаграмма частных дисперсий Pg,F"), ui->groupBox_5);
  display->setObjectName(QLatin1String(pgf.displaySwitch));
  ui->gridLayout_7->addWidget(display, 5, 0);
  QGroupBox* group =
      buildPlotGroup(pgf, QStringLiteral("Относительная частная дисперсия Pg,F"), ui->tab_2);
  ui->gridLayout_12->addWidget(group, 3, 5);
  group->hide();
  for (const PlotDescription& d : plot::plotTable()) {
    viewOf(*this, d);  // pan, zoom, tooltips and the export menu from the start
    for (QLineEdit* field : rangeFields(*this, d)) field->setValidator(m_validator);
  }
}

void DQtSynthesis::fillPlotData() {
  const plot::SpectralLines lines = selectedLines();
  plot::fillPlotData(m_plotData, m_synthesis.catalog, lines);
}

void DQtSynthesis::OnDrawNomo() {
  // The diagrams follow the lines chosen now, as the search a designer just ran does.
  fillPlotData();
  const bool all = ui->m_CB_Draw_All_Glasses->isChecked();
  const bool chosen = ui->m_CB_Draw_Mark_Glasses->isChecked();
  for (const PlotDescription& d : plot::plotTable()) {
    auto* group = child<QWidget>(*this, d.group);
    const auto* display = child<QCheckBox>(*this, d.displaySwitch);
    const auto* automatic = child<QCheckBox>(*this, d.autoSwitch);
    const auto fields = rangeFields(*this, d);
    if (!group || !display || !automatic) continue;
    group->setVisible(display->isChecked());
    if (!display->isChecked()) continue;
    std::array<double, 4> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = fields[i] ? readNumber(fields[i]) : 0.0;
    // The status switches are read where the points are drawn, so no status is passed on.
    OnDrawNomo_All(d.kind, 0, all, chosen, automatic->isChecked(), r[0], r[1], r[2], r[3]);
    if (!automatic->isChecked()) continue;
    for (std::size_t i = 0; i < r.size(); ++i) {
      if (fields[i]) fields[i]->setText(QStringLiteral("%1").arg(r[i], 0, 'g', 6));
    }
  }
}

plot::GlassFilter DQtSynthesis::plotFilter() const {
  plot::GlassFilter filter;
  filter.indexOn = ui->m_CB_filter_n->isChecked();
  filter.nMin = readNumber(ui->m_LE_filter_nmin);
  filter.nMax = readNumber(ui->m_LE_filter_nmax);
  filter.abbeOn = ui->m_CB_filter_abbe->isChecked();
  filter.abbeMin = readNumber(ui->m_LE_filter_abbemin);
  filter.abbeMax = readNumber(ui->m_LE_filter_abbemax);
  return filter;
}

void DQtSynthesis::OnDrawNomo_All(int temp, int /*Status*/, bool ch_all, bool ch_choosen,
                                  bool bAuto, double& XMin_p, double& XMax_p, double& YMin_p,
                                  double& YMax_p) {
  if (temp < 0 || temp >= plot::kPlotKindCount) return;
  const PlotDescription& d = plot::plotTable()[static_cast<std::size_t>(temp)];
  GlassPlotView* view = viewOf(*this, d);
  if (!view) return;
  view->setAxisLabels(QString::fromUtf8(d.xLabel), QString::fromUtf8(d.yLabel));
  PlotRanges ranges{XMin_p, XMax_p, YMin_p, YMax_p};
  if (ch_all) drawAllGlasses(*view, d, bAuto, ranges);
  if (ch_choosen) drawChosenGlasses(*view, d, !ch_all, bAuto, ranges);
  if (!ch_all && !ch_choosen) view->clear();
  view->replot();
  XMin_p = ranges.xMin;
  XMax_p = ranges.xMax;
  YMin_p = ranges.yMin;
  YMax_p = ranges.yMax;
}

void DQtSynthesis::drawAllGlasses(GlassPlotView& view, const PlotDescription& d, bool bAuto,
                                  PlotRanges& ranges) {
  const plot::StatusSeries series = plot::statusSeries(m_plotData, d.kind, plotFilter());
  view.clear();
  if (bAuto) plot::autoRange(series.accepted, ranges);
  view.setRanges(ranges, d.reversedX);
  addNormalLine(view, d, ranges);
  const auto switches = statusSwitches();
  for (std::size_t s = 0; s < series.byStatus.size(); ++s) {
    if (switches[s]->isChecked()) view.addSeries(series.byStatus[s], statusColours()[s]);
  }
}

void DQtSynthesis::drawChosenGlasses(GlassPlotView& view, const PlotDescription& d, bool alone,
                                     bool bAuto, PlotRanges& ranges) {
  // A row whose doublet cannot be found draws no pair and says nothing.
  const synthesis::DoubletResult* result = selectedResult();
  if (!result) return;
  const plot::GlassSeries chosen = plot::chosenSeries(
      m_plotData, d.kind, result->glass1.shownName(), result->glass2.shownName());
  if (alone) {
    view.clear();
    if (bAuto) plot::autoRange(chosen.points, ranges);
    view.setRanges(ranges, d.reversedX);
    addNormalLine(view, d, ranges);
  }
  view.addSeries(chosen, kChosenColour);
  if (chosen.points.size() != 2) return;
  const plot::ConstructionLines lines =
      plot::constructionLines(d.kind, chosen.points[0], chosen.points[1], ranges.xMin, ranges.xMax,
                              ui->m_CB_Line2->isChecked(), ui->m_CB_Line0->isChecked());
  if (!lines.between.empty()) view.addLine(lines.between, kLineBetweenPen);
  for (const auto& segment : lines.fromOrigin) view.addLine(segment, kLineFromOriginPen);
}

void DQtSynthesis::addNormalLine(GlassPlotView& view, const PlotDescription& d,
                                 const PlotRanges& ranges) {
  if (d.kind != plot::PartialDispersion) return;
  const auto reference = plot::normalLineGlasses(m_plotData);
  if (!reference) return;
  const auto line = plot::lineThrough(plot::glassCoordinates(m_plotData, reference->first, d.kind),
                                      plot::glassCoordinates(m_plotData, reference->second, d.kind),
                                      ranges.xMin, ranges.xMax);
  if (!line.empty()) view.addLine(line, kNormalLinePen);
}
