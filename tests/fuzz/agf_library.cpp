// Fuzz harness: the optics library's AGF catalog reader through its export.

#include <cstddef>
#include <cstdint>

#include "tests/fuzz/FuzzSupport.h"
#include "zelt_api/zelt_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = zelt::fuzz::writeScratchFile("FUZZ.agf", data, size);
  ZELT_System_Read_Catalog(path.c_str());
  return 0;
}
