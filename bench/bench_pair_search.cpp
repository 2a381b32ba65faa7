// Glass-pair search: the fast search against the literal one, on one maker's catalog and on
// seven makers' catalogs read into one; with the design (and tracing) of every doublet found.
// Reports the heap peak of each run: every allocation of this program is counted.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "synthesis/doublet_synthesis.h"
#include "synthesis/reference/literal_search.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void countAllocation(std::size_t size) {
  const std::size_t now = liveBytes.fetch_add(size) + size;
  std::size_t peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

// Every block carries its size in front of it, so that the live total can be kept exactly.
void* operator new(std::size_t size) {
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (!block) throw std::bad_alloc();
  *block = size;
  countAllocation(size);
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void operator delete(void* p) noexcept {
  if (!p) return;
  auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
  liveBytes.fetch_sub(*block);
  std::free(block);
}

void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace {

using synthesis::DoubletSynthesis;

const std::string kCatalogs = std::string(ZELT_TEST_DATA) + "/catalogs/";

DoubletSynthesis loadCore(const std::vector<std::string>& files) {
  DoubletSynthesis core;  // default lines: e, F', C'
  for (const auto& file : files) {
    core.catalogPath = kCatalogs + file;
    core.readAgfCatalog();
  }
  return core;
}

DoubletSynthesis& schott() {
  static DoubletSynthesis core = loadCore({"SCHOTT.AGF"});
  return core;
}

DoubletSynthesis& sevenMakers() {
  static DoubletSynthesis core =
      loadCore({"SCHOTT.AGF", "OHARA.agf", "HOYA20220711_include_obsolete.agf", "CDGM_201904.AGF",
                "SUMITA_20200803.agf", "NIKON-HIKARI.agf", "NHG.agf"});
  return core;
}

constexpr synthesis::StatusFlags kAllStatuses{true, true, true, true, true};
constexpr synthesis::FilterRanges kNoRanges{0, 0, 0, 0};
constexpr int kCount = 1;  // 4 pairs for analysis, the window's default

// Gives the results the main window's thicknesses, pupil, lines and field, then designs them.
void design(DoubletSynthesis& core) {
  core.prepareDesigns(synthesis::DesignInputs{});
  core.computeDesigns(100.0, core.lambda0, 0.0);
}

template <class Search>
void runSearch(benchmark::State& state, DoubletSynthesis& core, Search search) {
  std::size_t peak = 0;
  for (auto _ : state) {
    core.results.clear();
    core.results.shrink_to_fit();
    peakBytes = liveBytes.load();
    const std::size_t before = liveBytes.load();
    search(core);
    design(core);
    peak = std::max(peak, peakBytes.load() - before);
    benchmark::DoNotOptimize(core.results.data());
  }
  state.counters["glasses"] = static_cast<double>(core.catalog.size());
  state.counters["results"] = static_cast<double>(core.results.size());
  state.counters["heap_peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
  // The whole process so far, catalogs and earlier benchmarks included (the literal runs last).
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["max_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void fastSearch(DoubletSynthesis& core) {
  core.synthesize(0, 0, 0, kCount, kAllStatuses, kNoRanges, false, false, "", "");
}

void literalSearch(DoubletSynthesis& core) {
  synthesis::reference::literalSynthesize(core, 0, 0, 0, kCount, kAllStatuses, kNoRanges, false,
                                          false, "", "");
}

void BM_FastSearch_Schott(benchmark::State& s) {
  runSearch(s, schott(), fastSearch);
}
void BM_LiteralSearch_Schott(benchmark::State& s) {
  runSearch(s, schott(), literalSearch);
}
void BM_FastSearch_SevenMakers(benchmark::State& s) {
  runSearch(s, sevenMakers(), fastSearch);
}
void BM_LiteralSearch_SevenMakers(benchmark::State& s) {
  runSearch(s, sevenMakers(), literalSearch);
}

BENCHMARK(BM_FastSearch_Schott)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralSearch_Schott)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastSearch_SevenMakers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralSearch_SevenMakers)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
