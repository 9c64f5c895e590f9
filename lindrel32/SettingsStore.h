#pragma once

#include <string>
#include <vector>

#include "lindrel32/Export.h"
#include "lindrel32/Interfaces.h"

namespace lindrel32 {

// The per-user settings store: text values addressed by application, section
// and key, kept in the image's HKEY_CURRENT_USER below one fixed key:
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>
// as the platform's own settings store lays them out.
class LINDREL32_API SettingsStore {
public:
    static constexpr const char* kRoot = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings";
    static constexpr const char* kApplication = "Windows Quorvia";

    explicit SettingsStore(IQVREG& registry, std::string application = kApplication);

    std::string Get(const std::string& section, const std::string& key,
                    const std::string& defaultValue = "");
    bool Save(const std::string& section, const std::string& key, const std::string& value);
    bool DeleteValue(const std::string& section, const std::string& key);
    // Removes the section with everything in it; false when it does not exist.
    bool DeleteSection(const std::string& section);
    // Names of the values of a section, in stored order.
    std::vector<std::string> Keys(const std::string& section);
    std::string SectionPath(const std::string& section) const;

private:
    IQVREG& registry_;
    std::string application_;
};

}  // namespace lindrel32
