#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

// A machine image: a folder in Wine's prefix layout (system.reg, user.reg,
// userdef.reg, dosdevices/, drive_c/) that stands for the Windows being tuned.
namespace vantix::platform {

// Platform codes as GET_WinVersion reports them.
enum class WindowsPlatform { Other = 0, Nt4 = 1, Win95 = 2, Win98 = 3 };

std::optional<WindowsPlatform> platformFromName(std::string_view name);  // "win95", "win98", "nt4"
std::string_view platformName(WindowsPlatform platform);

class MachineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DriveLink {
    char letter = 'C';             // upper case
    std::filesystem::path target;  // host folder the dosdevices link points at
};

// How a new image is made.
struct ImageOptions {
    // Make the image a Wine prefix first (wineboot), so that Wine's programs and
    // Control Panel applets are in it; our registry is laid over Wine's.
    bool wine = false;
    // Told each step of the set-up as it begins: a short text and the share done
    // (0-100), or -1 for a step whose length nobody can tell (Wine's set-up).
    std::function<void(const std::string& step, int percent)> progress;
};

class Machine {
public:
    // Opens an existing image or Wine prefix; throws MachineError when `dir`
    // holds no system.reg or no dosdevices folder.
    static std::unique_ptr<Machine> open(const std::filesystem::path& dir);
    // Lays out a new image for `platform` (the suite's set-up step): with
    // `options.wine` a Wine prefix first, then folders, boot files, registry,
    // every module program's /INIT and "FirstStart". Throws MachineError when
    // `dir` exists and is not empty, or when Wine fails.
    static std::unique_ptr<Machine> create(const std::filesystem::path& dir,
                                           WindowsPlatform platform,
                                           const ImageOptions& options = {});
    // $XDG_DATA_HOME/vantix/machine (~/.local/share/vantix/machine).
    static std::filesystem::path defaultDir();

    ~Machine();

    const std::filesystem::path& dir() const;
    Registry& registry();

    // 1 NT, 2 Windows 95, 3 Windows 98, 0 other; from HKCU\Software\Wine "Version",
    // else the Windows version keys of HKEY_LOCAL_MACHINE. Read anew on every call.
    WindowsPlatform platform();
    // The version number as GetVersion reports it (major * 100 + minor: 400, 410, 351 ...).
    int versionNumber();

    // Windows-form folders of the image, without a trailing backslash:
    // "C:\WINDOWS", "C:\WINDOWS\SYSTEM" (or system32), "C:\" (boot), "C:\WINDOWS\TEMP".
    std::string windowsDir();
    std::string systemDir();
    std::string bootDir();
    std::string tempDir();

    std::vector<DriveLink> drives() const;
    // A Windows-form path ("C:\WINDOWS\WIN.INI") on the host, matching each component
    // case-insensitively; host-absolute paths pass through. nullopt: no such drive.
    std::optional<std::filesystem::path> hostPath(std::string_view path) const;
    // The Windows form of a host path inside one of the image's drives.
    std::optional<std::string> windowsPath(const std::filesystem::path& host) const;

private:
    explicit Machine(std::filesystem::path dir);
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The program folder: where VANTIX.EXE, QUORVIA.MDE, Module\ and the data files are.
// $VANTIX_PROGRAM_DIR when set, else the folder of the running executable.
std::filesystem::path programDir();

// The image this process works on: the folder given to selectMachine (from a
// program's --machine option), else $VANTIX_MACHINE, else the default image,
// created on first use (see defaultImageOptions). Throws MachineError when the
// image cannot be opened.
Machine& currentMachine();
// Whether the default image does not exist yet, so that currentMachine() would create it.
bool defaultImageMissing();
// How the default image is made: a Wine prefix when Wine is installed, unless
// $VANTIX_WINE is "0" (then, and without Wine, a plain image).
ImageOptions defaultImageOptions();
// Creates the default image now if it is missing (for a program that shows the
// progress); currentMachine() afterwards opens it. Throws MachineError.
void createDefaultImage(const ImageOptions& options);
void selectMachine(const std::filesystem::path& dir);
// Drops the current image so that the next currentMachine() opens it again (tests).
void resetCurrentMachine();

}  // namespace vantix::platform
