#pragma once

#include <memory>
#include <string>

namespace lindrel32 {
class SettingsStore;
}

// What the shell needs of the per-user settings store (application "Windows
// Quorvia"): read with a default, save, delete a value. An interface so that
// start-up and shutdown can be driven against the real store or a recorder.
namespace vantix::shell {

inline constexpr const char* kMainWindowSection = "Settings\\MainWindow";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kFirstStartKey = "FirstStart";

class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    virtual std::string get(const std::string& section, const std::string& key, const std::string& fallback) = 0;
    virtual bool save(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool deleteValue(const std::string& section, const std::string& key) = 0;
};

// The settings store of the machine image, through lindrel32's SettingsStore.
class StoreSettingsAccess final : public SettingsAccess {
public:
    explicit StoreSettingsAccess(lindrel32::SettingsStore& store) : store_(store) {}
    std::string get(const std::string& section, const std::string& key, const std::string& fallback) override;
    bool save(const std::string& section, const std::string& key, const std::string& value) override;
    bool deleteValue(const std::string& section, const std::string& key) override;

private:
    lindrel32::SettingsStore& store_;
};

}  // namespace vantix::shell
