#pragma once
// Media made by the library and glass catalogs it has read; their addresses never change, since
// gaps refer to them by pointer for the life of the process.

#include <memory>
#include <string>
#include <vector>

#include "zelt/glassdata/AgfReader.h"
#include "zelt/model/OMedium.h"

namespace zelt {

/// One catalog read from an AGF file: its name and its glasses in file order, "AIR" last.
struct OGlassCatalog {
  std::string name;
  std::vector<std::unique_ptr<OAMedium>> glasses;
  std::vector<agf::ReadWarning> warnings;  ///< records the reading skipped, with their lines
};

/// Owner of every medium the system has made and every catalog it has read.
class OGlassStore {
 public:
  /// Takes `medium` into the made media and returns it (its address stays valid).
  OHMedium& addMedium(std::unique_ptr<OHMedium> medium);

  /// Reads the AGF catalog at `path` and appends it; returns it. A failed read adds nothing.
  OGlassCatalog& readCatalog(const std::string& path);

  /// Returns the first glass named exactly `glass` in a catalog named exactly `catalog`;
  /// throws std::runtime_error("NoMediumFound: " + glass).
  OAMedium& findGlass(const std::string& glass, const std::string& catalog) const;

  /// Returns the glass from the first of `catalogs` that holds it;
  /// throws std::runtime_error("NoMediumFound:" + glass).
  OAMedium& findGlassInCatalogs(const std::string& glass,
                                const std::vector<std::string>& catalogs) const;

  const std::vector<std::unique_ptr<OHMedium>>& madeMedia() const { return made_; }
  const std::vector<std::unique_ptr<OGlassCatalog>>& catalogs() const { return catalogs_; }

 private:
  // Returns the first glass named `glass` in a catalog named `catalog`, or null.
  OAMedium* lookUp(const std::string& glass, const std::string& catalog) const;

  std::vector<std::unique_ptr<OHMedium>> made_;
  std::vector<std::unique_ptr<OGlassCatalog>> catalogs_;
};

/// Returns the catalog name of an AGF path: the file name without folder and last extension.
std::string catalogNameFromPath(const std::string& path);

/// Reads the AGF catalog at `path` (UTF-8, 8-bit or UTF-16 with byte-order mark, any line ends)
/// and appends "AIR". Throws std::runtime_error (also for a file without any glass) or
/// UnknownDFormula for a glass whose formula is none of the thirteen.
std::unique_ptr<OGlassCatalog> readAgfCatalog(const std::string& path);

}  // namespace zelt
