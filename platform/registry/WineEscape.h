#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The character escapes of Wine's registry files, shared by key paths, value
// names, string data and classes. The writer mirrors wineserver's output byte
// for byte; the reader accepts everything wineserver accepts.
namespace vantix::platform::reg {

// Appends `units` escaped for a context closed by `close` (and opened by `open`,
// which is escaped too: '[' ']' for key paths, '"' '"' elsewhere). Returns the
// number of characters appended (the hex wrapper counts columns with it).
std::size_t appendEscaped(std::string& out, std::u16string_view units, char open, char close);

// Reads escaped text starting at `pos` up to the first unescaped `close`.
// On success `pos` is just past `close`. Bytes of 0x80 and above are UTF-8;
// invalid sequences are dropped as wineserver drops them. False when `close`
// never comes (the text runs to the end of `line`).
bool parseEscaped(std::string_view line, std::size_t& pos, char close, std::u16string& out);

// Index of the first `close` at or after `pos` when everything before it is
// plain ASCII without backslashes (the common case, read without decoding).
std::optional<std::size_t> plainAsciiUntil(std::string_view line, std::size_t pos, char close);

// Decodes UTF-8 to UTF-16 units, dropping invalid sequences.
void appendUtf8Units(std::u16string& out, std::string_view utf8);

}  // namespace vantix::platform::reg
