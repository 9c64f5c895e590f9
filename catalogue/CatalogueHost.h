#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/peimage/RgbaImage.h"

// What the catalogue asks of the machine it catalogues: files, icons, the
// Control Panel files of the system folder, and shortcuts. Paths are in the
// system's Windows form ("C:\WINDOWS\NOTEPAD.EXE"); host paths are accepted too.
// ImageHost answers for a machine image; tests may answer from a stand-in.
namespace vantix::catalogue {

struct ShortcutRequest;

class CatalogueHost {
public:
    virtual ~CatalogueHost() = default;

    // An existing, readable file (a folder or a name with wildcards is none).
    // A comma at the second character or later ends the path (an icon index follows).
    virtual bool fileExists(const std::string& path) = 0;
    // An existing file that starts as a program of its own: a Windows program
    // (.EXE, .COM, .BAT, .PIF) or a native executable.
    virtual bool fileExecutable(const std::string& path) = 0;
    // The first icon of a program, library or icon file; nullopt when it has none.
    virtual std::optional<platform::RgbaImage> fileIcon(const std::string& path) = 0;
    // Names of the files matching *.CPL in the system folder (any case), as stored.
    virtual std::vector<std::string> controlPanelFiles() = 0;
    // The system folder, ending in "\".
    virtual std::string systemDir() = 0;
    // Creates the shortcut and its desktop launcher; false (reason logged) on failure.
    virtual bool createShortcut(const ShortcutRequest& request) = 0;
    // The form to store for a host path a chooser or a drop gave: the Windows
    // form when the file lies on one of the machine's drives, else the path itself.
    virtual std::string storedPath(const std::string& hostPath) { return hostPath; }
};

}  // namespace vantix::catalogue
