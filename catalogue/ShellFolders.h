#pragma once

#include <string>

#include "platform/registry/Registry.h"

namespace vantix::catalogue {

// The Start menu's Programs folder of the machine's user, as its registry
// records it ("Shell Folders", value "Programs"): C:\WINDOWS\Start Menu\Programs
// on Windows 95 and 98, the user's profile on NT 4. Without that value the
// folder Windows 95 and 98 use below `windowsDir` (which ends in "\").
std::string programsFolder(platform::Registry& registry, const std::string& windowsDir);

}  // namespace vantix::catalogue
