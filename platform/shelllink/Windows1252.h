#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the ANSI code page in which shortcut files of Windows 95/98
// and NT 4 hold their texts.
namespace vantix::platform {

// The bytes of `utf8` in Windows-1252; nullopt when a character has no code there.
std::optional<std::string> toWindows1252(std::string_view utf8);
// The same, with '?' for each character that has no code.
std::string toWindows1252Lossy(std::string_view utf8);
// UTF-8 text of Windows-1252 bytes; the five unassigned bytes become U+FFFD.
std::string fromWindows1252(std::string_view bytes);

}  // namespace vantix::platform
