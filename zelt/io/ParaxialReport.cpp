#include "zelt/io/ParaxialReport.h"

#include <algorithm>
#include <fstream>
#include <ios>

namespace zelt {

namespace {

const char* const kRule = "----------------------------------------------------------------------";

void writeFocalLine(std::ostream& out, const OParaxial& p) {
  out << std::fixed;
  out.precision(4);
  out << p.F << "   " << p.F_ << "   " << p.SF << "   " << p.SF_ << "   " << p.SH << "   " << p.SH_
      << '\n';
}

// Rows follow the magnification list; the others are at least as long after a calculation,
// but a partly filled record must never be read past its end.
std::size_t wavelengthRows(const OParaxial& p) {
  return std::min({p.V.size(), p.SG.size(), p.SP.size(), p.SP_.size()});
}

void writeWavelengthRows(std::ostream& out, const OParaxial& p) {
  out << std::fixed;
  out.precision(5);
  const std::size_t rows = wavelengthRows(p);
  for (std::size_t i = 0; i < rows; ++i) {
    // Later wavelengths show their magnification as a difference from the main one.
    const double v = i == 0 ? p.V[0] : p.V[i] - p.V[0];
    out << "  " << i << "     " << p.S << "   " << p.S_ << "   " << p.SG[i] << "   " << v << "   "
        << p.SP[i] << "   " << p.SP_[i] << '\n';
  }
}

}  // namespace

void writeParaxialReport(std::ostream& out, const OParaxial& p) {
  out << kRule << '\n' << "   Paraxial characteristics :" << '\n' << kRule << '\n';
  out << "    F        F'        Sf        Sf'        Sh        Sh'       L     " << '\n'
      << kRule << '\n';
  writeFocalLine(out, p);
  out << '\n' << kRule << '\n';
  out << " wl          s         s'       s'G        V         Sp        Sp'    " << '\n'
      << kRule << '\n';
  writeWavelengthRows(out, p);
  out << kRule << '\n';
}

void writeParaxialReportFile(const std::string& path, const OParaxial& p) {
  std::ofstream file(path, std::ios::out | std::ios::trunc);
  if (!file) return;
  writeParaxialReport(file, p);
}

}  // namespace zelt
