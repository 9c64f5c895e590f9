#pragma once

#include <optional>
#include <string>
#include <vector>

#include "modules/regalto/RegistryPort.h"

// What the editor keeps between runs in the per-user settings store: the
// bookmarks and the main window's placement in twips.
namespace vantix::regalto {

inline constexpr const char* kSettingsPath =
    "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings\\REG Modul";

struct Placement {
    int width = 8000;
    int height = 7000;
    std::optional<int> left;  // nullopt: centred on the screen
    std::optional<int> top;
};

struct StoredSettings {
    std::vector<std::string> bookmarks;
    std::optional<Placement> placement;  // nullopt: no stored width above 0
};

StoredSettings loadSettings(RegistryPort& registry);
// Rewrites the section whole, so bookmarks removed during the run are gone.
void saveSettings(RegistryPort& registry, const std::vector<std::string>& bookmarks, const Placement& placement);

}  // namespace vantix::regalto
