#include "platform/paths/DataHome.h"

#include <cstdlib>

namespace vantix::platform {

namespace {

// $variable/vantix, else $HOME/underHome/vantix. A relative value of the
// variable is invalid by the XDG rules and ignored.
std::optional<std::filesystem::path> xdgDir(const char* variable, const char* underHome) {
    const char* set = std::getenv(variable);
    if (set && *set == '/') return std::filesystem::path(set) / "vantix";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::nullopt;
    return std::filesystem::path(home) / underHome / "vantix";
}

}  // namespace

std::optional<std::filesystem::path> userDataDir() {
    return xdgDir("XDG_DATA_HOME", ".local/share");
}

std::optional<std::filesystem::path> userCacheDir() {
    return xdgDir("XDG_CACHE_HOME", ".cache");
}

}  // namespace vantix::platform
