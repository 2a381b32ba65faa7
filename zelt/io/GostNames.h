#pragma once
// Names of Russian (GOST) optical glasses and materials in the glass catalogs a lens file may name.

#include <span>
#include <string>
#include <string_view>

namespace zelt {

/// One material: its GOST name as media carry it, its name in the "ZELT" catalog and its name in
/// the "GOST" and "LZOS" catalogs.
struct GostName {
  std::string_view gost;
  std::string_view zelt;
  std::string_view gostCatalog;
};

/// Returns the 237 known GOST materials.
std::span<const GostName> gostNameTable();

/// Returns the name under which medium `name` appears in catalog `catalog` (capital letters):
/// translated for "ZELT", "GOST" and "LZOS", with the LZOS prefix; unchanged for other catalogs.
std::string glassNameForCatalog(const std::string& name, const std::string& catalog);

}  // namespace zelt
