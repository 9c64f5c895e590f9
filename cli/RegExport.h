#pragma once

#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

namespace vantix::cli {

// A key and everything below it as REGEDIT4 text (ANSI, CRLF), the format of
// Windows 95 and NT 4 .reg files; `path` is the key's name in the file. nullopt
// when the key does not exist.
std::optional<std::string> exportRegedit4(platform::Registry& registry, platform::Root root,
                                          const std::string& subKey, const std::string& path);

}  // namespace vantix::cli
