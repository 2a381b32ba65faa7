// What a user of the window waits for, offscreen: seven makers' catalogs loaded one after
// another, and "Вычислить" on the merged catalog with every glass status admitted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <array>

#include "gui/DQtSynthesis.h"

namespace {

const QString kCatalogs = QStringLiteral(ZELT_TEST_DATA "/catalogs/");
const std::array<const char*, 7> kSevenMakers{
    "SCHOTT.AGF",      "OHARA.agf",           "HOYA20220711_include_obsolete.agf",
    "CDGM_201904.AGF", "SUMITA_20200803.agf", "NIKON-HIKARI.agf",
    "NHG.agf"};

/// Closes a message box as soon as it opens (a glass left out of the diagrams warns once).
void closeBoxesWhenShown(QTimer& timer) {
  QObject::connect(&timer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  timer.start(1);
}

void loadSeven(DQtSynthesis& window) {
  for (const char* file : kSevenMakers) window.loadCatalog(kCatalogs + file);
}

void BM_LoadSevenCatalogs(benchmark::State& state) {
  QTimer timer;
  closeBoxesWhenShown(timer);
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<DQtSynthesis>();
    state.ResumeTiming();
    loadSeven(*window);
    state.PauseTiming();
    state.counters["glasses"] = double(window->core().catalog.size());
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadSevenCatalogs)->Unit(benchmark::kMillisecond);

void BM_CalculateAllStatuses(benchmark::State& state) {
  QTimer timer;
  closeBoxesWhenShown(timer);
  DQtSynthesis window;
  loadSeven(window);
  for (const char* name : {"m_CB_Status_Standard", "m_CB_Status_Preferred", "m_CB_Status_Obsolete",
                           "m_CB_Status_Special", "m_CB_Status_Melt"}) {
    window.findChild<QCheckBox*>(QLatin1String(name))->setChecked(true);
  }
  auto* calc = window.findChild<QPushButton*>(QStringLiteral("m_PB_Calc"));
  for (auto _ : state) calc->click();
  state.counters["rows"] =
      window.findChild<QTableWidget*>(QStringLiteral("m_TW_ResTable"))->rowCount();
}
BENCHMARK(BM_CalculateAllStatuses)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
