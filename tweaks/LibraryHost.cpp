#include "tweaks/LibraryHost.h"

#include <utility>
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"

#include "platform/files/DosAttributes.h"
#include "platform/files/DosWildcard.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileOperations.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/paths/Confinement.h"
#include "platform/process/Spawn.h"

namespace vantix::tweaks {

namespace {

std::string withBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

LibraryHost::LibraryHost(platform::Machine& machine, std::filesystem::path programDir,
                         lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions)
    : machine_(machine), programDir_(std::move(programDir)), reg_(registry), fkt_(functions) {
}

LibraryHost::LibraryHost(platform::Machine& machine, std::filesystem::path programDir)
    : machine_(machine),
      programDir_(std::move(programDir)),
      ownReg_(std::make_unique<lindrel32::QVREG>(machine)),
      ownFkt_(std::make_unique<lindrel32::QVFKT>(machine)),
      reg_(*ownReg_),
      fkt_(*ownFkt_) {
}

LibraryHost::~LibraryHost() = default;

std::string LibraryHost::GetReg(const std::string& path, const std::string& name,
                                const std::string& type) {
    return reg_.GetReg(path, name, type);
}

bool LibraryHost::SetReg(const std::string& path, const std::string& name, const std::string& value,
                         const std::string& type) {
    return reg_.SetReg(path, name, value, type);
}

bool LibraryHost::DelReg(const std::string& path, const std::string& name) {
    return reg_.DelReg(path, name);
}

std::string LibraryHost::GET_Ini(const std::string& file, const std::string& section,
                                 const std::string& key) {
    return fkt_.GET_Ini(file, section, key);
}

bool LibraryHost::SET_Ini(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) {
    return fkt_.SET_Ini(file, section, key, value);
}

std::optional<std::filesystem::path> LibraryHost::confined(const std::string& file) {
    if (file.empty()) return std::nullopt;
    auto host = machine_.hostPath(file);
    if (!host) return std::nullopt;
    if (auto violation = platform::confinementViolation(machine_.dir(), programDir_, *host)) {
        log::warning("tweaks", "refused: " + *violation);
        return std::nullopt;
    }
    return host;
}

bool LibraryHost::setNormalAttributes(const std::string& file) {
    auto host = confined(file);
    return host && platform::setNormalAttributes(*host);
}

void LibraryHost::FILE_Copy(const std::string& source, const std::string& target) {
    fkt_.FILE_Copy(source, target);
}

void LibraryHost::FILE_Delete(const std::string& file) {
    fkt_.FILE_Delete(file);
    // The library's delete reports nothing; a single file that is still
    // there was refused (a file already gone is no failure).
    if (auto host = confined(file); host && !platform::hasDosWildcard(host->filename().string()) &&
                                    platform::regularFileExists(*host))
        refusals_.push_back("the file " + file + " could not be deleted");
}

bool LibraryHost::renameFile(const std::string& source, const std::string& target) {
    auto from = confined(source);
    auto to = confined(target);
    if (!from || !to) {
        refusals_.push_back("renaming " + source + " to " + target +
                            " was refused: it lies outside the image and the program folder");
        return false;
    }
    const auto status = platform::renameFile(*from, *to);
    if (!status)
        refusals_.push_back("renaming " + source + " to " + target + " failed: " + status.message);
    return static_cast<bool>(status);
}

std::vector<std::string> LibraryHost::takeRefusals() {
    return std::exchange(refusals_, {});
}

bool LibraryHost::ShellExec(const std::string& file) {
    return fkt_.ShellExec(0, file, "", "", 0);
}

bool LibraryHost::restartMachine() {
    const auto wineboot = platform::findOnPath("wineboot");
    if (!wineboot) {
        log::info("tweaks", "no Wine installed: the machine image is not restarted");
        return false;
    }
    platform::SpawnRequest request;
    request.program = *wineboot;
    request.arguments = {"--restart"};
    request.environment = {{"WINEPREFIX", machine_.dir().string()}};
    const auto result = platform::spawnDetached(request);
    if (!result.started) log::warning("tweaks", "wineboot --restart: " + result.reason);
    return result.started;
}

PlaceholderDirectories LibraryHost::directories() {
    if (!directories_) {
        PlaceholderDirectories d;
        d.bootDir = reg_.GetReg(
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
        d.windowsDir = withBackslash(machine_.windowsDir());
        d.systemDir = withBackslash(machine_.systemDir());
        // The program folder is a host folder outside the image, so its
        // separator is the host's.
        d.programDir = programDir_.string();
        if (d.programDir.empty() || d.programDir.back() != '/') d.programDir += '/';
        directories_ = d;
    }
    return *directories_;
}

}  // namespace vantix::tweaks
