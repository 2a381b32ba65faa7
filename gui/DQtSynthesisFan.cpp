// Main window: the ray fans of the selected doublet beside its aberration table.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <algorithm>
#include <iterator>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
#include "gui/plot/GlassPlotView.h"
#include "gui/plot/QualityPlotData.h"
#include "gui/plot/RayFanData.h"
#include "synthesis/doublet_aberrations.h"
#include "synthesis/doublet_quality.h"
#include "ui_DQtSynthesis.h"

namespace {

using plot::GlassPlotView;

// Curve colours of λ0, λmin and λmax; further wavelengths reuse the last.
const QColor kFanColours[] = {QColor(0, 150, 0), QColor(0, 0, 220), QColor(220, 0, 0)};

QWidget* buildFanPlot(const char* name, QWidget* parent) {
  QWidget* plotWidget = GlassPlotView::createPlotWidget(parent);
  plotWidget->setObjectName(QLatin1String(name));
  plotWidget->setMinimumSize(200, 150);
  plotWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  GlassPlotView::of(plotWidget)
      ->setAxisLabels(QStringLiteral("зрачок ρ"), QStringLiteral("Δy′ [мм]"));
  return plotWidget;
}

void drawFan(GlassPlotView& view, const QString& title, const std::vector<plot::FanCurve>& curves,
             const plot::PlotRanges& ranges) {
  view.clear();
  view.setTitle(title);
  for (std::size_t w = 0; w < curves.size(); ++w) {
    const QColor& colour = kFanColours[std::min<std::size_t>(w, std::size(kFanColours) - 1)];
    view.addCurve(curves[w].points, colour, QString::fromStdString(curves[w].name));
  }
  view.setRanges(ranges, false);
  view.replot();
}

// Spots per wavelength with the Airy circles (dashed), fields side by side.
void drawSpots(GlassPlotView& view, const plot::QualityPlots& plots) {
  view.clear();
  view.setTitle(QObject::tr("Пятно рассеяния: ось, 0,7 и полное поле"));
  for (std::size_t w = 0; w < plots.spots.size(); ++w) {
    const QColor& colour = kFanColours[std::min<std::size_t>(w, std::size(kFanColours) - 1)];
    view.addScatter(plots.spots[w].points, colour, QString::fromStdString(plots.spots[w].name));
  }
  for (const auto& half : plots.airyHalves) view.addLine(half, QPen(Qt::black, 1, Qt::DashLine));
  view.setRanges(plots.spotRanges, false);
  view.replot();
}

// Polychromatic T and S per field; the diffraction limit dashed.
void drawMtf(GlassPlotView& view, const plot::QualityPlots& plots) {
  static const QColor kFieldColours[] = {QColor(0, 150, 0), QColor(0, 0, 220), QColor(220, 0, 0)};
  view.clear();
  view.setTitle(QObject::tr("ЧКХ (полихроматическая)"));
  for (std::size_t k = 0; k < plots.mtf.size(); ++k) {
    const QColor& colour =
        kFieldColours[std::min<std::size_t>(k / 2, std::size(kFieldColours) - 1)];
    view.addCurve(plots.mtf[k].points, k % 2 == 0 ? colour : colour.lighter(150),
                  QString::fromStdString(plots.mtf[k].name));
  }
  view.addLine(plots.diffractionLimit, QPen(Qt::black, 1, Qt::DashLine));
  view.setRanges(plots.mtfRanges, false);
  view.replot();
}

}  // namespace

void DQtSynthesis::setupRayFan() {
  m_rayFan = new QWidget(ui->groupBox_3);
  m_rayFan->setObjectName(QStringLiteral("m_W_RayFan"));
  // The fans on one page, the spot diagram and the MTF on the other: the window keeps its size.
  auto* tabs = new QTabWidget(m_rayFan);
  tabs->setObjectName(QStringLiteral("m_TW_Plots"));
  auto* fanPage = new QWidget(tabs);
  auto* fanRow = new QHBoxLayout(fanPage);
  fanRow->setContentsMargins(0, 0, 0, 0);
  fanRow->addWidget(buildFanPlot("m_qFanAxis", m_rayFan));
  fanRow->addWidget(buildFanPlot("m_qFanField", m_rayFan));
  auto* qualityPage = new QWidget(tabs);
  auto* qualityRow = new QHBoxLayout(qualityPage);
  qualityRow->setContentsMargins(0, 0, 0, 0);
  qualityRow->addWidget(buildFanPlot("m_qSpot", m_rayFan));
  qualityRow->addWidget(buildFanPlot("m_qMtf", m_rayFan));
  tabs->addTab(fanPage, tr("Аберрации лучей"));
  tabs->addTab(qualityPage, tr("Пятно и ЧКХ"));
  auto* row = new QHBoxLayout(m_rayFan);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(tabs);
  GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qSpot"))
      ->setAxisLabels(QStringLiteral("x′ [мкм]"), QStringLiteral("y′ [мкм]"));
  GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qMtf"))
      ->setAxisLabels(QStringLiteral("ν [мм⁻¹]"), QStringLiteral("ЧКХ"));
  // Beside the aberration table rather than under it: the group has width to spare, while
  // another row would push the window beyond a 1600 × 1000 screen.
  ui->gridLayout_3->addWidget(m_rayFan, 0, 3, 2, 1);
  ui->gridLayout_3->setAlignment(ui->m_PB_ZMX, Qt::AlignRight);
  ui->gridLayout_3->setColumnStretch(0, 1);  // the sketch is bounded by height anyway
  ui->gridLayout_3->setColumnStretch(3, 2);
  m_rayFan->hide();
}

void DQtSynthesis::showRayFan(const synthesis::DoubletResult& r) {
  try {
    const plot::RayFans fans = plot::rayFans(synthesis::computeDoubletAberrations(r));
    GlassPlotView* axis = GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qFanAxis"));
    GlassPlotView* field = GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qFanField"));
    drawFan(*axis, QStringLiteral("На оси"), fans.axis, fans.axisRanges);
    drawFan(*field, QStringLiteral("Полное поле, ω = %1°").arg(formatGeneral(fans.fullFieldAngle)),
            fans.fullField, fans.fullFieldRanges);
    const plot::QualityPlots quality = plot::qualityPlots(synthesis::computeDoubletQuality(r));
    drawSpots(*GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qSpot")), quality);
    drawMtf(*GlassPlotView::of(m_rayFan->findChild<QWidget*>("m_qMtf")), quality);
    m_rayFan->show();
  } catch (...) {
    // A doublet the library cannot trace shows no fans rather than stale ones.
    hideRayFan();
  }
}

void DQtSynthesis::hideRayFan() {
  if (!m_rayFan) return;
  for (QWidget* plotWidget : m_rayFan->findChildren<QWidget*>()) {
    if (GlassPlotView* view = GlassPlotView::of(plotWidget)) {
      view->clear();
      view->replot();
    }
  }
  m_rayFan->hide();
}
