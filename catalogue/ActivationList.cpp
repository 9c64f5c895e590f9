#include "catalogue/ActivationList.h"

#include <algorithm>

#include "platform/text/Text.h"

namespace vantix::catalogue {

std::string activationSection(const std::string& family, std::int64_t groupId) {
    return family + "\\Control_ID" + std::to_string(groupId);
}

bool isDeactivated(SettingsAccess& settings, const std::string& section, const std::string& name) {
    return settings.get(section, text::toUpper(name), "") == "0";
}

void SetObjectsActive(SettingsAccess& settings, const std::string& section, std::vector<ListEntry>& entries,
                      bool active, bool showDeactivated) {
    for (auto& entry : entries) {
        if (!entry.selected) continue;
        if (active && entry.ghosted) {
            settings.deleteValue(section, entry.text);
            entry.ghosted = false;
        } else if (!active && !entry.ghosted) {
            settings.save(section, entry.text, "0");
            entry.ghosted = true;
        }
    }
    if (!active && !showDeactivated)
        std::erase_if(entries, [](const ListEntry& entry) { return entry.selected && entry.ghosted; });
}

}  // namespace vantix::catalogue
