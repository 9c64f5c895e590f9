#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "lindrel32/Forward.h"
#include "modules/common/ModuleHost.h"

namespace vantix::platform {
class Machine;
class SingleInstance;
}  // namespace vantix::platform

namespace vantix::modules {

// The module host of a real module program: registry writes through the
// standard functions library on the machine image, the per-user
// single-instance lock, and message boxes shown by the program's window layer.
class LibraryModuleHost : public ModuleHost {
public:
    using MessageSink = std::function<void(const std::string& text, const std::string& caption)>;

    // Through the program's objects of the library, which work on `machine`, the current image.
    LibraryModuleHost(platform::Machine& machine, std::filesystem::path executableDir,
                      MessageSink messages, lindrel32::IQVREG& registry,
                      lindrel32::IQVFKT& functions);
    // Through objects of the library's C++ interface on `machine`.
    LibraryModuleHost(platform::Machine& machine, std::filesystem::path executableDir,
                      MessageSink messages);
    ~LibraryModuleHost() override;

    bool writeString(const std::string& keyPath, const std::string& name,
                     const std::string& value) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    bool claimSingleInstance(const std::string& executableName) override;
    int windowsVersionCode() override;
    std::string executableFolder() override;

private:
    platform::Machine& machine_;
    std::filesystem::path executableDir_;
    MessageSink messages_;
    std::unique_ptr<lindrel32::QVREG> ownRegistry_;
    std::unique_ptr<lindrel32::QVFKT> ownFunctions_;
    lindrel32::IQVREG& registry_;
    lindrel32::IQVFKT& functions_;
    std::unique_ptr<platform::SingleInstance> instance_;
};

}  // namespace vantix::modules
