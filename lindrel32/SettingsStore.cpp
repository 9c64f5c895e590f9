#include "lindrel32/SettingsStore.h"

namespace lindrel32 {

namespace {
constexpr const char* kAbsent = "NO Key";
}

SettingsStore::SettingsStore(IQVREG& registry, std::string application)
    : registry_(registry), application_(std::move(application)) {
}

std::string SettingsStore::SectionPath(const std::string& section) const {
    return std::string(kRoot) + "\\" + application_ + "\\" + section;
}

std::string SettingsStore::Get(const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
    const std::string path = SectionPath(section);
    std::string value = registry_.GetReg(path, key);
    if (value == kAbsent && !registry_.ValueExists(path, key)) return defaultValue;
    return value;
}

bool SettingsStore::Save(const std::string& section, const std::string& key,
                         const std::string& value) {
    return registry_.SetReg(SectionPath(section), key, value);
}

bool SettingsStore::DeleteValue(const std::string& section, const std::string& key) {
    return registry_.DelReg(SectionPath(section), key);
}

bool SettingsStore::DeleteSection(const std::string& section) {
    return registry_.DelReg(SectionPath(section), "%ROOT%");
}

std::vector<std::string> SettingsStore::Keys(const std::string& section) {
    const std::string path = SectionPath(section);
    std::vector<std::string> names(4096);
    std::vector<std::int32_t> types(4096);
    const std::int16_t last = registry_.GetPfadValue(path, names, types);
    names.resize(static_cast<std::size_t>(last + 1));
    return names;
}

}  // namespace lindrel32
