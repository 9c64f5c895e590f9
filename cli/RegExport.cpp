#include "cli/RegExport.h"

#include <cstdio>

#include "platform/shelllink/Windows1252.h"
#include "platform/text/Text.h"

namespace vantix::cli {

namespace {

namespace reg = platform::regtype;
constexpr std::size_t kWrapColumn = 76;

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (const char c : platform::toWindows1252Lossy(text)) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string utf16Text(const std::vector<std::uint8_t>& data) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return text::toUtf8(units);
}

// Hex bytes, wrapped with ",\" and two blanks before column 80 as exporters do.
std::string hexLine(std::string head, const std::vector<std::uint8_t>& bytes) {
    std::size_t column = head.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        head += digits;
        column += 2;
        if (i + 1 < bytes.size()) {
            head += ',';
            ++column;
            if (column > kWrapColumn) {
                head += "\\\r\n  ";
                column = 2;
            }
        }
    }
    return head + "\r\n";
}

std::string valueLine(const platform::RegValue& value) {
    const std::string name = value.name.empty() ? "@" : quotedText(value.name);
    const bool terminated = value.data.size() >= 2 && value.data.size() % 2 == 0 &&
                            value.data[value.data.size() - 2] == 0 && value.data.back() == 0;
    if (value.type == reg::Sz && terminated) {
        std::string text = utf16Text(value.data);
        text.pop_back();  // the terminating NUL
        return name + "=" + quotedText(text) + "\r\n";
    }
    if (value.type == reg::Dword && value.data.size() == 4) {
        char digits[9];
        const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                     (std::uint32_t(value.data[3]) << 24);
        std::snprintf(digits, sizeof digits, "%08x", number);
        return name + "=dword:" + digits + "\r\n";
    }
    if (value.type == reg::Binary) return hexLine(name + "=hex:", value.data);
    std::vector<std::uint8_t> bytes = value.data;
    if ((value.type == reg::ExpandSz || value.type == reg::MultiSz) && value.data.size() % 2 == 0) {
        // REGEDIT4 keeps these as ANSI bytes.
        const std::string ansi = platform::toWindows1252Lossy(utf16Text(value.data));
        bytes.assign(ansi.begin(), ansi.end());
    }
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", value.type);
    return hexLine(name + "=" + type, bytes);
}

void exportKey(platform::Registry& registry, platform::Root root, const std::string& subKey,
               const std::string& path, std::string& out) {
    out += "[" + platform::toWindows1252Lossy(path) + "]\r\n";
    if (const auto values = registry.values(root, subKey))
        for (const auto& value : *values) out += valueLine(value);
    out += "\r\n";
    if (const auto names = registry.subKeyNames(root, subKey))
        for (const auto& name : *names)
            exportKey(registry, root, subKey.empty() ? name : subKey + "\\" + name, path + "\\" + name, out);
}

}  // namespace

std::optional<std::string> exportRegedit4(platform::Registry& registry, platform::Root root,
                                          const std::string& subKey, const std::string& path) {
    if (!registry.keyExists(root, subKey)) return std::nullopt;
    std::string out = "REGEDIT4\r\n\r\n";
    exportKey(registry, root, subKey, path, out);
    return out;
}

}  // namespace vantix::cli
