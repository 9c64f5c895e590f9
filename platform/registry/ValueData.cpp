#include "platform/registry/ValueData.h"

#include "platform/registry/WineEscape.h"

namespace vantix::platform::reg {
namespace {

constexpr std::uint32_t kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4, kMultiSz = 7;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool parseString(std::string_view text, std::uint32_t type, std::uint32_t& outType,
                 std::vector<std::uint8_t>& data, std::string& reason) {
    if (const auto end = plainAsciiUntil(text, 0, '"')) {
        outType = type;
        data.assign((*end + 1) * 2, 0);
        for (std::size_t i = 0; i < *end; ++i) data[2 * i] = static_cast<std::uint8_t>(text[i]);
        return true;
    }
    std::u16string units;
    std::size_t pos = 0;
    if (!parseEscaped(text, pos, '"', units)) {
        reason = "string not closed by \"";
        return false;
    }
    units.push_back(0);
    outType = type;
    appendUnits(data, units);
    return true;
}

bool parseHex(std::string_view text, const NextLine& more, std::vector<std::uint8_t>& data,
              std::string& reason) {
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i >= text.size()) return true;
        if (text[i] == '\\') {
            std::size_t j = i + 1;
            while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
            if (j != text.size()) break;
            if (!more(text)) {
                reason = "hex data continued past the end of the file";
                return false;
            }
            i = 0;
            continue;
        }
        int value = hexDigit(text[i]);
        if (value < 0) break;
        ++i;
        if (i < text.size() && hexDigit(text[i]) >= 0) value = value * 16 + hexDigit(text[i++]);
        if (i < text.size() && hexDigit(text[i]) >= 0) break;  // three digits: not a byte
        data.push_back(static_cast<std::uint8_t>(value));
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i < text.size() && text[i] == ',')
            ++i;
        else if (i < text.size() && text[i] != '\\')
            break;
    }
    reason = "bad hex data";
    return false;
}

void appendHexByte(std::string& out, std::uint8_t b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
}

void appendHexNumber(std::string& out, std::uint32_t v, int minDigits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    char buffer[8];
    int n = 0;
    do {
        buffer[n++] = kDigits[v & 15];
        v >>= 4;
    } while (v || n < minDigits);
    while (n) out.push_back(buffer[--n]);
}

}  // namespace

bool isTerminatedUtf16(const std::vector<std::uint8_t>& data) {
    return data.size() >= 2 && data.size() % 2 == 0 && data[data.size() - 1] == 0 &&
           data[data.size() - 2] == 0;
}

std::u16string unitsOf(const std::vector<std::uint8_t>& data) {
    std::u16string units(data.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return units;
}

void appendUnits(std::vector<std::uint8_t>& data, std::u16string_view units) {
    std::size_t at = data.size();
    data.resize(at + units.size() * 2);
    for (const char16_t u : units) {
        data[at++] = static_cast<std::uint8_t>(u & 0xFF);
        data[at++] = static_cast<std::uint8_t>(u >> 8);
    }
}

bool parseWineData(std::string_view text, const NextLine& more, std::uint32_t& type,
                   std::vector<std::uint8_t>& data, std::string& reason) {
    data.clear();
    if (text.starts_with("\"")) return parseString(text.substr(1), kSz, type, data, reason);
    if (text.starts_with("str:\"")) return parseString(text.substr(5), kSz, type, data, reason);
    if (text.starts_with("str(2):\""))
        return parseString(text.substr(8), kExpandSz, type, data, reason);
    if (text.starts_with("str(7):\""))
        return parseString(text.substr(8), kMultiSz, type, data, reason);
    if (text.starts_with("dword:")) {
        std::uint32_t value = 0;
        std::size_t i = 6;
        for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
            if (i - 6 == 8) {
                reason = "dword longer than 8 hex digits";
                return false;
            }
            value = value * 16 + static_cast<std::uint32_t>(hexDigit(text[i]));
        }
        type = kDword;
        for (int k = 0; k < 4; ++k) data.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
        return true;
    }
    if (text.starts_with("hex:")) {
        type = kBinary;
        return parseHex(text.substr(4), more, data, reason);
    }
    if (text.starts_with("hex(")) {
        std::size_t i = 4;
        std::uint64_t value = 0;
        for (; i < text.size() && hexDigit(text[i]) >= 0 && i < 12; ++i)
            value = value * 16 + static_cast<unsigned>(hexDigit(text[i]));
        if (i == 4 || i >= text.size() || text[i] != ')' || i + 1 >= text.size() ||
            text[i + 1] != ':') {
            reason = "bad hex(N): type";
            return false;
        }
        type = static_cast<std::uint32_t>(value);
        return parseHex(text.substr(i + 2), more, data, reason);
    }
    reason = "unknown value type";
    return false;
}

void appendWineValue(std::string& out, std::string_view name, std::uint32_t type,
                     const std::vector<std::uint8_t>& data) {
    std::size_t count;
    if (!name.empty()) {
        std::u16string units;
        appendUtf8Units(units, name);
        out.push_back('"');
        count = 1 + appendEscaped(out, units, '"', '"');
        out += "\"=";
        count += 2;
    } else {
        out += "@=";
        count = 2;
    }
    if ((type == kSz || type == kExpandSz || type == kMultiSz) && isTerminatedUtf16(data)) {
        if (type == kExpandSz) out += "str(2):";
        if (type == kMultiSz) out += "str(7):";
        out.push_back('"');
        const std::u16string units = unitsOf(data);
        appendEscaped(out, std::u16string_view(units).substr(0, units.size() - 1), '"', '"');
        out += "\"\n";
        return;
    }
    if (type == kDword && data.size() == 4) {
        out += "dword:";
        appendHexNumber(out,
                        static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                   static_cast<std::uint32_t>(data[3]) << 24),
                        8);
        out.push_back('\n');
        return;
    }
    const std::size_t tagStart = out.size();
    if (type == kBinary) {
        out += "hex:";
    } else {
        out += "hex(";
        appendHexNumber(out, type, 1);
        out += "):";
    }
    count += out.size() - tagStart;
    for (std::size_t i = 0; i < data.size(); ++i) {
        appendHexByte(out, data[i]);
        count += 2;
        if (i + 1 < data.size()) {
            out.push_back(',');
            if (++count > 76) {
                out += "\\\n  ";
                count = 2;
            }
        }
    }
    out.push_back('\n');
}

}  // namespace vantix::platform::reg
