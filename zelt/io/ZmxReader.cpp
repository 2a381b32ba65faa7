#include "zelt/io/ZmxReader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <numbers>
#include <stdexcept>

#include "zelt/glassdata/AgfScanner.h"
#include "zelt/glassdata/DispersionFormula.h"
#include "zelt/glassdata/TextDecoding.h"

namespace zelt {
namespace {

// Lens files hold a dozen fields and two dozen wavelengths; a count far beyond is no lens data.
constexpr int kMaxEntries = 1000;
// Degrees per radian, the factor the writer multiplies by: dividing by it brings a written
// field angle back to the radians it came from.
constexpr double kDegree = 180.0 / std::numbers::pi;

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error("Read ZMX Error: " + what);
}

[[noreturn]] void failAt(int line, const std::string& what) {
  fail("line " + std::to_string(line) + ": " + what);
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// One line split into its keyword and values, with number access that names the line on failure.
class ZmxLine {
 public:
  ZmxLine(std::string_view text, int number) : text_(text), number_(number) {
    tokens_ = agf::splitTokens(text);
    if (!tokens_.empty()) {
      keyword_ = tokens_.front();
      tokens_.erase(tokens_.begin());
    }
  }

  std::string_view keyword() const { return keyword_; }
  int number() const { return number_; }
  const std::vector<std::string_view>& values() const { return tokens_; }

  // Returns value i as a number; fails when it is missing or no number.
  double value(std::size_t i) const {
    if (i >= tokens_.size()) failAt(number_, std::string(keyword_) + " lacks a value");
    const auto v = agf::parseNumber(tokens_[i]);
    if (!v)
      failAt(number_, std::string(keyword_) + ": \"" + std::string(tokens_[i]) + "\" is no number");
    return *v;
  }

  // Returns value i as an integer within [low, high].
  int integer(std::size_t i, int low, int high) const {
    const double v = value(i);
    if (v != std::trunc(v) || v < low || v > high) {
      failAt(number_, std::string(keyword_) + ": " + std::string(tokens_[i]) + " is out of range");
    }
    return static_cast<int>(v);
  }

  // Returns every value as a number (a list line: fields, wavelengths, vignetting).
  std::vector<double> allValues() const {
    if (tokens_.size() > static_cast<std::size_t>(kMaxEntries)) {
      failAt(number_, std::string(keyword_) + " holds too many values");
    }
    std::vector<double> numbers;
    for (std::size_t i = 0; i < tokens_.size(); ++i) numbers.push_back(value(i));
    return numbers;
  }

  // Returns the numbers before the first value that is no number.
  std::vector<double> leadingValues() const {
    std::vector<double> numbers;
    for (std::string_view t : tokens_) {
      const auto v = agf::parseNumber(t);
      if (!v) break;
      numbers.push_back(*v);
    }
    return numbers;
  }

  // Returns the text after the keyword without the blank that separates it.
  std::string_view rest() const {
    const std::size_t at = static_cast<std::size_t>(keyword_.data() - text_.data());
    std::string_view r = text_.substr(at + keyword_.size());
    if (!r.empty() && r.front() == ' ') r.remove_prefix(1);
    return r;
  }

 private:
  std::string_view text_;
  int number_;
  std::string_view keyword_;
  std::vector<std::string_view> tokens_;
};

// Wavelengths of the newer dialect, given one per WAVM line with their number.
struct NumberedWaves {
  std::vector<std::optional<std::pair<double, double>>> entries;

  void set(const ZmxLine& line) {
    const int k = line.integer(0, 1, kMaxEntries);
    const double weight = line.values().size() > 2 ? line.value(2) : 1.0;
    if (entries.size() < static_cast<std::size_t>(k)) entries.resize(k);
    entries[k - 1] = std::make_pair(line.value(1), weight);
  }

  // Moves the leading run of numbered wavelengths into `doc`.
  void moveTo(ZmxDocument& doc) const {
    for (const auto& e : entries) {
      if (!e) break;
      doc.wavelengths.push_back(e->first);
      doc.weights.push_back(e->second);
    }
  }
};

// Applies a line inside a SURF block; returns false for a keyword that is not a surface's.
bool readSurfaceLine(const ZmxLine& line, ZmxSurfaceRecord& s) {
  const std::string_view k = line.keyword();
  if (k == "DISZ") {
    s.distanceInfinite = !line.values().empty() && line.values().front() == "INFINITY";
    s.distance = s.distanceInfinite ? 0.0 : line.value(0);
  } else if (k == "CURV") {
    s.curvature = line.value(0);
  } else if (k == "CONI") {
    s.conic = line.value(0);
  } else if (k == "DIAM") {
    const std::vector<double> numbers = line.leadingValues();
    if (!numbers.empty()) s.semiHeight = numbers.front();
    if (numbers.size() > 1) s.diameterKind = numbers[1];
  } else if (k == "GLAS") {
    s.glass = line.values().empty() ? std::string() : std::string(line.values().front());
    s.mirror = s.glass == "MIRROR";
  } else if (k == "STOP") {
    s.stop = true;
  } else if (k == "MAZH") {
    const std::vector<double> numbers = line.leadingValues();
    s.solveToParaxialFocus = numbers.size() >= 2 && numbers[0] == 0.0 && numbers[1] == 0.0;
  } else {
    return k == "TYPE";
  }
  return true;
}

// Keeps the temperature and pressure the file's indices belong to; a value that is no number
// is passed over, an infinite one or a negative pressure refused.
void readConditions(const ZmxLine& line, ZmxDocument& doc) {
  const std::vector<double> numbers = line.leadingValues();
  const std::string_view k = line.keyword();
  if (numbers.empty()) return;
  const bool pressureFirst = k == "PRES";
  const double temperature = numbers[0];
  const double pressure = pressureFirst ? numbers[0] : numbers.size() > 1 ? numbers[1] : 1.0;
  if (!std::isfinite(temperature) || !std::isfinite(pressure) || pressure < 0.0 ||
      temperature < -273.15) {
    failAt(line.number(), std::string(k) +
                              ": the temperature must be at least -273.15 °C and "
                              "the pressure a finite number of at least 0 atm");
  }
  if (pressureFirst) {
    doc.pressure = pressure;
    return;
  }
  doc.temperature = temperature;
  if (k == "ENVD" && numbers.size() > 1) doc.pressure = pressure;
}

// Applies a line of the system's name, catalogs, aperture or conditions; returns false for
// another keyword.
bool readHeaderLine(const ZmxLine& line, ZmxDocument& doc) {
  const std::string_view k = line.keyword();
  if (k == "GCAT") {
    doc.catalogs.assign(line.values().begin(), line.values().end());
  } else if (k == "NAME") {
    doc.name = text::toUtf8(trimBlanks(line.rest()));
  } else if (k == "FLOA") {
    doc.stopType = 'd';
  } else if (k == "ENPD") {
    doc.stopType = 'p';
    doc.stopSize = line.value(0) / 2.0;
  } else if (k == "OBNA") {
    doc.stopType = 'p';
    doc.stopSize = line.value(0);
  } else if (k == "TEMP" || k == "PRES" || k == "ENVD") {
    readConditions(line, doc);
  } else {
    return false;
  }
  return true;
}

// Applies a line outside the surface blocks (system data); unknown keywords are ignored.
void readSystemLine(const ZmxLine& line, ZmxDocument& doc, NumberedWaves& numbered,
                    bool& explicitWaves) {
  if (readHeaderLine(line, doc)) return;
  const std::string_view k = line.keyword();
  if (k == "FTYP") {
    doc.fieldType = line.leadingValues();
    if (doc.fieldType->size() < 4) failAt(line.number(), "FTYP needs at least four numbers");
  } else if (k == "WAVL") {
    doc.wavelengths = line.allValues();
    explicitWaves = true;
  } else if (k == "WWGT") {
    doc.weights = line.allValues();
  } else if (k == "WAVM") {
    numbered.set(line);
  } else if (k == "PWAV") {
    doc.primaryWave = line.integer(0, 1, kMaxEntries);
  } else if (k == "YFLD" || k == "YFLN") {
    doc.fields = line.allValues();
  } else if (k == "ZVCY" || k == "VCYN") {
    doc.vignetCentre = line.allValues();
    if (k == "ZVCY") doc.zoneVignetCount = doc.vignetCentre.size();
  } else if (k == "ZVDY" || k == "VDYN") {
    doc.vignetHalf = line.allValues();
  }
}

// ---- building -----------------------------------------------------------------------------------

struct SurfacePlan {
  double c = 0.0, e2 = 0.0, h = 0.0, d = 0.0;
  int sign = 1;
  OMedium* medium = nullptr;
  bool stop = false;
};

// The system to be made, with every glass found and checked, so that making it cannot fail.
struct SystemPlan {
  std::string name;
  std::vector<std::string> catalogs;  // loaded catalogs to search, in order
  bool objectFinite = false, imageFinite = false, fieldOnObject = true;
  std::vector<double> wavelengths{0.55}, weights{1.0};
  char stopType = 'd';
  double stopSize = 0.0;
  std::vector<double> fields;  // radians where the field is an angle
  bool zoneless = false;       // the fields give the field size only: no zones are made
  std::vector<double> vignetCentre, vignetHalf;
  double objectS = 0.0, objectSize = 0.0;
  OMedium* objectMedium = nullptr;
  std::vector<SurfacePlan> surfaces;
  double imageS = 0.0, imageSize = 0.0;
  bool imageFromParaxial = false;
  std::unique_ptr<OHMedium> air;                // made when the named catalogs hold no air
  std::optional<double> temperature, pressure;  // the file's conditions, when it gives them
  // Copies of catalog glasses at the file's conditions, one per glass, made when they differ
  // from the catalog's own.
  std::vector<std::pair<const OAMedium*, std::unique_ptr<OAMedium>>> conditioned;
};

// Returns `glass` at the file's conditions: the catalog glass itself when the file gives the
// catalog's reference temperature (or none, or the glass has no thermal data) and normal
// pressure, otherwise a copy whose indices follow them.
OAMedium* atFileConditions(OAMedium* glass, SystemPlan& plan) {
  const bool hasThermal = glass->thermal.size() >= dispersion::kThermalValues;
  const bool otherTemperature =
      plan.temperature && hasThermal && *plan.temperature != glass->thermal[6];
  const bool otherPressure = plan.pressure && *plan.pressure != 1.0;
  if (!otherTemperature && !otherPressure) return glass;
  for (const auto& [original, copy] : plan.conditioned) {
    if (original == glass) return copy.get();
  }
  auto copy = std::make_unique<OAMedium>(*glass);
  if (otherTemperature) copy->temperature = plan.temperature;
  copy->pressure = plan.pressure.value_or(1.0);
  plan.conditioned.emplace_back(glass, std::move(copy));
  return plan.conditioned.back().second.get();
}

// Field type, counts and image type of the FTYP line.
void planFieldType(const ZmxDocument& doc, SystemPlan& plan, int& fields, int& waves) {
  fields = static_cast<int>(std::min<std::size_t>(doc.fields.size(), kMaxEntries));
  waves = static_cast<int>(doc.wavelengths.size());
  if (!doc.fieldType) return;
  const std::vector<double>& f = *doc.fieldType;
  auto count = [&](std::size_t i, const char* what) {
    if (f[i] != std::trunc(f[i]) || f[i] < 0 || f[i] > kMaxEntries) {
      fail(std::string("FTYP gives a bad number of ") + what);
    }
    return static_cast<int>(f[i]);
  };
  if (f[0] != 0 && f[0] != 1 && f[0] != 2 && f[0] != 3) fail("FTYP gives an unknown field type");
  const int type = static_cast<int>(f[0]);
  plan.fieldOnObject = type <= 1;
  if (type <= 1) plan.objectFinite = type == 1;
  if (type >= 2) plan.imageFinite = type == 2;
  if (f.size() >= 7) plan.imageFinite = f[6] == 0.0;
  fields = count(2, "fields");
  waves = count(3, "wavelengths");
}

void planWavelengths(const ZmxDocument& doc, SystemPlan& plan, int waves) {
  if (!doc.fieldType && doc.wavelengths.empty()) return;  // the base system's wavelength stays
  if (static_cast<int>(doc.wavelengths.size()) < waves) {
    fail("FTYP announces " + std::to_string(waves) + " wavelengths, the file gives " +
         std::to_string(doc.wavelengths.size()));
  }
  plan.wavelengths.assign(doc.wavelengths.begin(), doc.wavelengths.begin() + waves);
  plan.weights.assign(waves, 1.0);
  std::copy_n(doc.weights.begin(), std::min<std::size_t>(doc.weights.size(), waves),
              plan.weights.begin());
  for (double lambda : plan.wavelengths) {
    if (!(lambda > 0.0)) fail("wavelength " + std::to_string(lambda) + " is not positive");
  }
  // Wavelength 0 is the main one: the primary wavelength of the file goes first.
  const int primary = doc.primaryWave - 1;
  if (primary > 0 && primary < waves) {
    std::rotate(plan.wavelengths.begin(), plan.wavelengths.begin() + primary,
                plan.wavelengths.begin() + primary + 1);
    std::rotate(plan.weights.begin(), plan.weights.begin() + primary,
                plan.weights.begin() + primary + 1);
  }
}

void planFields(const ZmxDocument& doc, SystemPlan& plan, int fields) {
  if (static_cast<int>(doc.fields.size()) < fields) {
    fail("FTYP announces " + std::to_string(fields) + " fields, the file gives " +
         std::to_string(doc.fields.size()));
  }
  const bool angle = plan.fieldOnObject ? !plan.objectFinite : !plan.imageFinite;
  double largest = 0.0;
  for (int j = 0; j < fields; ++j) {
    const double y = doc.fields[j] / (angle ? kDegree : 1.0);
    plan.fields.push_back(y);
    largest = std::max(largest, std::abs(y));
  }
  // Vignetting lines list one value per zone: fields beside an empty list come from a system
  // without zones and hold the axis and its full field, sign and all.
  plan.zoneless = fields > 0 && doc.zoneVignetCount == 0u;
  if (plan.zoneless) largest = plan.fields.back();
  (plan.fieldOnObject ? plan.objectSize : plan.imageSize) = largest;
  plan.vignetCentre = doc.vignetCentre;
  plan.vignetHalf = doc.vignetHalf;
}

// True when `text` starts with `prefix`, letters compared without regard to case.
bool startsWithAnyCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
  });
}

