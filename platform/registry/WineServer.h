#pragma once

#include <sys/types.h>
#include <filesystem>
#include <optional>

// Whether a wineserver is running on a prefix: the server holds a write lock
// on byte 0 of "lock" in its server folder, which is named after the prefix
// folder's device and inode and lives below /tmp/.wine-<uid> (upstream) or
// below the base folder named in the prefix's "wineserver" file (Debian).
namespace vantix::platform::reg {

// The pid of the running server, or nullopt when none holds the lock.
std::optional<pid_t> runningWineServer(const std::filesystem::path& prefix);

}  // namespace vantix::platform::reg
