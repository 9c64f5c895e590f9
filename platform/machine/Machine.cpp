#include "platform/machine/Machine.h"

#include <unistd.h>

#include "platform/log/Log.h"
#include "platform/machine/ImageLayout.h"
#include "platform/machine/ModuleInit.h"
#include "platform/machine/WindowsVersion.h"
#include "platform/machine/WinePrefix.h"
#include "platform/paths/DataHome.h"
#include "platform/paths/DriveLinks.h"
#include "platform/paths/HostPath.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kWindowsKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kWindowsNtKey = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::string_view kSetupKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup";
// Where the settings store keeps the shell's "Settings" section (lindrel32's SettingsStore).
constexpr std::string_view kSettingsKey =
    "Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings";

std::string withoutTrailingBackslash(std::string path) {
    // "C:\" keeps its backslash: without it the text would name the drive's current folder.
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    if (path.size() == 2 && path[1] == ':') path += '\\';
    return path;
}

bool isEmptyFolder(const fs::path& dir) {
    std::error_code error;
    return fs::is_directory(dir, error) && fs::is_empty(dir, error);
}

}  // namespace

struct Machine::Impl {
    explicit Impl(fs::path imageDir) : dir(std::move(imageDir)), registry(dir) {}

    std::optional<std::string> text(Root root, std::string_view key, std::string_view name) {
        const auto value = registry.getValue(root, key, name);
        if (!value || (value->type != regtype::Sz && value->type != regtype::ExpandSz))
            return std::nullopt;
        return value->text();
    }

    // The emulated version in Wine's order: HKCU\Software\Wine "Version", the NT
    // keys, the 9x keys; a prefix with none of them is Wine's default, an NT.
    WindowsVersion version() {
        if (const auto name = text(Root::CurrentUser, "Software\\Wine", "Version"))
            if (const auto version = versionFromWineName(*name)) return *version;
        if (const auto nt = text(Root::LocalMachine, kWindowsNtKey, "CurrentVersion"))
            if (const auto number = versionNumberFromText(*nt))
                return {WindowsVersion::Family::Nt, *number};
        if (const auto nine = text(Root::LocalMachine, kWindowsKey, "VersionNumber"))
            if (const auto number = versionNumberFromText(*nine))
                return {WindowsVersion::Family::Win9x, *number};
        return {WindowsVersion::Family::Nt, 601};
    }

    fs::path dir;
    Registry registry;
};

Machine::Machine(fs::path dir) : impl_(std::make_unique<Impl>(std::move(dir))) {
}
Machine::~Machine() = default;

std::unique_ptr<Machine> Machine::open(const fs::path& dir) {
    std::error_code error;
    const fs::path absolute = fs::absolute(dir, error);
    if (error || !fs::is_regular_file(absolute / "system.reg", error))
        throw MachineError("not a machine image (no system.reg): " + dir.string());
    if (!fs::is_directory(absolute / "dosdevices", error))
        throw MachineError("not a machine image (no dosdevices folder): " + dir.string());
    return std::unique_ptr<Machine>(new Machine(absolute.lexically_normal()));
}