bool equalAnyCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithAnyCase(a, b);
}

// The loaded catalogs a GCAT line names, without regard to case as lens programs match them: a
// name that no loaded catalog bears stands for every loaded catalog whose name starts with it,
// as makers ship catalogs under dated file names.
std::vector<std::string> catalogsToSearch(const std::vector<std::string>& named,
                                          const OGlassStore& store) {
  std::vector<std::string> result;
  auto add = [&result](const std::string& name) {
    if (std::find(result.begin(), result.end(), name) == result.end()) result.push_back(name);
  };
  const auto& loaded = store.catalogs();
  for (const std::string& name : named) {
    const bool exact = std::any_of(loaded.begin(), loaded.end(),
                                   [&](const auto& c) { return equalAnyCase(c->name, name); });
    for (const auto& c : loaded) {
      if (exact ? equalAnyCase(c->name, name) : startsWithAnyCase(c->name, name)) add(c->name);
    }
  }
  return result;
}

// Finds glass `name` in the file's catalogs and checks it has an index at every wavelength.
OMedium* findMedium(const std::string& name, const OGlassStore& store, SystemPlan& plan) {
  OAMedium* glass = nullptr;
  try {
    glass = &store.findGlassInCatalogs(name, plan.catalogs);
  } catch (const std::runtime_error&) {
    if (name != "AIR") throw;
    // Air needs no catalog: without one that lists it, the gap gets index 1.
    if (!plan.air) {
      plan.air =
          std::make_unique<OHMedium>("AIR", std::vector<double>(plan.wavelengths.size(), 1.0));
    }
    return plan.air.get();
  }
  if (name != "AIR") glass = atFileConditions(glass, plan);
  for (double lambda : plan.wavelengths)
    glass->indexAt(lambda);  // throws what setWavelengths would
  return glass;
}

