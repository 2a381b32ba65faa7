#pragma once
// OPJ project files laid out field by field, independently of the library's writer, for the
// reader's fixtures: a valid cemented doublet by default, each field open to change.

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace opj_test {

/// Little-endian field writer.
struct Bytes {
  std::string data;
  Bytes& i16(int v) { return put(static_cast<std::uint16_t>(v), 2); }
  Bytes& u32(std::uint32_t v) { return put(v, 4); }
  Bytes& f32(float v) { return put(std::bit_cast<std::uint32_t>(v), 4); }
  Bytes& f64(double v) { return put(std::bit_cast<std::uint64_t>(v), 8); }
  Bytes& text(std::string s, std::size_t width) {
    s.resize(width, ' ');
    data += s;
    return *this;
  }
  // Appends `content` as a section with its length in 16-bit words.
  Bytes& section(const Bytes& content) {
    u32(static_cast<std::uint32_t>(content.data.size() / 2));
    data += content.data;
    return *this;
  }
  Bytes& put(std::uint64_t v, int n) {
    for (int k = 0; k < n; ++k) data += static_cast<char>((v >> (8 * k)) & 0xFF);
    return *this;
  }
};

struct Glass {
  std::string stored;  // catalog character and name
  std::vector<double> indices;
};

struct Zone {
  float relative, upper, lower;
  double objectOffset, imageOffset, stopOffset;
};

/// An OPJ file by its fields; bytes() lays it out.
struct Layout {
  std::uint16_t baseFlags = 0x9400;  // zones and weights
  std::uint16_t extraFlags = 0;      // added to the flags the content implies
  std::uint16_t flags2 = 0;
  int zoom = 0;
  std::string name = "Layout doublet";
  std::optional<int> surfaceCount{}, waveCount{}, glassCount{};  // override the true counts
  std::optional<std::uint32_t> zoneCount{};
  int stopSurface = 1, objectFinite = 0, defaultCatalog = 0;
  double objectDistance = 0.0, stopPosition = 0.0;
  std::vector<float> waves{0.58756f, 0.48613f, 0.65627f};
  std::vector<double> curvatures{1 / 62.75, -1 / 45.71, -1 / 128.23};
  std::vector<double> distances{4.0, 2.5, 0.0};
  std::vector<int> codes{0, 1, 2, 0};
  std::vector<Glass> glasses{{"$N-BK7", {1.5168, 1.5224, 1.5143}},
                             {"$SF5", {1.6727, 1.6848, 1.6657}}};
  std::uint32_t specialElements = 0;
  std::vector<int> kinds{};  // the asphere section is written when not empty
  std::vector<float> conics{};
  std::vector<float> semiDiameters{11.43f, 11.43f, 11.43f};
  std::vector<Zone> zones{};
  std::vector<float> weights{1.0f, 0.5f, 0.25f};
  bool trailingSections = false;  // the two unused sections of the second flags

  std::string bytes() const {
    std::uint16_t f1 = baseFlags | extraFlags;
    if (!kinds.empty()) f1 |= 0x4000;
    if (!semiDiameters.empty()) f1 |= 0x2000;
    const std::uint16_t f2 = trailingSections ? (flags2 | 0x6000) : flags2;
    Bytes b;
    b.u32(0).i16(f1).i16(f2).i16(zoom).i16(0).text(name, 40);
    b.i16(surfaceCount.value_or(surfaces()));
    b.i16(waveCount.value_or(static_cast<int>(waves.size())));
    b.i16(glassCount.value_or(static_cast<int>(glasses.size())));
    // Image finite, both angular, image kind, stop type, field side, default catalog.
    for (int v : {stopSurface, objectFinite, 1, 1, 1, 0, -1, 0, defaultCatalog}) b.i16(v);
    // Image distance, stop sizes, field sizes, object and image curvatures, a spare.
    for (double v :
         {objectDistance, 0.0, 11.43, 11.43, stopPosition, 0.0174533, 0.0174533, 0.0, 0.0, 0.0}) {
      b.f64(v);
    }
    for (float w : waves) b.f32(w);
    for (double c : curvatures) b.f64(c);
    for (double d : distances) b.f64(d);
    for (int c : codes) b.i16(c);
    for (const Glass& g : glasses)
      for (double x : g.indices) b.f64(x);
    for (const Glass& g : glasses) b.text(g.stored, 8);
    b.i16(0);
    sections(b, f1);
    return b.data;
  }

 private:
  int surfaces() const { return static_cast<int>(curvatures.size()); }

  void sections(Bytes& b, std::uint16_t f1) const {
    Bytes s;
    if (f1 & 0x4000) {
      s.u32(specialElements);
      for (int k : kinds) s.i16(k);
      for (int k = 0; k < surfaces(); ++k) s.i16(0);
      for (int k = 0; k < 100; ++k) s.f32(k < static_cast<int>(conics.size()) ? conics[k] : 0.f);
      b.section(std::exchange(s, {}));
    }
    if (f1 & 0x2000) {
      for (float h : semiDiameters) s.f32(h);
      b.section(std::exchange(s, {}));
    }
    if (f1 & 0x1000) {
      s.u32(zoneCount.value_or(static_cast<std::uint32_t>(zones.size())));
      for (const Zone& z : zones) s.f32(z.relative);
      for (const Zone& z : zones) s.f32(z.upper).f32(z.lower);
      for (const Zone& z : zones) s.f64(z.objectOffset);
      for (const Zone& z : zones) s.f64(z.imageOffset);
      for (const Zone& z : zones) s.f64(z.stopOffset);
      b.section(std::exchange(s, {}));
    }
    if (f1 & 0x800) {
      s.u32(0).u32(0).u32(0).u32(0).u32(1);
      for (int k = 0; k < surfaces(); ++k) s.i16(0);
      b.section(std::exchange(s.f32(1).f32(2).f32(3), {}));
    }
    if (f1 & 0x400) {
      s.u32(0).u32(0);
      for (int k = 0; k < 10; ++k) s.f32(k < static_cast<int>(weights.size()) ? weights[k] : 0.f);
      b.section(std::exchange(s, {}));
    }
    if (trailingSections) {
      b.section(Bytes().u32(7).text("ab", 2));
      b.section(Bytes().text("trailing text", 14));
    }
  }
};

}  // namespace opj_test
