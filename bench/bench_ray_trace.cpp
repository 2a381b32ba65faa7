// Throughput of ZELT_Ray_Trace, counted in ray-surface intersections per second.

#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "zelt_api/zelt_api.h"

namespace {

using zelt_test::requireOk;

void commonSetup(double pupilRadius) {
  requireOk(ZELT_Object_Set_Type(false));
  requireOk(ZELT_Object_Set_Size(-0.02));
  requireOk(ZELT_Image_Set_Type(true));
  requireOk(ZELT_Image_Set_Distance_Type(true));
  requireOk(ZELT_Source_Set_Wavelength(0, 0.5876));
  requireOk(ZELT_Source_Append_Wave(0.4861, 1));
  requireOk(ZELT_Source_Append_Wave(0.6563, 1));
  requireOk(ZELT_Stop_Set_Surface_Num(1));
  requireOk(ZELT_Stop_Set(pupilRadius, 'p'));
}

// The AC254-100-A cemented achromat of the library tests, field of 0.02 rad.
int buildDoublet() {
  zelt_test::buildDoublet(zelt_test::kAchromat);
  requireOk(ZELT_Object_Set_Size(-0.02));
  requireOk(ZELT_Calc_Paraxial());
  return 3;
}

// Five separated biconvex singlets of weak power: ten refracting surfaces.
int buildTenSurfaces() {
  requireOk(ZELT_System_Create_Base());
  for (int i = 0; i < 10; ++i) requireOk(ZELT_System_Append_Surface());
  commonSetup(5.0);
  for (int k = 1; k <= 10; k += 2) {
    requireOk(ZELT_Surface_Set_Curvature(k, 1 / 400.0));
    requireOk(ZELT_Surface_Set_Curvature(k + 1, -1 / 400.0));
    requireOk(ZELT_Surface_Set_Thickness(k, 3));
    requireOk(ZELT_Surface_Set_Thickness(k + 1, 2));
    requireOk(ZELT_Surface_Set_And_Create_Glass(k - 1, "AIR", {1, 1, 1}));
    requireOk(ZELT_Surface_Set_And_Create_Glass(k, "GLASS", {1.5, 1.51, 1.49}));
  }
  requireOk(ZELT_Surface_Set_And_Create_Glass(10, "AIR", {1, 1, 1}));
  requireOk(ZELT_Calc_Paraxial());
  return 10;
}

// Traces a fixed fan of pupil points over the field, as an aberration calculation would.
void traceFan(benchmark::State& state, int surfaces) {
  std::vector<double> pupil;
  for (int i = 0; i < 64; ++i) pupil.push_back(-1.0 + 2.0 * i / 63.0);
  double x, y, z, X, Y, Z, L;
  int code = 0, node = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    const double p = pupil[i++ & 63];
    const int status =
        ZELT_Ray_Trace(0, 1, 0.3 * p, p, 0, &x, &y, &z, &X, &Y, &Z, &L, &code, &node);
    if (status != 0 || code != 0) state.SkipWithError("ray failed");
    benchmark::DoNotOptimize(y);
  }
  state.counters["intersections/s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * surfaces, benchmark::Counter::kIsRate);
}

void BM_RayTraceDoublet(benchmark::State& state) {
  traceFan(state, buildDoublet());
}
void BM_RayTraceTenSurfaces(benchmark::State& state) {
  traceFan(state, buildTenSurfaces());
}

BENCHMARK(BM_RayTraceDoublet);
BENCHMARK(BM_RayTraceTenSurfaces);

}  // namespace
