#include "gui/glass_list.h"

#include <cmath>
#include <exception>

QStringList glassNames(const synthesis::GlassCatalog& catalog) {
  QStringList names;
  for (const auto& entry : catalog) {
    if (!entry.first.empty()) names << QString::fromStdString(entry.first);
  }
  return names;
}

namespace {

bool hasIndices(const synthesis::GlassRecord& glass, double lambda0, double lambdaMin,
                double lambdaMax) {
  try {
    return std::isfinite(glass.index(lambda0)) &&
           std::isfinite(glass.abbeNumber(lambda0, lambdaMin, lambdaMax));
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

QStringList glassesWithoutIndices(const synthesis::GlassCatalog& catalog, double lambda0,
                                  double lambdaMin, double lambdaMax) {
  QStringList names;
  for (const auto& [name, glass] : catalog) {
    if (!name.empty() && !hasIndices(glass, lambda0, lambdaMin, lambdaMax)) {
      names << QString::fromStdString(name);
    }
  }
  return names;
}
