#include "batch_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <stdexcept>

namespace batch {
namespace {

std::string formatted(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// CSV keeps every digit: 17 significant digits give the double back exactly.
std::string exact(const std::optional<double>& v) {
  return v ? formatted("%.17g", *v) : std::string();
}

std::string jsonNumber(const std::optional<double>& v) {
  return v && std::isfinite(*v) ? formatted("%.17g", *v) : std::string("null");
}

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

void printCsv(const std::vector<Row>& rows, std::ostream& out) {
  out << "glass1,glass2,order";
  for (const auto& name : numericColumns()) out << ',' << name;
  out << '\n';
  for (const Row& row : rows) {
    out << row.glass1 << ',' << row.glass2 << ',' << row.order;
    for (const auto& v : row.values) out << ',' << exact(v);
    out << '\n';
  }
}

void printJson(const std::vector<Row>& rows, std::ostream& out) {
  out << "[\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    out << "  {\"glass1\": " << jsonString(row.glass1) << ", \"glass2\": " << jsonString(row.glass2)
        << ", \"order\": \"" << row.order << '"';
    for (std::size_t k = 0; k < row.values.size(); ++k) {
      out << ", \"" << numericColumns()[k] << "\": " << jsonNumber(row.values[k]);
    }
    out << (i + 1 < rows.size() ? "},\n" : "}\n");
  }
  out << "]\n";
}

int columnWidth(const std::string& name) {
  return std::max<int>(14, name.size() + 2);
}

void printTable(const std::vector<Row>& rows, std::ostream& out) {
  out << std::left << std::setw(12) << "glass1" << std::setw(12) << "glass2"
      << "ord";
  for (const auto& name : numericColumns())
    out << std::right << std::setw(columnWidth(name)) << name;
  out << '\n';
  for (const Row& row : rows) {
    out << std::left << std::setw(12) << row.glass1 << std::setw(12) << row.glass2 << ' '
        << row.order << ' ';
    for (std::size_t k = 0; k < row.values.size(); ++k) {
      const auto& v = row.values[k];
      out << std::right << std::setw(columnWidth(numericColumns()[k]))
          << (v ? formatted("%.6f", *v) : std::string("-"));
    }
    out << '\n';
  }
}

std::string indexOrDash(const auto& compute) {
  try {
    return formatted("%.6f", compute());
  } catch (const std::runtime_error&) {
    return "-";
  }
}

}  // namespace

const std::vector<std::string>& numericColumns() {
  static const std::vector<std::string> names{"phi1",
                                              "phi2",
                                              "P",
                                              "W",
                                              "C",
                                              "transverse",
                                              "longitudinal",
                                              "longitudinal3",
                                              "longitudinal5",
                                              "chromatism",
                                              "secondary_spectrum",
                                              "coma",
                                              "thermal",
                                              "r1",
                                              "r2",
                                              "r3",
                                              "n1",
                                              "n2",
                                              "t1",
                                              "t2"};
  return names;
}

Row makeRow(const synthesis::DoubletResult& r) {
  const synthesis::ResultSummary s = synthesis::summarize(r);
  Row row{r.glass1.name, r.glass2.name, r.orderB ? 'B' : 'A', {}};
  row.values = {s.phi1,
                s.phi2,
                s.p,
                s.w,
                s.c,
                s.transverse,
                s.longitudinal,
                s.longitudinal3,
                s.longitudinal5,
                s.chromatism,
                s.secondarySpectrum,
                s.coma,
                s.thermal,
                r.r1,
                r.r2,
                r.r3,
                r.index1,
                r.index2,
                r.thickness1,
                r.thickness2};
  return row;
}

void printRows(const std::vector<Row>& rows, Format format, std::ostream& out) {
  switch (format) {
    case Format::Csv:
      return printCsv(rows, out);
    case Format::Json:
      return printJson(rows, out);
    case Format::Table:
      return printTable(rows, out);
  }
}

void printGlassList(const synthesis::DoubletSynthesis& core, std::ostream& out) {
  out << std::left << std::setw(16) << "glass" << std::setw(11) << "status" << std::right
      << std::setw(11) << "n(l0)" << std::setw(11) << "abbe" << std::setw(10) << "ld_min"
      << std::setw(10) << "ld_max" << '\n';
  for (const auto& [name, g] : core.catalog) {
    out << std::left << std::setw(16) << name << std::setw(11) << synthesis::statusName(g.status)
        << std::right << std::setw(11) << indexOrDash([&] { return g.index(core.lambda0); })
        << std::setw(11)
        << indexOrDash([&] { return g.abbeNumber(core.lambda0, core.lambdaMin, core.lambdaMax); })
        << std::setw(10) << formatted("%.4f", g.lambdaMin) << std::setw(10)
        << formatted("%.4f", g.lambdaMax) << '\n';
  }
}

}  // namespace batch
