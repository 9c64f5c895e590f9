#include "modules/regalto/Settings.h"

#include <charconv>

namespace vantix::regalto {
namespace {

std::string setting(RegistryPort& registry, const std::string& key, const std::string& fallback) {
    std::string value = registry.getValue(kSettingsPath, key, "");
    return value == kNoKey ? fallback : value;
}

// The leading decimal number of a text, as the settings store converts it (0 when there is none).
std::optional<int> number(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    return value;
}

}  // namespace

StoredSettings loadSettings(RegistryPort& registry) {
    StoredSettings stored;
    const int count = number(setting(registry, "Combo Anz", "0")).value_or(0);
    for (int i = 0; i < count; ++i) {
        std::string path = setting(registry, "Combo" + std::to_string(i), "");
        if (!path.empty()) stored.bookmarks.push_back(std::move(path));
    }
    const int width = number(setting(registry, "Width", "8000")).value_or(0);
    if (width > 0) {
        Placement placement;
        placement.width = width;
        placement.height = number(setting(registry, "Height", "7000")).value_or(7000);
        placement.left = number(setting(registry, "Left", ""));
        placement.top = number(setting(registry, "Top", ""));
        stored.placement = placement;
    }
    return stored;
}

void saveSettings(RegistryPort& registry, const std::vector<std::string>& bookmarks, const Placement& placement) {
    registry.setValue(kSettingsPath, "Dummy", "0", "");
    registry.deleteKey(kSettingsPath);
    if (!bookmarks.empty()) {
        registry.setValue(kSettingsPath, "Combo Anz", std::to_string(bookmarks.size()), "");
        for (std::size_t i = 0; i < bookmarks.size(); ++i) {
            registry.setValue(kSettingsPath, "Combo" + std::to_string(i), bookmarks[i], "");
        }
    }
    registry.setValue(kSettingsPath, "Width", std::to_string(placement.width), "");
    registry.setValue(kSettingsPath, "Height", std::to_string(placement.height), "");
    registry.setValue(kSettingsPath, "Left", std::to_string(placement.left.value_or(0)), "");
    registry.setValue(kSettingsPath, "Top", std::to_string(placement.top.value_or(0)), "");
}

}  // namespace vantix::regalto
