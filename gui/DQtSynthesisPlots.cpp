// Main window: glass diagrams and nomograms of the loaded catalog.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <array>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
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
const QColor kBorderColour(90, 90, 90);
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
QGroupBox* buildPlotGroup(const PlotDescription& plot, QWidget* parent) {
  auto* group = new QGroupBox(parent);
  group->setObjectName(QLatin1String(plot.group));
  auto* grid = new QGridLayout(group);
  QWidget* plotWidget = GlassPlotView::createPlotWidget(group);
  plotWidget->setObjectName(QLatin1String(plot.plot));
  plotWidget->setMinimumSize(150, 150);
  plotWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  grid->addWidget(plotWidget, 0, 0, 1, 4);
  auto* automatic = new QCheckBox(group);
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
  auto* display = new QCheckBox(ui->groupBox_5);
  display->setObjectName(QLatin1String(pgf.displaySwitch));
  ui->gridLayout_7->addWidget(display, 5, 0);
  QGroupBox* group = buildPlotGroup(pgf, ui->m_W_Diagrams);
  ui->gridLayout_12->addWidget(group, 2, 1);
  group->hide();
  retranslatePlots();
  for (const PlotDescription& d : plot::plotTable()) {
    // Pan, zoom, tooltips and the export menu from the start; the range fields follow the axes.
    GlassPlotView* view = viewOf(*this, d);
    const auto fields = rangeFields(*this, d);
    connect(view, &GlassPlotView::rangesChangedByUser, this, [fields](const PlotRanges& r) {
      const double values[] = {r.xMin, r.xMax, r.yMin, r.yMax};
      for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]) fields[i]->setText(formatGeneral(values[i]));
      }
    });
    connect(view, &GlassPlotView::glassClicked, this, &DQtSynthesis::offerGlass);
    // A switch takes effect at once; typed ranges wait for "Перерисовать".
    for (const char* name : {d.displaySwitch, d.autoSwitch}) {
      connect(child<QCheckBox>(*this, name), &QCheckBox::toggled, this, &DQtSynthesis::redrawPlots);
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (!fields[i]) continue;
      fields[i]->setValidator(m_validator);
      fields[i]->setText(QLatin1String(d.defaultRanges[i]));
    }
  }
  const std::initializer_list<QCheckBox*> switches = {
      ui->m_CB_Draw_All_Glasses, ui->m_CB_Draw_Mark_Glasses, ui->m_CB_Line2,     ui->m_CB_Line0,
      ui->m_CB_filter_n,         ui->m_CB_filter_abbe,       ui->m_CB_CostColour};
  for (QCheckBox* box : switches) {
    connect(box, &QCheckBox::toggled, this, &DQtSynthesis::redrawPlots);
  }
  for (QCheckBox* box : statusSwitches()) {
    connect(box, &QCheckBox::toggled, this, &DQtSynthesis::redrawPlots);
  }
}

void DQtSynthesis::redrawPlots() {
  if (m_synthesis.catalog.empty()) return;
  try {
    OnDrawNomo();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void DQtSynthesis::offerGlass(const QString& name, const QPoint& globalPos) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("m_M_ChooseGlass"));
  QAction* first = menu.addAction(tr("Стекло 1"));
  menu.addAction(tr("Стекло 2"));
  const QAction* picked = menu.exec(globalPos);
  if (picked) setChosenGlass(name, picked == first ? 1 : 2);
}

void DQtSynthesis::setChosenGlass(const QString& name, int lens) {
  // The first glass alone searches partners for it; with the second the pair is calculated.
  QComboBox* box = lens == 1 ? ui->m_CB_Glass_1 : ui->m_CB_Glass_2;
  const int index = box->findText(name);
  if (index < 0) return;
  box->setCurrentIndex(index);
  if (lens == 2) {
    ui->m_RB_Calc_Pair->setChecked(true);
  } else if (ui->m_RB_Calc_All->isChecked()) {
    ui->m_RB_Calc_One->setChecked(true);
  }
  OnChooseGlasses();
}

void DQtSynthesis::retranslatePlots() {
  // The partial-dispersion plot is built here, not in the form: its texts are set here too.
  const PlotDescription& pgf = plot::plotTable()[plot::PartialDispersion];
  child<QCheckBox>(*this, pgf.displaySwitch)->setText(tr("Диаграмма частных дисперсий Pg,F"));
  child<QGroupBox>(*this, pgf.group)->setTitle(tr("Относительная частная дисперсия Pg,F"));
  child<QCheckBox>(*this, pgf.autoSwitch)->setText(tr("Автоматическое вычисление"));
}

void DQtSynthesis::fillPlotData() {
  // The per-glass values change with the lines and the loaded catalogs only; a switch or a
  // zoom redraws from those already computed.
  const plot::SpectralLines lines = selectedLines();
  const QString key = QStringLiteral("%1 %2 %3|%4|")
                          .arg(lines.main)
                          .arg(lines.min)
                          .arg(lines.max)
                          .arg(m_synthesis.catalog.size()) +
                      m_catalogPaths.join(QLatin1Char('|'));
  if (key == m_plotDataKey) return;
  plot::fillPlotData(m_plotData, m_synthesis.catalog, lines);
  m_plotDataKey = key;
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
      if (fields[i]) fields[i]->setText(formatGeneral(r[i]));
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
  view->clear();
  // With no row selected the chosen-glass layer is simply empty.
  const synthesis::DoubletResult* result = ch_choosen ? selectedResult() : nullptr;
  const plot::GlassSeries chosen =
      result ? plot::chosenSeries(m_plotData, d.kind, result->glass1.shownName(),
                                  result->glass2.shownName())
             : plot::GlassSeries{};
  const plot::StatusSeries series =
      ch_all ? plot::statusSeries(m_plotData, d.kind, plotFilter()) : plot::StatusSeries{};
  if (bAuto) plot::robustRange(series.accepted, chosen.points, ranges);
  view->setRanges(ranges, d.reversedX);
  addNormalLine(*view, d, ranges);
  if (ch_all) {
    drawAllGlasses(*view, series, ranges, d.kind == plot::Abbe && ui->m_CB_CostColour->isChecked());
  }
  if (!chosen.points.empty()) drawChosenGlasses(*view, d, chosen, ranges);
  view->replot();
  XMin_p = ranges.xMin;
  XMax_p = ranges.xMax;
  YMin_p = ranges.yMin;
  YMax_p = ranges.yMax;
}

void DQtSynthesis::drawAllGlasses(GlassPlotView& view, const plot::StatusSeries& series,
                                  const PlotRanges& ranges, bool byCost) {
  // Glasses beyond the ranges sit on the border as markers, still with their tooltips.
  const auto switches = statusSwitches();
  plot::GlassSeries outside;
  plot::GlassSeries inside;
  for (std::size_t s = 0; s < series.byStatus.size(); ++s) {
    if (!switches[s]->isChecked()) continue;
    plot::BorderSplit split = plot::splitAtBorder(series.byStatus[s], ranges);
    if (byCost) {
      inside.append(split.inside);
    } else {
      view.addSeries(split.inside, statusColours()[s]);
    }
    outside.append(split.border);
  }
  if (byCost) view.addCostSeries(plot::costSeries(m_plotData, inside));
  view.addBorderMarkers(outside, kBorderColour);
}

void DQtSynthesis::drawChosenGlasses(GlassPlotView& view, const PlotDescription& d,
                                     const plot::GlassSeries& chosen, const PlotRanges& ranges) {
  view.addSeries(chosen, kChosenColour, true);
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