double mainIndex(const OMedium* medium, const SystemPlan& plan, int sign) {
  if (plan.wavelengths.empty()) return std::nan("");
  if (const auto* glass = dynamic_cast<const OAMedium*>(medium)) {
    return glass->indexAt(plan.wavelengths.front()) * sign;
  }
  return medium->index(0) * sign;
}

void planSurfaces(const ZmxDocument& doc, const OGlassStore& store, SystemPlan& plan) {
  const auto& records = doc.surfaces;
  OMedium* before = plan.objectMedium;
  int sign = 1;
  for (std::size_t i = 1; i + 1 < records.size(); ++i) {
    const ZmxSurfaceRecord& r = records[i];
    SurfacePlan s;
    s.c = r.curvature;
    s.e2 = -r.conic;
    s.h = r.semiHeight.value_or(0.0);
    s.d = r.distance.value_or(0.0);
    s.stop = r.stop;
    // A mirror turns the light back into the medium it came through.
    if (r.mirror) sign = -sign;
    s.sign = sign;
    s.medium = r.mirror ? before : findMedium(r.glass.empty() ? "AIR" : r.glass, store, plan);
    before = s.medium;
    plan.surfaces.push_back(s);
  }
}

// Object distance from the first block: a reciprocal in metres for an object at infinity.
void planObject(const ZmxDocument& doc, SystemPlan& plan) {
  const auto& records = doc.surfaces;
  const ZmxSurfaceRecord& r = records.front();
  double d = r.distanceInfinite ? 0.0 : r.distance.value_or(0.0);
  // A stop on a non-refracting first surface stands in front of the lens: the file counts the
  // object distance to that stop, the system to the lens behind it.
  if (d != 0.0 && !plan.surfaces.empty() && plan.surfaces.front().stop) {
    const SurfacePlan& first = plan.surfaces.front();
    if (mainIndex(plan.objectMedium, plan, 1) == mainIndex(first.medium, plan, first.sign)) {
      d += first.d;
    }
  }
  if (plan.objectFinite) {
    plan.objectS = -d;
  } else {
    plan.objectS = d == 0.0 ? 0.0 : -1.0 / (d * 1000.0);
  }
}

