#pragma once

#include <string>
#include <string_view>

namespace lindrel32 {

// CRYPT's key. 0x80 keeps every printable ASCII character printable (it lands
// in 0xA0-0xFE, all assigned in Windows-1252), so a scrambled text stays text.
constexpr unsigned char kCryptKey = 0x80;

// Each character's Windows-1252 code XOR `key`, back to UTF-8. The five
// unassigned codes travel as U+0081 ... U+009D, as Windows converts them, so
// applying it twice gives the text back; a character with no Windows-1252 code
// becomes "?" first.
std::string xorAnsi(std::string_view utf8, unsigned char key);

}  // namespace lindrel32
