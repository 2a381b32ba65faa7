#include "synthesis/glass_properties.h"

#include "synthesis/doublet_glass_data.h"

#include <cmath>
#include <numbers>
#include "synthesis/message_text.h"

namespace synthesis {
namespace {

bool within(const std::optional<double>& value, const std::optional<double>& limit,
            bool requireData, bool atMost) {
  if (!limit) return true;
  if (!value) return !requireData;
  return atMost ? *value <= *limit : *value >= *limit;
}

// Volume between the vertex plane and a spherical surface of radius r out to height h, signed
// like the sag: the cylinder up to the sag minus the cap beyond the surface.
double sagVolume(double r, double h) {
  if (std::isinf(r)) return 0.0;
  const double a = std::abs(r);
  if (!(a >= h)) return std::nan("");
  const double sag = h * h / (a + std::sqrt(a * a - h * h));  // without the cancellation
  const double cap = std::numbers::pi * sag * sag * (3.0 * a - sag) / 3.0;
  return std::copysign(std::numbers::pi * h * h * sag - cap, r);
}

// The limit `limit` of the filter; none when it is not set.
const std::optional<double>& limitOf(const GlassDataFilter& filter, GlassDataLimit limit) {
  if (limit == GlassDataLimit::Cost) return filter.maxCost;
  if (limit == GlassDataLimit::Transmittance) return filter.minTransmittance;
  return filter.maxClass[static_cast<std::size_t>(limit) - 1];
}

// The glass's datum that `limit` bounds; none where the maker gives none.
std::optional<double> datumOf(const GlassRecord& glass, GlassDataLimit limit, double lambdaMin) {
  if (limit == GlassDataLimit::Cost) return glass.cost;
  if (limit == GlassDataLimit::Transmittance) return transmittance10(glass, lambdaMin);
  return resistanceClass(glass, static_cast<Resistance>(static_cast<int>(limit) - 1));
}

bool passesLimit(const GlassRecord& glass, const GlassDataFilter& filter, GlassDataLimit limit,
                 double lambdaMin) {
  const auto& bound = limitOf(filter, limit);
  if (!bound) return true;
  const bool atMost = limit != GlassDataLimit::Transmittance;
  return within(datumOf(glass, limit, lambdaMin), bound, filter.requireData, atMost);
}

std::optional<double> lensMass(const GlassRecord& glass, double front, double back, double t,
                               double h) {
  if (!glass.density) return std::nullopt;
  const double volume = lensVolume(front, back, t, h);
  if (!std::isfinite(volume)) return std::nullopt;
  return *glass.density * volume / 1000.0;  // g/cm³ · mm³
}

}  // namespace

const char* limitName(GlassDataLimit limit) {
  static constexpr const char* names[] = {SYNTHESIS_TEXT("synthesis", "фильтр стоимости"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр класса CR"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр класса FR"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр класса SR"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр класса AR"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр класса PR"),
                                          SYNTHESIS_TEXT("synthesis", "фильтр пропускания 10 мм")};
  return names[static_cast<int>(limit)];
}

std::optional<double> resistanceClass(const GlassRecord& glass, Resistance which) {
  const auto& c = glass.classes;
  const std::optional<double>* classes[] = {&c.climate, &c.stain, &c.acid, &c.alkali, &c.phosphate};
  return *classes[static_cast<int>(which)];
}

std::optional<double> transmittance10(const GlassRecord& glass, double lambda) {
  return zelt::agf::internalTransmittance(glass.transmission, lambda, kTransmittanceThickness);
}

std::optional<GlassDataLimit> failedLimit(const GlassRecord& glass, const GlassDataFilter& filter,
                                          double lambdaMin) {
  for (int k = 0; k <= static_cast<int>(GlassDataLimit::Transmittance); ++k) {
    if (!passesLimit(glass, filter, GlassDataLimit(k), lambdaMin)) return GlassDataLimit(k);
  }
  return std::nullopt;
}

std::vector<GlassFilterStep> glassDataSteps(const GlassDataFilter& filter) {
  std::vector<GlassFilterStep> steps;
  for (int k = 0; k <= static_cast<int>(GlassDataLimit::Transmittance); ++k) {
    const auto limit = GlassDataLimit(k);
    if (!limitOf(filter, limit)) continue;
    steps.push_back({limitName(limit), [filter, limit](const FilterGlass& g) {
                       return passesLimit(g.record(), filter, limit, g.band().lambdaMin);
                     }});
  }
  return steps;
}

double lensVolume(double front, double back, double t, double h) {
  return std::numbers::pi * h * h * t - sagVolume(front, h) + sagVolume(back, h);
}

DoubletGlassData doubletGlassData(const DoubletResult& d) {
  DoubletGlassData data{d.glass1.cost, d.glass2.cost, std::nullopt, std::nullopt};
  const auto t1 =
      zelt::agf::internalTransmittance(d.glass1.transmission, d.lambdaMin, d.thickness1);
  const auto t2 =
      zelt::agf::internalTransmittance(d.glass2.transmission, d.lambdaMin, d.thickness2);
  if (t1 && t2) data.transmittance = *t1 * *t2;
  const double h = d.pupilDiameter / 2.0;
  const auto m1 = lensMass(d.glass1, d.r1, d.r2, d.thickness1, h);
  const auto m2 = lensMass(d.glass2, d.r2, d.r3, d.thickness2, h);
  if (m1 && m2) data.mass = *m1 + *m2;
  return data;
}

}  // namespace synthesis
