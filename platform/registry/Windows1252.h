#pragma once

#include <optional>
#include <string>
#include <string_view>

// The ANSI code page of Western Windows 95/98/NT 4 systems, used by REGEDIT4 files.
namespace vantix::platform::reg {

// UTF-16 unit of one Windows-1252 byte. The five unassigned bytes map to the
// control characters of the same number, as Windows' own conversion does.
char16_t unitFrom1252(unsigned char byte);
// The byte for a UTF-16 unit, or nullopt when code page 1252 has none.
std::optional<unsigned char> unitTo1252(char16_t unit);

std::string utf8From1252(std::string_view bytes);

}  // namespace vantix::platform::reg
