#pragma once

#include <string>
#include <vector>

// The entries of the list area: key (what starting the entry needs), text,
// and whether the entry is shown greyed because it is deactivated in the group.
namespace vantix::catalogue {

struct ListEntry {
    std::string key;
    std::string text;
    std::string iconFile;  // file whose first icon the entry shows; empty: a standard image
    int standardImage = 0; // 1-based image of the standard list used when the icon cannot be drawn
    bool ghosted = false;
    bool selected = false;
};

}  // namespace vantix::catalogue
