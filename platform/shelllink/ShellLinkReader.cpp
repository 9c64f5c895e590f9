#include <algorithm>
#include <string>

#include "platform/files/FileIo.h"
#include "platform/shelllink/LinkLayout.h"
#include "platform/shelllink/ShellLink.h"
#include "platform/text/Windows1252.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

constexpr std::size_t kMaxLinkFile = 1u << 20;

// Bounds-checked little-endian reads; a read past the end is a ShellLinkError.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void require(std::size_t at, std::size_t n, std::string_view what) const {
        if (at > bytes_.size() || n > bytes_.size() - at)
            throw ShellLinkError("shortcut is damaged: its " + std::string(what) + " at offset " +
                                 std::to_string(at) + " lies outside the file");
    }
    std::uint16_t u16(std::size_t at, std::string_view what) const {
        require(at, 2, what);
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at, std::string_view what) const {
        return u16(at, what) | static_cast<std::uint32_t>(u16(at + 2, what)) << 16;
    }
    std::span<const std::uint8_t> slice(std::size_t at, std::size_t n, std::string_view what) const {
        require(at, n, what);
        return bytes_.subspan(at, n);
    }
    // ANSI text up to its NUL, which must lie inside the data.
    std::string ansiz(std::size_t at, std::string_view what) const {
        std::string out;
        for (std::size_t i = at;; ++i) {
            require(i, 1, what);
            if (bytes_[i] == 0) return text::fromWindows1252(out);
            out.push_back(static_cast<char>(bytes_[i]));
        }
    }
    std::string widez(std::size_t at, std::string_view what) const {
        std::u16string out;
        for (std::size_t i = at;; i += 2) {
            const std::uint16_t c = u16(i, what);
            if (c == 0) return text::toUtf8(out);
            out.push_back(static_cast<char16_t>(c));
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
};

// The target that LinkInfo names: local base path or network share, plus the common suffix.
std::string linkInfoTarget(const Reader& file, std::size_t at, ShellLink& link) {
    const std::uint32_t size = file.u32(at, "LinkInfo size");
    if (size < lnk::linkinfo::HeaderSize)
        throw ShellLinkError("shortcut is damaged: LinkInfo of " + std::to_string(size) + " bytes is too short");
    const Reader info(file.slice(at, size, "LinkInfo"));
    const std::uint32_t header = info.u32(4, "LinkInfo header size");
    const std::uint32_t flags = info.u32(8, "LinkInfo flags");
    const bool wide = header >= lnk::linkinfo::HeaderSizeWithUnicode;
    const std::uint32_t suffixAt = info.u32(24, "LinkInfo common path suffix");
    const std::string suffix = wide && info.u32(32, "LinkInfo Unicode suffix") != 0
                                   ? info.widez(info.u32(32, "LinkInfo Unicode suffix"), "common path suffix")
                                   : info.ansiz(suffixAt, "common path suffix");
    if (flags & lnk::linkinfo::VolumeIdAndLocalBasePath) {
        const std::uint32_t volumeAt = info.u32(12, "VolumeID offset");
        link.driveType = info.u32(std::size_t{volumeAt} + 4, "VolumeID drive type");
        const std::uint32_t wideBase = wide ? info.u32(28, "LinkInfo Unicode base path") : 0;
        const std::string base = wideBase != 0 ? info.widez(wideBase, "local base path")
                                               : info.ansiz(info.u32(16, "local base path offset"), "local base path");
        return base + suffix;
    }
    if (flags & lnk::linkinfo::CommonNetworkRelativeLink) {
        const std::uint32_t network = info.u32(20, "network link offset");
        const std::uint32_t nameAt = info.u32(std::size_t{network} + 8, "network name offset");
        link.driveType = drivetype::Remote;
        const std::string share = info.ansiz(std::size_t{network} + nameAt, "network name");
        return suffix.empty() ? share : share + "\\" + suffix;
    }
    return {};
}

}  // namespace

ShellLink decodeShellLink(std::span<const std::uint8_t> bytes) {
    const Reader file(bytes);
    if (bytes.size() < lnk::kHeaderSize || file.u32(0, "header") != lnk::kHeaderSize ||
        !std::equal(lnk::kClsid.begin(), lnk::kClsid.end(), bytes.begin() + 4))
        throw ShellLinkError("not a shortcut file (no shell link header)");
    ShellLink link;
    const std::uint32_t flags = file.u32(0x14, "link flags");
    link.iconIndex = static_cast<std::int32_t>(file.u32(0x38, "icon index"));
    link.showCommand = file.u32(0x3C, "show command");
    link.hotKey = file.u16(0x40, "hot key");

    std::size_t at = lnk::kHeaderSize;
    if (flags & lnk::flag::HasIdList) {
        link.hasIdList = true;
        at += 2 + std::size_t{file.u16(at, "item ID list size")};
    }
    std::string target;
    if (flags & lnk::flag::HasLinkInfo) {
        target = linkInfoTarget(file, at, link);
        at += file.u32(at, "LinkInfo size");
    }

    const bool unicode = flags & lnk::flag::IsUnicode;
    const auto readText = [&](std::string_view what) {
        const std::size_t count = file.u16(at, what);
        const std::size_t width = unicode ? 2 : 1;
        const auto raw = file.slice(at + 2, count * width, what);
        at += 2 + count * width;
        // Wine counts and writes a closing NUL; everything from the first NUL on is dropped.
        if (!unicode) {
            const auto end = std::find(raw.begin(), raw.end(), std::uint8_t{0});
            return text::fromWindows1252(std::string(raw.begin(), end));
        }
        std::u16string wide;
        for (std::size_t i = 0; i < count; ++i) {
            const auto c = static_cast<char16_t>(raw[2 * i] | raw[2 * i + 1] << 8);
            if (c == 0) break;
            wide.push_back(c);
        }
        return text::toUtf8(wide);
    };
    if (flags & lnk::flag::HasName) link.description = readText("description");
    if (flags & lnk::flag::HasRelativePath) link.relativePath = readText("relative path");
    if (flags & lnk::flag::HasWorkingDir) link.workingDir = readText("working folder");
    if (flags & lnk::flag::HasArguments) link.arguments = readText("arguments");
    if (flags & lnk::flag::HasIconLocation) link.iconLocation = readText("icon location");
    link.target = target.empty() ? link.relativePath : target;
    return link;
}

ShellLink readShellLink(const std::filesystem::path& path) {
    FileStatus status;
    const auto content = readWholeFile(path, kMaxLinkFile, &status);
    if (!content) throw ShellLinkError("cannot read " + path.string() + ": " + status.message);
    try {
        return decodeShellLink(std::span(reinterpret_cast<const std::uint8_t*>(content->data()), content->size()));
    } catch (const ShellLinkError& e) {
        throw ShellLinkError(path.filename().string() + ": " + e.what());
    }
}

}  // namespace vantix::platform
