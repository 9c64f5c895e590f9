#include "platform/paths/DataHome.h"

#include <cstdlib>

namespace vantix::platform {

std::optional<std::filesystem::path> userDataDir() {
    // A relative XDG_DATA_HOME is invalid by the XDG rules and ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::filesystem::path(data) / "vantix";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::nullopt;
    return std::filesystem::path(home) / ".local" / "share" / "vantix";
}

}  // namespace vantix::platform
