#pragma once
// The one reader of Zemax AGF glass catalogs, used by the synthesis core and the optics library.
// It reads text already decoded by zelt::text::decodeText, never fails on bad records (a record
// that does not read is skipped with a warning naming its line) and never reads past its input.

#include <string>
#include <string_view>
#include <vector>

#include "zelt/glassdata/AgfGlass.h"

namespace zelt::agf {

/// Message of a file that holds no glass record at all (an empty file, a picture, a lens file).
inline constexpr char kNoGlassMessage[] = "не каталог AGF: нет ни одного стекла";

/// A record that did not read, or a glass left out, with the line it stands on.
struct ReadWarning {
  int line = 0;      ///< 1-based line of the file
  std::string text;  ///< what was skipped and why (Russian, names the glass)
};

/// Glasses of one AGF file in file order, each name once, and what the reading skipped.
struct AgfCatalog {
  std::string name;
  std::vector<AgfGlass> glasses;
  std::vector<ReadWarning> warnings;
};

/// Reads AGF text into a catalog named `catalogName`. A name repeated in the file keeps one
/// record: the one with data (AgfGlass::hasData), the first when both have data (the second is
/// reported as a warning).
AgfCatalog parseAgfCatalog(std::string_view text, const std::string& catalogName);

/// Returns the catalog name of an AGF file: its file name without folder and last extension.
std::string catalogNameFromPath(const std::string& path);

/// Returns the warning as one line of text: "строка N: …".
std::string describe(const ReadWarning& warning);

}  // namespace zelt::agf
