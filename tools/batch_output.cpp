#include "batch_output.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <utility>

#include "batch_format.h"
#include "synthesis/doublet_glass_data.h"
#include "zelt/glassdata/TextDecoding.h"

namespace batch {
namespace {

// CSV keeps every digit; a value not computed is an empty field.
std::string csvNumber(const std::optional<double>& v) {
  return v ? exact(*v) : std::string();
}

// RFC 4180: a field holding a comma, a quote or a line break goes in quotes, quotes doubled.
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void printCsv(const std::vector<Row>& rows, std::ostream& out) {
  out << "glass1,glass2,order";
  for (const auto& name : numericColumns()) out << ',' << name;
  out << ",edge_ok,catalog1,catalog2,refined\n";
  for (const Row& row : rows) {
    out << csvField(row.glass1) << ',' << csvField(row.glass2) << ',' << row.order;
    for (const auto& v : row.values) out << ',' << csvNumber(v);
    out << ',' << (row.edgeOk ? "true" : "false") << ',' << csvField(row.catalog1) << ','
        << csvField(row.catalog2) << ',' << (row.refined ? "true" : "false") << '\n';
  }
}

// Catalog names are bytes: valid UTF-8 stays as it is, any other name is read as Latin-1, the
// 8-bit code of the older catalogs, so that every name becomes a valid JSON string.
nlohmann::ordered_json jsonText(const std::string& bytes) {
  return zelt::text::toUtf8(bytes);
}

void printJson(const std::vector<Row>& rows, std::ostream& out) {
  auto document = nlohmann::ordered_json::array();
  for (const Row& row : rows) {
    nlohmann::ordered_json object;
    object["glass1"] = jsonText(row.glass1);
    object["glass2"] = jsonText(row.glass2);
    object["order"] = std::string(1, row.order);
    for (std::size_t k = 0; k < row.values.size(); ++k)
      object[numericColumns()[k]] = jsonNumber(row.values[k]);
    object["edge_ok"] = row.edgeOk;
    object["catalog1"] = jsonText(row.catalog1);
    object["catalog2"] = jsonText(row.catalog2);
    object["refined"] = row.refined;
    document.push_back(std::move(object));
  }
  out << document.dump(2) << '\n';
}

int columnWidth(const std::string& name) {
  return std::max(14, static_cast<int>(name.size()) + 2);
}

void printTable(const std::vector<Row>& rows, std::ostream& out) {
  out << std::left << std::setw(12) << "glass1" << ' ' << std::setw(12) << "glass2"
      << "ord";
  for (const auto& name : numericColumns())
    out << std::right << std::setw(columnWidth(name)) << name;
  out << std::setw(9) << "edge_ok" << std::setw(9) << "refined" << '\n';
  for (const Row& row : rows) {
    out << std::left << std::setw(12) << row.label1 << ' ' << std::setw(12) << row.label2 << ' '
        << row.order << ' ';
    for (std::size_t k = 0; k < row.values.size(); ++k) {
      const auto& v = row.values[k];
      out << std::right << std::setw(columnWidth(numericColumns()[k]))
          << (v ? formatted("%.6f", *v) : std::string("-"));
    }
    out << std::setw(9) << (row.edgeOk ? "yes" : "no") << std::setw(9)
        << (row.refined ? "yes" : "no") << '\n';
  }
}

std::string indexOrDash(const auto& compute) {
  try {
    return formatted("%.6f", compute());
  } catch (const std::runtime_error&) {
    return "-";
  }
}

// The maker's data that --list adds after the optical columns.
const std::array<const char*, 10>& glassDataColumns() {
  static constexpr std::array<const char*, 10> names{"cost", "cr",      "fr",  "sr",   "ar",
                                                     "pr",   "density", "tce", "dpgf", "t10_min"};
  return names;
}

std::array<std::optional<double>, 10> glassData(const synthesis::GlassRecord& g, double lambdaMin) {
  using synthesis::Resistance;
  const auto grade = [&](Resistance r) { return synthesis::resistanceClass(g, r); };
  return {g.cost,
          grade(Resistance::Climate),
          grade(Resistance::Stain),
          grade(Resistance::Acid),
          grade(Resistance::Alkali),
          grade(Resistance::Phosphate),
          g.density,
          g.expansion,
          g.deltaPgF,
          synthesis::transmittance10(g, lambdaMin)};
}

std::optional<double> valueOrNone(const auto& compute) {
  try {
    return compute();
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

void printGlassJson(const synthesis::DoubletSynthesis& core, std::ostream& out) {
  auto document = nlohmann::ordered_json::array();
  for (const auto& entry : core.catalog) {
    const synthesis::GlassRecord& g = entry.second;
    nlohmann::ordered_json object;
    object["glass"] = jsonText(g.name);
    object["catalog"] = jsonText(g.catalog);
    object["status"] = synthesis::statusName(g.status);
    object["n"] = jsonNumber(valueOrNone([&] { return g.index(core.lambda0); }));
    object["abbe"] = jsonNumber(
        valueOrNone([&] { return g.abbeNumber(core.lambda0, core.lambdaMin, core.lambdaMax); }));
    object["ld_min"] = g.lambdaMin;
    object["ld_max"] = g.lambdaMax;
    const auto data = glassData(g, core.lambdaMin);
    for (std::size_t k = 0; k < data.size(); ++k)
      object[glassDataColumns()[k]] = jsonNumber(data[k]);
    document.push_back(std::move(object));
  }
  out << document.dump(2) << '\n';
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
                                              "t2",
                                              "edge1",
                                              "edge2",
                                              "cost1",
                                              "cost2",
                                              "transmittance",
                                              "mass",
                                              "rms_axis",
                                              "rms_field",
                                              "wfe_rms",
                                              "strehl",
                                              "image_distance",
                                              "rms_axis_start",
                                              "rms_field_start"};
  return names;
}

Row makeRow(const synthesis::DoubletResult& r) {
  const synthesis::ResultSummary s = synthesis::summarize(r);
  Row row{r.glass1.name,    r.glass2.name,    r.orderB ? 'B' : 'A', {},
          r.glass1.catalog, r.glass2.catalog, r.glass1.shownName(), r.glass2.shownName()};
  const auto columns = s.columns();
  row.values.assign(columns.begin(), columns.end());
  // The design data that the window shows elsewhere follow the table's columns.
  for (double v :
       {r.r1, r.r2, r.r3, r.index1, r.index2, r.thickness1, r.thickness2, s.edge1, s.edge2})
    row.values.emplace_back(v);
  row.edgeOk = s.edgeOk;
  const synthesis::DoubletGlassData data = synthesis::doubletGlassData(r);
  for (const auto& v : {data.cost1, data.cost2, data.transmittance, data.mass})
    row.values.push_back(v);
  for (double v : {s.rmsAxis, s.rmsField, s.wfeRms, s.strehl, s.imageDistance, s.rmsAxisStart,
                   s.rmsFieldStart})
    row.values.emplace_back(v);
  row.refined = s.refined;
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

void printGlassList(const synthesis::DoubletSynthesis& core, Format format, std::ostream& out) {
  if (format == Format::Json) return printGlassJson(core, out);
  out << std::left << std::setw(16) << "glass" << ' ' << std::setw(20) << "catalog" << std::setw(11)
      << "status" << std::right << std::setw(11) << "n(l0)" << std::setw(11) << "abbe"
      << std::setw(10) << "ld_min" << std::setw(10) << "ld_max" << '\n';
  for (const auto& entry : core.catalog) {
    const synthesis::GlassRecord& g = entry.second;
    out << std::left << std::setw(16) << g.name << ' ' << std::setw(20) << g.catalog
        << std::setw(11) << synthesis::statusName(g.status) << std::right << std::setw(11)
        << indexOrDash([&] { return g.index(core.lambda0); }) << std::setw(11)
        << indexOrDash([&] { return g.abbeNumber(core.lambda0, core.lambdaMin, core.lambdaMax); })
        << std::setw(10) << formatted("%.4f", g.lambdaMin) << std::setw(10)
        << formatted("%.4f", g.lambdaMax);
    for (const auto& v : glassData(g, core.lambdaMin))
      out << std::setw(10) << (v ? formatted("%.6g", *v) : std::string("-"));
    out << '\n';
  }
}

}  // namespace batch
