// Main window: the ray fans of the selected doublet beside its aberration table.
#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

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
  return plotWidget;
}

void drawFan(GlassPlotView& view, const QString& title, const std::vector<plot::FanCurve>& curves,
             const plot::PlotRanges& ranges) {
  view.clear();
  view.setTitle(title);
  view.setAxisLabels(DQtSynthesis::tr("зрачок ρ"), DQtSynthesis::tr("Δy′ [мм]"));
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
  view.setAxisLabels(QObject::tr("x′ [мкм]"), QObject::tr("y′ [мкм]"));
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
  view.setAxisLabels(QObject::tr("ν [мм⁻¹]"), QObject::tr("ЧКХ"));
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
  m_rayFan = new QWidget(ui->m_W_Selected);
  m_rayFan->setObjectName(QStringLiteral("m_W_RayFan"));
  auto* row = new QHBoxLayout(m_rayFan);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(buildFanPlot("m_qFanAxis", m_rayFan));
  row->addWidget(buildFanPlot("m_qFanField", m_rayFan));
  row->addWidget(buildFanPlot("m_qSpot", m_rayFan));
  row->addWidget(buildFanPlot("m_qMtf", m_rayFan));
  // Under the sketch and the tables, across the panel: the panel scrolls, so more plots of the
  // selected doublet find room in this row.
  ui->gridLayout_3->addWidget(m_rayFan, 2, 0, 1, 3);
  ui->gridLayout_3->setColumnStretch(0, 1);  // the sketch is bounded by height anyway
  ui->gridLayout_3->setRowStretch(2, 1);
  m_rayFan->hide();
}

void DQtSynthesis::showRayFan(const synthesis::DoubletResult& r) {
  synthesis::DoubletAberrations tables;
  QString lost;
  double traced = r.fieldAngle;
  try {
    tables = synthesis::computeDoubletAberrations(r);
    lost = lostZones(tables);
  } catch (const std::exception& e) {
    // Rays that miss the doublet at full field need not cost the axis: trace the largest of
    // the table's field points that passes, down to the axis alone.
    lost = tr("луч не проходит через компонент (%1)").arg(QString::fromUtf8(e.what()));
    if (!traceSmallerField(r, tables, traced)) {
      hideRayFan();  // a doublet the library cannot trace shows no fans rather than stale ones
      return;
    }
  }
  const plot::RayFans fans = plot::rayFans(tables);
  drawFan(*fanView("m_qFanAxis"), tr("На оси"), fans.axis, fans.axisRanges);
  QString title = tr("Полное поле, ω = %1°").arg(formatGeneral(traced));
  if (traced != r.fieldAngle) {
    title = tr("ω = %1° (на %2° лучи потеряны)")
                .arg(formatGeneral(traced), formatGeneral(r.fieldAngle));
  } else if (!lost.isEmpty()) {
    title += tr(": лучи потеряны");
  }
  drawFan(*fanView("m_qFanField"), title,
          traced > 0.0 ? fans.fullField : std::vector<plot::FanCurve>{}, fans.fullFieldRanges);
  const QString note =
      lost.isEmpty()
          ? QString()
          : tr("На поле ω = %1° потеряны лучи: %2").arg(formatGeneral(r.fieldAngle), lost);
  m_rayFan->findChild<QWidget*>(QStringLiteral("m_qFanField"))->setToolTip(note);
  m_rayFan->setStatusTip(note);
  showQuality(r);
  m_rayFan->show();
}

void DQtSynthesis::showQuality(const synthesis::DoubletResult& r) {
  try {
    const plot::QualityPlots quality = plot::qualityPlots(synthesis::computeDoubletQuality(r));
    drawSpots(*fanView("m_qSpot"), quality);
    drawMtf(*fanView("m_qMtf"), quality);
  } catch (const std::exception&) {
    // A doublet whose chief ray is lost has no MTF: no plot rather than a stale one.
    for (const char* name : {"m_qSpot", "m_qMtf"}) {
      fanView(name)->clear();
      fanView(name)->replot();
    }
  }
}

bool DQtSynthesis::traceSmallerField(const synthesis::DoubletResult& r,
                                     synthesis::DoubletAberrations& tables, double& traced) const {
  // The field points of the tables: even steps in the square of the field's tangent.
  const double tanField = std::tan(r.fieldAngle * std::numbers::pi / 180.0);
  for (double step : {0.75, 0.5, 0.25, 0.0}) {
    synthesis::DoubletResult smaller = r;
    smaller.fieldAngle = std::atan(std::sqrt(step) * tanField) * 180.0 / std::numbers::pi;
    try {
      tables = synthesis::computeDoubletAberrations(smaller);
      traced = smaller.fieldAngle;
      return true;
    } catch (const std::exception&) {
      // lost here too: try a smaller field
    }
  }
  return false;
}

plot::GlassPlotView* DQtSynthesis::fanView(const char* name) const {
  return GlassPlotView::of(m_rayFan->findChild<QWidget*>(QLatin1String(name)));
}

QString DQtSynthesis::lostZones(const synthesis::DoubletAberrations& tables) const {
  // A ray lost in the doublet leaves a value that is not finite in the full-field table.
  QStringList zones;
  if (tables.transverse.empty() || tables.transverse[0].empty()) return {};
  const std::vector<double>& rim = tables.transverse[0].back();
  for (std::size_t j = 0; j < rim.size() && j < tables.pupil.size(); ++j) {
    if (!std::isfinite(rim[j])) {
      zones << QStringLiteral("ρ = %1").arg(formatGeneral(tables.pupil[j]));
    }
  }
  return zones.join(QStringLiteral(", "));
}

void DQtSynthesis::hideRayFan() {
  if (!m_rayFan) return;
  for (QWidget* plotWidget :
       m_rayFan->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (GlassPlotView* view = GlassPlotView::of(plotWidget)) {
      view->clear();
      view->replot();
    }
  }
  m_rayFan->hide();
}
