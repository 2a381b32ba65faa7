// Image quality and refinement of synthesised doublets: the judgement every row gets, the
// refinement by real rays of each of the 16 default rows on SCHOTT_20180601, the MTF of the
// selected doublet, and the whole calculation with refinement on seven makers' merged catalogs.

#include <benchmark/benchmark.h>

#include <array>
#include <numbers>
#include <string>
#include <vector>

#include "synthesis/doublet_calculation.h"
#include "synthesis/doublet_quality.h"
#include "zelt_api/zelt_api.h"

namespace {

const std::string kCatalogs = std::string(ZELT_TEST_DATA) + "/catalogs/";

const std::array<const char*, 7> kSevenMakers{
    "SCHOTT.AGF",      "OHARA.agf",           "HOYA20220711_include_obsolete.agf",
    "CDGM_201904.AGF", "SUMITA_20200803.agf", "NIKON-HIKARI.agf",
    "NHG.agf"};

synthesis::CalculationInputs sixteenRows(bool refine) {
  synthesis::CalculationInputs in;
  in.pairCount = 16;
  in.refine = refine;
  return in;
}

// The 16 designed (unrefined) rows of the defaults on SCHOTT_20180601.
const std::vector<synthesis::DoubletResult>& schottRows() {
  static const std::vector<synthesis::DoubletResult> rows = [] {
    synthesis::DoubletSynthesis core;
    core.catalogPath = kCatalogs + "SCHOTT_20180601.agf";
    core.readAgfCatalog();
    synthesis::runCalculation(core, sixteenRows(false));
    return core.results;
  }();
  return rows;
}

// Spot RMS on axis and at full field, wavefront and Strehl of a doublet already built.
void BM_QualityMetrics(benchmark::State& state) {
  const synthesis::DoubletResult& row = schottRows()[0];
  row.buildDoublet();
  ZELT_Throw_On_Error(ZELT_Object_Set_Size(-row.fieldAngle * std::numbers::pi / 180.0));
  ZELT_Throw_On_Error(ZELT_Calc_Paraxial());
  for (auto _ : state) ZELT_Throw_On_Error(ZELT_Quality_Calc({0.0, 1.0}));
}
BENCHMARK(BM_QualityMetrics)->Unit(benchmark::kMicrosecond);

// What the core adds to every row: build the doublet in the library and judge it.
void BM_JudgeRow(benchmark::State& state) {
  synthesis::DoubletResult row = schottRows()[0];
  for (auto _ : state) row.judgeImage();
}
BENCHMARK(BM_JudgeRow)->Unit(benchmark::kMicrosecond);

// Refinement of row `range(0)` from its design, with the judgements before and after.
void BM_RefineRow(benchmark::State& state) {
  const synthesis::DoubletResult& designed = schottRows()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    synthesis::DoubletResult row = designed;
    row.refineImage(0.0);
    benchmark::DoNotOptimize(row.rmsAxis);
  }
}
BENCHMARK(BM_RefineRow)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);

// Spot diagrams and MTF curves (3 fields × 3 wavelengths and polychromatic) of one doublet.
void BM_SelectedDoubletMtf(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(synthesis::computeDoubletQuality(schottRows()[0]));
}
BENCHMARK(BM_SelectedDoubletMtf)->Unit(benchmark::kMillisecond);

// The window's calculation with refinement on: 16 rows from seven makers' merged catalogs.
void BM_CalculateRefinedSevenMakers(benchmark::State& state) {
  synthesis::DoubletSynthesis core;
  for (const char* file : kSevenMakers) {
    core.catalogPath = kCatalogs + file;
    core.readAgfCatalog();
  }
  for (auto _ : state) synthesis::runCalculation(core, sixteenRows(true));
  state.counters["rows"] = static_cast<double>(core.results.size());
}
BENCHMARK(BM_CalculateRefinedSevenMakers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