std::unique_ptr<Machine> Machine::create(const fs::path& dir, WindowsPlatform platform,
                                         const ImageOptions& options) {
    if (platform == WindowsPlatform::Other)
        throw MachineError("an image is made for win95, win98 or nt4 only");
    std::error_code error;
    fs::path target = fs::absolute(dir, error).lexically_normal();
    if (error) throw MachineError("invalid image folder: " + dir.string());
    if (!target.has_filename()) target = target.parent_path();  // "image/" names "image"
    if (fs::exists(target, error) && !isEmptyFolder(target))
        throw MachineError("the folder exists and is not empty: " + target.string());
    const fs::path parent = target.parent_path();
    fs::create_directories(parent, error);
    if (error) throw MachineError("cannot create " + parent.string() + ": " + error.message());
    const auto step = [&options](const std::string& text, int percent) {
        if (options.progress) options.progress(text, percent);
    };

    // Built beside the target and renamed into place at the end, so a failed or
    // concurrent set-up never leaves a half-made image under the target's name.
    // Wine keeps no absolute path of the prefix, so the rename is safe for it too.
    const fs::path staging =
        parent / ("." + target.filename().string() + ".new-" + std::to_string(::getpid()));
    fs::remove_all(staging, error);
    try {
        fs::create_directory(staging);
        const fs::path templates = programDir() / "machine";
        if (options.wine) {
            step("Making a Wine prefix (wineboot)", -1);
            initWinePrefix(staging);
        }
        step("Laying out the folders and boot files", options.wine ? 80 : 10);
        layOutImage(staging, platform, templates);
        step("Writing the registry", options.wine ? 85 : 40);
        {
            Machine image(staging);
            importRegistryTemplates(image.registry(), platform, templates);
        }
        // Before /INIT: the modules create the library's classes by their identifiers.
        step("Registering the standard functions library", options.wine ? 90 : 60);
        runLibraryRegistration(programDir(), staging);
        step("Registering the modules", options.wine ? 92 : 70);
        for (const fs::path& program : modulePrograms(programDir()))
            runModuleInit(program, staging);
        {
            Machine image(staging);
            const RegStatus status = image.registry().setValue(
                Root::CurrentUser, kSettingsKey, RegValue::string("FirstStart", "True"));
            if (!status) throw MachineError("cannot write FirstStart: " + status.message);
        }
        fs::rename(staging, target);
        step("Done", 100);
    } catch (const fs::filesystem_error& failure) {
        fs::remove_all(staging, error);
        throw MachineError(std::string("cannot create the image: ") + failure.what());
    } catch (...) {
        fs::remove_all(staging, error);
        throw;
    }
    return open(target);
}

fs::path Machine::defaultDir() {
    const auto data = userDataDir();
    if (!data)
        throw MachineError("neither XDG_DATA_HOME nor HOME is set: no default machine image");
    return *data / "machine";
}

const fs::path& Machine::dir() const {
    return impl_->dir;
}
Registry& Machine::registry() {
    return impl_->registry;
}

WindowsPlatform Machine::platform() {
    return platformOf(impl_->version());
}
int Machine::versionNumber() {
    return impl_->version().number;
}

std::string Machine::windowsDir() {
    const bool nt = impl_->version().family == WindowsVersion::Family::Nt;
    auto root = nt ? impl_->text(Root::LocalMachine, kWindowsNtKey, "SystemRoot")
                   : impl_->text(Root::LocalMachine, kSetupKey, "WinDir");
    if (!root || root->size() < 3)
        root = nt ? impl_->text(Root::LocalMachine, kSetupKey, "WinDir")
                  : impl_->text(Root::LocalMachine, kWindowsNtKey, "SystemRoot");
    if (!root || root->size() < 3) return "C:\\windows";
    return withoutTrailingBackslash(*root);
}

std::string Machine::systemDir() {
    if (impl_->version().family == WindowsVersion::Family::Nt) return windowsDir() + "\\system32";
    if (const auto system = impl_->text(Root::LocalMachine, kSetupKey, "SysDir");
        system && system->size() > 3)
        return withoutTrailingBackslash(*system);
    return windowsDir() + "\\SYSTEM";
}

std::string Machine::bootDir() {
    if (const auto boot = impl_->text(Root::LocalMachine, kSetupKey, "BootDir");
        boot && boot->size() >= 2)
        return withoutTrailingBackslash(*boot);
    return "C:\\";
}

std::string Machine::tempDir() {
    // A TEMP that needs expanding (%USERPROFILE%...) names a folder of Wine's own
    // layout; the Windows folder's TEMP exists in every image and prefix.
    if (const auto temp = impl_->text(Root::CurrentUser, "Environment", "TEMP");
        temp && temp->size() > 3 && temp->find('%') == std::string::npos)
        return withoutTrailingBackslash(*temp);
    return windowsDir() + "\\TEMP";
}

std::vector<DriveLink> Machine::drives() const {
    std::vector<DriveLink> drives;
    for (const auto& mapping : imageDrives(impl_->dir))
        drives.push_back({mapping.letter, mapping.target});
    return drives;
}

std::optional<fs::path> Machine::hostPath(std::string_view path) const {
    return toHostPath(impl_->dir, path);
}

std::optional<std::string> Machine::windowsPath(const fs::path& host) const {
    return toWindowsPath(impl_->dir, host);
}

}  // namespace vantix::platform
