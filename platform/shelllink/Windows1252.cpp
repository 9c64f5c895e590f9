#include "platform/shelllink/Windows1252.h"

#include <array>

#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

constexpr char16_t kUnassigned = 0xFFFD;
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned, kUnassigned, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178};

std::optional<char> encodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == unit && unit != kUnassigned) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::string encode(std::string_view utf8, bool lossy, bool& complete) {
    complete = true;
    std::string out;
    for (const char16_t unit : text::toUtf16(utf8)) {
        if (const auto c = encodeUnit(unit)) {
            out.push_back(*c);
        } else {
            complete = false;
            if (!lossy) return {};
            // A surrogate pair is one character: one '?' for its high half only.
            if (unit < 0xDC00 || unit > 0xDFFF) out.push_back('?');
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> toWindows1252(std::string_view utf8) {
    bool complete = false;
    std::string out = encode(utf8, false, complete);
    if (!complete) return std::nullopt;
    return out;
}

std::string toWindows1252Lossy(std::string_view utf8) {
    bool complete = false;
    return encode(utf8, true, complete);
}

std::string fromWindows1252(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        units.push_back(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t{b});
    }
    return text::toUtf8(units);
}

}  // namespace vantix::platform
