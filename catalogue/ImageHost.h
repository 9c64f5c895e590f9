#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"

// The catalogue's host on a machine image: Windows-form paths through the
// image's drive links, confined to its drives and the program folder; icons
// from the files themselves; shortcuts as .lnk files in the image with a
// .desktop launcher beside each.
namespace vantix::catalogue {

struct ImageHostPaths {
    std::filesystem::path imageDir;
    std::filesystem::path programDir;  // host folder of VANTIX.EXE and the modules
    std::string systemDir;             // Windows form, e.g. "C:\WINDOWS\SYSTEM\"
    std::string programsFolder;        // Windows form: the Start menu's Programs folder
};

// "<Windows folder>Start Menu\Programs", where Windows 95 and 98 keep it.
std::string defaultProgramsFolder(const std::string& windowsDir);

class ImageHost : public CatalogueHost {
public:
    explicit ImageHost(ImageHostPaths paths);

    bool fileExists(const std::string& path) override;
    bool fileExecutable(const std::string& path) override;
    std::optional<platform::RgbaImage> fileIcon(const std::string& path) override;
    std::vector<std::string> controlPanelFiles() override;
    std::string systemDir() override { return paths_.systemDir; }
    bool createShortcut(const ShortcutRequest& request) override;
    std::string storedPath(const std::string& hostPath) override;

    // The host file of a path, when it lies inside the image's drives or the
    // program folder; nullopt otherwise (the reason is logged).
    std::optional<std::filesystem::path> hostFile(const std::string& path) const;
    // A native executable of ours (ELF or script with its executable bit).
    static bool isNativeProgram(const std::filesystem::path& host);
    // A Windows program by its extension: .EXE, .COM, .BAT, .PIF.
    static bool isWindowsProgram(const std::string& path);
    // The command a .desktop launcher runs for the shortcut's object.
    std::vector<std::string> launcherCommand(const ShortcutRequest& request) const;
    const ImageHostPaths& paths() const { return paths_; }

private:
    ImageHostPaths paths_;
};

}  // namespace vantix::catalogue
