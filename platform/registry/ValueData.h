#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Value data in Wine's registry files: the part of a value line after "=".
namespace vantix::platform::reg {

// Gets the next line of a hex continuation, leading blanks removed; false at the end.
using NextLine = std::function<bool(std::string_view&)>;

// Parses `text` ("\"...\"", str:, str(2):, str(7):, dword:, hex:, hex(N):). String
// types are stored as UTF-16LE with their terminating NUL. False with `reason`
// for text that wineserver would not read as the same data.
bool parseWineData(std::string_view text, const NextLine& more, std::uint32_t& type,
                   std::vector<std::uint8_t>& data, std::string& reason);

// Appends one value line (with its LF) exactly as wineserver writes it.
void appendWineValue(std::string& out, std::string_view name, std::uint32_t type,
                     const std::vector<std::uint8_t>& data);

// Whether string data is written in quotes: even length, at least one unit, NUL-terminated.
bool isTerminatedUtf16(const std::vector<std::uint8_t>& data);
std::u16string unitsOf(const std::vector<std::uint8_t>& data);
void appendUnits(std::vector<std::uint8_t>& data, std::u16string_view units);

}  // namespace vantix::platform::reg
