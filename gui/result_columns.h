#pragma once
// The columns of the result table, described once: the header, the preferences dialog, the copy
// and the CSV export all walk this list.

#include <QString>
#include <vector>

/// One column of the result table.
struct ResultColumn {
  const char* key;      ///< stable name of the column, used by the column preferences
  const char* header;   ///< header text, untranslated (context "ResultColumns")
  const char* tooltip;  ///< header tooltip, untranslated
  int decimals;         ///< decimals of a number column
};

/// Columns before the core's values: the found order and the two glasses.
inline constexpr int kLeadingColumns = 3;
/// Column of the found order.
inline constexpr int kOrderColumn = 0;
/// Columns of the first and the second glass.
inline constexpr int kGlass1Column = 1;
inline constexpr int kGlass2Column = 2;

/// Returns every column: the found order, the two glasses, then the core's values in its order.
const std::vector<ResultColumn>& resultColumns();

/// Returns the header text of `column` in the current language, line breaks included.
QString columnHeader(const ResultColumn& column);

/// Returns the header tooltip of `column` in the current language.
QString columnTooltip(const ResultColumn& column);
