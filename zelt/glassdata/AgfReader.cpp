#include "zelt/glassdata/AgfReader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "zelt/glassdata/AgfScanner.h"
#include "zelt/glassdata/DispersionFormula.h"

namespace zelt::agf {
namespace {

using Tokens = std::vector<std::string_view>;

std::string_view tokenAt(const Tokens& tokens, std::size_t i) {
  return i < tokens.size() ? tokens[i] : std::string_view();
}

// Fills the NM fields in order; the first field that does not read leaves it and all later ones
// at zero, as a stream read would.
void readNameFields(const Tokens& t, AgfGlass& glass) {
  const auto formula = parseInteger(tokenAt(t, 2));
  if (!formula) return;
  glass.formula = *formula;
  double* numbers[] = {&glass.milCode, &glass.nd, &glass.vd};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto value = parseNumber(tokenAt(t, 3 + i));
    if (!value) return;
    *numbers[i] = *value;
  }
  const auto exclude = parseInteger(tokenAt(t, 6));
  if (!exclude) return;
  glass.excludeSubstitution = *exclude;
  // A missing status means a standard glass.
  const auto status = parseInteger(tokenAt(t, 7));
  if (!status) return;
  glass.status = *status;
  const auto melt = parseInteger(tokenAt(t, 8));
  if (melt && *melt >= 0) glass.meltFrequency = melt;
}

// A datum of the OD line: "-", "_", a negative number or no field at all mean "no data".
std::optional<double> optionalDatum(std::string_view token) {
  const auto value = parseNumber(token);
  if (!value || *value < 0.0) return std::nullopt;
  return value;
}

bool isNoDataMark(std::string_view token) {
  return token == "-" || token == "_";
}

// The line's fields after the keyword. A field left blank at the start of the line shows as a
// run of blanks after the keyword: the maker's tools write the fields in fixed order.
Tokens odFields(std::string_view line, const Tokens& tokens) {
  Tokens fields(tokens.begin() + 1, tokens.end());
  const auto offset = [&](std::string_view t) {
    return static_cast<std::size_t>(t.data() - line.data());
  };
  const std::size_t afterKeyword = offset(tokens[0]) + tokens[0].size();
  const std::size_t first = fields.empty() ? line.size() : offset(fields[0]);
  if (first - afterKeyword >= 2 && !fields.empty() && fields.size() < 6)
    fields.insert(fields.begin(), std::string_view());
  return fields;
}

// Reads OD: relative cost, then CR, FR, SR, AR, PR. Returns false for a field that is no
// number and no "no data" mark; a line of zeros only is no data either.
bool readOrderData(std::string_view line, const Tokens& tokens, AgfGlass& glass) {
  const Tokens fields = odFields(line, tokens);
  bool allZero = !fields.empty();
  for (std::string_view f : fields) {
    const auto value = parseNumber(f);
    if (!value && !f.empty() && !isNoDataMark(f)) return false;
    allZero = allZero && value && *value == 0.0;
  }
  if (allZero) return true;
  const auto cost = optionalDatum(tokenAt(fields, 0));
  // A relative cost of zero is no price.
  if (cost && *cost > 0.0) glass.cost = cost;
  std::optional<double>* classes[] = {&glass.classes.climate, &glass.classes.stain,
                                      &glass.classes.acid, &glass.classes.alkali,
                                      &glass.classes.phosphate};
  for (std::size_t i = 0; i < 5; ++i) *classes[i] = optionalDatum(tokenAt(fields, 1 + i));
  return true;
}

// Reads one IT point; false when it is not three numbers with 0 ≤ T ≤ 1 and positive
// wavelength and thickness.
bool readTransmission(const Tokens& t, AgfGlass& glass) {
  const auto lambda = parseNumber(tokenAt(t, 1));
  const auto transmittance = parseNumber(tokenAt(t, 2));
  const auto thickness = parseNumber(tokenAt(t, 3));
  if (!lambda || !transmittance || !thickness || t.size() != 4) return false;
  if (*lambda <= 0.0 || *transmittance < 0.0 || *transmittance > 1.0 || *thickness <= 0.0)
    return false;
  glass.transmission.push_back({*lambda, *transmittance, *thickness});
  return true;
}

bool readRange(const Tokens& t, AgfGlass& glass) {
  const auto low = parseNumber(tokenAt(t, 1));
  const auto high = parseNumber(tokenAt(t, 2));
  if (!low || !high) return false;
  glass.lambdaMin = *low;
  glass.lambdaMax = *high;
  return true;
}

// Appends the leading numbers of the line; returns true when every field was a number.
bool appendNumbers(const Tokens& tokens, std::size_t from, std::vector<double>& list) {
  for (std::size_t i = from; i < tokens.size(); ++i) {
    const auto value = parseNumber(tokens[i]);
    if (!value) return false;
    list.push_back(*value);
  }
  return true;
}

// Appends the ED fields; a field the maker marks "-" as unknown keeps its place as NaN.
bool appendExpansionFields(const Tokens& tokens, std::vector<double>& list) {
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    const auto value = parseNumber(tokens[i]);
    if (!value && !isNoDataMark(tokens[i])) return false;
    list.push_back(value.value_or(std::numeric_limits<double>::quiet_NaN()));
  }
  return true;
}

