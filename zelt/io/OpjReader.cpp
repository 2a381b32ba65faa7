#include "zelt/io/OpjReader.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "zelt/model/OEntrancePupil.h"

namespace zelt {
namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error("Read OPJ Error: " + what);
}

[[noreturn]] void corrupted() {
  fail("file is corrupted");
}

// Little-endian fields of a byte buffer; every read is checked against the end.
class OpjBytes {
 public:
  explicit OpjBytes(std::string_view bytes) : bytes_(bytes) {}

  // Throws unless `n` more bytes remain.
  void need(std::size_t n) const {
    if (n > bytes_.size() - pos_) corrupted();
  }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  void skip(std::size_t n) {
    need(n);
    pos_ += n;
  }
  std::string_view take(std::size_t n) {
    need(n);
    const std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  std::uint16_t u16() { return static_cast<std::uint16_t>(unsigned_(2)); }
  int i16() { return static_cast<std::int16_t>(u16()); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(unsigned_(4)); }
  float f32() { return std::bit_cast<float>(u32()); }
  double f64() { return std::bit_cast<double>(unsigned_(8)); }

  // Starts an optional section: its length in 16-bit words must fit in the file.
  void section() {
    const std::uint64_t words = u32();
    if (words * 2 > remaining()) corrupted();
  }

 private:
  std::uint64_t unsigned_(int n) {
    need(static_cast<std::size_t>(n));
    std::uint64_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes_[pos_ + k]);
    pos_ += static_cast<std::size_t>(n);
    return v;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// A count of items of `itemBytes` each that must fit in what is left of the file.
std::size_t checkedCount(const OpjBytes& in, std::int64_t count, std::size_t itemBytes) {
  if (count < 0) corrupted();
  in.need(static_cast<std::size_t>(count) * itemBytes);
  return static_cast<std::size_t>(count);
}

std::vector<double> readFloats(OpjBytes& in, std::size_t n) {
  in.need(n * 4);
  std::vector<double> v(n);
  for (double& x : v) x = opjShortDecimal(in.f32());
  return v;
}

std::vector<double> readDoubles(OpjBytes& in, std::size_t n) {
  in.need(n * 8);
  std::vector<double> v(n);
  for (double& x : v) x = in.f64();
  return v;
}

// Fixed-size text: cut at a zero byte, trailing blanks removed.
std::string fixedText(std::string_view s) {
  s = s.substr(0, s.find('\0'));
  const std::size_t end = s.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : s.substr(0, end + 1));
}

struct Counts {
  std::size_t surfaces = 0, waves = 0, glasses = 0;
};

Counts readSystemFields(OpjBytes& in, OpjDocument& doc, int& defaultCatalog) {
  doc.name = fixedText(in.take(opj::kNameBytes));
  const int n = in.i16(), w = in.i16(), g = in.i16();
  // A project always has at least one wavelength: its glasses are given by their indices.
  if (n < 0 || w < 1 || g < 0) corrupted();
  doc.stopSurface = in.i16();
  doc.objectFinite = in.i16() != 0;
  doc.imageFinite = in.i16() != 0;
  doc.objectAngleMode = in.i16();
  doc.imageAngleMode = in.i16();
  doc.imageDistanceKind = in.i16();
  doc.stopType = in.i16();
  doc.fieldOnImage = in.i16() != 0;
  defaultCatalog = in.i16();
  doc.objectDistance = in.f64();
  doc.imageDistance = in.f64();
  doc.stopSize = in.f64();
  in.f64();  // the stop size again
  doc.stopPosition = in.f64();
  doc.fieldSize = in.f64();
  in.f64();  // the field size again
  doc.objectCurvature = in.f64();
  doc.imageCurvature = in.f64();
  in.f64();  // reserved
  return {static_cast<std::size_t>(n), static_cast<std::size_t>(w), static_cast<std::size_t>(g)};
}

void readGlasses(OpjBytes& in, const Counts& c, int defaultCatalog, OpjDocument& doc) {
  doc.glassCodes.resize(checkedCount(in, static_cast<std::int64_t>(c.surfaces) + 1, 2));
  for (int& code : doc.glassCodes) {
    code = in.i16();
    if (std::abs(code) > static_cast<int>(c.glasses)) corrupted();
  }
  const std::size_t perGlass = std::min<std::size_t>(c.waves, opj::kIndicesPerGlass);
  doc.glasses.resize(checkedCount(in, static_cast<std::int64_t>(c.glasses), perGlass * 8));
  for (OpjGlass& glass : doc.glasses) glass.indices = readDoubles(in, perGlass);
  for (OpjGlass& glass : doc.glasses) {
    const std::string_view stored = in.take(opj::kGlassNameBytes);
    glass.catalogCode = opjCatalogCode(stored.front(), defaultCatalog);
    glass.name = fixedText(stored.substr(1));
  }
  in.skip(2);  // two bytes the library does not use
}

void readMainPart(OpjBytes& in, OpjDocument& doc) {
  int defaultCatalog = 0;
  const Counts c = readSystemFields(in, doc, defaultCatalog);
  doc.wavelengths = readFloats(in, checkedCount(in, static_cast<std::int64_t>(c.waves), 4));
  doc.curvatures = readDoubles(in, checkedCount(in, static_cast<std::int64_t>(c.surfaces), 8));
  doc.distances = readDoubles(in, c.surfaces);
  readGlasses(in, c, defaultCatalog, doc);
}

void readAsphereSection(OpjBytes& in, OpjDocument& doc) {
  in.section();
  if (in.u32() != 0) fail("дифракционные элементы не поддерживаются");
  const std::size_t n = doc.curvatures.size();
  in.need(n * 4);
  doc.kinds.resize(n);
  std::size_t conics = 0;
  for (int& kind : doc.kinds) {
    kind = in.i16();
    if (kind >= 3) fail("high order aspherical surface doesn't support.");
    if (kind == 2) ++conics;
  }
  in.skip(n * 2);  // further per-surface values the library does not use
  const std::vector<double> slots = readFloats(in, opj::kConicSlots);
  if (conics > slots.size()) corrupted();
  doc.conics.assign(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(conics));
}

void readZoneSection(OpjBytes& in, OpjDocument& doc) {
  in.section();
  const std::uint32_t z = in.u32();
  // Per zone: a float, two floats and three doubles.
  doc.zones.resize(checkedCount(in, z, 4 + 8 + 24));
  doc.hasZoneSection = true;
  for (OpjZone& zone : doc.zones) zone.relative = opjShortDecimal(in.f32());
  for (OpjZone& zone : doc.zones) {
    zone.upper = opjShortDecimal(in.f32());
    zone.lower = opjShortDecimal(in.f32());
  }
  for (OpjZone& zone : doc.zones) zone.objectOffset = in.f64();
  for (OpjZone& zone : doc.zones) zone.imageOffset = in.f64();
  for (OpjZone& zone : doc.zones) zone.stopOffset = in.f64();
}

void skipProfileSection(OpjBytes& in, std::size_t surfaces) {
  in.section();
  in.skip(16);
  const std::uint32_t k = in.u32();
  in.skip(surfaces * 2);
  in.skip(checkedCount(in, k, 12) * 12);
}

void readWeightSection(OpjBytes& in, OpjDocument& doc) {
  in.section();
  in.skip(8);
  const std::vector<double> weights = readFloats(in, opj::kWeightSlots);
  for (std::size_t k = 0; k < doc.weights.size() && k < weights.size(); ++k) {
    doc.weights[k] = weights[k];
  }
}

// A trailing section that the library does not use: skipped by its length.
void skipTrailingSection(OpjBytes& in) {
  const std::uint64_t words = in.u32();
  if (words * 2 > in.remaining()) corrupted();
  in.skip(static_cast<std::size_t>(words * 2));
}

void readSections(OpjBytes& in, std::uint16_t f1, std::uint16_t f2, OpjDocument& doc) {
  doc.weights.assign(doc.wavelengths.size(), 0.0);
  if (f1 & opj::kAspheres) readAsphereSection(in, doc);
  if (f1 & opj::kSemiDiameters) {
    in.section();
    doc.semiDiameters = readFloats(in, doc.curvatures.size());
  }
  if (f1 & opj::kZones) readZoneSection(in, doc);
  if (f1 & opj::kUnusedProfile) skipProfileSection(in, doc.curvatures.size());
  if (f1 & opj::kWeights) readWeightSection(in, doc);
  if (f2 & opj::kSecondExtra) skipTrailingSection(in);
  if (f2 & opj::kThirdExtra) skipTrailingSection(in);
}

}  // namespace

OpjDocument parseOpj(std::string_view bytes) {
  OpjBytes in(bytes);
  OpjDocument doc;
  in.u32();  // header length: the writer's bookkeeping, not needed to read
  const std::uint16_t f1 = in.u16();
  const std::uint16_t f2 = in.u16();
  if (in.i16() != 0) fail("варио-системы не поддерживаются");
  in.u16();  // reserved
  if (f1 & opj::kUnsupported) fail("нарциссы, блоки, градиенты, плавки не поддерживаются");
  // A space system lays its fields out differently; refuse it before reading them.
  if (f2 >= opj::kSpaceSystem) fail("space systems doesn't support.");
  readMainPart(in, doc);
  readSections(in, f1, f2, doc);
  return doc;
}

namespace {

std::string readOpjBytes(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) fail("file does not exist");
  std::ifstream file(path, std::ios::binary);
  if (!file) fail("file does not exist");
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

void readOpjFile(const std::string& path, OSystem& system) {
  // The whole file is parsed and checked before the system is touched.
  const OpjDocument doc = parseOpj(readOpjBytes(path));
  buildOpjSystem(doc, system);
}

}  // namespace zelt
