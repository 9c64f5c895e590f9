#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the ANSI code page of Western Windows 95/98/NT 4 systems: the
// encoding of REGEDIT4 files, shortcut texts, 16-bit resources and INI files.
// The five unassigned bytes map to the C1 controls of the same number, as
// Windows' own conversion does, so every byte survives a round trip.
namespace vantix::text {

char16_t unitFrom1252(unsigned char byte);
// The byte of a UTF-16 unit; nullopt when the code page has none.
std::optional<unsigned char> unitTo1252(char16_t unit);

// UTF-8 text of Windows-1252 bytes.
std::string fromWindows1252(std::string_view bytes);
// The bytes of `utf8` in Windows-1252; nullopt when a character has no code there.
std::optional<std::string> toWindows1252(std::string_view utf8);
// The same, with '?' for each character that has no code.
std::string toWindows1252Lossy(std::string_view utf8);

}  // namespace vantix::text
