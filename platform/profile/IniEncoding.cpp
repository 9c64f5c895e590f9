#include "platform/profile/IniEncoding.h"

#include <array>
#include <cstdint>

#include "platform/text/Windows1252.h"

namespace vantix::platform {
namespace {

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        // Also used for unpaired surrogates, which keeps UTF-16 input lossless.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one code point (surrogates accepted); nullopt-like 0xFFFFFFFF on bad input.
constexpr std::uint32_t kBad = 0xFFFFFFFF;
std::uint32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int extra = 0;
    std::uint32_t cp = 0;
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
        return kBad;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80) return kBad;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    return cp > 0x10FFFF ? kBad : cp;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unitAt = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, unit);
    }
    return out;
}

void appendUnit(std::string& out, std::uint32_t unit, bool bigEndian) {
    const char hi = static_cast<char>(unit >> 8);
    const char lo = static_cast<char>(unit & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
}

std::string encodeUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2 + 2);
    appendUnit(out, 0xFEFF, bigEndian);
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t cp = nextCodePoint(text, i);
        if (cp == kBad) cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            appendUnit(out, 0xD800 + (cp >> 10), bigEndian);
            appendUnit(out, 0xDC00 + (cp & 0x3FF), bigEndian);
        } else {
            appendUnit(out, cp, bigEndian);
        }
    }
    return out;
}

std::string encodeCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint32_t cp = nextCodePoint(text, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        const auto byte = cp < 0x10000 ? text::unitTo1252(static_cast<char16_t>(cp)) : std::nullopt;
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

std::string decodeCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, text::unitFrom1252(byte));
    }
    return out;
}

bool startsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

}  // namespace

DecodedText decodeIni(std::string_view bytes) {
    DecodedText decoded;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        decoded.encoding = IniEncoding::Utf8Bom;
        decoded.text = std::string(bytes.substr(3));
    } else if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        const bool bigEndian = bytes[0] == '\xFE';
        decoded.encoding = bigEndian ? IniEncoding::Utf16BeBom : IniEncoding::Utf16LeBom;
        const std::string_view body = bytes.substr(2);
        decoded.text = decodeUtf16(body, bigEndian);
        if (body.size() % 2 != 0) decoded.tail = std::string(body.substr(body.size() - 1));
    } else {
        decoded.text = decodeCp1252(bytes);
    }
    return decoded;
}

std::string encodeIni(IniEncoding encoding, std::string_view text, std::string_view tail) {
    switch (encoding) {
        case IniEncoding::Utf8Bom: return "\xEF\xBB\xBF" + std::string(text);
        case IniEncoding::Utf16LeBom: return encodeUtf16(text, false) + std::string(tail);
        case IniEncoding::Utf16BeBom: return encodeUtf16(text, true) + std::string(tail);
        case IniEncoding::Ansi: break;
    }
    return encodeCp1252(text);
}

}  // namespace vantix::platform
