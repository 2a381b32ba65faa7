#include "zelt/io/OpjWriter.h"

#include <bit>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

#include "zelt/io/WriteGuard.h"
#include "zelt/model/OEntrancePupil.h"

namespace zelt {
namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error("Write OPJ Error: " + what);
}

// Little-endian fields appended to a byte string.
class OpjSink {
 public:
  void u16(std::uint16_t v) { put(v, 2); }
  void i16(int v) { put(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)), 2); }
  void u32(std::uint32_t v) { put(v, 4); }
  void f32(double v) { u32(std::bit_cast<std::uint32_t>(static_cast<float>(v))); }
  void f64(double v) { put(std::bit_cast<std::uint64_t>(v), 8); }
  // Text in a fixed field, cut at a character boundary and padded with blanks.
  void text(const std::string& s, std::size_t width) {
    std::size_t n = std::min(s.size(), width);
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    bytes_ += s.substr(0, n);
    bytes_.append(width - n, ' ');
  }
  // Appends `content` as a section: its length in 16-bit words, then the content.
  void section(const OpjSink& content) {
    u32(static_cast<std::uint32_t>(content.bytes_.size() / 2));
    bytes_ += content.bytes_;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  void put(std::uint64_t v, int n) {
    for (int k = 0; k < n; ++k) bytes_ += static_cast<char>((v >> (8 * k)) & 0xFF);
  }
  std::string bytes_;
};

int angleModeCode(const std::string& mode) {
  if (mode == "tg") return 0;
  if (mode == "sin") return 2;
  return 1;
}

// The catalog code a medium read from an OPJ file keeps as its catalog name; others get 0.
int catalogCodeOf(const OMedium& medium) {
  const std::string& s = medium.catalogName;
  if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(s);
}

void describeStop(const OSystem& system, OpjDocument& doc) {
  const OStop* stop = system.stop();
  if (stop == nullptr) return;
  doc.stopType = stop->type == 'z' ? 1 : stop->type == 'p' ? -1 : 0;
  doc.stopSize = stop->size;
  if (const auto* pupil = dynamic_cast<const OEntrancePupil*>(stop)) {
    doc.stopSurface = opj::kEntrancePupil;
    doc.stopPosition = pupil->position;
  } else if (const auto* aperture = dynamic_cast<const OApertureStop*>(stop);
             aperture && aperture->node) {
    doc.stopSurface = system.indexOf(aperture->node);
  }
}

void describeEnds(const OSystem& system, OpjDocument& doc) {
  const OObject& object = *system.object();
  const OImage& image = *system.image();
  doc.objectFinite = object.finite;
  doc.imageFinite = image.finite;
  doc.objectAngleMode = doc.imageAngleMode = angleModeCode(system.settings().angleMode);
  doc.imageDistanceKind = image.fromParaxial ? 0 : 1;
  doc.fieldOnImage = !system.settings().zonesOnObject();
  doc.fieldSize = doc.fieldOnImage ? image.h : object.h;
  // The format keeps the distance to an object at infinity in metres.
  doc.objectDistance = object.finite ? object.S : object.S / 1000.0;
  doc.imageDistance = image.S_;
  doc.objectCurvature = object.element() ? object.element()->getCurvature() : 0.0;
  doc.imageCurvature = image.element() ? image.element()->getCurvature() : 0.0;
}

// Glass code of a gap: the 1-based glass entry, negative behind a reflection, 0 without medium.
int glassCode(const OGuide& gap, std::map<const OMedium*, int>& entries, OpjDocument& doc) {
  if (gap.medium == nullptr) return 0;
  auto [it, added] = entries.emplace(gap.medium, static_cast<int>(entries.size()) + 1);
  if (added) {
    OpjGlass glass;
    glass.name = gap.medium->name;
    glass.catalogCode = catalogCodeOf(*gap.medium);
    const std::size_t n = std::min<std::size_t>(doc.wavelengths.size(), opj::kIndicesPerGlass);
    for (std::size_t w = 0; w < n; ++w)
      glass.indices.push_back(gap.medium->index(static_cast<unsigned>(w)));
    doc.glasses.push_back(glass);
  }
  return gap.sign < 0 ? -it->second : it->second;
}

