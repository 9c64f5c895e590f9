#include "platform/registry/HiveFile.h"
#include "platform/registry/RegFile.h"
#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"
#include "platform/text/Windows1252.h"

namespace vantix::platform {
namespace {

constexpr std::size_t kMaxExportDepth = 512;

struct Unrepresentable {
    std::string what;
};

std::string ansi(std::u16string_view units, const std::string& where) {
    std::string out;
    out.reserve(units.size());
    for (const char16_t u : units) {
        const auto b = text::unitTo1252(u);
        if (!b) throw Unrepresentable{where + " has text outside Windows-1252"};
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string regQuoted(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

void appendHexData(std::string& out, std::size_t column, std::string_view tag,
                   std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += tag;
    column += tag.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 15]);
        if (i + 1 == bytes.size()) break;
        out.push_back(',');
        column += 3;
        // Exporters break hex lines before column 78 and indent by two.
        if (column >= 77) {
            out += "\\\r\n  ";
            column = 2;
        }
    }
}

std::string typeTag(std::uint32_t type) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[type & 15]);
        type >>= 4;
    } while (type);
    return "hex(" + digits + "):";
}

bool plainText(std::u16string_view units) {
    for (const char16_t u : units)
        if (u < 0x20) return false;
    return true;
}

void appendValue(std::string& out, const RegValue& v, const std::string& where) {
    const std::string name =
        v.name.empty() ? std::string("@")
                       : regQuoted(ansi(vantix::text::toUtf16(v.name), where + " value name"));
    out += name;
    out.push_back('=');
    const std::size_t column = name.size() + 1;
    const std::string valueWhere = where + " value \"" + v.name + "\"";
    const bool stringType =
        v.type == regtype::Sz || v.type == regtype::ExpandSz || v.type == regtype::MultiSz;
    std::string_view raw(reinterpret_cast<const char*>(v.data.data()), v.data.size());
    if (stringType && reg::isTerminatedUtf16(v.data)) {
        const std::u16string units = reg::unitsOf(v.data);
        const std::string bytes = ansi(units, valueWhere);
        const std::u16string_view text = std::u16string_view(units).substr(0, units.size() - 1);
        if (v.type == regtype::Sz && plainText(text)) {
            out += regQuoted(std::string_view(bytes).substr(0, bytes.size() - 1));
        } else {
            // Strings the quoted form cannot carry go as ANSI bytes, as REGEDIT4 stores them.
            appendHexData(out, column, typeTag(v.type), bytes);
        }
    } else if (stringType && !v.data.empty()) {
        throw Unrepresentable{valueWhere + " holds string data without its terminator"};
    } else if (v.type == regtype::Dword && v.data.size() == 4) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "dword:%08x",
                      static_cast<unsigned>(v.data[0] | v.data[1] << 8 | v.data[2] << 16 |
                                            static_cast<unsigned>(v.data[3]) << 24));
        out += buffer;
    } else {
        appendHexData(out, column, v.type == regtype::Binary ? "hex:" : typeTag(v.type), raw);
    }
    out += "\r\n";
}

void exportKey(Registry& registry, Root root, const std::string& subKey, std::size_t depth,
               std::string& out) {
    if (depth > kMaxExportDepth) throw Unrepresentable{"keys nested too deep"};
    std::string path(rootName(root));
    if (!subKey.empty()) path.append("\\").append(subKey);
    out.push_back('[');
    out.append(ansi(vantix::text::toUtf16(path), path)).append("]\r\n");
    if (const auto values = registry.values(root, subKey))
        for (const RegValue& v : *values) appendValue(out, v, path);
    out += "\r\n";
    const auto children = registry.subKeyNames(root, subKey);
    if (!children) return;
    for (const std::string& child : *children) {
        std::string childKey = subKey;
        if (!childKey.empty()) childKey.push_back('\\');
        childKey.append(child);
        if (registry.isLink(root, childKey)) continue;
        exportKey(registry, root, childKey, depth + 1, out);
    }
}

}  // namespace

RegExport exportRegedit4(Registry& registry, Root root, std::string_view subKey) {
    RegExport result;
    std::string key(subKey);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    if (!registry.keyExists(root, key)) {
        result.status = RegStatus{RegStatus::NotFound,
                                  "key not found: " + std::string(rootName(root)) + "\\" + key};
        return result;
    }
    result.bytes = "REGEDIT4\r\n\r\n";
    try {
        exportKey(registry, root, key, 0, result.bytes);
    } catch (const Unrepresentable& e) {
        result.bytes.clear();
        result.status =
            RegStatus{RegStatus::InvalidArgument, "cannot export as REGEDIT4: " + e.what};
    }
    return result;
}

RegStatus exportRegFile(Registry& registry, Root root, std::string_view subKey,
                        const std::filesystem::path& file) {
    RegExport exported = exportRegedit4(registry, root, subKey);
    if (!exported.status) return exported.status;
    reg::FileStamp stamp;
    std::string error;
    if (!reg::replaceFileDurably(file, exported.bytes, stamp, error))
        return RegStatus{RegStatus::IoError, error};
    return RegStatus::ok();
}

}  // namespace vantix::platform
