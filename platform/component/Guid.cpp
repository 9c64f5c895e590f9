#include "platform/component/Guid.h"

#include <cstdio>

namespace vantix::platform {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits at `at`; nullopt when one is not a digit.
std::optional<std::uint32_t> hexNumber(std::string_view text, std::size_t at, std::size_t digits) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = hexDigit(text[at + i]);
        if (digit < 0) return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

}  // namespace

std::string guidText(const Guid& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.data1), guid.data2, guid.data3, guid.data4[0],
                  guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5],
                  guid.data4[6], guid.data4[7]);
    return text;
}

std::optional<Guid> parseGuid(std::string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-')
        return std::nullopt;
    Guid guid;
    const auto d1 = hexNumber(text, 1, 8);
    const auto d2 = hexNumber(text, 10, 4);
    const auto d3 = hexNumber(text, 15, 4);
    if (!d1 || !d2 || !d3) return std::nullopt;
    guid.data1 = *d1;
    guid.data2 = static_cast<std::uint16_t>(*d2);
    guid.data3 = static_cast<std::uint16_t>(*d3);
    static constexpr std::size_t kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        const auto byte = hexNumber(text, kByteAt[i], 2);
        if (!byte) return std::nullopt;
        guid.data4[i] = static_cast<std::uint8_t>(*byte);
    }
    return guid;
}

}  // namespace vantix::platform
