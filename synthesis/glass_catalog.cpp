#include "synthesis/glass_catalog.h"

#include <stdexcept>

#include "zelt/glassdata/AgfScanner.h"
#include "zelt/glassdata/TextDecoding.h"

namespace synthesis {
namespace {

using zelt::agf::AgfScanner;

// Fills the NM fields in order; the first field that does not read leaves it and all later ones
// at zero, as a stream read would.
void readNameLine(std::string_view line, GlassRecord& glass) {
  const auto tokens = zelt::agf::splitTokens(line);
  if (tokens.empty()) return;
  glass.name = std::string(tokens[0]);
  auto token = [&](std::size_t i) { return i < tokens.size() ? tokens[i] : std::string_view(); };
  const auto formula = zelt::agf::parseInteger(token(1));
  if (!formula) return;
  glass.formula = *formula;
  double* numbers[] = {&glass.milCode, &glass.nd, &glass.vd};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto value = zelt::agf::parseNumber(token(2 + i));
    if (!value) return;
    *numbers[i] = *value;
  }
  const auto exclude = zelt::agf::parseInteger(token(5));
  if (!exclude) return;
  glass.excludeSubstitution = *exclude;
  // A missing status means a standard glass.
  if (const auto status = zelt::agf::parseInteger(token(6))) glass.status = *status;
}

void append(std::vector<double>& list, const std::vector<double>& numbers) {
  list.insert(list.end(), numbers.begin(), numbers.end());
}

// Reads the two LD values; returns false when they do not read, which ends the file.
bool readRange(AgfScanner& scanner, GlassRecord& glass) {
  std::string_view token;
  double* ends[] = {&glass.lambdaMin, &glass.lambdaMax};
  for (double* end : ends) {
    if (!scanner.nextToken(token)) return false;
    const auto value = zelt::agf::parseNumber(token);
    if (!value) return false;
    *end = *value;
  }
  return true;
}

void store(GlassRecord& glass, GlassCatalog& catalog) {
  // A record without a name (an NM keyword with nothing after it) is no glass.
  if (!glass.name.empty()) catalog.insert_or_assign(glass.name, std::move(glass));
}

}  // namespace

void readAgfText(std::string text, GlassCatalog& catalog, const std::string& origin) {
  AgfScanner scanner(std::move(text));
  GlassRecord pending;
  bool hasPending = false;
  std::string_view token;
  while (scanner.nextToken(token)) {
    if (token == "NM") {
      if (hasPending) store(pending, catalog);
      pending = GlassRecord{};
      pending.catalog = origin;
      hasPending = true;
      readNameLine(scanner.restOfLine(), pending);
    } else if (token == "ED") {
      append(pending.extra, scanner.numberList());
    } else if (token == "CD") {
      append(pending.dispersion, scanner.numberList());
    } else if (token == "TD") {
      append(pending.thermal, scanner.numberList());
    } else if (token == "LD") {
      if (!readRange(scanner, pending)) break;
    }
  }
  if (hasPending) store(pending, catalog);
}

void readAgfFile(const std::string& path, GlassCatalog& catalog) {
  if (path.empty()) throw std::runtime_error("Не задан файл c данными оптических стекол");
  const auto bytes = zelt::text::readFileBytes(path);
  if (!bytes) throw std::runtime_error("Файл c данными оптических стекол отсутствует");
  readAgfText(zelt::text::decodeText(*bytes), catalog, catalogBaseName(path));
}

std::string catalogBaseName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  return file.substr(0, file.find('.'));
}

}  // namespace synthesis
