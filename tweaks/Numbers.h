#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number rules of the property page: how a stored text becomes a number.
namespace vantix::tweaks {

// The number at the start of `text`: leading blanks skipped, an optional sign,
// digits with an optional fraction and exponent, or "&H"/"&O" hexadecimal and
// octal; 0 when the text does not start with a number.
double leadingNumber(std::string_view text);

// Rounds to a whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2),
// saturating at the limits of a 32-bit integer.
std::int64_t roundHalfEven(double number);

// A number as the page shows it: whole numbers without a fraction.
std::string formatNumber(double number);

}  // namespace vantix::tweaks
