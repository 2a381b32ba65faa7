#include "zelt/io/ZmxWriter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <locale>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/io/GostNames.h"
#include "zelt/io/WriteGuard.h"
#include "zelt/model/OEntrancePupil.h"

namespace zelt {
namespace {

constexpr double kDegree = 180.0 / std::numbers::pi;
// The d, F and C lines [µm] of a model glass's nd and νd.
constexpr double kLineD = 0.5875618, kLineF = 0.4861327, kLineC = 0.6562725;

constexpr char kBackApertureWarning[] =
    "Write ZMX Warning: back aperture doesn't support. Unsupported value writes to system "
    "comments.";
constexpr char kInfinityImageWarning[] =
    "Write ZMX Warning: infinity image size setup doesn't support. Unsupported value writes to "
    "system comments.";
constexpr char kEntrancePupilWarning[] =
    "Write ZMX Warning: entrance pupil as aperture doesn't support. Unsupported value writes to "
    "system comments.";
constexpr char kVignettingWarning[] = "Write ZMX Warning: Do not forget to change vignetting.";

// Collects the lines. Numbers are written in the shortest text that reads back to the same
// double: a value of six significant digits or fewer looks as a default stream writes it, and
// a designed radius comes back from the file to the last digit.
class ZmxLines {
 public:
  ZmxLines() { out_.imbue(std::locale::classic()); }

  template <class T>
  ZmxLines& operator<<(const T& value) {
    out_ << value;
    return *this;
  }
  ZmxLines& operator<<(double value) {
    char buffer[64];
    // A negative zero would be written "-0": write the plain zero.
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value == 0.0 ? 0.0 : value).ptr;
    out_.write(buffer, end - buffer);
    return *this;
  }
  std::string text() const { return out_.str(); }

 private:
  std::ostringstream out_;
};

std::string upperCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

// A line break inside a name would start a line of its own and be read as a keyword.
std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

// The warnings the file raises; the first of A, B, C wins over D.
struct Warnings {
  bool backAperture = false;    // A
  bool infinityImage = false;   // B
  bool entrancePupil = false;   // C
  bool twoSidedVignet = false;  // D

