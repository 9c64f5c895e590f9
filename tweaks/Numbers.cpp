#include "tweaks/Numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace vantix::tweaks {

double leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at + 1 < text.size() && text[at] == '&') {
        const char radixLetter =
            static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
        const int radix = radixLetter == 'H' ? 16 : radixLetter == 'O' ? 8 : 0;
        if (radix == 0) return 0.0;
        double value = 0.0;
        for (at += 2; at < text.size(); ++at) {
            const int c = std::toupper(static_cast<unsigned char>(text[at]));
            const int digit = std::isdigit(c)          ? c - '0'
                              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                       : 99;
            if (digit >= radix) break;
            value = value * radix + digit;
        }
        return value;
    }
    // Only the characters a number may have, so strtod never sees "inf", "nan" or "0x".
    std::size_t end = at;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    bool digits = false;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end, digits = true;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end, digits = true;
    }
    if (!digits) return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (exponent < text.size() && std::isdigit(static_cast<unsigned char>(text[exponent]))) {
            end = exponent;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        }
    }
    const std::string number(text.substr(at, end - at));
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::int64_t roundHalfEven(double number) {
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (!(number >= low)) return static_cast<std::int64_t>(low);  // NaN too
    if (number > high) return static_cast<std::int64_t>(high);
    const double floor = std::floor(number);
    const double fraction = number - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

std::string formatNumber(double number) {
    if (std::floor(number) == number && std::fabs(number) < 1e15)
        return std::to_string(static_cast<std::int64_t>(number));
    std::ostringstream out;
    out.precision(15);
    out << number;
    return out.str();
}

}  // namespace vantix::tweaks
