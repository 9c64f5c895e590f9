#pragma once

#include <string>

// The part of the per-user settings store that the catalogue writes while the
// shell runs: the activation lists. Section names are below the application
// "Windows Quorvia". SettingsStoreAccess.h adapts the suite's store to it.
namespace vantix::catalogue {

class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    virtual std::string get(const std::string& section, const std::string& key,
                            const std::string& defaultValue) = 0;
    virtual bool save(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool deleteValue(const std::string& section, const std::string& key) = 0;
    // Removes the section with all its values; false when there is none.
    virtual bool deleteSection(const std::string& section) = 0;
};

}  // namespace vantix::catalogue
