#include "platform/database/DbValue.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vantix::platform {

namespace {

double leadingNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double number = std::strtod(begin, &end);
    return end == begin || !std::isfinite(number) ? 0.0 : number;
}

}  // namespace

std::int64_t DbValue::toInteger() const {
    if (const auto* number = std::get_if<std::int64_t>(&value_)) return *number;
    double real = 0.0;
    if (const auto* r = std::get_if<double>(&value_))
        real = *r;
    else if (const auto* text = std::get_if<std::string>(&value_))
        real = leadingNumber(*text);
    else
        return 0;
    if (!std::isfinite(real)) return 0;
    // Out-of-range reals saturate instead of invoking undefined conversion.
    if (real >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
    if (real <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(real);
}

double DbValue::toReal() const {
    if (const auto* number = std::get_if<std::int64_t>(&value_))
        return static_cast<double>(*number);
    if (const auto* real = std::get_if<double>(&value_)) return *real;
    if (const auto* text = std::get_if<std::string>(&value_)) return leadingNumber(*text);
    return 0.0;
}

std::string DbValue::toText() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value_)) return std::to_string(*number);
    if (const auto* real = std::get_if<double>(&value_)) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *real);
        return std::string(buffer, result.ptr);
    }
    if (const auto* bytes = std::get_if<DbBlob>(&value_))
        return std::string(bytes->begin(), bytes->end());
    return {};
}

}  // namespace vantix::platform
