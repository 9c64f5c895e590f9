#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

namespace lindrel32 {

// A registry path of the system's text form, cut at its first backslash.
struct RegistryPath {
    std::optional<vantix::platform::Root> root;  // nullopt: no such root name (compared exactly)
    std::string subKey;                          // "" addresses the root key itself
};

// Throws std::invalid_argument when `path` holds no backslash.
RegistryPath splitRegistryPath(std::string_view path);

}  // namespace lindrel32
