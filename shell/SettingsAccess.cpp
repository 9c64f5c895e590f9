#include "shell/SettingsAccess.h"

#include "lindrel32/SettingsStore.h"

namespace vantix::shell {

std::string StoreSettingsAccess::get(const std::string& section, const std::string& key,
                                     const std::string& fallback) {
    return store_.Get(section, key, fallback);
}

bool StoreSettingsAccess::save(const std::string& section, const std::string& key, const std::string& value) {
    return store_.Save(section, key, value);
}

bool StoreSettingsAccess::deleteValue(const std::string& section, const std::string& key) {
    return store_.DeleteValue(section, key);
}

}  // namespace vantix::shell
