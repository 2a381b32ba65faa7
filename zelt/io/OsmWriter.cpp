#include "zelt/io/OsmWriter.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/io/WriteGuard.h"

namespace zelt {
namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error("Write OSM Error: " + what);
}

// The surfaces S1..SN and gaps G0..GN of the chain, and which surfaces have air on both sides.
class OsmChain {
 public:
  explicit OsmChain(const OSystem& system) {
    const OGuide* gap = system.object()->out;
    gaps_.push_back(gap);
    for (const ONode* node = gap->next; node && node != system.image(); node = gap->next) {
      gap = node->out;
      surfaces_.push_back(node);
      gaps_.push_back(gap);
    }
  }

  int count() const { return static_cast<int>(surfaces_.size()); }
  const ONode& surface(int j) const { return *surfaces_[static_cast<std::size_t>(j - 1)]; }
  const OGuide& gap(int j) const { return *gaps_[static_cast<std::size_t>(j)]; }
  // Surface that decides whether gap j is written: S1 for the object space, Sj otherwise.
  static int deciding(int j) { return j == 0 ? 1 : j; }

  // True when surface j has index exactly 1 on both sides at the main wavelength.
  bool airAir(int j) const {
    return signedIndex(&gap(j - 1), 0) == 1.0 && signedIndex(&gap(j), 0) == 1.0;
  }

 private:
  std::vector<const ONode*> surfaces_;
  std::vector<const OGuide*> gaps_;
};

std::string number(double v) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s << v;
  return s.str();
}

// A length keeps a decimal point: 100 is written "100.0".
std::string length(double v) {
  std::string s = number(v);
  if (s.find_first_not_of("-0123456789") == std::string::npos) s += ".0";
  return s;
}

// Integer fields of the header line fill two characters when they have one digit.
std::string field(int v) {
  // Appended, not prefixed: g++ 12 at -O3 warns falsely (-Wrestrict) on "literal" + temporary.
  std::string text = v < 10 ? " " : "";
  text += std::to_string(v);
  return text;
}

double ownCurvature(const ONode& node) {
  return node.element() ? node.element()->getCurvature() : 0.0;
}

void writeHeader(const OsmChain& chain, const OAxisSystem& system, std::ostream& out) {
  const int n = chain.count();
  int k1 = 0, k2 = 0, k3 = 0;
  for (int j = 0; j <= n; ++j) {
    const int d = OsmChain::deciding(j);
    if (chain.airAir(d)) continue;
    ++k2;
    if (j == n) continue;
    ++k1;
    if (chain.surface(d).h != 0.0) ++k3;
  }
  std::vector<int> f = {n - 1, 0, k1 - 1, k2, 0, 0, 0, k3, 0, 4};
  const std::vector<int> ends =
      system.object()->finite ? std::vector<int>{1, 0, 0, 1} : std::vector<int>{0, 1, 1, 0};
  f.insert(f.end(), ends.begin(), ends.end());
  f.insert(f.end(), {2, 0, 0, ownCurvature(*system.image()) != 0.0 ? 1 : 0,
                     ownCurvature(*system.object()) != 0.0 ? 1 : 0, 7});
  f.insert(f.end(), 27, 0);
  for (int v : f) out << field(v);
  out << "5247" << field(9);
  for (int k = 0; k < 9; ++k) out << field(0);
  out << "\n";
}

void writeLensLines(const OsmChain& chain, std::ostream& out) {
  const int n = chain.count();
  for (int j = 1; j <= n; ++j) {
    if (chain.airAir(j)) continue;
    const double c = chain.surface(j).element() ? chain.surface(j).element()->getCurvature() : 0.0;
    out << (c == 0.0 ? "0.0" : length(1.0 / c)) << "\n";
  }
  // A thickness behind an air/air surface joins the one before it; with none before, it starts
  // the list.
  std::vector<double> distances;
  for (int j = 1; j <= n - 1; ++j) {
    const double d = chain.gap(j).getDistance();
    if (chain.airAir(j == 1 ? 2 : j) && !distances.empty()) {
      distances.back() += d;
    } else {
      distances.push_back(d);
    }
  }
  for (double d : distances) out << length(d) << "\n";
  for (int j = 0; j <= n; ++j) {
    if (chain.airAir(OsmChain::deciding(j))) continue;
    const OMedium* medium = chain.gap(j).medium;
    const bool air = !medium || medium->name == "ВОЗДУХ" || medium->name == "AIR";
    out << (air ? std::string("1") : toCodePage866(medium->name)) << "\n";
  }
  for (int j = 1; j <= n; ++j) {
    if (!chain.airAir(j) && chain.surface(j).h != 0.0) {
      out << length(2.0 * chain.surface(j).h) << "\n";
    }
  }
}

