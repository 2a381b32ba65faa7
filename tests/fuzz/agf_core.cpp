// Fuzz harness: the synthesis core's AGF reader, then the index and Abbe number of every glass.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "synthesis/glass_catalog.h"
#include "zelt/glassdata/TextDecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  synthesis::GlassCatalog catalog;
  try {
    synthesis::readAgfText(zelt::text::decodeText(bytes), catalog, "FUZZ");
  } catch (const std::exception&) {
    return 0;
  }
  constexpr double kLineD = 0.5875618;
  for (const auto& [name, glass] : catalog) {
    try {
      volatile double n = glass.index(kLineD) + glass.refractiveIndex(synthesis::kLineF, -40.0);
      volatile double v = glass.abbeNumber(kLineD, synthesis::kLineF, synthesis::kLineC);
      (void)n;
      (void)v;
    } catch (const std::exception&) {
    }
  }
  return 0;
}
