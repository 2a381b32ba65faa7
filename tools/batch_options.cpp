#include "batch_options.h"

#include <array>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "zelt/glassdata/AgfScanner.h"

namespace batch {
namespace {

// The main window's 13 spectral lines.
constexpr std::array<std::pair<const char*, double>, 13> kLines{{
    {"i", 0.3650146},
    {"h", 0.4046561},
    {"G'", 0.434},
    {"g", 0.4358343},
    {"F'", 0.4799914},
    {"F", 0.4861327},
    {"e", 0.546074},
    {"d", 0.5875618},
    {"D", 0.5892938},
    {"C'", 0.6438469},
    {"C", 0.6562725},
    {"r", 0.7065188},
    {"A'", 0.76819},
}};

constexpr std::array<const char*, synthesis::kGlassStatusCount> kStatusNames{
    "standard", "preferred", "obsolete", "special", "melt"};

[[noreturn]] void bad(const std::string& what) {
  throw std::invalid_argument(what);
}

double number(const std::string& flag, const std::string& text) {
  const auto value = zelt::agf::parseNumber(text);
  if (!value) bad(flag + ": not a number: " + text);
  return *value;
}

double positive(const std::string& flag, const std::string& text) {
  const double value = number(flag, text);
  if (value <= 0.0) bad(flag + ": must be positive: " + text);
  return value;
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// "min:max" or "off"; returns false for "off".
bool parseRange(const std::string& flag, const std::string& text, double& low, double& high) {
  if (text == "off") return false;
  const auto parts = splitAt(text, ':');
  if (parts.size() != 2) bad(flag + ": expected MIN:MAX or off: " + text);
  low = number(flag, parts[0]);
  high = number(flag, parts[1]);
  return true;
}

synthesis::StatusFlags parseStatuses(const std::string& text) {
  synthesis::StatusFlags flags{};
  for (const std::string& name : splitAt(text, ',')) {
    bool known = false;
    for (int s = 0; s < synthesis::kGlassStatusCount; ++s) {
      if (name == kStatusNames[s]) flags[s] = known = true;
    }
    if (!known) bad("--status: unknown status: " + name);
  }
  return flags;
}

double wavelength(const std::string& flag, const std::string& text) {
  const auto value = parseWavelength(text);
  if (!value) bad(flag + ": not a spectral line or wavelength: " + text);
  return *value;
}

Mode parseMode(const std::string& text) {
  if (text == "all") return Mode::All;
  if (text == "one") return Mode::One;
  if (text == "pair") return Mode::Pair;
  bad("--mode: expected all, one or pair: " + text);
}

Format parseFormat(const std::string& text) {
  if (text == "table") return Format::Table;
  if (text == "csv") return Format::Csv;
  if (text == "json") return Format::Json;
  bad("--format: expected table, csv or json: " + text);
}

int parsePairs(const std::string& text) {
  const auto value = zelt::agf::parseInteger(text);
  if (!value || (*value != 4 && *value != 8 && *value != 12 && *value != 16))
    bad("--pairs: expected 4, 8, 12 or 16: " + text);
  return *value;
}

void applyValueFlag(Options& o, const std::string& flag, const std::string& value) {
  if (flag == "--catalog")
    o.catalogs.push_back(value);
  else if (flag == "--P")
    o.P = number(flag, value);
  else if (flag == "--W")
    o.W = number(flag, value);
  else if (flag == "--C")
    o.C = number(flag, value);
  else if (flag == "--focus")
    o.focus = positive(flag, value);
  else if (flag == "--pupil")
    o.pupil = positive(flag, value);
  else if (flag == "--field")
    o.field = number(flag, value);
  else if (flag == "--thickness1")
    o.thickness1 = number(flag, value);
  else if (flag == "--thickness2")
    o.thickness2 = number(flag, value);
  else if (flag == "--lambda0")
    o.lambda0 = wavelength(flag, value);
  else if (flag == "--lambda-min")
    o.lambdaMin = wavelength(flag, value);
  else if (flag == "--lambda-max")
    o.lambdaMax = wavelength(flag, value);
  else if (flag == "--pairs")
    o.pairs = parsePairs(value);
  else if (flag == "--mode")
    o.mode = parseMode(value);
  else if (flag == "--glass1")
    o.glass1 = value;
  else if (flag == "--glass2")
    o.glass2 = value;
  else if (flag == "--temperature")
    o.environment.temperature = number(flag, value);
  else if (flag == "--pressure")
    o.environment.pressure = number(flag, value);
  else if (flag == "--status")
    o.statuses = parseStatuses(value);
  else if (flag == "--index-range")
    o.indexFilter = parseRange(flag, value, o.ranges[0], o.ranges[1]);
  else if (flag == "--abbe-range")
    o.abbeFilter = parseRange(flag, value, o.ranges[2], o.ranges[3]);
  else if (flag == "--format")
    o.format = parseFormat(value);
  else if (flag == "--zmx")
    o.zmxPath = value;
  else if (flag == "--row")
    o.zmxRow = static_cast<int>(positive(flag, value));
  else
    bad("unknown flag: " + flag);
}

void checkMode(const Options& o) {
  if (o.mode != Mode::All && o.glass1.empty()) bad("--mode one and pair need --glass1");
  if (o.mode == Mode::Pair && o.glass2.empty()) bad("--mode pair needs --glass2");
}

}  // namespace

std::optional<double> parseWavelength(const std::string& text) {
  // Accept the typographic prime of the line names too.
  const std::string prime = "\u2032";
  const auto at = text.find(prime);
  const std::string line =
      at == std::string::npos ? text : text.substr(0, at) + "'" + text.substr(at + prime.size());
  for (const auto& [name, lambda] : kLines) {
    if (line == name) return lambda;
  }
  const auto value = zelt::agf::parseNumber(text);
  if (value && *value > 0.0) return value;
  return std::nullopt;
}

Options parseOptions(const std::vector<std::string>& args, const std::string& defaultCatalog) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--help" || flag == "-h")
      o.help = true;
    else if (flag == "--air")
      o.environment.airIndex = true;
    else if (flag == "--list")
      o.list = true;
    else if (i + 1 < args.size())
      applyValueFlag(o, flag, args[++i]);
    else
      bad("missing value after " + flag);
  }
  if (o.catalogs.empty()) o.catalogs.push_back(defaultCatalog);
  checkMode(o);
  return o;
}

