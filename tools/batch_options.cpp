#include "batch_options.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "zelt/glassdata/AgfScanner.h"

namespace batch {
namespace {

[[noreturn]] void bad(const std::string& what) {
  throw std::invalid_argument(what);
}

double number(const std::string& flag, const std::string& text) {
  const auto value = zelt::agf::parseNumber(text);
  if (!value) bad(flag + ": not a number: " + text);
  return *value;
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
      if (name == synthesis::statusName(s)) flags[s] = known = true;
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
  if (!value || *value < 4 || *value > synthesis::kMaxPairCount || *value % 4 != 0)
    bad("--pairs: expected a multiple of 4 from 4 to 256: " + text);
  return *value;
}

int parseRow(const std::string& text) {
  const auto value = zelt::agf::parseInteger(text);
  if (!value || *value < 1) bad("--row: expected a row number from 1: " + text);
  return *value;
}

void checkMode(const synthesis::CalculationInputs& in) {
  if (in.mode != Mode::All && in.glass1.empty()) bad("--mode one and pair need --glass1");
  if (in.mode == Mode::Pair && in.glass2.empty()) bad("--mode pair needs --glass2");
}

using Apply = std::function<void(const std::string&)>;

// Adds a flag with one value that `apply` checks and stores; the last of repeated flags wins.
void addValue(CLI::App& app, const std::string& flag, const std::string& valueName,
              const std::string& help, Apply apply) {
  app.add_option_function<std::string>(flag, std::move(apply), help)
      ->type_name(valueName)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

Apply numberTo(double& target, const std::string& flag) {
  return [&target, flag](const std::string& text) { target = number(flag, text); };
}

Apply wavelengthTo(double& target, const std::string& flag) {
  return [&target, flag](const std::string& text) { target = wavelength(flag, text); };
}

void addDesignFlags(CLI::App& app, synthesis::CalculationInputs& in) {
  addValue(app, "--P", "X", "basic parameter P (default 0)", numberTo(in.P, "--P"));
  addValue(app, "--W", "X", "basic parameter W (default 0)", numberTo(in.W, "--W"));
  addValue(app, "--C", "X", "basic parameter C (default 0)", numberTo(in.C, "--C"));
  addValue(app, "--focus", "MM", "back focal length f' (default 100)",
           numberTo(in.focus, "--focus"));
  addValue(app, "--pupil", "MM", "pupil diameter D at the first surface (default 20)",
           numberTo(in.design.pupilDiameter, "--pupil"));
  addValue(app, "--field", "DEG", "field angle, for the aberrations (default 5)",
           numberTo(in.design.fieldAngle, "--field"));
  addValue(app, "--thickness1", "MM", "crown lens thickness (default 5)",
           numberTo(in.design.crownThickness, "--thickness1"));
  addValue(app, "--thickness2", "MM", "flint lens thickness (default 3)",
           numberTo(in.design.flintThickness, "--thickness2"));
  addValue(app, "--lambda0", "L", "main line (default e)", wavelengthTo(in.lambda0, "--lambda0"));
  addValue(app, "--lambda-min", "L", "minimum line (default F')",
           wavelengthTo(in.lambdaMin, "--lambda-min"));
  addValue(app, "--lambda-max", "L", "maximum line (default C')",
           wavelengthTo(in.lambdaMax, "--lambda-max"));
  auto& environment = in.design.environment;
  addValue(app, "--temperature", "C", "glass temperature (default 20)",
           numberTo(environment.temperature, "--temperature"));
  addValue(app, "--pressure", "ATM", "air pressure (default 1)",
           numberTo(environment.pressure, "--pressure"));
  app.add_flag("--air", environment.airIndex,
               "indices relative to air at this temperature and pressure (default off)");
  addValue(app, "--min-edge", "MM", "least edge thickness of a lens at D/2 (default 1)",
           numberTo(in.design.minEdgeThickness, "--min-edge"));
  app.add_flag("--edge-thickness", in.design.fitEdgeThickness,
               "raise each lens's axial thickness to give it the least edge thickness");
  app.add_flag("--refine", in.refine,
               "refine every doublet's radii and image distance by real rays (focal length held)");
  addValue(app, "--field-weight", "W", "weight of the full field in the refinement (default 0)",
           [&in](const std::string& text) {
             const double w = number("--field-weight", text);
             if (w < 0.0) bad("--field-weight: expected a number of 0 or more: " + text);
             in.fieldWeight = w;
           });
}

void addSearchFlags(CLI::App& app, synthesis::CalculationInputs& in) {
  addValue(app, "--pairs", "N", "pairs for analysis: a multiple of 4 up to 256 (default 4)",
           [&in](const std::string& text) { in.pairCount = parsePairs(text); });
  addValue(app, "--mode", "all|one|pair",
           "all pairs, pairs with --glass1, or the pair --glass1 --glass2 (default all)",
           [&in](const std::string& text) { in.mode = parseMode(text); });
  app.add_option("--glass1", in.glass1,
                 "first glass of modes one and pair; CATALOG/NAME where catalogs share NAME")
      ->type_name("NAME");
  app.add_option("--glass2", in.glass2, "second glass of mode pair (as --glass1)")
      ->type_name("NAME");
  addValue(app, "--status", "LIST",
           "any of standard,preferred,obsolete,special,melt (default standard,preferred)",
           [&in](const std::string& text) { in.statuses = parseStatuses(text); });
  addValue(app, "--index-range", "MIN:MAX|off", "index filter (default 1.4:1.8)",
           [&in](const std::string& text) {
             in.indexFilter = parseRange("--index-range", text, in.ranges[0], in.ranges[1]);
           });
  addValue(app, "--abbe-range", "MIN:MAX|off", "Abbe number filter (default 20:70)",
           [&in](const std::string& text) {
             in.abbeFilter = parseRange("--abbe-range", text, in.ranges[2], in.ranges[3]);
           });
}

Apply optionalTo(std::optional<double>& target, const std::string& flag, bool fraction) {
  return [&target, flag, fraction](const std::string& text) {
    const double value = number(flag, text);
    if (value < 0.0 || (fraction && value > 1.0))
      bad(flag + (fraction ? ": expected a value from 0 to 1: " : ": must not be negative: ") +
          text);
    target = value;
  };
}

// Limits on the maker's data: cost, resistance classes, transmittance.
void addGlassDataFlags(CLI::App& app, synthesis::GlassDataFilter& f) {
  addValue(app, "--max-cost", "X", "highest relative cost (default none)",
           optionalTo(f.maxCost, "--max-cost", false));
  const char* const classes[] = {"cr", "fr", "sr", "ar", "pr"};
  const char* const meanings[] = {"climate", "stain", "acid", "alkali", "phosphate"};
  for (int k = 0; k < synthesis::kResistanceCount; ++k) {
    const std::string flag = std::string("--max-") + classes[k];
    addValue(app, flag, "N", std::string("highest ") + meanings[k] + " resistance class",
             optionalTo(f.maxClass[k], flag, false));
  }
  addValue(app, "--min-transmittance", "T",
           "lowest internal transmittance of 10 mm at the minimum line, 0..1",
           optionalTo(f.minTransmittance, "--min-transmittance", true));
  app.add_flag("--require-data", f.requireData,
               "a glass without a limited datum is left out (default: it passes)");
}

void addCatalogFlags(CLI::App& app, Options& o) {
  app.add_option("--catalog", o.catalogs,
                 "AGF glass catalog (repeatable; read in order into one catalog)")
      ->type_name("FILE")
      ->allow_extra_args(false);
  app.add_flag("--list", o.list,
               "print the catalog's glasses and exit (--format json: a JSON array)");
}

void addOutputFlags(CLI::App& app, Options& o) {
  addValue(app, "--format", "table|csv|json", "result format (default table)",
           [&o](const std::string& text) { o.format = parseFormat(text); });
  app.add_flag("--aberrations", o.aberrations,
               "print the aberration tables of doublet --row instead of the list");
  app.add_flag("--quality", o.quality,
               "print the spot diagrams, wavefront and MTF of doublet --row instead of the list");
  app.add_option("--zmx", o.zmxPath, "save doublet --row as a ZMX lens file")->type_name("FILE");
  app.add_option("--opj", o.opjPath, "save doublet --row as an OPJ project file")
      ->type_name("FILE");
  app.add_option("--txt", o.txtPath, "write the text report of doublet --row")->type_name("FILE");
  app.add_option("--osm", o.osmPath, "save doublet --row as an OSM file")->type_name("FILE");
  addValue(app, "--row", "K", "1-based row of the doublet to show or save (default 1)",
           [&o](const std::string& text) { o.row = parseRow(text); });
}

// Builds the command line parser that writes into `o`.
std::unique_ptr<CLI::App> makeParser(Options& o) {
  auto app = std::make_unique<CLI::App>(
      "Synthesises cemented doublets from the basic parameters P, W, C of a thin cemented "
      "component.",
      "doublet_batch");
  app->set_help_flag("-h,--help", "print this text and exit");
  app->footer(
      "A line L is a letter of i h G' g F' F e d D C' C r A' or a wavelength in micrometres.\n"
      "Exit status: 0 success, 1 an input refused, nothing found (the reason on stderr), or the\n"
      "design or a file failed, 2 a flag or value that cannot be parsed.");
  app->get_formatter()->column_width(30);
  addCatalogFlags(*app, o);
  addDesignFlags(*app, o.calculation);
  addSearchFlags(*app, o.calculation);
  addGlassDataFlags(*app, o.calculation.dataFilter);
  addOutputFlags(*app, o);
  return app;
}

}  // namespace

std::optional<double> parseWavelength(const std::string& text) {
  // Accept the typographic prime of the line names too.
  const std::string prime = "\u2032";
  const auto at = text.find(prime);
  const std::string line =
      at == std::string::npos ? text : text.substr(0, at) + "'" + text.substr(at + prime.size());
  for (const auto& [name, lambda] : synthesis::spectralLines()) {
    if (line == name) return lambda;
  }
  const auto value = zelt::agf::parseNumber(text);
  if (value && *value > 0.0) return value;
  return std::nullopt;
}

Options parseOptions(const std::vector<std::string>& args, const std::string& defaultCatalog) {
  Options o;
  const auto parser = makeParser(o);
  // The parser takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    parser->parse(reversed);
  } catch (const CLI::CallForHelp&) {
    o.help = true;
    return o;
  } catch (const CLI::ParseError& e) {
    bad(e.what());
  }
  if (o.catalogs.empty()) o.catalogs.push_back(defaultCatalog);
  checkMode(o.calculation);
  return o;
}

std::string usage() {
  Options unused;
  return makeParser(unused)->help();
}

}  // namespace batch
