// Fuzz harness: the ZMX lens reader through its export; a system it accepts must then survive the
// paraxial calculation, ray traces and the aberration tables (each may fail, never crash).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"
#include "zelt/api/zelt_api.h"

namespace {

// Traces the chief ray and the rim rays of the axis and the full field at the first and last
// wavelength.
void traceRays() {
  int waves = 0;
  if (ZELT_Source_Get_Wavelength_Count(&waves) != 0 || waves < 1) return;
  const double pupils[][2] = {{0.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}, {1.0, 0.0}};
  for (int w : {0, waves - 1}) {
    for (double field : {0.0, 1.0}) {
      for (const auto& p : pupils) {
        double x, y, z, X, Y, Z, L;
        int code, surface;
        ZELT_Ray_Trace(0.0, field, p[0], p[1], w, &x, &y, &z, &X, &Y, &Z, &L, &code, &surface);
      }
    }
  }
}

// Computes the aberration tables and copies one of them out.
void calcAberrations() {
  if (ZELT_Calc_Aberration() != 0) return;
  std::vector<double> values;
  ZELT_Aberration_Get_Transverse_Aberration(0, 4, values);
}

// Calculations run after a successful paraxial calculation, one line each.
constexpr void (*kCalculations[])() = {
    traceRays,
    calcAberrations,
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zelt::fuzz::readLensCatalogs();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = zelt::fuzz::writeScratchFile("fuzz.zmx", data, size);
  if (ZELT_System_Read_Zmx_File(path.c_str()) != 0) return 0;
  if (ZELT_Calc_Paraxial() != 0) return 0;
  for (auto calculation : kCalculations) calculation();
  return 0;
}
