#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/ObjectList.h"
#include "catalogue/SettingsAccess.h"
#include "platform/registry/Registry.h"

// The configuration modules of TOOL groups: the registration records that the
// modules write below the suite's key, read once at start-up into the module
// table; the list of a TOOL group from that table.
namespace vantix::catalogue {

// "SOFTWARE\Morlan Softwareentwicklung\Windows Quorvia\Module" of HKEY_LOCAL_MACHINE.
inline constexpr const char* kModuleKey =
    "SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module";
// The standard image of a module whose icon cannot be drawn.
inline constexpr int kModuleImage = 1;

struct ModuleTableEntry {
    std::string key;       // the registry subkey: also the base name of Module\<key>.EXE
    std::string tag;       // the display name ("Name")
    std::string iconFile;  // "Icon" when its first icon draws, else empty (the standard image)
};

class ModuleTable {
public:
    // Every registration whose "BS" has the bit of `winVersion` (1 NT, 2 Windows 95,
    // 3 Windows 98), in the registry's order. What was loaded before goes.
    void LoadModuleTable(platform::Registry& registry, std::int32_t winVersion,
                         CatalogueHost& host);
    const std::vector<ModuleTableEntry>& entries() const { return entries_; }

    // The list of a TOOL group: modules whose "<programDir>Module\<key>.EXE"
    // exists, without those deactivated in `section` unless `showDeactivated`
    // (then greyed).
    std::vector<ListEntry> FillModuleList(CatalogueHost& host, SettingsAccess& settings,
                                          const std::string& section, bool showDeactivated,
                                          const std::string& programDir) const;

    // Writes the module's new display name; false (nothing written) when any
    // registered module already carries exactly that name, the module itself too.
    bool RenameModule(platform::Registry& registry, const std::string& key,
                      const std::string& newName);

private:
    std::vector<ModuleTableEntry> entries_;
};

}  // namespace vantix::catalogue