  std::string message() const {
    if (backAperture) return kBackApertureWarning;
    if (infinityImage) return kInfinityImageWarning;
    if (entrancePupil) return kEntrancePupilWarning;
    if (twoSidedVignet) return kVignettingWarning;
    return {};
  }
};

// Everything the lines are made from, gathered once.
struct WriteContext {
  const OSystem& system;
  const OObject& object;
  const OImage& image;
  const OSource& source;
  const OStop* stop;
  const OApertureStop* aperture;  // null unless the stop sits on a node
  const OEntrancePupil* pupil;    // null unless the stop is an entrance pupil
  bool fieldOnObject;
  std::string catalog;     // as the caller names it: the catalogs' own file stems
  std::string catalogKey;  // in capitals, for the glass name tables
  ZmxConditions conditions;
  Warnings warnings;
  bool fieldInImageSize = false;  // the design field is kept in the image size
  std::vector<double> fields;     // in the file's units
};

// True for a system without zones whose field of an object at infinity is kept in the size of
// its finite image, as the synthesis program keeps the design field of a doublet; the object
// may hold the same field as the negative angle it is traced with (a doublet read back).
bool designFieldInImageSize(const WriteContext& ctx) {
  return ctx.system.zones().empty() && ctx.fieldOnObject && !ctx.object.finite &&
         (ctx.object.h == 0.0 || ctx.object.h == -ctx.image.h) && ctx.image.finite &&
         ctx.image.h != 0.0;
}

// The field of a zone where the zone set-up keeps it: the real point on the object side, the
// first image point on the image side.
double zoneField(const WriteContext& ctx, const OZone& zone) {
  if (ctx.fieldOnObject) return zone.real.y;
  return zone.points.empty() ? zone.real.y : zone.points.front().y;
}

// The fields a reader of the file finds: one per zone; without zones the axis and, when the
// system has one, its full field. Angles are in degrees; a positive angle of the format is the
// field the synthesis program traces as the negative object size, so the design field kept in
// the image size (a magnitude) is written as it stands.
std::vector<double> fileFields(const WriteContext& ctx) {
  const bool angle = ctx.fieldOnObject ? !ctx.object.finite : !ctx.image.finite;
  const double unit = angle ? kDegree : 1.0;
  std::vector<double> fields;
  for (const auto& zone : ctx.system.zones()) fields.push_back(zoneField(ctx, *zone) * unit);
  if (!ctx.system.zones().empty()) return fields;
  double size = ctx.fieldOnObject ? ctx.object.h : ctx.image.h;
  if (ctx.fieldInImageSize) size = ctx.image.h;
  fields.push_back(0.0);
  if (size != 0.0) fields.push_back(size * unit);
  return fields;
}

// Signed refractive index of `gap` at the main wavelength, NaN when it cannot be had.
double mainIndex(const OSystem& system, const OGuide* gap) {
  if (gap == nullptr || gap->medium == nullptr) return std::nan("");
  try {
    if (const auto* glass = dynamic_cast<const OAMedium*>(gap->medium)) {
      const OSource* source = system.source();
      if (source == nullptr || source->count() == 0) return std::nan("");
      return glass->indexAt(source->wavelengths.front()) * gap->sign;
    }
    return gap->medium->index(0) * gap->sign;
  } catch (const std::exception&) {
    return std::nan("");
  }
}

// True when the stop sits on the first surface and that surface does not refract: a stop placed
// in front of the lens, whose distance to the lens the object distance already excludes.
bool stopIsDummyFirstSurface(const WriteContext& ctx) {
  if (ctx.aperture == nullptr || ctx.aperture->node == nullptr) return false;
  const ONode* first = ctx.object.next();
  if (first == nullptr || first == &ctx.image || ctx.aperture->node != first) return false;
  const double before = mainIndex(ctx.system, first->in);
  const double after = mainIndex(ctx.system, first->out);
  return before == after;
}

void writeNotes(WriteContext& ctx, ZmxLines& z) {
  z << "NOTE 0 ";
  if (ctx.stop && ctx.stop->type == 'z') {
    z << " A'=" << ctx.stop->size;
    ctx.warnings.backAperture = true;
  }
  if (!ctx.image.finite && !ctx.fieldOnObject) {
    z << " Image size " << ctx.image.h * kDegree << " degree was set.";
    ctx.warnings.infinityImage = true;
  }
  if (ctx.pupil) {
    const bool numericalAperture = ctx.pupil->type == 'p' && ctx.object.finite;
    z << " Entrance pupil" << (numericalAperture ? " NA=" : " size=") << ctx.pupil->size;
    ctx.warnings.entrancePupil = true;
  }
  z << "\n";
}

void writeAperture(const WriteContext& ctx, ZmxLines& z) {
  if (ctx.stop == nullptr) return;
  if (ctx.stop->type == 'd') {
    z << "FLOA\n";
  } else if (ctx.stop->type == 'p') {
    if (ctx.object.finite) {
      z << "OBNA " << ctx.stop->size << "\n";
    } else {
      z << "ENPD " << 2.0 * ctx.stop->size << "\n";
    }
  }
}

void writeFieldType(const WriteContext& ctx, ZmxLines& z) {
  const char* fieldType = ctx.fieldOnObject ? (ctx.object.finite ? "1 " : "0 ") : "3 ";
  z << "FTYP " << fieldType << "0 " << ctx.fields.size() << " " << ctx.source.count() << " 0 0 "
    << (ctx.image.finite ? "0" : "1") << "\n";
}

// The wavelengths as lists and, for readers of the newer dialect, one numbered line each with
// the first of them as the primary wavelength.
void writeWavelengths(const WriteContext& ctx, ZmxLines& z) {
  if (ctx.source.count() == 0) return;
  z << "WAVL";
  for (double lambda : ctx.source.wavelengths) z << " " << lambda;
  z << "\nWWGT";
  for (double weight : ctx.source.weights) z << " " << weight;
  z << "\n";
  for (std::size_t k = 0; k < ctx.source.count(); ++k) {
    const double weight = k < ctx.source.weights.size() ? ctx.source.weights[k] : 1.0;
    z << "WAVM " << k + 1 << " " << ctx.source.wavelengths[k] << " " << weight << "\n";
  }
  z << "PWAV 1\n";
}

void writeFields(const WriteContext& ctx, ZmxLines& z) {
  z << "YFLD ";
  for (double y : ctx.fields) z << y << " ";
  z << "\nXFLN";
  for (std::size_t j = 0; j < ctx.fields.size(); ++j) z << " 0";
  z << "\nYFLN";
  for (double y : ctx.fields) z << " " << y;
  z << "\n";
}

// The conditions a glass read from a lens file keeps (see the reader) go back into the file;
// otherwise the caller's.
ZmxConditions conditionsOfGlasses(const OSystem& system, const ZmxConditions& given) {
  for (const ONode* node = system.object(); node && node != system.image(); node = node->next()) {
    const auto* glass = node->out ? dynamic_cast<const OAMedium*>(node->out->medium) : nullptr;
    if (glass && (glass->temperature || glass->pressure != 1.0)) {
      return {glass->temperature.value_or(given.temperature), glass->pressure};
    }
  }
  return given;
}

// The temperature and air pressure the indices belong to, in both dialects of the format.
void writeConditions(const WriteContext& ctx, ZmxLines& z) {
  const ZmxConditions& c = ctx.conditions;
  z << "TEMP " << c.temperature << "\nPRES " << c.pressure << "\n";
  z << "ENVD " << c.temperature << " " << c.pressure << " 0\n";
}

// Vignetting as centre and half-width factors of the pupil's y extent, per zone.
void writeVignetting(WriteContext& ctx, ZmxLines& z) {
  std::vector<double> vcy, vdy;
  for (const auto& zone : ctx.system.zones()) {
    const std::size_t n = std::min(zone->vignetting.size(), ctx.source.count());
    double upper = 0.0, lower = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
      const geom::GEllipse<double>& e = zone->vignetting[k];
      upper = std::max(upper, 1.0 - (e.centre.y + e.b));
      lower = std::max(lower, -1.0 - (e.centre.y - e.b));
    }
    if (upper != 0.0 && lower != 0.0) ctx.warnings.twoSidedVignet = true;
    vcy.push_back((upper + lower) / 2.0);
    vdy.push_back((upper - lower) / 2.0);
  }
  z << "ZVCY ";
  for (double v : vcy) z << v << " ";
  z << "\nZVDY ";
  for (double v : vdy) z << v << " ";
  z << "\n";
}

