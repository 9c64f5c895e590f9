#include "catalogue/ShellFolders.h"

#include "catalogue/ImageHost.h"

namespace vantix::catalogue {

std::string programsFolder(platform::Registry& registry, const std::string& windowsDir) {
    constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const auto value = registry.getValue(platform::Root::CurrentUser, kShellFolders, "Programs");
    if (value && (value->type == platform::regtype::Sz || value->type == platform::regtype::ExpandSz)) {
        const std::string folder = value->text();
        if (!folder.empty()) return folder;
    }
    return defaultProgramsFolder(windowsDir);
}

}  // namespace vantix::catalogue