void describeChain(const OSystem& system, OpjDocument& doc) {
  std::map<const OMedium*, int> entries;
  const OGuide* gap = system.object()->out;
  doc.glassCodes.push_back(glassCode(*gap, entries, doc));
  bool conic = false, heights = false;
  std::vector<double> heightList;
  for (const ONode* node = gap->next; node && node != system.image(); node = gap->next) {
    gap = node->out;
    const OElement* e = node->element();
    doc.curvatures.push_back(e ? e->getCurvature() : 0.0);
    const double e2 = e ? e->getConic() : 0.0;
    doc.kinds.push_back(e2 != 0.0 ? 2 : 1);
    if (e2 != 0.0) doc.conics.push_back(e2);
    conic = conic || e2 != 0.0;
    heightList.push_back(node->h);
    heights = heights || node->h != 0.0;
    // The format carries no distance after the last surface: the image distance places it.
    doc.distances.push_back(gap->next == system.image() ? 0.0 : gap->getDistance());
    doc.glassCodes.push_back(glassCode(*gap, entries, doc));
  }
  if (!conic) doc.kinds.clear();
  if (doc.conics.size() > static_cast<std::size_t>(opj::kConicSlots)) {
    fail("more than 100 conic surfaces");
  }
  if (heights) doc.semiDiameters = heightList;
}

void describeZones(OSystem& system, OpjDocument& doc) {
  system.sortZones();
  doc.hasZoneSection = true;
  bool axisSkipped = false;
  for (const auto& zone : system.zones()) {
    // The reader makes the axis zone itself; every other zone goes to the file.
    if (!axisSkipped && zone->relative.x == 0.0 && zone->relative.y == 0.0) {
      axisSkipped = true;
      continue;
    }
    OpjZone z;
    z.relative = zone->relative.y;
    zone->getVignetting(z.upper, z.lower);
    z.objectOffset = system.object()->S - zone->shift[0];
    z.imageOffset = system.image()->S_ - zone->shift[1];
    z.stopOffset = doc.stopPosition - zone->shift[2];
    doc.zones.push_back(z);
  }
  if (doc.zones.size() > static_cast<std::size_t>(opj::kMaxZones)) {
    throw std::runtime_error("Error: more then 5 object zone");
  }
}

}  // namespace

OpjDocument opjDocument(OSystem& system) {
  if (!system.object() || !system.image() || !system.source()) {
    fail("the system is empty (no object, image or source)");
  }
  if (system.source()->count() == 0) fail("the system has no wavelength");
  requireFiniteSystem(system, "Write OPJ Error: ");
  system.refreshMedia();
  OpjDocument doc;
  doc.name = system.name;
  doc.wavelengths = system.source()->wavelengths;
  doc.weights = system.source()->weights;
  describeStop(system, doc);
  describeEnds(system, doc);
  describeChain(system, doc);
  describeZones(system, doc);
  if (doc.curvatures.size() > 32000 || doc.wavelengths.size() > 32000) {
    fail("the system is too large for the format");
  }
  return doc;
}

