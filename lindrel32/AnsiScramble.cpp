#include "lindrel32/AnsiScramble.h"

#include "platform/text/Windows1252.h"
#include "platform/text/Text.h"

namespace lindrel32 {

namespace {

bool isUnassigned(unsigned code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

unsigned char ansiCode(char16_t unit) {
    if (isUnassigned(unit)) return static_cast<unsigned char>(unit);
    const auto bytes =
        vantix::text::toWindows1252(vantix::text::toUtf8(std::u16string(1, unit)));
    return bytes && bytes->size() == 1 ? static_cast<unsigned char>((*bytes)[0]) : '?';
}

}  // namespace

std::string xorAnsi(std::string_view utf8, unsigned char key) {
    std::u16string out;
    for (const char16_t unit : vantix::text::toUtf16(utf8)) {
        // A surrogate half has no ANSI code: it becomes "?" like any other such character.
        const unsigned char code = (unit >= 0xD800 && unit <= 0xDFFF) ? '?' : ansiCode(unit);
        const unsigned scrambled = code ^ key;
        if (isUnassigned(scrambled)) {
            out.push_back(static_cast<char16_t>(scrambled));
        } else {
            const std::string one(1, static_cast<char>(scrambled));
            out += vantix::text::toUtf16(vantix::text::fromWindows1252(one));
        }
    }
    return vantix::text::toUtf8(out);
}

}  // namespace lindrel32
