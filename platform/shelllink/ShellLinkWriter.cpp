#include <string>

#include "platform/files/FileIo.h"
#include "platform/shelllink/LinkLayout.h"
#include "platform/shelllink/ShellLink.h"
#include "platform/text/Windows1252.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

class Bytes {
public:
    void u16(std::uint32_t v) {
        out_.push_back(static_cast<std::uint8_t>(v));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void raw(std::string_view s) { out_.insert(out_.end(), s.begin(), s.end()); }
    void raw(const std::vector<std::uint8_t>& b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }
    void wide(std::u16string_view s) {
        for (const char16_t c : s) u16(c);
    }
    std::size_t size() const { return out_.size(); }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    std::vector<std::uint8_t> out_;
};

bool isDrivePath(std::string_view path) {
    return path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
           path[1] == ':' && path[2] == '\\';
}

// LinkInfo with a VolumeID (empty label) and the local base path in Windows-1252.
std::vector<std::uint8_t> linkInfo(const ShellLink& link) {
    const std::string basePath = text::toWindows1252(link.target).value_or(std::string());
    const std::uint32_t header = lnk::linkinfo::HeaderSize;
    const std::uint32_t volumeIdSize = lnk::linkinfo::VolumeIdHeaderSize + 1;
    const std::uint32_t base = header + volumeIdSize;
    const std::uint32_t suffix = base + static_cast<std::uint32_t>(basePath.size()) + 1;

    Bytes b;
    b.u32(suffix + 1);
    b.u32(header);
    b.u32(lnk::linkinfo::VolumeIdAndLocalBasePath);
    b.u32(header);  // VolumeID follows the header
    b.u32(base);
    b.u32(0);  // no network link
    b.u32(suffix);
    b.u32(volumeIdSize);
    b.u32(link.driveType);
    b.u32(0);  // serial number unknown
    b.u32(lnk::linkinfo::VolumeIdHeaderSize);
    b.zeros(1);  // empty label
    b.raw(basePath);
    b.zeros(2);  // base path terminator, empty common path suffix
    return b.take();
}

void writeText(Bytes& b, std::string_view utf8, bool unicode) {
    if (unicode) {
        const std::u16string wide = text::toUtf16(utf8);
        b.u16(static_cast<std::uint32_t>(wide.size()));
        b.wide(wide);
    } else {
        const std::string ansi = text::toWindows1252Lossy(utf8);
        b.u16(static_cast<std::uint32_t>(ansi.size()));
        b.raw(ansi);
    }
}

}  // namespace

std::vector<std::uint8_t> encodeShellLink(const ShellLink& link, LinkStrings strings) {
    if (link.target.empty()) throw ShellLinkError("a shortcut needs a target");
    for (const std::string* value : {&link.target, &link.arguments, &link.workingDir, &link.description,
                                     &link.iconLocation})
        if (value->find('\0') != std::string::npos)
            throw ShellLinkError("a shortcut text cannot hold a NUL character");
    if (link.showCommand != showcmd::Normal && link.showCommand != showcmd::Maximized &&
        link.showCommand != showcmd::Minimized)
        throw ShellLinkError("show command " + std::to_string(link.showCommand) + " is not 1, 3 or 7");

    // LinkInfo holds the target for a drive path that Windows-1252 can hold.
    // Wine reads only LinkInfo's ANSI path, so any other target goes into the
    // relative path (as UTF-16 when needed), which Wine resolves when absolute.
    const bool local = isDrivePath(link.target) && text::toWindows1252(link.target);
    struct Text {
        std::uint32_t flag;
        const std::string* value;
        const char* what;
    };
    const Text texts[] = {{lnk::flag::HasName, &link.description, "description"},
                          {lnk::flag::HasRelativePath, local ? nullptr : &link.target, "target"},
                          {lnk::flag::HasWorkingDir, &link.workingDir, "working folder"},
                          {lnk::flag::HasArguments, &link.arguments, "arguments"},
                          {lnk::flag::HasIconLocation, &link.iconLocation, "icon location"}};

    bool allAnsi = true;
    for (const auto& t : texts) {
        if (!t.value || t.value->empty()) continue;
        if (text::toUtf16(*t.value).size() > lnk::kMaxTextLength)
            throw ShellLinkError(std::string("the ") + t.what + " is longer than 65535 characters");
        if (!text::toWindows1252(*t.value)) {
            allAnsi = false;
            if (strings == LinkStrings::Ansi)
                throw ShellLinkError(std::string("the ") + t.what + " has characters that Windows-1252 cannot hold");
        }
    }
    const bool unicode = strings == LinkStrings::Unicode || (strings == LinkStrings::Auto && !allAnsi);
    if (local && text::toUtf16(link.target).size() > lnk::kMaxTextLength)
        throw ShellLinkError("the target is longer than 65535 characters");

    std::uint32_t flags = local ? lnk::flag::HasLinkInfo : 0;
    for (const auto& t : texts)
        if (t.value && !t.value->empty()) flags |= t.flag;
    if (unicode) flags |= lnk::flag::IsUnicode;

    Bytes b;
    b.u32(lnk::kHeaderSize);
    b.raw(std::vector<std::uint8_t>(lnk::kClsid.begin(), lnk::kClsid.end()));
    b.u32(flags);
    b.u32(lnk::kFileAttributeArchive);
    b.zeros(3 * 8 + 4);  // creation, access and write times, file size: unknown
    b.u32(static_cast<std::uint32_t>(link.iconIndex));
    b.u32(link.showCommand);
    b.u16(link.hotKey);
    b.zeros(2 + 4 + 4);
    if (local) b.raw(linkInfo(link));
    for (const auto& t : texts)
        if (t.value && !t.value->empty()) writeText(b, *t.value, unicode);
    b.zeros(4);  // terminal block
    return b.take();
}

void writeShellLink(const std::filesystem::path& path, const ShellLink& link, LinkStrings strings) {
    const auto bytes = encodeShellLink(link, strings);
    const std::optional<std::string> before = readWholeFile(path, 1u << 20);
    const FileStatus status =
        replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), before);
    if (!status) throw ShellLinkError("cannot write " + path.string() + ": " + status.message);
}

}  // namespace vantix::platform
