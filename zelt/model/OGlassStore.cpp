#include "zelt/model/OGlassStore.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "zelt/glassdata/AgfReader.h"
#include "zelt/glassdata/DispersionFormula.h"
#include "zelt/glassdata/TextDecoding.h"
#include "zelt/model/Messages.h"

namespace zelt {
namespace {

std::unique_ptr<OAMedium> toMedium(agf::AgfGlass&& glass) {
  auto medium = std::make_unique<OAMedium>();
  medium->name = glass.name;
  medium->catalogName = glass.catalog;
  medium->formula = glass.formula - 1;
  medium->coefficients = glass.dispersion;
  medium->lambdaMin = glass.lambdaMin;
  medium->lambdaMax = glass.lambdaMax;
  medium->thermal = glass.thermal;  // for a lens file that names another temperature
  medium->record = std::move(glass);
  return medium;
}

// Air of index 1, valid from the shortest to the longest wavelength any glass of the catalog
// is (at least to 10 µm), so that an infrared system finds its air beside its glasses.
std::unique_ptr<OAMedium> catalogAir(const OGlassCatalog& catalog) {
  auto air = std::make_unique<OAMedium>();
  air->name = "AIR";
  air->catalogName = catalog.name;
  air->formula = 0;  // Schott series with c0 = 1: index 1 everywhere
  air->coefficients = {1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  air->lambdaMin = 0.0;
  air->lambdaMax = 10.0;
  for (const auto& glass : catalog.glasses)
    air->lambdaMax = std::max(air->lambdaMax, glass->lambdaMax);
  return air;
}

}  // namespace

std::string catalogNameFromPath(const std::string& path) {
  return agf::catalogNameFromPath(path);
}

std::unique_ptr<OGlassCatalog> readAgfCatalog(const std::string& path) {
  if (path.empty()) {
    throw std::runtime_error(
        "Не задан файл c данными оптических стекол / Filepath with optical glasse is empty");
  }
  const std::optional<std::string> bytes = text::readFileBytes(path);
  if (!bytes) {
    throw std::runtime_error(
        "Файл c данными оптических стекол отсутствует / File with optical glasse is missing");
  }
  agf::AgfCatalog read = agf::parseAgfCatalog(text::decodeText(*bytes), catalogNameFromPath(path));
  if (read.glasses.empty()) {
    throw std::runtime_error(path + ": " + agf::kNoGlassMessage +
                             " / not an AGF catalog: no glass");
  }
  auto catalog = std::make_unique<OGlassCatalog>();
  catalog->name = read.name;
  catalog->warnings = std::move(read.warnings);
  for (agf::AgfGlass& glass : read.glasses) {
    if (!dispersion::isKnownFormula(glass.formula))
      throw UnknownDFormula("UnknownDFormula: " + glass.name);
    catalog->glasses.push_back(toMedium(std::move(glass)));
  }
  catalog->glasses.push_back(catalogAir(*catalog));
  return catalog;
}

OHMedium& OGlassStore::addMedium(std::unique_ptr<OHMedium> medium) {
  made_.push_back(std::move(medium));
  return *made_.back();
}

OGlassCatalog& OGlassStore::readCatalog(const std::string& path) {
  catalogs_.push_back(readAgfCatalog(path));
  return *catalogs_.back();
}

OAMedium* OGlassStore::lookUp(const std::string& glass, const std::string& catalog) const {
  for (const auto& c : catalogs_) {
    if (c->name != catalog) continue;
    for (const auto& g : c->glasses) {
      if (g->name == glass) return g.get();
    }
  }
  return nullptr;
}

OAMedium& OGlassStore::findGlass(const std::string& glass, const std::string& catalog) const {
  if (OAMedium* found = lookUp(glass, catalog)) return *found;
  throw std::runtime_error(messages::noMediumFound(glass, true));
}

OAMedium& OGlassStore::findGlassInCatalogs(const std::string& glass,
                                           const std::vector<std::string>& catalogs) const {
  for (const auto& name : catalogs) {
    if (OAMedium* found = lookUp(glass, name)) return *found;
  }
  throw std::runtime_error(messages::noMediumFound(glass, false));
}

}  // namespace zelt
