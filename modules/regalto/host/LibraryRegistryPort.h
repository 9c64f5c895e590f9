#pragma once

#include <memory>

#include "lindrel32/QVREG.h"
#include "modules/regalto/RegistryPort.h"

namespace vantix::platform {
class Machine;
}

namespace vantix::regalto {

// The editor's registry operations on a machine image through the standard
// functions library. Writes keep a value's registry type where the library's
// type letters cannot name it (expandable strings, multi-strings, resource
// lists), so that editing or renaming such a value does not change its kind.
class LibraryRegistryPort : public RegistryPort {
public:
    // Through `qvreg`, the program's object of the library (on `machine`, the current image).
    LibraryRegistryPort(platform::Machine& machine, lindrel32::IQVREG& qvreg);
    // Through an object of the library's C++ interface on `machine`.
    explicit LibraryRegistryPort(platform::Machine& machine);

    std::string getValue(const std::string& path, const std::string& name,
                         const std::string& letter) override;
    bool setValue(const std::string& path, const std::string& name, const std::string& value,
                  const std::string& letter) override;
    bool deleteValue(const std::string& path, const std::string& name) override;
    bool deleteKey(const std::string& path) override;
    bool renameValue(const std::string& path, const std::string& oldName,
                     const std::string& newName, const std::string& letter) override;
    std::vector<ValueName> values(const std::string& path, std::size_t limit) override;
    std::vector<std::string> subKeys(const std::string& path) override;
    std::int32_t subKeyCount(const std::string& path) override;
    std::string exportKey(const std::string& path, const std::filesystem::path& file) override;
    std::string importFile(const std::filesystem::path& file) override;

private:
    platform::Machine& machine_;
    std::unique_ptr<lindrel32::QVREG> own_;
    lindrel32::IQVREG& qvreg_;
};

}  // namespace vantix::regalto
