#pragma once

#include <string>
#include <string_view>

// Text helpers shared by every layer. All text is UTF-8 in std::string; the
// Windows side of things (registry data, .lnk strings, resources) is UTF-16LE.
namespace vantix::text {

// UTF-8 to UTF-16 code units; invalid sequences become U+FFFD.
std::u16string toUtf16(std::string_view utf8);
// UTF-16 code units to UTF-8; unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view utf16);

// Case folding the way Windows compares key, value, section and file names:
// ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters fold to lower case.
char16_t foldCase(char16_t unit);
std::u16string foldCase(std::u16string_view text);
std::string foldCase(std::string_view utf8);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, on folded UTF-16 units (Wine's sort order for keys).
int compareIgnoreCase(std::string_view a, std::string_view b);

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
// Upper case for every letter foldCase knows (used for the "upper case" of the system's rules).
std::string toUpper(std::string_view utf8);
std::string toLower(std::string_view utf8);

std::string_view trim(std::string_view text, std::string_view blanks = " \t");

}  // namespace vantix::text
