#include "zelt/glassdata/AgfScanner.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zelt::agf {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool isSpace(char c) {
  return isBlank(c) || c == '\n' || c == '\r';
}

// Appends the numbers of `line`; returns true when every token of it was a number.
bool appendLeadingNumbers(std::string_view line, std::vector<double>& numbers) {
  for (std::string_view token : splitTokens(line)) {
    const auto value = parseNumber(token);
    if (!value) return false;
    numbers.push_back(*value);
  }
  return true;
}

bool isNumberLine(std::string_view line) {
  const auto tokens = splitTokens(line);
  if (tokens.empty()) return false;
  for (std::string_view token : tokens) {
    if (!parseNumber(token)) return false;
  }
  return true;
}

}  // namespace

std::optional<double> parseNumber(std::string_view token) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  if (token.empty() || token.front() == '+') return std::nullopt;
  double value = 0.0;
  const char* end = token.data() + token.size();
  const auto [ptr, ec] = std::from_chars(token.data(), end, value);
  // Text forms of infinity and NaN are no catalog data.
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> parseInteger(std::string_view token) {
  const auto value = parseNumber(token);
  if (!value || !std::isfinite(*value) || *value != std::trunc(*value)) return std::nullopt;
  if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(*value);
}

std::vector<std::string_view> splitTokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !isSpace(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

AgfScanner::AgfScanner(std::string text) : text_(std::move(text)) {}

bool AgfScanner::nextToken(std::string_view& token) {
  while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
  if (pos_ >= text_.size()) return false;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !isSpace(text_[pos_])) ++pos_;
  token = std::string_view(text_).substr(start, pos_ - start);
  return true;
}

std::string_view AgfScanner::restOfLine() {
  const std::string_view line = peekLine();
  pos_ += line.size();
  if (pos_ < text_.size()) ++pos_;  // the line end
  return line;
}

std::string_view AgfScanner::peekLine() const {
  if (pos_ >= text_.size()) return {};
  const std::size_t end = text_.find('\n', pos_);
  const std::size_t stop = end == std::string::npos ? text_.size() : end;
  return std::string_view(text_).substr(pos_, stop - pos_);
}

std::vector<double> AgfScanner::numberList() {
  std::vector<double> numbers;
  if (!appendLeadingNumbers(restOfLine(), numbers)) return numbers;
  while (isNumberLine(peekLine())) appendLeadingNumbers(restOfLine(), numbers);
  return numbers;
}

}  // namespace zelt::agf
