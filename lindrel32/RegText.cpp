#include "lindrel32/RegText.h"

#include <charconv>
#include <optional>
#include <stdexcept>

#include "platform/text/Windows1252.h"
#include "platform/text/Text.h"

namespace lindrel32::regtext {

namespace reg = vantix::platform::regtype;
using vantix::platform::RegValue;

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isStringType(std::uint32_t type) {
    return type == reg::Sz || type == reg::ExpandSz || type == reg::MultiSz;
}

// The data without its last character, as a text buffer of the returned size less one.
std::string textOf(const RegValue& value) {
    const auto& data = value.data;
    if (data.empty()) return "";
    if (isStringType(value.type)) {
        std::u16string units;
        for (std::size_t i = 0; i + 1 < data.size(); i += 2)
            units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
        if (!units.empty() && units.back() == u'\0') units.pop_back();
        return vantix::text::toUtf8(units);
    }
    // Other types come back byte for byte as ANSI characters, as the ANSI query returns them.
    return vantix::text::fromWindows1252(std::string(data.begin(), data.end() - 1));
}

std::string ansiBytesOf(const RegValue& value) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < value.data.size(); i += 2)
        units.push_back(static_cast<char16_t>(value.data[i] | (value.data[i + 1] << 8)));
    return vantix::text::toWindows1252Lossy(vantix::text::toUtf8(units));
}

std::int32_t parseDword(std::string_view text) {
    const std::string_view trimmed = vantix::text::trim(text);
    const auto invalid = [&] {
        return std::invalid_argument("not a 32-bit integer: " + std::string(text));
    };
    if (trimmed.size() > 2 && trimmed[0] == '&' && (trimmed[1] == 'H' || trimmed[1] == 'h')) {
        const std::string_view digits = trimmed.substr(2);
        std::uint32_t number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
        if (digits.size() > 8 || error != std::errc() || end != digits.data() + digits.size())
            throw invalid();
        return static_cast<std::int32_t>(number);
    }
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    std::int32_t number = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number, 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw invalid();
    return number;
}

std::vector<std::uint8_t> parseBinary(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::string_view piece = text.substr(i, 2);
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(piece.data(), piece.data() + piece.size(), value, 16);
        if (error != std::errc() || end != piece.data() + piece.size())
            throw std::invalid_argument("not hexadecimal: " + std::string(piece));
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

}  // namespace

std::optional<std::string> format(const RegValue& value, std::string_view type) {
    if (type == "D") {
        if (value.data.size() > 4) return std::nullopt;
        std::uint32_t number = 0;  // missing high bytes read as zero
        for (std::size_t i = 0; i < value.data.size(); ++i)
            number |= std::uint32_t(value.data[i]) << (8 * i);
        return std::to_string(static_cast<std::int32_t>(number));
    }
    if (type == "B") {
        // A Windows 9x program reads a string value's bytes in its ANSI code
        // page (terminating NULs included), not as the UTF-16 stored here.
        const std::string bytes = isStringType(value.type)
                                      ? ansiBytesOf(value)
                                      : std::string(value.data.begin(), value.data.end());
        std::string out;
        out.reserve(bytes.size() * 2);
        for (const unsigned char byte : bytes) {
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0x0F];
        }
        return out;
    }
    return textOf(value);
}

RegValue parse(std::string name, std::string_view text, std::string_view type) {
    if (type == "D")
        return RegValue::dword(std::move(name), static_cast<std::uint32_t>(parseDword(text)));
    if (type == "B") return RegValue::binary(std::move(name), parseBinary(text));
    return RegValue::string(std::move(name), text);
}

}  // namespace lindrel32::regtext
