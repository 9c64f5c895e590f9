#pragma once

#include <filesystem>
#include <string>

namespace lindrel32 {
class IQVREG;
}

namespace vantix::platform {
class Machine;
}

namespace vantix::shell {

struct ShellState;

// A folder with its separator at the end: "\" for a Windows-form path, "/" for
// a host path; nothing added when one is there already.
std::string withTrailingSeparator(std::string folder);

// InitDirectories: the program folder (in the image's Windows form when one of
// its drives reaches it, else as a host path), the image's system, Windows and
// temporary folders, and "BootDir" of the Setup key as the registry gives it.
void InitDirectories(ShellState& state, platform::Machine& machine, lindrel32::IQVREG& registry,
                     const std::filesystem::path& programDir);

}  // namespace vantix::shell
