#include "platform/text/Windows1252.h"

#include "platform/text/Text.h"

namespace vantix::text {
namespace {

constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<std::string> encode(std::string_view utf8, bool lossy) {
    std::string out;
    out.reserve(utf8.size());
    for (const char16_t unit : toUtf16(utf8)) {
        if (const auto byte = unitTo1252(unit)) {
            out.push_back(static_cast<char>(*byte));
        } else if (!lossy) {
            return std::nullopt;
        } else if (unit < 0xDC00 || unit > 0xDFFF) {
            out.push_back('?');  // a surrogate pair is one character: one '?'
        }
    }
    return out;
}

}  // namespace

char16_t unitFrom1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unitTo1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<unsigned char>(unit);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHigh[i] == unit) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string fromWindows1252(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (const char c : bytes) units.push_back(unitFrom1252(static_cast<unsigned char>(c)));
    return toUtf8(units);
}

std::optional<std::string> toWindows1252(std::string_view utf8) { return encode(utf8, false); }

std::string toWindows1252Lossy(std::string_view utf8) { return *encode(utf8, true); }

}  // namespace vantix::text
