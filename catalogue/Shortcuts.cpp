#include "catalogue/Shortcuts.h"

#include <cstdio>

#include "catalogue/Launch.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

std::optional<std::string> shortcutFolder(const std::string& place) {
    if (place == "DESK") return "..\\..\\Desktop";
    if (place == "START") return "..\\";
    if (place == "PROG") return "";
    return std::nullopt;
}

std::optional<ShortcutRequest> groupShortcut(const std::string& place, const std::string& caption,
                                             std::int64_t groupId, const std::string& programDir) {
    const auto folder = shortcutFolder(place);
    if (!folder) return std::nullopt;
    char digits[24];
    std::snprintf(digits, sizeof digits, "%05lld", static_cast<long long>(groupId));
    return ShortcutRequest{*folder, caption, programDir + "VANTIX.EXE", std::string("/DS:") + digits,
                           ShortcutKind::Group, digits};
}

std::optional<ShortcutRequest> objectShortcut(const std::string& place, const std::string& mode,
                                              const ListEntry& entry, const std::string& programDir) {
    const auto folder = shortcutFolder(place);
    if (!folder) return std::nullopt;
    if (mode == "SYST") {
        std::string arguments = kControlPanelRunner;
        arguments.erase(0, std::string_view("rundll32.exe ").size());
        return ShortcutRequest{*folder, entry.text, "rundll32.exe", arguments + entry.key, ShortcutKind::Applet,
                               entry.key};
    }
    if (mode == "TOOL") {
        return ShortcutRequest{*folder, entry.text, programDir + "Module\\" + text::toUpper(entry.key) + ".EXE",
                               "/START", ShortcutKind::Module, text::toUpper(entry.key)};
    }
    return std::nullopt;
}

}  // namespace vantix::catalogue