// Image distance from the last gap; MAZH puts the image on the paraxial focus.
void planImage(const ZmxDocument& doc, SystemPlan& plan) {
  const auto& records = doc.surfaces;
  const ZmxSurfaceRecord& image = records.back();
  const ZmxSurfaceRecord& last = records[records.size() - 2];
  plan.imageFromParaxial =
      image.solveToParaxialFocus || (records.size() > 2 && last.solveToParaxialFocus);
  if (plan.imageFinite && plan.fieldOnObject && image.semiHeight)
    plan.imageSize = *image.semiHeight;
  // Without a semi-diameter (or with an automatic zero), the full field of an object at infinity
  // in a system without zones is the synthesis program's design field: it keeps it in the size
  // of the finite image and traces it as the negative object angle, so it goes to both.
  const bool noImageSize =
      !image.semiHeight || (*image.semiHeight == 0.0 && image.diameterKind == 0.0);
  if (plan.zoneless && plan.fieldOnObject && !plan.objectFinite && plan.imageFinite &&
      noImageSize) {
    plan.imageSize = plan.objectSize;
    plan.objectSize = -plan.objectSize;
  }
  if (plan.imageFromParaxial || records.size() < 3) return;
  const double d = last.distanceInfinite ? 0.0 : last.distance.value_or(0.0);
  if (plan.imageFinite) {
    plan.imageS = d;
  } else {
    plan.imageS = d == 0.0 ? 0.0 : 1.0 / (d * 1000.0);
  }
}

