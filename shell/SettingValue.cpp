#include "shell/SettingValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "platform/text/Text.h"

namespace vantix::shell {
namespace {

// "&H1F&", "&h1f" (the trailing "&" is optional): at most eight hex digits.
std::optional<std::int64_t> hexLiteral(std::string_view text) {
    if (text.size() < 3 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) return std::nullopt;
    text.remove_prefix(2);
    if (text.back() == '&') text.remove_suffix(1);
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Eight digits are a Long's bit pattern; fewer are taken as they stand.
    return static_cast<std::int64_t>(static_cast<std::int32_t>(value));
}

std::optional<double> decimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> number(std::string_view text) {
    text = vantix::text::trim(text);
    if (auto hex = hexLiteral(text)) return static_cast<double>(*hex);
    return decimal(text);
}

}  // namespace

bool toBoolean(std::string_view text) {
    text = vantix::text::trim(text);
    if (vantix::text::equalsIgnoreCase(text, "True")) return true;
    if (vantix::text::equalsIgnoreCase(text, "False")) return false;
    auto value = number(text);
    return value && *value != 0;
}

std::int32_t toLong(std::string_view text) {
    auto value = number(text);
    if (!value) return 0;
    double rounded = std::nearbyint(*value);  // default rounding mode: half to even
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(rounded);
}

std::int16_t toInteger(std::string_view text) {
    std::int32_t value = toLong(text);
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(value);
}

float toSingle(std::string_view text) {
    auto value = number(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return 0;
    return static_cast<float>(*value);
}

std::string fromBoolean(bool value) { return value ? "True" : "False"; }

std::string fromLong(std::int64_t value) { return std::to_string(value); }

std::string fromSingle(float value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    if (text.find('e') != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(value));
        text = buffer;
    }
    return text;
}

}  // namespace vantix::shell
