#pragma once
// Reading of text files as their makers ship them: UTF-8 or 8-bit, UTF-16LE/BE with a byte-order
// mark, LF, CRLF or CR line ends. Shared by every file reader of both deliverables.

#include <optional>
#include <string>
#include <string_view>

namespace zelt::text {

/// Returns the whole content of the file at `path`, or nothing when it cannot be opened or read
/// or is a folder. Every reader of glass catalogs and lens files reads through it.
std::optional<std::string> readFileBytes(const std::string& path);

/// Returns `bytes` as 8-bit text with LF line ends: a UTF-16 file (byte-order mark FF FE or FE FF)
/// becomes UTF-8, a UTF-8 byte-order mark is dropped, CRLF and lone CR become LF. Never fails:
/// broken UTF-16 code units become U+FFFD, an odd trailing byte is dropped.
std::string decodeText(std::string_view bytes);

/// Returns true when `bytes` is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

/// Returns the Latin-1 (ISO 8859-1) bytes `bytes` as UTF-8.
std::string latin1ToUtf8(std::string_view bytes);

/// Returns the UTF-8 text unchanged when it is valid, otherwise reads it as Latin-1.
std::string toUtf8(std::string_view bytes);

}  // namespace zelt::text
