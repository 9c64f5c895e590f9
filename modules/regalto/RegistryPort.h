#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The registry operations the editor uses, in the standard functions library's
// textual form: paths "ROOT\sub\key", type letters "D" (signed decimal DWORD),
// "B" (hex digit pairs) and anything else for a string. The editor works only
// through this interface so that it can run against an in-memory registry.
namespace vantix::regalto {

inline constexpr const char* kNoKey = "NO Key";    // what a read of an absent value returns

struct ValueName {
    std::string name;    // "" is the default value
    std::int32_t type;   // registry type number
};

class RegistryPort {
public:
    virtual ~RegistryPort() = default;
    // The value as text, or kNoKey when absent.
    virtual std::string getValue(const std::string& path, const std::string& name, const std::string& letter) = 0;
    // Writes a value, creating missing keys; false when it was not written.
    virtual bool setValue(const std::string& path, const std::string& name, const std::string& value,
                          const std::string& letter) = 0;
    // Deletes one value, whatever its name (a value may be named "%ROOT%").
    virtual bool deleteValue(const std::string& path, const std::string& name) = 0;
    // Deletes the key with everything below it.
    virtual bool deleteKey(const std::string& path) = 0;
    // Moves a value to a new name; false (nothing changed) when the old one is absent.
    virtual bool renameValue(const std::string& path, const std::string& oldName, const std::string& newName,
                             const std::string& letter) = 0;
    // At most `limit` values in stored order.
    virtual std::vector<ValueName> values(const std::string& path, std::size_t limit) = 0;
    virtual std::vector<std::string> subKeys(const std::string& path) = 0;
    virtual std::int32_t subKeyCount(const std::string& path) = 0;
    // Writes the key with everything below it to a REGEDIT4 file; "" on success, else why not.
    virtual std::string exportKey(const std::string& path, const std::filesystem::path& file) = 0;
    // Imports a .reg file as one change (all or nothing); "" on success, else why not.
    virtual std::string importFile(const std::filesystem::path& file) = 0;
};

}  // namespace vantix::regalto
