#include "platform/peimage/VersionInfo.h"

#include <cstdio>

#include "platform/peimage/ByteReader.h"
#include "platform/text/Text.h"
#include "platform/text/Windows1252.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kRootKey = "VS_VERSION_INFO";
constexpr std::size_t kHeader32 = 6;  // wLength, wValueLength, wType
constexpr std::size_t kHeader16 = 4;  // wLength, wValueLength

std::size_t align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// The 16-bit layout's ANSI texts are in the code page of the systems this tunes.
std::string ansiToUtf8(std::span<const std::uint8_t> bytes) {
    return text::fromWindows1252(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

class Parser {
public:
    Parser(std::span<const std::uint8_t> data, bool ansi) : r_(data), ansi_(ansi) {}

    VersionNode parseNode(std::size_t start, std::size_t limit, int depth, bool stringValues) {
        if (depth > VersionInfo::kMaxDepth)
            throw PeImageError("version resource nests deeper than " + std::to_string(VersionInfo::kMaxDepth) +
                               " levels");
        if (++nodes_ > VersionInfo::kMaxNodes)
            throw PeImageError("version resource has more than " + std::to_string(VersionInfo::kMaxNodes) +
                               " blocks");
        const std::size_t length = r_.u16(start, "version block length");
        const std::size_t valueLength = r_.u16(start + 2, "version block value length");
        const std::size_t header = ansi_ ? kHeader16 : kHeader32;
        if (length < header + (ansi_ ? 1 : 2))
            throw PeImageError("version block at offset " + std::to_string(start) + " is too short (" +
                               std::to_string(length) + " bytes)");
        const std::size_t end = std::min(start + length, limit);
        const ByteReader node(r_.slice(0, end, "version block"));

        VersionNode out;
        std::size_t pos = start + header;
        if (ansi_) {
            const std::size_t keyEnd = findNul8(node, pos, "version block key");
            out.key = ansiToUtf8(node.slice(pos, keyEnd - pos, "version block key"));
            pos = keyEnd + 1;
        } else {
            out.isText = r_.u16(start + 4, "version block type") == 1;
            const std::size_t keyEnd = findNul16(node, pos, end, "version block key");
            out.key = utf16(node, pos, keyEnd);
            pos = keyEnd + 2;
        }
        pos = std::min(align4(pos), end);

        // Tools disagree on whether the value length counts the NUL, units or bytes:
        // texts are read up to their NUL or the block's end.
        std::size_t valueBytes = ansi_ || !out.isText ? valueLength : valueLength * 2;
        valueBytes = std::min(valueBytes, end - pos);
        if (ansi_ && stringValues) {
            out.isText = true;
            const auto raw = node.slice(pos, valueBytes, "version text");
            std::size_t n = 0;
            while (n < raw.size() && raw[n] != 0) ++n;
            out.text = ansiToUtf8(raw.first(n));
        } else if (out.isText) {
            std::size_t n = pos;
            while (n + 2 <= end && node.u16(n, "version text") != 0) n += 2;
            out.text = utf16(node, pos, n);
        } else {
            const auto raw = node.slice(pos, valueBytes, "version value");
            out.binary.assign(raw.begin(), raw.end());
        }

        const bool childStrings = depth == 1 && text::equalsIgnoreCase(out.key, "StringFileInfo");
        for (std::size_t child = align4(pos + valueBytes); child + header <= end;) {
            const std::size_t childLength = r_.u16(child, "version block length");
            if (childLength == 0) break;
            out.children.push_back(parseNode(child, end, depth + 1, childStrings || (stringValues && depth == 2)));
            child = align4(child + childLength);
        }
        return out;
    }

private:
    static std::size_t findNul8(const ByteReader& node, std::size_t from, std::string_view what) {
        for (std::size_t i = from;; ++i)
            if (node.u8(i, what) == 0) return i;
    }
    static std::size_t findNul16(const ByteReader& node, std::size_t from, std::size_t end, std::string_view what) {
        for (std::size_t i = from; i + 2 <= end; i += 2)
            if (node.u16(i, what) == 0) return i;
        throw PeImageError(std::string(what) + " at offset " + std::to_string(from) + " has no terminating NUL");
    }
    static std::string utf16(const ByteReader& node, std::size_t from, std::size_t to) {
        std::u16string units;
        for (std::size_t i = from; i + 2 <= to; i += 2) units.push_back(static_cast<char16_t>(node.u16(i, "text")));
        return text::toUtf8(units);
    }

    ByteReader r_;
    bool ansi_;
    std::size_t nodes_ = 0;
};

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

VersionInfo VersionInfo::parse(std::span<const std::uint8_t> data) {
    const auto startsWithKey = [&](std::size_t at, bool wide) {
        const std::size_t width = wide ? 2 : 1;
        if (data.size() < at + (kRootKey.size() + 1) * width) return false;
        for (std::size_t i = 0; i <= kRootKey.size(); ++i) {
            const char want = i < kRootKey.size() ? kRootKey[i] : '\0';
            if (data[at + i * width] != static_cast<std::uint8_t>(want) || (wide && data[at + i * width + 1] != 0))
                return false;
        }
        return true;
    };
    VersionInfo info;
    if (startsWithKey(kHeader32, true)) info.ansi_ = false;
    else if (startsWithKey(kHeader16, false)) info.ansi_ = true;
    else throw PeImageError("not a version resource (no VS_VERSION_INFO block)");
    Parser parser(data, info.ansi_);
    info.root_ = parser.parseNode(0, data.size(), 0, false);
    return info;
}

std::optional<VersionInfo> VersionInfo::fromImage(const ExecutableImage& image) {
    const auto names = image.names(restype::Version);
    if (names.empty()) return std::nullopt;
    ResourceId name = names.front();
    for (const auto& n : names)
        if (n.isNumber(1)) name = n;
    const Resource* resource = image.find(restype::Version, name);
    return parse(image.data(*resource));
}

std::optional<VersionInfo> VersionInfo::fromFile(const std::filesystem::path& path) {
    const ExecutableImage image = ExecutableImage::fromFile(path);
    try {
        return fromImage(image);
    } catch (const PeImageError& e) {
        throw PeImageError(path.filename().string() + ": " + e.what());
    }
}

const VersionNode* VersionInfo::find(std::string_view subBlock) const {
    const VersionNode* node = &root_;
    std::size_t pos = 0;
    while (pos < subBlock.size()) {
        const std::size_t slash = subBlock.find('\\', pos);
        const std::string_view part = subBlock.substr(pos, slash == std::string_view::npos ? slash : slash - pos);
        pos = slash == std::string_view::npos ? subBlock.size() : slash + 1;
        if (part.empty()) continue;
        const VersionNode* next = nullptr;
        for (const auto& child : node->children) {
            if (text::equalsIgnoreCase(child.key, part)) {
                next = &child;
                break;
            }
        }
        if (!next) return nullptr;
        node = next;
    }
    return node;
}

std::optional<FixedFileInfo> VersionInfo::fixedInfo() const {
    const auto& b = root_.binary;
    if (b.size() < 52 || le32(b, 0) != FixedFileInfo::kSignature) return std::nullopt;
    FixedFileInfo f;
    std::uint32_t* fields[] = {&f.signature,       &f.structVersion, &f.fileVersionMS, &f.fileVersionLS,
                               &f.productVersionMS, &f.productVersionLS, &f.fileFlagsMask, &f.fileFlags,
                               &f.fileOS,          &f.fileType,      &f.fileSubtype,   &f.fileDateMS,
                               &f.fileDateLS};
    for (std::size_t i = 0; i < 13; ++i) *fields[i] = le32(b, i * 4);
    return f;
}

std::vector<Translation> VersionInfo::translations() const {
    std::vector<Translation> out;
    const VersionNode* node = find("\\VarFileInfo\\Translation");
    if (!node) return out;
    const auto& b = node->binary;
    for (std::size_t i = 0; i + 4 <= b.size(); i += 4) {
        const std::uint32_t pair = le32(b, i);
        out.push_back({static_cast<std::uint16_t>(pair & 0xFFFF), static_cast<std::uint16_t>(pair >> 16)});
    }
    return out;
}

std::optional<std::string> VersionInfo::string(Translation translation, std::string_view name) const {
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", translation.language, translation.codePage);
    const VersionNode* node = find("\\StringFileInfo\\" + std::string(table) + "\\" + std::string(name));
    if (!node) return std::nullopt;
    return node->isText ? node->text : std::string(node->binary.begin(), node->binary.end());
}

std::string versionText(std::uint32_t ms, std::uint32_t ls) {
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) + "." +
           std::to_string(ls & 0xFFFF);
}

}  // namespace vantix::platform
