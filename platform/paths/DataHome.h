#pragma once

#include <filesystem>
#include <optional>

namespace vantix::platform {

// The user's own Vantix folder: $XDG_DATA_HOME/vantix (~/.local/share/vantix).
// It holds the default machine image and the user's copy of the catalogue; the
// program folder itself is never written. nullopt when neither an absolute
// XDG_DATA_HOME nor HOME is set.
std::optional<std::filesystem::path> userDataDir();

// The user's cache of Vantix: $XDG_CACHE_HOME/vantix (~/.cache/vantix). What
// it holds only saves work and may be removed at any time. nullopt when
// neither an absolute XDG_CACHE_HOME nor HOME is set.
std::optional<std::filesystem::path> userCacheDir();

}  // namespace vantix::platform