// nd and νd of the medium, for the model-glass fields of its GLAS line; empty when unknown.
std::optional<std::pair<double, double>> modelGlass(const OMedium& medium) {
  if (const auto* glass = dynamic_cast<const OAMedium*>(&medium)) {
    try {
      const double nd = glass->indexAt(kLineD);
      const double vd = (nd - 1.0) / (glass->indexAt(kLineF) - glass->indexAt(kLineC));
      if (std::isfinite(nd) && std::isfinite(vd)) return std::make_pair(nd, vd);
    } catch (const std::exception&) {
      return std::nullopt;  // the glass has no data at the d, F or C line
    }
    return std::nullopt;
  }
  if (const auto* made = dynamic_cast<const OHMedium*>(&medium); made && made->nd > 0.0) {
    return std::make_pair(made->nd, made->vd);
  }
  return std::nullopt;
}

// The GLAS line of the gap after `node` (the object has no gap before it and never reflects).
void writeMedium(const WriteContext& ctx, const ONode& node, ZmxLines& z) {
  const OGuide* gap = node.out;
  const std::string name = gap && gap->medium ? gap->medium->name : std::string();
  const bool reflects = node.in != nullptr && gap != nullptr && node.in->sign != gap->sign;
  // A mirror is a surface kind of its own in the format: the medium behind it stays the medium
  // in front of it, so its name must not take the place of MIRROR.
  if (reflects) {
    z << "  GLAS MIRROR\n";
    return;
  }
  // A gap without a GLAS line is air in the format; naming AIR would make it real air.
  if (glassNameForCatalog(name, "ZELT") == "AIR") return;
  const std::string written = oneLine(glassNameForCatalog(name, ctx.catalogKey));
  if (written.empty()) return;
  z << "  GLAS " << written;
  // A reader whose catalogs lack the glass falls back on the model glass made from nd and νd.
  if (const auto model = modelGlass(*gap->medium)) {
    z << " 1 0 " << model->first << " " << model->second << " 0 0 0 0 0 0";
  }
  z << "\n";
}

