// Fuzz harness: the OPJ project reader through its export; a system it accepts must then survive
// the paraxial calculation, ray traces and the aberration tables (each may fail, never crash).
// Registered in harnesses.txt once the export is on main.

#include <cstddef>
#include <cstdint>

#include "tests/fuzz/FuzzSupport.h"
#include "zelt_api/zelt_api.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zelt::fuzz::readLensCatalogs();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = zelt::fuzz::writeScratchFile("fuzz.opj", data, size);
  if (ZELT_System_Read_Opj_File(path.c_str()) == 0) zelt::fuzz::calculateReadSystem();
  return 0;
}
