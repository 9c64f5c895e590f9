#include "catalogue/ModuleTable.h"

#include "catalogue/ActivationList.h"
#include "catalogue/CatalogueKeys.h"
#include "platform/log/Log.h"

namespace vantix::catalogue {
namespace {

using platform::Root;

std::string stringValue(platform::Registry& registry, const std::string& subKey, const char* name) {
    const auto value = registry.getValue(Root::LocalMachine, subKey, name);
    return value ? value->text() : std::string();
}

std::string moduleSubKey(const std::string& key) {
    return std::string(kModuleKey) + "\\" + key;
}

std::vector<std::string> moduleKeys(platform::Registry& registry) {
    auto names = registry.subKeyNames(Root::LocalMachine, kModuleKey);
    return names ? *names : std::vector<std::string>{};
}

}  // namespace

void ModuleTable::LoadModuleTable(platform::Registry& registry, std::int32_t winVersion,
                                  CatalogueHost& host) {
    entries_.clear();
    if (winVersion < 1 || winVersion > 31) return;
    for (const std::string& key : moduleKeys(registry)) {
        const std::string subKey = moduleSubKey(key);
        const std::int64_t systems = leadingNumber(stringValue(registry, subKey, "BS"));
        if (((systems >> (winVersion - 1)) & 1) == 0) continue;
        ModuleTableEntry entry{key, stringValue(registry, subKey, "Name"),
                               stringValue(registry, subKey, "Icon")};
        if (entry.iconFile.empty() || !host.fileIcon(entry.iconFile)) entry.iconFile.clear();
        entries_.push_back(std::move(entry));
    }
}

std::vector<ListEntry> ModuleTable::FillModuleList(CatalogueHost& host, SettingsAccess& settings,
                                                   const std::string& section, bool showDeactivated,
                                                   const std::string& programDir) const {
    std::vector<ListEntry> list;
    for (const auto& module : entries_) {
        if (!host.fileExists(programDir + "Module\\" + module.key + ".EXE")) continue;
        const bool off = isDeactivated(settings, section, module.tag);
        if (off && !showDeactivated) continue;
        list.push_back(
            ListEntry{module.key, module.tag, module.iconFile, kModuleImage, off, false});
    }
    return list;
}

bool ModuleTable::RenameModule(platform::Registry& registry, const std::string& key,
                               const std::string& newName) {
    for (const std::string& other : moduleKeys(registry))
        if (stringValue(registry, moduleSubKey(other), "Name") == newName) return false;
    const auto status = registry.setValue(Root::LocalMachine, moduleSubKey(key),
                                          platform::RegValue::string("Name", newName));
    if (!status) {
        log::warning("catalogue", "module " + key + " not renamed: " + status.message);
        return false;
    }
    for (auto& entry : entries_)
        if (entry.key == key) entry.tag = newName;
    return true;
}

}  // namespace vantix::catalogue
