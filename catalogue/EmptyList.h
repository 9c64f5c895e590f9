#pragma once

#include <string>

// The line a group's list shows when it has nothing to list: why it is empty
// and what fills it.
namespace vantix::catalogue {

// `mode` is the group's Mode (SYST, TOOL, UTIL; any other has no line, ""),
// `systemDir` the image's system folder in Windows form, and `allDeactivated`
// whether entries exist but every one is deactivated and hidden.
std::string emptyListText(const std::string& mode, const std::string& systemDir,
                          bool allDeactivated);

}  // namespace vantix::catalogue
