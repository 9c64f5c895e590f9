#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "modules/common/ModuleHost.h"

namespace vantix::platform {
class Machine;
class SingleInstance;
}  // namespace vantix::platform

namespace vantix::modules {

// The module host of a real module program: registry writes through the
// standard functions library on the current machine image, the per-user
// single-instance lock, and message boxes shown by the program's window layer.
class LibraryModuleHost : public ModuleHost {
public:
    using MessageSink = std::function<void(const std::string& text, const std::string& caption)>;

    LibraryModuleHost(platform::Machine& machine, std::filesystem::path executableDir, MessageSink messages);
    ~LibraryModuleHost() override;

    bool writeString(const std::string& keyPath, const std::string& name, const std::string& value) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    bool claimSingleInstance(const std::string& executableName) override;
    int windowsVersionCode() override;
    std::string executableFolder() override;

private:
    platform::Machine& machine_;
    std::filesystem::path executableDir_;
    MessageSink messages_;
    std::unique_ptr<platform::SingleInstance> instance_;
};

}  // namespace vantix::modules
