#include "zelt/model/OGlassStore.h"

#include <optional>
#include <stdexcept>
#include <string_view>

#include "zelt/glassdata/AgfScanner.h"
#include "zelt/glassdata/TextDecoding.h"
#include "zelt/model/Messages.h"

namespace zelt {
namespace {

// Working state of the AGF reading: the glass being assembled and its record count.
class AgfCatalogBuilder {
 public:
  explicit AgfCatalogBuilder(std::string catalogName)
      : catalog_(std::make_unique<OGlassCatalog>()) {
    catalog_->name = std::move(catalogName);
    reset();
  }

  void readName(agf::AgfScanner& scanner) {
    std::string_view token;
    if (scanner.nextToken(token)) glass_.name = std::string(token);
    glass_.catalogName = catalog_->name;
    std::optional<int> number;
    if (scanner.nextToken(token)) number = agf::parseInteger(token);
    scanner.restOfLine();
    if (!number || *number < 1 || *number > 13) {
      throw UnknownDFormula("UnknownDFormula: " + glass_.name);
    }
    glass_.formula = *number - 1;
    countRecord();
  }

  void readCoefficients(agf::AgfScanner& scanner) {
    glass_.coefficients = scanner.numberList();
    countRecord();
  }

  // The TD record (thermal data) is kept for lens files that name another temperature.
  void readThermal(agf::AgfScanner& scanner) { glass_.thermal = scanner.numberList(); }

  void readRange(agf::AgfScanner& scanner) {
    glass_.lambdaMin = nextNumber(scanner);
    glass_.lambdaMax = nextNumber(scanner);
    scanner.restOfLine();
    countRecord();
  }

  std::unique_ptr<OGlassCatalog> finish() {
    auto air = std::make_unique<OAMedium>();
    air->name = "AIR";
    air->catalogName = catalog_->name;
    air->formula = 0;  // Schott series with c0 = 1: index 1 everywhere
    air->coefficients = {1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    air->lambdaMin = 0.0;
    air->lambdaMax = 10.0;
    catalog_->glasses.push_back(std::move(air));
    return std::move(catalog_);
  }

 private:
  double nextNumber(agf::AgfScanner& scanner) {
    std::string_view token;
    std::optional<double> value;
    if (scanner.nextToken(token)) value = agf::parseNumber(token);
    if (!value) {
      throw std::runtime_error("Ошибка в записи LD стекла " + glass_.name +
                               " / Bad LD record of glass " + glass_.name);
    }
    return *value;
  }

  // The catalog keeps a glass after every third record: NM, CD and LD in the usual order.
  void countRecord() {
    if (++records_ < 3) return;
    catalog_->glasses.push_back(std::make_unique<OAMedium>(glass_));
    reset();
  }

  void reset() {
    glass_ = OAMedium();
    records_ = 0;
  }

  std::unique_ptr<OGlassCatalog> catalog_;
  OAMedium glass_;
  int records_ = 0;
};

}  // namespace

std::string catalogNameFromPath(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::size_t ext = name.find(".agf");
  if (ext == std::string::npos) ext = name.find(".AGF");
  return ext == std::string::npos ? name : name.substr(0, ext);
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
  AgfCatalogBuilder builder(catalogNameFromPath(path));
  agf::AgfScanner scanner(text::decodeText(*bytes));
  std::string_view token;
  while (scanner.nextToken(token)) {
    if (token == "NM") {
      builder.readName(scanner);
    } else if (token == "CD") {
      builder.readCoefficients(scanner);
    } else if (token == "LD") {
      builder.readRange(scanner);
    } else if (token == "TD") {
      builder.readThermal(scanner);
    }
  }
  return builder.finish();
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
