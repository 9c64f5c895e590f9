#pragma once

#include "catalogue/SettingsAccess.h"
#include "lindrel32/SettingsStore.h"

// The suite's settings store behind the catalogue's seam. Header only, so that
// the catalogue core links without the library; the shell links it anyway.
namespace vantix::catalogue {

class SettingsStoreAccess : public SettingsAccess {
public:
    explicit SettingsStoreAccess(lindrel32::SettingsStore& store) : store_(store) {}
    std::string get(const std::string& section, const std::string& key, const std::string& defaultValue) override {
        return store_.Get(section, key, defaultValue);
    }
    bool save(const std::string& section, const std::string& key, const std::string& value) override {
        return store_.Save(section, key, value);
    }
    bool deleteValue(const std::string& section, const std::string& key) override {
        return store_.DeleteValue(section, key);
    }
    bool deleteSection(const std::string& section) override { return store_.DeleteSection(section); }

private:
    lindrel32::SettingsStore& store_;
};

}  // namespace vantix::catalogue
