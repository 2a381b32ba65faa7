#include "batch_quality.h"

#include <iomanip>
#include <nlohmann/json.hpp>
#include <string>

#include "batch_format.h"

namespace batch {
namespace {

using synthesis::DoubletQuality;

// The wavelength label of MTF curve w: a wavelength, or "poly" for the polychromatic curve.
std::string waveLabel(const DoubletQuality& q, std::size_t w) {
  return w < q.wavelengths.size() ? exact(q.wavelengths[w]) : std::string("poly");
}

void printCsv(const DoubletQuality& q, std::ostream& out) {
  out << "kind,field,wavelength,a,b,c\n";
  out << "wavefront,0,," << exact(q.wfeRms) << ',' << exact(q.strehl) << ",\n";
  out << "image_distance,,," << exact(q.imageDistance) << ",,\n";
  out << "airy_radius,,," << exact(q.airyRadius) << ",,\n";
  for (std::size_t i = 0; i < q.fields.size(); ++i) {
    const std::string field = exact(q.fieldAngles[i]);
    out << "rms," << field << ",," << exact(q.rms[i]) << ",,\n";
    for (std::size_t w = 0; w < q.wavelengths.size(); ++w)
      for (std::size_t k = 0; k < q.spots[i][w].x.size(); ++k)
        out << "spot," << field << ',' << exact(q.wavelengths[w]) << ','
            << exact(q.spots[i][w].x[k]) << ',' << exact(q.spots[i][w].y[k]) << ",\n";
    for (std::size_t w = 0; w < q.mtf[i].size(); ++w)
      for (std::size_t k = 0; k < q.frequencies.size(); ++k)
        out << "mtf," << field << ',' << waveLabel(q, w) << ',' << exact(q.frequencies[k]) << ','
            << exact(q.mtf[i][w].tangential[k]) << ',' << exact(q.mtf[i][w].sagittal[k]) << '\n';
  }
}

nlohmann::ordered_json numbers(const std::vector<double>& values) {
  auto array = nlohmann::ordered_json::array();
  for (double v : values) array.push_back(jsonNumber(v));
  return array;
}

void printJson(const DoubletQuality& q, std::ostream& out) {
  nlohmann::ordered_json doc;
  doc["wfe_rms"] = jsonNumber(q.wfeRms);
  doc["strehl"] = jsonNumber(q.strehl);
  doc["image_distance"] = jsonNumber(q.imageDistance);
  doc["airy_radius"] = jsonNumber(q.airyRadius);
  doc["wavelengths"] = numbers(q.wavelengths);
  doc["frequencies"] = numbers(q.frequencies);
  auto fields = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < q.fields.size(); ++i) {
    nlohmann::ordered_json f;
    f["field"] = jsonNumber(q.fieldAngles[i]);
    f["rms"] = jsonNumber(q.rms[i]);
    for (const auto& spot : q.spots[i])
      f["spots"].push_back({{"x", numbers(spot.x)}, {"y", numbers(spot.y)}});
    for (std::size_t w = 0; w < q.mtf[i].size(); ++w)
      f["mtf"].push_back({{"wavelength", waveLabel(q, w)},
                          {"tangential", numbers(q.mtf[i][w].tangential)},
                          {"sagittal", numbers(q.mtf[i][w].sagittal)}});
    fields.push_back(std::move(f));
  }
  doc["fields"] = std::move(fields);
  out << doc.dump(2) << '\n';
}

void printTable(const DoubletQuality& q, std::ostream& out) {
  out << "RMS wavefront error on the axis " << formatted("%.4f", q.wfeRms) << " waves, Strehl "
      << formatted("%.4f", q.strehl) << ", image distance " << formatted("%.6f", q.imageDistance)
      << " mm, Airy radius " << formatted("%.6f", q.airyRadius) << " mm\n";
  for (std::size_t i = 0; i < q.fields.size(); ++i)
    out << "RMS spot at " << formatted("%.3f", q.fieldAngles[i])
        << " deg: " << formatted("%.6f", q.rms[i]) << " mm\n";
  out << "Polychromatic MTF (T/S) per field\n" << std::setw(12) << "cycles/mm";
  for (double angle : q.fieldAngles) out << std::setw(18) << formatted("%.3f deg", angle);
  out << '\n';
  for (std::size_t k = 0; k < q.frequencies.size(); k += 4) {
    out << std::setw(12) << formatted("%.1f", q.frequencies[k]);
    for (const auto& perField : q.mtf)
      out << std::setw(9) << formatted("%.4f", perField.back().tangential[k]) << std::setw(9)
          << formatted("%.4f", perField.back().sagittal[k]);
    out << '\n';
  }
}

}  // namespace

void printQuality(const DoubletQuality& quality, Format format, std::ostream& out) {
  switch (format) {
    case Format::Csv:
      return printCsv(quality, out);
    case Format::Json:
      return printJson(quality, out);
    case Format::Table:
      return printTable(quality, out);
  }
}

}  // namespace batch
