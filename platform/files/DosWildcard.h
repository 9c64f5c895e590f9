#pragma once

#include <string_view>

namespace vantix::platform {

// True when `name` matches the DOS pattern `pattern`: '*' any run of
// characters, '?' one character, everything else case-insensitively;
// "*.*" matches every name, dot or not.
bool matchesDosWildcard(std::string_view pattern, std::string_view name);
bool hasDosWildcard(std::string_view text);

}  // namespace vantix::platform
