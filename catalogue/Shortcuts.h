#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/ObjectList.h"

// Shortcuts to a sidebar group or a list object, placed relative to the Start
// menu's Programs folder: "DESK" the desktop, "START" the Start menu, "PROG"
// the Programs folder itself.
namespace vantix::catalogue {

enum class ShortcutKind { Group, Applet, Module };

struct ShortcutRequest {
    std::string destFolder;  // relative to the Programs folder: "..\..\Desktop", "..\", ""
    std::string linkName;
    std::string target;
    std::string arguments;
    ShortcutKind kind = ShortcutKind::Group;
    std::string object;  // group ID as five digits, applet argument, or module name
};

// The destination folder of a place; nullopt for an unknown place.
std::optional<std::string> shortcutFolder(const std::string& place);

// To a group: VANTIX.EXE of the program folder with "/DS:<ID:05>".
std::optional<ShortcutRequest> groupShortcut(const std::string& place, const std::string& caption,
                                             std::int64_t groupId, const std::string& programDir);
// To a list object of a SYST or TOOL group; nullopt for other Modes.
std::optional<ShortcutRequest> objectShortcut(const std::string& place, const std::string& mode,
                                              const ListEntry& entry, const std::string& programDir);

}  // namespace vantix::catalogue
