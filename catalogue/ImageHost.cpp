#include "catalogue/ImageHost.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "catalogue/DesktopEntry.h"
#include "catalogue/Shortcuts.h"
#include "platform/log/Log.h"
#include "platform/paths/Confinement.h"
#include "platform/paths/HostPath.h"
#include "platform/peimage/FileIcons.h"
#include "platform/shelllink/ShellLink.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLog = "catalogue";

std::string extensionOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return text::toUpperAscii(path.substr(dot));
}

bool isRegularFile(const fs::path& host) {
    std::error_code error;
    return fs::is_regular_file(host, error);
}

}  // namespace

std::string defaultProgramsFolder(const std::string& windowsDir) { return windowsDir + "Start Menu\\Programs"; }

ImageHost::ImageHost(ImageHostPaths paths) : paths_(std::move(paths)) {}

std::optional<fs::path> ImageHost::hostFile(const std::string& path) const {
    std::string_view wanted = path;
    // "file,index" names an icon inside a file.
    if (const auto comma = wanted.find(','); comma != std::string_view::npos && comma >= 1)
        wanted = wanted.substr(0, comma);
    if (wanted.empty() || wanted.find_first_of("*?") != std::string_view::npos) return std::nullopt;
    std::optional<fs::path> host;
    if (wanted.front() == '/')
        host = platform::appendMatchingCase("/", wanted.substr(1));
    else
        host = platform::toHostPath(paths_.imageDir, wanted);
    if (!host) return std::nullopt;
    if (const auto refused = platform::confinementViolation(paths_.imageDir, paths_.programDir, *host)) {
        log::debug(kLog, "refused " + path + ": " + *refused);
        return std::nullopt;
    }
    return host;
}

bool ImageHost::fileExists(const std::string& path) {
    const auto host = hostFile(path);
    if (!host || !isRegularFile(*host)) return false;
    std::ifstream probe(*host, std::ios::binary);
    return probe.good();
}

bool ImageHost::isWindowsProgram(const std::string& path) {
    const std::string extension = extensionOf(path);
    return extension == ".EXE" || extension == ".COM" || extension == ".BAT" || extension == ".PIF";
}

bool ImageHost::isNativeProgram(const fs::path& host) {
    std::error_code error;
    const auto status = fs::status(host, error);
    if (error || !fs::is_regular_file(status)) return false;
    if ((status.permissions() & fs::perms::owner_exec) == fs::perms::none) return false;
    std::ifstream in(host, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    if (in.gcount() >= 2 && magic[0] == '#' && magic[1] == '!') return true;
    return in.gcount() == 4 && magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F';
}

bool ImageHost::fileExecutable(const std::string& path) {
    if (!fileExists(path)) return false;
    if (isWindowsProgram(path)) return true;
    const auto host = hostFile(path);
    return host && isNativeProgram(*host);
}

std::optional<platform::RgbaImage> ImageHost::fileIcon(const std::string& path) {
    const auto host = hostFile(path);
    if (!host || !isRegularFile(*host)) return std::nullopt;
    try {
        const auto icons = platform::FileIcons::fromFile(*host);
        if (icons.count() < 1) return std::nullopt;
        return icons.extract(0);
    } catch (const std::exception& error) {
        log::debug(kLog, "no icon in " + path + ": " + error.what());
        return std::nullopt;
    }
}

std::vector<std::string> ImageHost::controlPanelFiles() {
    std::vector<std::string> names;
    const auto folder = hostFile(paths_.systemDir);
    std::error_code error;
    if (!folder || !fs::is_directory(*folder, error)) return names;
    for (const auto& item : fs::directory_iterator(*folder, error)) {
        const std::string name = item.path().filename().string();
        if (extensionOf(name) == ".CPL" && item.is_regular_file(error)) names.push_back(name);
    }
    return names;
}

std::string ImageHost::storedPath(const std::string& hostPath) {
    if (hostPath.empty() || hostPath.front() != '/') return hostPath;
    // Wine's Z: drive maps the whole host; a path on it is better kept as it is.
    const auto windows = platform::toWindowsPath(paths_.imageDir, hostPath);
    return windows && !windows->starts_with("Z:") && !windows->starts_with("z:") ? *windows : hostPath;
}

std::vector<std::string> ImageHost::launcherCommand(const ShortcutRequest& request) const {
    const std::string image = paths_.imageDir.string();
    switch (request.kind) {
    case ShortcutKind::Group:
        return {(paths_.programDir / "vantix").string(), "--machine", image, "/DS:" + request.object};
    case ShortcutKind::Applet: {
        std::vector<std::string> command{"env", "WINEPREFIX=" + image, "wine", "rundll32.exe"};
        std::string_view rest = request.arguments;
        while (!rest.empty()) {
            const auto end = std::min(rest.find(' '), rest.size());
            if (end > 0) command.emplace_back(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        return command;
    }
    case ShortcutKind::Module:
        return {platform::appendMatchingCase(paths_.programDir, "Module/" + request.object + ".EXE").string(),
                "--machine", image, "/START"};
    }
    return {};
}

bool ImageHost::createShortcut(const ShortcutRequest& request) {
    const std::string relative = request.destFolder.empty() ? std::string(".") : request.destFolder;
    const auto folder = platform::toHostPath(paths_.imageDir, relative, paths_.programsFolder);
    if (!folder) {
        log::warning(kLog, "no Programs folder for a shortcut in " + paths_.programsFolder);
        return false;
    }
    try {
        std::error_code error;
        fs::create_directories(*folder, error);
        platform::ShellLink link;
        link.target = request.target;
        if (request.target.starts_with('/')) {
            const auto windows = platform::toWindowsPath(paths_.imageDir, request.target);
            if (windows) link.target = *windows;
        }
        link.arguments = request.arguments;
        link.description = request.linkName;
        const auto file = platform::createShortcut(*folder, request.linkName, link);

        fs::path launcher = file;
        launcher.replace_extension(".desktop");
        std::ofstream out(launcher, std::ios::binary | std::ios::trunc);
        out << desktopEntry(request.linkName, launcherCommand(request));
        out.close();
        if (!out) throw std::runtime_error("cannot write " + launcher.string());
        // Desktops start only launchers that are marked executable.
        fs::permissions(launcher, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, error);
        return true;
    } catch (const std::exception& error) {
        log::warning(kLog, std::string("shortcut not created: ") + error.what());
        return false;
    }
}

}  // namespace vantix::catalogue
