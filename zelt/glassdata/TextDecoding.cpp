#include "zelt/glassdata/TextDecoding.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace zelt::text {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) -> char32_t {
    const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
    const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
    return bigEndian ? (char32_t(b0) << 8 | b1) : (char32_t(b1) << 8 | b0);
  };
  std::string out;
  out.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t u = unitAt(i);
    if (isHighSurrogate(u) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
      appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
      ++i;
    } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
      appendUtf8(out, kReplacement);
    } else {
      appendUtf8(out, u);
    }
  }
  return out;
}

std::string normaliseLineEnds(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\r') {
      out.push_back(in[i]);
    } else if (i + 1 >= in.size() || in[i + 1] != '\n') {
      out.push_back('\n');  // a lone CR ends a line too
    }
  }
  return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // A folder opens like a file on some systems and would read as empty.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

std::string decodeText(std::string_view bytes) {
  if (startsWith(bytes, "\xFF\xFE")) return normaliseLineEnds(utf16ToUtf8(bytes.substr(2), false));
  if (startsWith(bytes, "\xFE\xFF")) return normaliseLineEnds(utf16ToUtf8(bytes.substr(2), true));
  if (startsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return normaliseLineEnds(bytes);
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    if (b < 0x80)
      extra = 0;
    else if ((b & 0xE0) == 0xC0 && b >= 0xC2)
      extra = 1;
    else if ((b & 0xF0) == 0xE0)
      extra = 2;
    else if ((b & 0xF8) == 0xF0 && b <= 0xF4)
      extra = 3;
    else
      return false;
    if (i + extra >= bytes.size() && extra > 0) return false;  // truncated sequence
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string toUtf8(std::string_view bytes) {
  return isValidUtf8(bytes) ? std::string(bytes) : latin1ToUtf8(bytes);
}

}  // namespace zelt::text