std::string usage() {
  return R"(Usage: doublet_batch [options]
Synthesises cemented doublets from the basic parameters P, W, C of a thin cemented component.

  --catalog FILE        AGF glass catalog (repeatable; read in order into one catalog)
  --P X --W X --C X     basic parameters (default 0 0 0)
  --focus MM            back focal length f' (default 100)
  --pupil MM            pupil diameter D at the first surface (default 20)
  --field DEG           field angle, for the aberrations (default 5)
  --thickness1 MM       crown lens thickness (default 5)
  --thickness2 MM       flint lens thickness (default 3)
  --lambda0 L           main line (default e); a letter of i h G' g F' F e d D C' C r A'
  --lambda-min L        minimum line (default F')    or a wavelength in micrometres
  --lambda-max L        maximum line (default C')
  --pairs N             pairs for analysis: 4, 8, 12 or 16 (default 4)
  --mode all|one|pair   all pairs, pairs with --glass1, or the pair --glass1 --glass2
  --glass1 NAME --glass2 NAME
  --temperature C --pressure ATM --air   glass environment (default 20, 1, no air index)
  --status LIST         any of standard,preferred,obsolete,special,melt
                        (default standard,preferred)
  --index-range MIN:MAX|off   (default 1.4:1.8)
  --abbe-range MIN:MAX|off    (default 20:70)
  --format table|csv|json     (default table)
  --zmx FILE [--row K]  save doublet K (1-based, default 1) as a ZMX lens file
  --list                print the catalog's glasses and exit
  --help                this text
Exit status: 0 success, 1 the search, design or file failed, 2 bad flag or value.
)";
}

}  // namespace batch