SystemPlan planSystem(const ZmxDocument& doc, const OGlassStore& store) {
  SystemPlan plan;
  plan.name = doc.name;
  plan.temperature = doc.temperature;
  plan.pressure = doc.pressure;
  int fields = 0, waves = 0;
  planFieldType(doc, plan, fields, waves);
  planWavelengths(doc, plan, waves);
  planFields(doc, plan, fields);
  if (doc.stopType) {
    plan.stopType = *doc.stopType;
    plan.stopSize = doc.stopSize;
  }
  if (doc.surfaces.size() < 2) return plan;
  const ZmxSurfaceRecord& object = doc.surfaces.front();
  plan.catalogs = catalogsToSearch(doc.catalogs, store);
  plan.objectMedium = findMedium(object.glass.empty() ? "AIR" : object.glass, store, plan);
  planSurfaces(doc, store, plan);
  planObject(doc, plan);
  planImage(doc, plan);
  return plan;
}

// ---- making the system --------------------------------------------------------------------------

void makeZones(const SystemPlan& plan, OSystem& system) {
  if (plan.zoneless) return;
  const std::size_t entries = plan.wavelengths.size();
  // A field list always holds the axis. One that lists it already must not get it twice, and a
  // file without fields gets none, or every write and read would add one more zone.
  const bool hasAxis = std::find(plan.fields.begin(), plan.fields.end(), 0.0) != plan.fields.end();
  if (!plan.fields.empty() && !hasAxis) {
    auto axis = std::make_unique<OZone>();
    axis->resizeEntries(entries);
    system.zones().push_back(std::move(axis));
  }
  for (std::size_t j = plan.fields.size(); j-- > 0;) {
    auto zone = std::make_unique<OZone>();
    zone->resizeEntries(entries);
    system.setZoneFromField(*zone, plan.fields[j]);
    const double centre = j < plan.vignetCentre.size() ? plan.vignetCentre[j] : 0.0;
    const double half = j < plan.vignetHalf.size() ? plan.vignetHalf[j] : 0.0;
    if (centre != 0.0 || half != 0.0) {
      zone->setVignetting(centre + half, centre - half);
      std::fill(zone->vignetting.begin() + 1, zone->vignetting.end(), zone->vignetting.front());
    }
    system.zones().push_back(std::move(zone));
  }
  system.sortZones();
}

