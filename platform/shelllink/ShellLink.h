#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Shell shortcut (.lnk) files in the layout that Windows 95, 98 and NT 4 and
// Wine read: a header, LinkInfo with the target's local path, and the optional
// texts (description, relative path, working folder, arguments, icon location).
namespace vantix::platform {

class ShellLinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace showcmd {
constexpr std::uint32_t Normal = 1;
constexpr std::uint32_t Maximized = 3;
constexpr std::uint32_t Minimized = 7;
}  // namespace showcmd

namespace drivetype {
constexpr std::uint32_t Removable = 2;
constexpr std::uint32_t Fixed = 3;
constexpr std::uint32_t Remote = 4;
constexpr std::uint32_t CdRom = 5;
}  // namespace drivetype

struct ShellLink {
    // Windows-form path of the target. A drive path ("C:\WINDOWS\NOTEPAD.EXE")
    // that Windows-1252 can hold is stored in LinkInfo; any other text is
    // stored as the relative path (Wine resolves absolute ones there too).
    std::string target;
    std::string arguments;
    std::string workingDir;
    std::string description;
    std::string iconLocation;
    std::int32_t iconIndex = 0;
    std::uint32_t showCommand = showcmd::Normal;
    std::uint16_t hotKey = 0;  // low byte virtual key, high byte 1 Shift, 2 Ctrl, 4 Alt
    std::uint32_t driveType = drivetype::Fixed;
    // Read only: the relative path stored in the file, and whether it carried an item ID list.
    std::string relativePath;
    bool hasIdList = false;
};

enum class LinkStrings {
    Auto,     // ANSI (Windows-1252) when every text fits, else Unicode
    Ansi,     // always ANSI; a text that does not fit is an error
    Unicode,  // always UTF-16
};

// The file's bytes. Throws ShellLinkError for an empty target, a text longer
// than 65535 characters or holding a NUL, a show command other than 1, 3 or 7,
// or (LinkStrings::Ansi) a text that Windows-1252 cannot hold.
std::vector<std::uint8_t> encodeShellLink(const ShellLink& link, LinkStrings strings = LinkStrings::Auto);
// Reads a shortcut, tolerant of what Wine writes (an item ID list, a NUL
// counted at the end of each text, no terminal block). Throws ShellLinkError
// for a file that is no shortcut or whose parts lie outside it.
ShellLink decodeShellLink(std::span<const std::uint8_t> bytes);

// Writes the file by atomic replace (an existing file stays whole on failure).
// Throws ShellLinkError with the reason.
void writeShellLink(const std::filesystem::path& path, const ShellLink& link,
                    LinkStrings strings = LinkStrings::Auto);
// Throws ShellLinkError (also for a missing file or one over 1 MiB).
ShellLink readShellLink(const std::filesystem::path& path);

// Creates "<name>.lnk" in `folder` (".lnk" not doubled when `name` has it) and
// returns its path. A name that is empty, "." or "..", or holds a character
// that Windows forbids in file names (\ / : * ? " < > | or a control
// character) is refused with ShellLinkError, so a name cannot lead the file
// out of `folder`. The folder must exist.
std::filesystem::path createShortcut(const std::filesystem::path& folder, std::string_view name,
                                     const ShellLink& link);

}  // namespace vantix::platform
