// Time of one aberration calculation (5 field points × 3 wavelengths × 9 pupil points) on a
// synthesised cemented doublet and on a ten-surface system.

#include <benchmark/benchmark.h>

#include <numbers>
#include <stdexcept>
#include <string>

#include "synthesis/doublet_synthesis.h"
#include "tests/support/SynthesisSupport.h"
#include "zelt_api/zelt_api.h"

namespace {

void check(int status) {
  if (status != 0) {
    char text[256] = "";
    ZELT_Get_Error(status, text);
    throw std::runtime_error(text);
  }
}

// N-BK7 / N-SF5 from the bundled catalog, designed for f' = 100 mm, D = 20 mm, 5 degrees.
void buildSynthesisedDoublet() {
  const synthesis::DoubletResult r = synthesis_test::designedAchromat();
  r.buildDoublet();
  check(ZELT_Object_Set_Size(-5.0 * std::numbers::pi / 180.0));
  check(ZELT_Calc_Paraxial());
}

// Five separated biconvex singlets of weak power: ten refracting surfaces.
void buildTenSurfaces() {
  check(ZELT_System_Create_Base());
  for (int i = 0; i < 10; ++i) check(ZELT_System_Append_Surface());
  check(ZELT_Object_Set_Type(false));
  check(ZELT_Object_Set_Size(-0.02));
  check(ZELT_Image_Set_Type(true));
  check(ZELT_Image_Set_Distance_Type(true));
  check(ZELT_Source_Set_Wavelength(0, 0.5876));
  check(ZELT_Source_Append_Wave(0.4861, 1));
  check(ZELT_Source_Append_Wave(0.6563, 1));
  check(ZELT_Stop_Set_Surface_Num(1));
  check(ZELT_Stop_Set(5.0, 'p'));
  for (int k = 1; k <= 10; k += 2) {
    check(ZELT_Surface_Set_Curvature(k, 1 / 400.0));
    check(ZELT_Surface_Set_Curvature(k + 1, -1 / 400.0));
    check(ZELT_Surface_Set_Thickness(k, 3));
    check(ZELT_Surface_Set_Thickness(k + 1, 2));
    check(ZELT_Surface_Set_And_Create_Glass(k - 1, "AIR", {1, 1, 1}));
    check(ZELT_Surface_Set_And_Create_Glass(k, "GLASS", {1.5, 1.51, 1.49}));
  }
  check(ZELT_Surface_Set_And_Create_Glass(10, "AIR", {1, 1, 1}));
  check(ZELT_Calc_Paraxial());
}

void calculate(benchmark::State& state, void (*build)()) {
  build();
  for (auto _ : state) check(ZELT_Calc_Aberration());
  state.counters["rays"] = benchmark::Counter(135.0 * static_cast<double>(state.iterations()),
                                              benchmark::Counter::kIsRate);
}

void BM_AberrationDoublet(benchmark::State& state) {
  calculate(state, buildSynthesisedDoublet);
}
void BM_AberrationTenSurfaces(benchmark::State& state) {
  calculate(state, buildTenSurfaces);
}

BENCHMARK(BM_AberrationDoublet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AberrationTenSurfaces)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