// Derives the named ED values: TCE −30/+70 °C, (TCE +20/+300 °C), density, ΔPg,F.
void deriveExpansionData(AgfGlass& glass) {
  const auto& ed = glass.extra;
  if (ed.size() > 0 && !std::isnan(ed[0])) glass.expansion = ed[0];
  if (ed.size() > 2 && ed[2] > 0.0) glass.density = ed[2];
  if (ed.size() > 3 && !std::isnan(ed[3])) glass.deltaPgF = ed[3];
}

// Working state of one file's reading: the glass being assembled, the catalog so far.
class CatalogBuilder {
 public:
  explicit CatalogBuilder(const std::string& name) { catalog_.name = name; }

  void readLine(std::string_view line, int number) {
    const Tokens tokens = splitTokens(line);
    if (tokens.empty()) return;
    if (continuation_ != nullptr && parseNumber(tokens[0])) {
      if (!appendNumbers(tokens, 0, *continuation_)) continuation_ = nullptr;
      return;
    }
    continuation_ = nullptr;
    line_ = number;
    if (tokens[0] == "NM") return openGlass(tokens, number);
    if (pending_) readRecord(line, tokens);
  }

  AgfCatalog finish() {
    storePending();
    return std::move(catalog_);
  }

 private:
  void openGlass(const Tokens& tokens, int number) {
    storePending();
    if (tokens.size() < 2) return warn("запись NM без названия стекла пропущена");
    pending_ = AgfGlass{};
    pending_->name = std::string(tokens[1]);
    pending_->catalog = catalog_.name;
    pending_->line = number;
    readNameFields(tokens, *pending_);
    if (!zelt::dispersion::isKnownFormula(pending_->formula))
      warn("у стекла " + pending_->name + " неизвестная формула дисперсии");
  }

  void readRecord(std::string_view line, const Tokens& tokens) {
    AgfGlass& g = *pending_;
    const std::string_view key = tokens[0];
    if (key == "CD" || key == "TD") {
      auto& list = key == "CD" ? g.dispersion : g.thermal;
      if (appendNumbers(tokens, 1, list)) continuation_ = &list;
    } else if (key == "ED") {
      appendExpansionFields(tokens, g.extra);
    } else if (key == "LD" && !readRange(tokens, g)) {
      warn("запись LD стекла " + g.name + " не читается: у стекла нет диапазона длин волн");
    } else if (key == "OD" && !readOrderData(line, tokens, g)) {
      warn("запись OD стекла " + g.name + " не читается и пропущена");
    } else if (key == "IT" && !readTransmission(tokens, g)) {
      warn("точка IT стекла " + g.name + " не читается и пропущена");
    }
  }

  void storePending() {
    if (!pending_) return;
    AgfGlass glass = std::move(*pending_);
    pending_.reset();
    deriveExpansionData(glass);
    std::stable_sort(glass.transmission.begin(), glass.transmission.end(),
                     [](const auto& a, const auto& b) { return a.lambda < b.lambda; });
    const auto [at, isNew] = index_.try_emplace(glass.name, catalog_.glasses.size());
    if (isNew) return catalog_.glasses.push_back(std::move(glass));
    keepOneOf(catalog_.glasses[at->second], std::move(glass));
  }

  // A maker's file may list a glass twice, once as a placeholder without data.
  void keepOneOf(AgfGlass& kept, AgfGlass second) {
    if (!kept.hasData() && second.hasData()) {
      kept = std::move(second);
    } else if (second.hasData()) {
      catalog_.warnings.push_back(
          {second.line, "стекло " + second.name + " уже есть в каталоге (строка " +
                            std::to_string(kept.line) + "): вторая запись пропущена"});
    }
  }

  void warn(std::string text) { catalog_.warnings.push_back({line_, std::move(text)}); }

  AgfCatalog catalog_;
  std::optional<AgfGlass> pending_;
  std::map<std::string, std::size_t> index_;
  std::vector<double>* continuation_ = nullptr;
  int line_ = 0;
};

}  // namespace

AgfCatalog parseAgfCatalog(std::string_view text, const std::string& catalogName) {
  CatalogBuilder builder(catalogName);
  int number = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    builder.readLine(text.substr(pos, end - pos), ++number);
    pos = end + 1;
  }
  return builder.finish();
}

std::string catalogNameFromPath(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}

std::string describe(const ReadWarning& warning) {
  return "строка " + std::to_string(warning.line) + ": " + warning.text;
}

}  // namespace zelt::agf
