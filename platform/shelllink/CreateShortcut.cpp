#include <string>

#include "platform/shelllink/ShellLink.h"
#include "platform/text/Text.h"

namespace vantix::platform {

std::filesystem::path createShortcut(const std::filesystem::path& folder, std::string_view name,
                                     const ShellLink& link) {
    if (name.empty() || name == "." || name == "..")
        throw ShellLinkError("\"" + std::string(name) + "\" is not a valid shortcut name");
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            throw ShellLinkError("the shortcut name \"" + std::string(name) + "\" holds a character that file names cannot");
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw ShellLinkError("the folder " + folder.string() + " does not exist");
    std::string file(name);
    if (!(file.size() >= 4 && text::equalsIgnoreCase(std::string_view(file).substr(file.size() - 4), ".lnk")))
        file += ".lnk";
    const auto path = folder / file;
    writeShellLink(path, link);
    return path;
}

}  // namespace vantix::platform
