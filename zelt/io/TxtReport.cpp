#include "zelt/io/TxtReport.h"

#include <fstream>
#include <iomanip>
#include <locale>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "zelt/io/WriteGuard.h"
#include "zelt/model/OAlignment.h"

namespace zelt {
namespace {

constexpr double kDegree = 180.0 / std::numbers::pi;

void writeEnds(const OSystem& system, std::ostream& out) {
  const OObject& object = *system.object();
  const OImage& image = *system.image();
  // At infinity the size is a field angle, kept in radians and shown in degrees.
  out << "Object:\ntype=" << object.finite << "\ts=" << object.S
      << "\ty=" << (object.finite ? object.h : object.h * kDegree);
  out << "\n\nImage:\ntype=" << image.finite << "\ts_type=" << image.fromParaxial
      << "\ts=" << image.S_ << "\ty_=" << (image.finite ? image.h : image.h * kDegree);
}

void writeAperture(const OStop& stop, std::ostream& out) {
  out << "\n\nAperture:\n"
      << "\ttype:" << stop.type;
  if (stop.type == 'p') out << "\tA=" << stop.size;
  if (stop.type == 'z') out << "\tA'=" << stop.size;
  if (stop.type == 'd') out << "\tD=" << stop.size;
}

void writeWavelengths(const OSource& source, std::ostream& out) {
  out << "\n\nWavelengths(um):\n";
  for (std::size_t k = 0; k < source.count(); ++k) {
    out << "l" << k << "=" << source.wavelengths[k] << "  (*" << source.weights[k] << ")"
        << std::endl;
  }
}

void writeZones(const OSystem& system, std::ostream& out) {
  out << std::endl << std::endl << "Non-axis beam parametres:" << std::endl;
  for (const auto& zone : system.zones()) {
    out << "m_y=" << zone->real.y << " m_x=" << zone->real.x << std::endl;
    out << "object offset:" << zone->shift[0] << " image:" << zone->shift[1]
        << " aperture:" << zone->shift[2] << std::endl
        << std::endl;
  }
}

void writeSurfaceColumns(const ONode& node, std::ostream& out) {
  const OElement* surface = node.element();
  const double c = surface ? surface->getCurvature() : 0.0;
  const double e2 = surface ? surface->getConic() : 0.0;
  out << std::left << std::setw(10);
  if (c == 0.0) {
    out << "0";
  } else {
    out << 1.0 / c;
  }
  out << " ";
  if (e2 != 0.0) out << "e^2=" << std::setw(5) << e2;
  out << " h=" << std::setw(7) << node.h;
}

void writeRow(const OSystem& system, const OGuide& gap, int row, std::ostream& out) {
  out << std::right << std::setw(4) << row << "  ";
  if (row == 0) {
    out << std::string(21, ' ');
  } else {
    writeSurfaceColumns(*gap.prev, out);
  }
  out << " " << std::left << std::setw(6) << gap.getDistance() << " ";
  // A gap without a medium is air.
  out << " " << std::right << std::setw(7) << (gap.medium ? gap.medium->name : "AIR") << " ";
  for (std::size_t k = 0; k < system.source()->count(); ++k) {
    const double n = gap.medium ? gap.medium->index(static_cast<unsigned>(k)) * gap.sign : 1.0;
    out << " " << std::left << std::setw(9) << n << " ";
  }
  const auto* aperture = dynamic_cast<const OApertureStop*>(system.stop());
  if (aperture && aperture->node && aperture->node == gap.prev) out << "   AD";
  out << std::endl;
}

void writeLensData(const OSystem& system, std::ostream& out) {
  out << std::endl << std::endl << "\n\nLens data:\n";
  out << " #  |    r    |     h   |";
  for (std::size_t k = 0; k < system.source()->count(); ++k) out << "   n" << k << "   |";
  out << std::endl;
  int row = 0;
  for (const OGuide* gap = system.object()->out; gap && gap->next; gap = gap->next->out) {
    writeRow(system, *gap, row++, out);
    if (gap->next == system.image()) break;
  }
}

}  // namespace

void writeTextReport(const OSystem& system, std::ostream& out) {
  if (!system.object() || !system.image() || !system.source()) {
    throw std::runtime_error("Write TXT Error: the system is empty (no object, image or source)");
  }
  requireFiniteSystem(system, "Write TXT Error: ");
  out << system.name << std::endl << std::endl;
  writeEnds(system, out);
  if (system.stop()) writeAperture(*system.stop(), out);
  writeWavelengths(*system.source(), out);
  writeZones(system, out);
  writeLensData(system, out);
}

void writeTextReport(const OSystem& system, const std::string& path) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  writeTextReport(system, text);
  replaceFileContents(path, text.str(), "Write TXT Error: ");
}

}  // namespace zelt
