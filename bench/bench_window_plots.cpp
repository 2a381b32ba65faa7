// The window's "Перерисовать" on the merged seven-maker catalog, offscreen: every plot on, every
// status and no range filter, so that every glass is drawn in all six plots.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <memory>

#include "gui/DQtSynthesis.h"
#include "gui/plot/GlassPlotView.h"
#include "gui/plot/PlotTable.h"

namespace {

const QString kCatalogs = QStringLiteral(ZELT_TEST_DATA "/catalogs/");

// Closes the message boxes a catalog load may raise (glasses without values at the lines).
void answerModalsFromNowOn() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
  timer->start(10);
}

void check(DQtSynthesis& w, const char* name, bool on) {
  if (auto* box = w.findChild<QCheckBox*>(QLatin1String(name))) box->setChecked(on);
}

// The window lives inside main, so that it goes before the application object.
DQtSynthesis* sevenMakers = nullptr;

std::unique_ptr<DQtSynthesis> makeSevenMakersWindow() {
  answerModalsFromNowOn();
  auto w = std::make_unique<DQtSynthesis>();
  for (const char* file :
       {"SCHOTT.AGF", "OHARA.agf", "HOYA20220711_include_obsolete.agf", "CDGM_201904.AGF",
        "SUMITA_20200803.agf", "NIKON-HIKARI.agf", "NHG.agf"}) {
    w->loadCatalog(kCatalogs + QLatin1String(file));
  }
  for (const auto& d : plot::plotTable()) check(*w, d.displaySwitch, true);
  for (const char* status : {"m_CB_Status_Standard", "m_CB_Status_Preferred",
                             "m_CB_Status_Obsolete", "m_CB_Status_Special", "m_CB_Status_Melt"}) {
    check(*w, status, true);
  }
  check(*w, "m_CB_filter_n", false);
  check(*w, "m_CB_filter_abbe", false);
  w->show();
  w->resize(2514, 1387);
  w->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
  return w;
}

// Runs "Перерисовать" the plain way (every name beside its point, every disc rasterised) or
// the window's way (names placed only where they cover no other name, discs stamped); both in
// one run, side by side.
void redrawEveryPlot(benchmark::State& state, bool placedNames) {
  DQtSynthesis& w = *sevenMakers;
  for (const auto& d : plot::plotTable()) {
    auto* view = plot::GlassPlotView::of(w.findChild<QWidget*>(QLatin1String(d.plot)));
    if (view) view->setPlainDrawing(!placedNames);
  }
  auto* button = w.findChild<QPushButton*>(QStringLiteral("m_PB_Graph_Draw"));
  for (auto _ : state) button->click();
  auto* abbe = plot::GlassPlotView::of(w.findChild<QWidget*>(QStringLiteral("m_Graph_Abbe")));
  state.counters["glasses"] = static_cast<double>(w.core().catalog.size());
  state.counters["names_per_plot"] = abbe ? abbe->itemCount() : 0;
}
BENCHMARK_CAPTURE(redrawEveryPlot, plain_way, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redrawEveryPlot, window_way, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  const auto window = makeSevenMakersWindow();
  sevenMakers = window.get();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