// A DIAM line as the makers write it: semi-diameter, its kind (1 fixed, 0 automatic) and the
// trailing fields readers expect.
void writeDiameterLine(double semiDiameter, int kind, ZmxLines& z) {
  z << "  DIAM " << semiDiameter << " " << kind << " 0 0 1 \"\"\n";
}

void writeObjectBlock(const WriteContext& ctx, ZmxLines& z) {
  z << "SURF 0\n  TYPE STANDARD\n";
  if (ctx.pupil) {
    z << "  DISZ " << ctx.pupil->position << "\n";
  } else if (!ctx.object.finite && ctx.object.S == 0.0) {
    z << "  DISZ INFINITY\n";
  } else {
    double distance = ctx.object.finite ? -ctx.object.S : -1.0 / (ctx.object.S * 1000.0);
    if (stopIsDummyFirstSurface(ctx)) distance -= ctx.object.next()->out->getDistance();
    z << "  DISZ " << distance << "\n";
  }
  writeDiameterLine(0.0, 0, z);
  z << "  CURV 0\n";
  writeMedium(ctx, ctx.object, z);
}

void writeDiameter(const WriteContext& ctx, const ONode& node, ZmxLines& z) {
  if (ctx.aperture && ctx.aperture->node == &node && ctx.aperture->type == 'd') {
    writeDiameterLine(ctx.aperture->size, 1, z);
  } else {
    writeDiameterLine(node.h, node.h == 0.0 ? 0 : 1, z);
  }
}

// Distance from the last surface to the plane the library traces to for an image on the
// paraxial focus: the Gaussian image of the main wavelength moved by S'. Empty when the system
// cannot be calculated.
std::optional<double> paraxialImageDistance(const OSystem& system) {
  const auto* axisSystem = dynamic_cast<const OAxisSystem*>(&system);
  if (axisSystem == nullptr) return std::nullopt;
  // The calculation fills the system's paraxial record; the record is put back afterwards, so
  // the written system is left as it was.
  auto& calculated = const_cast<OAxisSystem&>(*axisSystem);
  const OParaxial kept = calculated.paraxial;
  std::optional<double> distance;
  try {
    OAxisSystemCalc(calculated).calcParaxial();
    distance = calculated.image()->S_ + calculated.paraxial.SG.at(0);
  } catch (const std::exception&) {
    distance.reset();
  }
  calculated.paraxial = kept;
  if (distance && !std::isfinite(*distance)) return std::nullopt;
  return distance;
}

// The distance of the gap into the image: a solve onto the paraxial image, or the image distance.
void writeImageDistance(const WriteContext& ctx, ZmxLines& z) {
  if (ctx.image.fromParaxial) {
    z << "  MAZH 0 0\n";
    // Readers that do not solve find the image plane at the distance the solve gives.
    const std::optional<double> distance =
        ctx.image.finite ? paraxialImageDistance(ctx.system) : std::nullopt;
    if (distance) z << "  DISZ " << *distance << "\n";
  } else if (ctx.image.finite) {
    z << "  DISZ " << ctx.image.S_ << "\n";
  } else if (ctx.image.S_ == 0.0) {
    z << "  DISZ INFINITY\n";  // 1/(S'·1000) has no finite value here
  } else {
    z << "  DISZ " << 1.0 / (ctx.image.S_ * 1000.0) << "\n";
  }
}

