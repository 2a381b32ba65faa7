#include "batch_aberrations.h"

#include "batch_format.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace batch {
namespace {

using Line = std::vector<double>;

/// One printed line of a table: its wavelength, its field angle and the values over the pupil.
struct TableLine {
  double wavelength, fieldAngle;
  const Line* values;
};

struct Table {
  const char* name;
  const char* title;
  std::vector<TableLine> lines;
};

// The longitudinal aberration exists on the axis only; the other two at every field point.
std::vector<Table> tablesOf(const synthesis::DoubletAberrations& a) {
  std::vector<Table> tables{{"longitudinal", "Longitudinal aberration [mm], on the axis", {}},
                            {"transverse", "Transverse aberration [mm]", {}},
                            {"wave", "Wave aberration [waves of the main wavelength]", {}}};
  for (std::size_t w = 0; w < a.wavelengths.size(); ++w) {
    tables[0].lines.push_back({a.wavelengths[w], 0.0, &a.longitudinal[w]});
    for (std::size_t f = 0; f < a.fieldAngles.size(); ++f) {
      tables[1].lines.push_back({a.wavelengths[w], a.fieldAngles[f], &a.transverse[w][f]});
      tables[2].lines.push_back({a.wavelengths[w], a.fieldAngles[f], &a.wave[w][f]});
    }
  }
  return tables;
}

void printText(const std::vector<Table>& tables, const Line& pupil, std::ostream& out) {
  for (const Table& table : tables) {
    out << table.title << "\n  lambda[um]  field[deg]  pupil:";
    for (double p : pupil) out << formatted("%10.4f", p);
    out << '\n';
    for (const TableLine& line : table.lines) {
      out << formatted("%12.7f", line.wavelength) << formatted("%12.4f", line.fieldAngle)
          << "        ";
      for (double v : *line.values) out << formatted("%10.6f", v);
      out << '\n';
    }
    out << '\n';
  }
}

// One value per line keeps the CSV rectangular whatever the number of pupil points.
void printCsv(const std::vector<Table>& tables, const Line& pupil, std::ostream& out) {
  out << "table,wavelength,field_angle,pupil,value\n";
  for (const Table& table : tables) {
    for (const TableLine& line : table.lines) {
      for (std::size_t k = 0; k < pupil.size() && k < line.values->size(); ++k) {
        out << table.name << ',' << exact(line.wavelength) << ',' << exact(line.fieldAngle) << ','
            << exact(pupil[k]) << ',' << exact((*line.values)[k]) << '\n';
      }
    }
  }
}

// A ray the library lost is null.
nlohmann::ordered_json jsonValues(const Line& values) {
  auto array = nlohmann::ordered_json::array();
  for (double v : values) array.push_back(jsonNumber(v));
  return array;
}

void printJson(const std::vector<Table>& tables, const synthesis::DoubletAberrations& a,
               std::ostream& out) {
  nlohmann::ordered_json document{{"wavelengths", a.wavelengths},
                                  {"fields", a.fields},
                                  {"field_angles", a.fieldAngles},
                                  {"pupil", a.pupil}};
  for (const Table& table : tables) {
    auto lines = nlohmann::ordered_json::array();
    for (const TableLine& line : table.lines) {
      lines.push_back({{"wavelength", line.wavelength},
                       {"field_angle", line.fieldAngle},
                       {"values", jsonValues(*line.values)}});
    }
    document[table.name] = std::move(lines);
  }
  out << document.dump(2) << '\n';
}

}  // namespace

void printAberrations(const synthesis::DoubletAberrations& tables, Format format,
                      std::ostream& out) {
  const std::vector<Table> lines = tablesOf(tables);
  switch (format) {
    case Format::Csv:
      return printCsv(lines, tables.pupil, out);
    case Format::Json:
      return printJson(lines, tables, out);
    case Format::Table:
      return printText(lines, tables.pupil, out);
  }
}

}  // namespace batch