void makeSystem(SystemPlan& plan, OSystem& system) {
  system.createBase();
  system.name = plan.name;
  system.settings().flags[3] = plan.fieldOnObject;
  system.source()->wavelengths = plan.wavelengths;
  system.source()->weights = plan.weights;
  if (plan.air) system.glassStore().addMedium(std::move(plan.air));
  for (auto& entry : plan.conditioned) system.glassStore().addMedium(std::move(entry.second));

  OObject& object = *system.object();
  object.finite = plan.objectFinite;
  object.S = plan.objectS;
  object.h = plan.objectSize;
  object.out->medium = plan.objectMedium;
  OImage& image = *system.image();
  image.finite = plan.imageFinite;
  image.S_ = plan.imageS;
  image.h = plan.imageSize;
  image.fromParaxial = plan.imageFromParaxial;

  auto stop = std::make_unique<OApertureStop>();
  stop->type = plan.stopType;
  stop->size = plan.stopSize;
  for (const SurfacePlan& s : plan.surfaces) {
    auto node = std::make_unique<ONode>(std::make_unique<OSurface2>(s.c, s.e2));
    node->h = s.h;
    auto gap = std::make_unique<OGuide>();
    gap->distance() = s.d;
    gap->sign = s.sign;
    gap->medium = s.medium;
    ONode* linked = system.appendBeforeImage(std::move(node), std::move(gap));
    if (s.stop) {
      stop->node = linked;
      if (stop->type == 'd') stop->size = s.h;
    }
  }
  system.setStop(std::move(stop));
  system.refreshMedia();
  makeZones(plan, system);
}

}  // namespace

ZmxDocument parseZmx(std::string_view text) {
  ZmxDocument doc;
  NumberedWaves numbered;
  bool explicitWaves = false;
  int number = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const ZmxLine line(text.substr(pos, end - pos), ++number);
    pos = end + 1;
    if (line.keyword().empty()) continue;
    if (line.keyword() == "SURF") {
      doc.surfaces.emplace_back();
      doc.surfaces.back().line = number;
    } else if (doc.surfaces.empty() || !readSurfaceLine(line, doc.surfaces.back())) {
      readSystemLine(line, doc, numbered, explicitWaves);
    }
  }
  if (doc.surfaces.empty()) fail("the file holds no surface (no SURF line); it is no lens file");
  if (!explicitWaves) numbered.moveTo(doc);
  return doc;
}

void buildZmxSystem(const ZmxDocument& doc, OSystem& system) {
  SystemPlan plan = planSystem(doc, system.glassStore());
  makeSystem(plan, system);
}

void readZmxFile(const std::string& path, OSystem& system) {
  const std::optional<std::string> bytes = text::readFileBytes(path);
  if (!bytes) fail("file does not exist");
  if (bytes->size() < 4) fail("файл поврежден");
  buildZmxSystem(parseZmx(text::decodeText(*bytes)), system);
}

}  // namespace zelt
