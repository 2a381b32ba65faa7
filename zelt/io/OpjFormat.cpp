#include "zelt/io/OpjFormat.h"

#include <algorithm>
#include <cmath>

namespace zelt {

double opjShortDecimal(float f) {
  const double v = f;
  if (v == 0.0 || !std::isfinite(v)) return v;
  // A float keeps about seven significant digits; the file's values were typed with fewer, so
  // the value rounded at the seventh digit is the decimal that was meant.
  double scale = 1.0;
  int steps = 0;
  while (std::abs(v * scale) < 1e6 && steps < 330) {
    scale *= 10.0;
    ++steps;
  }
  return std::round(v * scale) / scale;
}

int opjCatalogCode(char first, int defaultCatalog) {
  switch (first) {
    case '$':
      return 0;
    case 'O':
      return 1;
    case 'R':
      return 2;
    case 'S':
      return 3;
    case 'M':
      return 4;
    case 'G':
      return 7;
    case 'F':
      return 8;
    case 'J':
      return 9;
    case 'H':
      return 10;
    case ' ':
      break;
    default:
      return 0;
  }
  static constexpr int kFromDefault[] = {2, 7, 8, 9, 10, 1, 4, 3, 11};
  if (defaultCatalog < 0 || defaultCatalog > 8) return 0;
  return kFromDefault[defaultCatalog];
}

char opjCatalogChar(int code) {
  // Code 11 has no letter of its own: a blank under default catalog 8 (see opjDefaultCatalog).
  static constexpr char kChars[] = {'$', 'O', 'R', 'S', 'M', '$', '$', 'G', 'F', 'J', 'H', ' '};
  if (code < 0 || code > 11) return '$';
  return kChars[code];
}

int opjDefaultCatalog(const std::vector<OpjGlass>& glasses) {
  const bool blankLed = std::any_of(glasses.begin(), glasses.end(),
                                    [](const OpjGlass& g) { return g.catalogCode == 11; });
  return blankLed ? 8 : 0;
}

}  // namespace zelt