int writeSurfaces(const WriteContext& ctx, ZmxLines& z) {
  int number = 1;
  for (const ONode* node = ctx.object.next(); node && node != &ctx.image; node = node->next()) {
    z << "SURF " << number++ << "\n  TYPE STANDARD\n";
    if (ctx.aperture && ctx.aperture->node == node) z << "  STOP\n";
    writeDiameter(ctx, *node, z);
    const OElement* surface = node->element();
    const double c = surface ? surface->getCurvature() : 0.0;
    const double e2 = surface ? surface->getConic() : 0.0;
    z << "  CURV " << c << "\n";
    if (e2 != 0.0) z << "  CONI " << -e2 << "\n";
    writeMedium(ctx, *node, z);
    if (node->next() == &ctx.image) {
      writeImageDistance(ctx, z);
    } else {
      z << "  DISZ " << node->out->getDistance() << "\n";
    }
  }
  return number;
}

void writeImageBlock(const WriteContext& ctx, int number, ZmxLines& z) {
  z << "SURF " << number << "\n  TYPE STANDARD\n  DISZ 0\n";
  // The semi-diameter is a length: an image size that holds the design field angle is none, and
  // is written as an automatic zero (a finite image's own size is a fixed value, zero or not).
  if (ctx.image.finite && !ctx.fieldInImageSize) {
    writeDiameterLine(ctx.image.h, 1, z);
  } else {
    writeDiameterLine(0.0, 0, z);
  }
  z << "  CURV 0\n";
}

}  // namespace

ZmxText zmxText(const OSystem& system, const std::string& catalog) {
  return zmxText(system, catalog, ZmxConditions{});
}

ZmxText zmxText(const OSystem& system, const std::string& catalog,
                const ZmxConditions& conditions) {
  if (!system.object() || !system.image() || !system.source() || !system.object()->out) {
    throw std::runtime_error("Write ZMX Error: the system is empty (no object, image or source)");
  }
  requireFiniteSystem(system, "Write ZMX Error: ");
  WriteContext ctx{system,
                   *system.object(),
                   *system.image(),
                   *system.source(),
                   system.stop(),
                   dynamic_cast<const OApertureStop*>(system.stop()),
                   dynamic_cast<const OEntrancePupil*>(system.stop()),
                   system.settings().zonesOnObject(),
                   oneLine(catalog),
                   upperCase(oneLine(catalog)),
                   conditions,
                   {},
                   false,
                   {}};
  ctx.conditions = conditionsOfGlasses(system, conditions);
  ctx.fieldInImageSize = designFieldInImageSize(ctx);
  ctx.fields = fileFields(ctx);
  ZmxLines z;
  z << "VERS 90609 1 19052\nMODE SEQ\n";
  z << "NAME " << oneLine(system.name) << " " << oneLine(system.text1) << "\n";
  writeNotes(ctx, z);
  // Lengths in millimetres, the units every reader assumes without the line.
  z << "UNIT MM X W X CM MR CPMM\n";
  writeAperture(ctx, z);
  z << "GCAT " << ctx.catalog << "\n";
  writeFieldType(ctx, z);
  writeWavelengths(ctx, z);
  writeFields(ctx, z);
  writeVignetting(ctx, z);
  writeConditions(ctx, z);
  writeObjectBlock(ctx, z);
  const int imageNumber = writeSurfaces(ctx, z);
  writeImageBlock(ctx, imageNumber, z);
  return {z.text(), ctx.warnings.message()};
}

void writeZmxFile(const OSystem& system, const std::string& path, const std::string& catalog) {
  writeZmxFile(system, path, catalog, ZmxConditions{});
}

void writeZmxFile(const OSystem& system, const std::string& path, const std::string& catalog,
                  const ZmxConditions& conditions) {
  const ZmxText zmx = zmxText(system, catalog, conditions);
  replaceFileContents(path, zmx.text, "Write ZMX Error: ");
  // The file is complete; what the format could not hold is reported afterwards.
  if (!zmx.warning.empty()) throw std::runtime_error(zmx.warning);
}

}  // namespace zelt
