#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between the settings store's text values and the types the shell
// keeps. Reads never fail: text that does not convert yields the type's zero.
namespace vantix::shell {

// "True"/"False" (any case); a number is False when 0 and True otherwise.
bool toBoolean(std::string_view text);
// Decimal text (rounded half to even, as the store's writer rounded) or a
// hexadecimal literal "&H...&" taken as a 32-bit two's-complement value, so
// "&H8000000F&" reads as -2147483633. Out of range or not a number: 0.
std::int32_t toLong(std::string_view text);
// Integer settings: as toLong, 0 when beyond the 16-bit range.
std::int16_t toInteger(std::string_view text);
// Single-precision settings (window position); 0 when not a number.
float toSingle(std::string_view text);

std::string fromBoolean(bool value);
std::string fromLong(std::int64_t value);
// A single as the store writes it: up to seven significant digits, no exponent
// for window coordinates, no trailing zeros ("4560", "-12.5").
std::string fromSingle(float value);

}  // namespace vantix::shell
