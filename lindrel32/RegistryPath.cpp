#include "lindrel32/RegistryPath.h"

#include <stdexcept>

namespace lindrel32 {

RegistryPath splitRegistryPath(std::string_view path) {
    const auto slash = path.find('\\');
    if (slash == std::string_view::npos)
        throw std::invalid_argument("registry path without a backslash: " + std::string(path));
    return {vantix::platform::rootFromName(path.substr(0, slash)),
            std::string(path.substr(slash + 1))};
}

}  // namespace lindrel32
