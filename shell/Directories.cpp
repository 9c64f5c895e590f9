#include "shell/Directories.h"

#include "lindrel32/QVREG.h"
#include "platform/machine/Machine.h"
#include "shell/ShellState.h"

namespace vantix::shell {

std::string withTrailingSeparator(std::string folder) {
    // A trailing NUL left by a fixed-size buffer is no part of the name.
    while (!folder.empty() && folder.back() == '\0') folder.pop_back();
    if (folder.empty()) return folder;
    const bool host = folder.front() == '/';
    if (folder.back() != (host ? '/' : '\\')) folder += host ? '/' : '\\';
    return folder;
}

void InitDirectories(ShellState& state, platform::Machine& machine, lindrel32::IQVREG& registry,
                     const std::filesystem::path& programDir) {
    auto windowsForm = machine.windowsPath(programDir);
    state.AppDir = withTrailingSeparator(windowsForm ? *windowsForm : programDir.string());
    state.SystemDir = withTrailingSeparator(machine.systemDir());
    state.WindowsDir = withTrailingSeparator(machine.windowsDir());
    state.BootDir = registry.GetReg("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
    state.TempDir = withTrailingSeparator(machine.tempDir());
}

}  // namespace vantix::shell
