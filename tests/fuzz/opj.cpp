// Fuzz harness: the OPJ lens reader through its export; a system it accepts must then survive the
// paraxial calculation and a few ray traces. Registered in harnesses.txt once the export exists.

#include <cstddef>
#include <cstdint>

#include "tests/fuzz/FuzzSupport.h"
#include "zelt/api/zelt_api.h"

namespace {

// Traces the chief ray and the rim rays of the axis and the full field.
void traceRays() {
  const double pupils[][2] = {{0.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}, {1.0, 0.0}};
  for (double field : {0.0, 1.0}) {
    for (const auto& p : pupils) {
      double x, y, z, X, Y, Z, L;
      int code, surface;
      ZELT_Ray_Trace(0.0, field, p[0], p[1], 0, &x, &y, &z, &X, &Y, &Z, &L, &code, &surface);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zelt::fuzz::readLensCatalogs();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = zelt::fuzz::writeScratchFile("fuzz.opj", data, size);
  if (ZELT_System_Read_Opj_File(path.c_str()) != 0) return 0;
  if (ZELT_Calc_Paraxial() != 0) return 0;
  traceRays();
  return 0;
}
