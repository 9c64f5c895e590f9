#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/ObjectList.h"
#include "catalogue/SettingsAccess.h"

// The per-group lists of deactivated objects in the settings store: a value
// "0" under the object's name in "<family>\Control_ID<group ID>".
namespace vantix::catalogue {

inline constexpr const char* kAppletFamily = "HiddenControls";
inline constexpr const char* kModuleFamily = "ConfigTools";
inline constexpr const char* kFunctionFamily = "HiddenItems";

// "HiddenControls\Control_ID12" for family "HiddenControls" and group 12.
std::string activationSection(const std::string& family, std::int64_t groupId);

bool isDeactivated(SettingsAccess& settings, const std::string& section, const std::string& name);

// Activates (true) or deactivates (false) the selected entries; entry texts
// name the values. Deactivated entries stay, greyed, while `showDeactivated`,
// else they leave the list. Does nothing without a selected entry.
void SetObjectsActive(SettingsAccess& settings, const std::string& section, std::vector<ListEntry>& entries,
                      bool active, bool showDeactivated);

}  // namespace vantix::catalogue
