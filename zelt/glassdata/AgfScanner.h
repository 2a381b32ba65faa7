#pragma once
// Token scanner for Zemax AGF glass catalogs, shared by the synthesis core's and the optics
// library's catalog readers. It works on text already decoded by zelt::text::decodeText.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt::agf {

/// Returns the number written by the whole `token` (sign, decimals, exponent), or nothing.
std::optional<double> parseNumber(std::string_view token);

/// Returns the integer written by `token`, also in floating form ("2.00000E+00"), or nothing when
/// the token is no number, not integral or outside the int range.
std::optional<int> parseInteger(std::string_view token);

/// Splits `line` at blanks and tabs.
std::vector<std::string_view> splitTokens(std::string_view line);

/// Walks an AGF text token by token, with access to the rest of the current line.
class AgfScanner {
 public:
  explicit AgfScanner(std::string text);

  /// Reads the next whitespace-separated token; returns false at the end of the text.
  bool nextToken(std::string_view& token);

  /// Returns what is left of the current line and moves to the start of the next line.
  std::string_view restOfLine();

  /// Returns the leading numbers of the rest of the line, up to the first token that is not a
  /// number. When the whole line was numbers, the following lines made only of numbers are
  /// appended too: some makers' tools wrap long CD and TD records over such lines.
  std::vector<double> numberList();

 private:
  // Returns the next line without consuming it (empty view at the end of the text).
  std::string_view peekLine() const;

  std::string text_;
  std::size_t pos_ = 0;
};

}  // namespace zelt::agf