// Field angle as whole degrees, minutes and seconds; a value a hair below a whole second (from
// the radian round trip) counts as that second.
std::string angleText(double radians) {
  double seconds = std::abs(radians) * 180.0 / std::numbers::pi * 3600.0;
  if (std::abs(seconds - std::round(seconds)) < 1e-6) seconds = std::round(seconds);
  const double deg = std::floor(seconds / 3600.0);
  const double min = std::floor((seconds - deg * 3600.0) / 60.0);
  const double sec = std::floor(seconds - deg * 3600.0 - min * 60.0);
  std::string text = "SIN";
  text += number(deg) + " " + number(min) + " " + number(sec);
  return text;
}

void writeBeam(const OsmChain& chain, const OAxisSystem& system, std::ostream& out) {
  const OObject& object = *system.object();
  const OParaxial& p = system.paraxial;
  if (p.SP.empty() || p.V.empty() || p.Inv.empty()) fail("the paraxial calculation has not run");
  if (!std::isfinite(p.SP[0])) fail("the paraxial image distance is not a finite number");
  if (object.finite) {
    out << "1\n" << number(object.S) << "\n";
  } else {
    out << "0\n1\n";
  }
  if (p.SP[0] == 0.0) {
    out << "0\n1\n";
  } else {
    out << "1\n" << number(p.SP[0]) << "\n";
  }
  out << (object.finite ? number(object.h) : angleText(object.h)) << "\n";
  const OStop* stop = system.stop();
  out << number(stop ? stopRadius(*stop, p, 0) : 0.0) << "\n";
  int stopSurface = -1;
  double stopDistance = 0.0;
  if (const auto* aperture = dynamic_cast<const OApertureStop*>(stop); aperture && aperture->node) {
    const int j = system.indexOf(aperture->node);
    if (j >= 1 && j <= chain.count() - 1) {
      stopSurface = j - 1;
      if (chain.airAir(j)) stopDistance = chain.gap(j - 1).getDistance();
    }
  }
  out << stopSurface << "\n" << number(stopDistance) << "\n";
}

void writeSpectrumAndZones(const OAxisSystem& system, std::ostream& out) {
  const std::vector<double>& waves = system.source()->wavelengths;
  for (std::size_t k = 0; k < 7; ++k) {
    out << (k < waves.size() ? number(waves[k] / 1000.0) : std::string("0.000")) << "\n";
  }
  for (const auto& zone : system.zones()) {
    double upper = 0.0, lower = 0.0;
    zone->getVignetting(upper, lower);
    if (upper != 0.0) out << number(upper) << "\n";
    if (lower != 0.0) out << number(lower) << "\n";
  }
}

void writeTemplate(std::ostream& out) {
  out << std::string(47, '\n');
  out << toCodePage866("Авоз") << "\n   P\n   W\n  C1\n  C2\n";
  for (int k = 0; k < 45; ++k) out << std::string(11, ' ') << "\n";
  out << "___________\n" << toCodePage866("ДЛЯ ТРЕБ 7") << "\n";
  out << "0\n14\n4\n13\n3\n12\n2\n11\n1\n\n";
  out << "   0   0\n";
}

}  // namespace

std::string toCodePage866(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    const auto b1 = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
    const unsigned cp = ((b0 & 0x1Fu) << 6) | (b1 & 0x3Fu);
    const bool twoByte = (b0 == 0xD0 || b0 == 0xD1) && (b1 & 0xC0u) == 0x80;
    int mapped = -1;
    if (twoByte && cp >= 0x410 && cp <= 0x43F) mapped = 0x80 + static_cast<int>(cp - 0x410);
    if (twoByte && cp >= 0x440 && cp <= 0x44F) mapped = 0xE0 + static_cast<int>(cp - 0x440);
    if (twoByte && cp == 0x401) mapped = 0xF0;
    if (twoByte && cp == 0x451) mapped = 0xF1;
    if (mapped < 0) {
      out += utf8[i];
      continue;
    }
    out += static_cast<char>(mapped);
    ++i;
  }
  return out;
}

void writeOsm(OAxisSystem& system, std::ostream& out) {
  if (!system.object() || !system.image() || !system.source()) {
    fail("the system is empty (no object, image or source)");
  }
  requireFiniteSystem(system, "Write OSM Error: ");
  system.refreshMedia();
  const OsmChain chain(system);
  if (chain.count() == 0) fail("the system has no surfaces");
  writeHeader(chain, system, out);
  writeLensLines(chain, out);
  writeBeam(chain, system, out);
  writeSpectrumAndZones(system, out);
  writeTemplate(out);
}

void writeOsmFile(OAxisSystem& system, const std::string& path) {
  std::ostringstream text;
  writeOsm(system, text);
  replaceFileContents(path, text.str(), "Write OSM Error: ");
}

}  // namespace zelt
