#include "platform/registry/WineEscape.h"

namespace vantix::platform::reg {
namespace {

bool isHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isOctalDigit(char16_t c) {
    return c >= '0' && c <= '7';
}
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

void appendHex(std::string& out, unsigned value, int minDigits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    char buffer[8];
    int n = 0;
    do {
        buffer[n++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0 || n < minDigits);
    while (n > 0) out.push_back(buffer[--n]);
}

void appendOctal(std::string& out, unsigned value, int minDigits) {
    char buffer[8];
    int n = 0;
    do {
        buffer[n++] = static_cast<char>('0' + (value & 7));
        value >>= 3;
    } while (value != 0 || n < minDigits);
    while (n > 0) out.push_back(buffer[--n]);
}

// Length of a valid UTF-8 sequence at `i` and its code point; 0 when invalid.
std::size_t decodeOne(std::string_view s, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t extra;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= s.size()) return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return extra + 1;
}

void pushCodePoint(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

}  // namespace

std::size_t appendEscaped(std::string& out, std::u16string_view units, char open, char close) {
    static constexpr char kNamed[32] = {0,   0,   0,   0, 0, 0,   0, 'a', 'b', 't', 'n',
                                        'v', 'f', 'r', 0, 0, 0,   0, 0,   0,   0,   0,
                                        0,   0,   0,   0, 0, 'e', 0, 0,   0,   0};
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        const bool hasNext = i + 1 < units.size();
        if (c > 127) {
            out += "\\x";
            // A following hex digit would be read as part of the escape: pad to four.
            appendHex(out, c, hasNext && units[i + 1] < 128 && isHexDigit(units[i + 1]) ? 4 : 1);
        } else if (c < 32) {
            out.push_back('\\');
            if (kNamed[c])
                out.push_back(kNamed[c]);
            else
                appendOctal(out, c, hasNext && isOctalDigit(units[i + 1]) ? 3 : 1);
        } else {
            if (c == '\\' || c == static_cast<char16_t>(open) || c == static_cast<char16_t>(close))
                out.push_back('\\');
            out.push_back(static_cast<char>(c));
        }
    }
    return out.size() - start;
}

std::optional<std::size_t> plainAsciiUntil(std::string_view line, std::size_t pos, char close) {
    for (std::size_t i = pos; i < line.size(); ++i) {
        const char c = line[i];
        if (c == close) return i;
        if (c == '\\' || static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    }
    return std::nullopt;
}

void appendUtf8Units(std::u16string& out, std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t n = decodeOne(utf8, i, cp);
        if (n == 0) {
            ++i;  // wineserver drops what does not decode
            continue;
        }
        pushCodePoint(out, cp);
        i += n;
    }
}

bool parseEscaped(std::string_view line, std::size_t& pos, char close, std::u16string& out) {
    std::size_t i = pos;
    while (i < line.size()) {
        const char c = line[i];
        if (c == close) {
            pos = i + 1;
            return true;
        }
        if (c != '\\') {
            std::size_t run = i;
            bool ascii = true;
            while (run < line.size() && line[run] != close && line[run] != '\\') {
                ascii &= static_cast<unsigned char>(line[run]) < 0x80;
                ++run;
            }
            if (ascii)
                out.append(line.begin() + static_cast<std::ptrdiff_t>(i),
                           line.begin() + static_cast<std::ptrdiff_t>(run));
            else
                appendUtf8Units(out, line.substr(i, run - i));
            i = run;
            continue;
        }
        if (++i >= line.size()) return false;
        const char e = line[i];
        switch (e) {
            case 'a':
                out.push_back(7);
                ++i;
                break;
            case 'b':
                out.push_back(8);
                ++i;
                break;
            case 'e':
                out.push_back(27);
                ++i;
                break;
            case 'f':
                out.push_back(12);
                ++i;
                break;
            case 'n':
                out.push_back(10);
                ++i;
                break;
            case 'r':
                out.push_back(13);
                ++i;
                break;
            case 't':
                out.push_back(9);
                ++i;
                break;
            case 'v':
                out.push_back(11);
                ++i;
                break;
            case 'x': {
                ++i;
                unsigned value = 0;
                int digits = 0;
                while (digits < 4 && i < line.size() &&
                       isHexDigit(static_cast<unsigned char>(line[i]))) {
                    value = value * 16 + static_cast<unsigned>(hexValue(line[i++]));
                    ++digits;
                }
                out.push_back(digits ? static_cast<char16_t>(value) : u'x');
                break;
            }
            default:
                if (isOctalDigit(static_cast<unsigned char>(e))) {
                    unsigned value = 0;
                    for (int digits = 0; digits < 3 && i < line.size() &&
                                         isOctalDigit(static_cast<unsigned char>(line[i]));
                         ++digits)
                        value = value * 8 + static_cast<unsigned>(line[i++] - '0');
                    out.push_back(static_cast<char16_t>(value));
                } else if (static_cast<unsigned char>(e) >= 0x80) {
                    // An escaped multi-byte character stands for itself.
                    std::size_t run = i + 1;
                    while (run < line.size() &&
                           (static_cast<unsigned char>(line[run]) & 0xC0) == 0x80)
                        ++run;
                    appendUtf8Units(out, line.substr(i, run - i));
                    i = run;
                } else {
                    out.push_back(static_cast<unsigned char>(e));
                    ++i;
                }
        }
    }
    return false;
}

}  // namespace vantix::platform::reg
