#include "synthesis/glass_catalog.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "synthesis/message_text.h"
#include "zelt/glassdata/AgfReader.h"
#include "zelt/glassdata/TextDecoding.h"

namespace synthesis {
namespace {

// Glasses of one file in file order, each a record of the synthesis.
GlassCatalog toCatalog(zelt::agf::AgfCatalog&& read) {
  GlassCatalog catalog;
  for (zelt::agf::AgfGlass& glass : read.glasses) {
    GlassRecord record;
    static_cast<zelt::agf::AgfGlass&>(record) = std::move(glass);
    // A record without a name (an NM keyword with nothing after it) is no glass.
    if (!record.name.empty()) catalog.insert_or_assign(record.name, std::move(record));
  }
  return catalog;
}

std::vector<std::string> describeAll(const std::vector<zelt::agf::ReadWarning>& warnings,
                                     const std::string& prefix) {
  std::vector<std::string> texts;
  for (const auto& w : warnings) texts.push_back(prefix + zelt::agf::describe(w));
  return texts;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

void mergeCatalog(GlassCatalog& merged, const GlassCatalog& added) {
  std::vector<GlassRecord> glasses;
  for (auto& entry : merged) glasses.push_back(std::move(entry.second));
  for (const auto& entry : added) {
    const GlassRecord& glass = entry.second;
    auto same = std::find_if(glasses.begin(), glasses.end(), [&](const GlassRecord& g) {
      return g.name == glass.name && g.catalog == glass.catalog;
    });
    if (same != glasses.end()) {
      *same = glass;
    } else {
      glasses.push_back(glass);
    }
  }
  std::map<std::string, int> holders;
  for (const auto& g : glasses) ++holders[g.name];
  merged.clear();
  for (auto& g : glasses) {
    g.label = holders[g.name] > 1 ? g.name + " (" + g.catalog + ")" : g.name;
    std::string key = g.label;
    merged.insert_or_assign(std::move(key), std::move(g));
  }
}

std::vector<std::string> readAgfText(std::string_view text, GlassCatalog& catalog,
                                     const std::string& origin) {
  auto read = zelt::agf::parseAgfCatalog(text, origin);
  std::vector<std::string> warnings = describeAll(read.warnings, "");
  mergeCatalog(catalog, toCatalog(std::move(read)));
  return warnings;
}

std::vector<std::string> readAgfFile(const std::string& path, GlassCatalog& catalog) {
  if (path.empty())
    throw std::runtime_error(messageText("synthesis", "Не задан файл c данными оптических стекол"));
  const auto bytes = zelt::text::readFileBytes(path);
  if (!bytes)
    throw std::runtime_error(
        messageText("synthesis", "Файл c данными оптических стекол отсутствует"));
  const std::string name = catalogBaseName(path);
  auto read = zelt::agf::parseAgfCatalog(zelt::text::decodeText(*bytes), name);
  if (read.glasses.empty()) throw std::runtime_error(path + ": " + zelt::agf::kNoGlassMessage);
  std::vector<std::string> warnings = describeAll(read.warnings, name + ": ");
  mergeCatalog(catalog, toCatalog(std::move(read)));
  return warnings;
}

std::string catalogBaseName(const std::string& path) {
  return zelt::agf::catalogNameFromPath(path);
}

std::vector<std::string> catalogsHolding(const GlassCatalog& catalog, const std::string& name) {
  std::set<std::string> holders;
  for (const auto& [key, glass] : catalog)
    if (glass.name == name) holders.insert(glass.catalog);
  return {holders.begin(), holders.end()};
}

std::string resolveGlass(const GlassCatalog& catalog, const std::string& text) {
  if (catalog.count(text) != 0) return text;
  const std::size_t slash = text.find('/');
  if (slash != std::string::npos) {
    const std::string catalogName = text.substr(0, slash);
    const std::string name = text.substr(slash + 1);
    for (const auto& [key, glass] : catalog)
      if (glass.name == name && glass.catalog == catalogName) return key;
    return text;
  }
  const auto holders = catalogsHolding(catalog, text);
  if (holders.size() > 1) {
    throw std::runtime_error(messageText("synthesis", "Стекло ") + text +
                             messageText("synthesis", " есть в нескольких каталогах (") +
                             joined(holders) + messageText("synthesis", "): укажите КАТАЛОГ/") +
                             text);
  }
  return text;
}

}  // namespace synthesis