namespace {

std::size_t indicesPerGlass(const OpjDocument& doc) {
  return std::min<std::size_t>(doc.wavelengths.size(), opj::kIndicesPerGlass);
}

// Length of the leading part of the file, up to the sections, in 16-bit words.
std::uint32_t headerWords(const OpjDocument& doc) {
  const std::size_t n = doc.curvatures.size(), g = doc.glasses.size();
  const std::size_t bytes = 4 + 4 * 2 + opj::kNameBytes + 12 * 2 + 10 * 8 +
                            4 * doc.wavelengths.size() + 16 * n + 2 * (n + 1) +
                            g * (8 * indicesPerGlass(doc) + opj::kGlassNameBytes) + 2;
  return static_cast<std::uint32_t>(bytes / 2);
}

void writeSystemFields(const OpjDocument& doc, OpjSink& out) {
  out.text(doc.name, opj::kNameBytes);
  out.i16(static_cast<int>(doc.curvatures.size()));
  out.i16(static_cast<int>(doc.wavelengths.size()));
  out.i16(static_cast<int>(doc.glasses.size()));
  for (int v : {doc.stopSurface, int{doc.objectFinite}, int{doc.imageFinite}, doc.objectAngleMode,
                doc.imageAngleMode, doc.imageDistanceKind, doc.stopType, int{doc.fieldOnImage},
                opjDefaultCatalog(doc.glasses)}) {
    out.i16(v);
  }
  for (double v :
       {doc.objectDistance, doc.imageDistance, doc.stopSize, doc.stopSize, doc.stopPosition,
        doc.fieldSize, doc.fieldSize, doc.objectCurvature, doc.imageCurvature, 0.0}) {
    out.f64(v);
  }
}

void writeMainPart(const OpjDocument& doc, OpjSink& out) {
  writeSystemFields(doc, out);
  for (double w : doc.wavelengths) out.f32(w);
  for (double c : doc.curvatures) out.f64(c);
  for (double d : doc.distances) out.f64(d);
  for (int code : doc.glassCodes) out.i16(code);
  for (const OpjGlass& glass : doc.glasses) {
    for (std::size_t w = 0; w < indicesPerGlass(doc); ++w) {
      out.f64(w < glass.indices.size() ? glass.indices[w] : 0.0);
    }
  }
  for (const OpjGlass& glass : doc.glasses) {
    out.text(std::string(1, opjCatalogChar(glass.catalogCode)), 1);
    out.text(glass.name, opj::kGlassNameBytes - 1);
  }
  out.u16(0);  // two bytes the reader skips
}

void writeAsphereSection(const OpjDocument& doc, OpjSink& out) {
  OpjSink s;
  s.u32(0);  // no special elements
  for (int kind : doc.kinds) s.i16(kind);
  for (std::size_t k = 0; k < doc.kinds.size(); ++k) s.i16(0);
  for (int k = 0; k < opj::kConicSlots; ++k) {
    s.f32(static_cast<std::size_t>(k) < doc.conics.size() ? doc.conics[k] : 0.0);
  }
  out.section(s);
}

void writeZoneSection(const OpjDocument& doc, OpjSink& out) {
  OpjSink s;
  s.u32(static_cast<std::uint32_t>(doc.zones.size()));
  for (const OpjZone& z : doc.zones) s.f32(z.relative);
  for (const OpjZone& z : doc.zones) {
    s.f32(z.upper);
    s.f32(z.lower);
  }
  for (const OpjZone& z : doc.zones) s.f64(z.objectOffset);
  for (const OpjZone& z : doc.zones) s.f64(z.imageOffset);
  for (const OpjZone& z : doc.zones) s.f64(z.stopOffset);
  out.section(s);
}

void writeWeightSection(const OpjDocument& doc, OpjSink& out) {
  OpjSink s;
  s.u32(0);
  s.u32(0);
  for (int k = 0; k < opj::kWeightSlots; ++k) {
    s.f32(static_cast<std::size_t>(k) < doc.weights.size() ? doc.weights[k] : 0.0);
  }
  out.section(s);
}

}  // namespace

std::string opjBytes(const OpjDocument& doc) {
  std::uint16_t f1 = opj::kBaseFlags;
  if (!doc.kinds.empty()) f1 |= opj::kAspheres;
  if (!doc.semiDiameters.empty()) f1 |= opj::kSemiDiameters;
  OpjSink out;
  out.u32(headerWords(doc));
  out.u16(f1);
  out.u16(0);  // second flags
  out.u16(0);  // zoom word: no zoom positions
  out.u16(0);  // reserved
  writeMainPart(doc, out);
  if (f1 & opj::kAspheres) writeAsphereSection(doc, out);
  if (f1 & opj::kSemiDiameters) {
    OpjSink s;
    for (double h : doc.semiDiameters) s.f32(h);
    out.section(s);
  }
  writeZoneSection(doc, out);
  writeWeightSection(doc, out);
  return out.bytes();
}

// Names of the glasses that do not fit the seven bytes the format gives a glass name.
std::string cutGlassNames(const OpjDocument& doc) {
  std::string cut;
  for (const OpjGlass& glass : doc.glasses) {
    if (glass.name.size() < opj::kGlassNameBytes) continue;
    cut += (cut.empty() ? "" : ", ") + glass.name;
  }
  return cut;
}

void writeOpjFile(OSystem& system, const std::string& path) {
  const OpjDocument doc = opjDocument(system);
  const std::string bytes = opjBytes(doc);
  replaceFileContents(path, bytes, "Write OPJ Error: ");
  // The file is complete; a glass name it had to cut is reported afterwards.
  if (const std::string cut = cutGlassNames(doc); !cut.empty()) {
    throw std::runtime_error("Write OPJ Warning: glass names longer than 7 characters were cut: " +
                             cut);
  }
}

}  // namespace zelt
