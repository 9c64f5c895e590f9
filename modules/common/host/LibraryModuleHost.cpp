#include "modules/common/host/LibraryModuleHost.h"

#include <stdexcept>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/process/SingleInstance.h"

namespace vantix::modules {

LibraryModuleHost::LibraryModuleHost(platform::Machine& machine,
                                     std::filesystem::path executableDir, MessageSink messages,
                                     lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions)
    : machine_(machine),
      executableDir_(std::move(executableDir)),
      messages_(std::move(messages)),
      registry_(registry),
      functions_(functions) {
}

LibraryModuleHost::LibraryModuleHost(platform::Machine& machine,
                                     std::filesystem::path executableDir, MessageSink messages)
    : machine_(machine),
      executableDir_(std::move(executableDir)),
      messages_(std::move(messages)),
      ownRegistry_(std::make_unique<lindrel32::QVREG>(machine)),
      ownFunctions_(std::make_unique<lindrel32::QVFKT>(machine)),
      registry_(*ownRegistry_),
      functions_(*ownFunctions_) {
}

LibraryModuleHost::~LibraryModuleHost() = default;

bool LibraryModuleHost::writeString(const std::string& keyPath, const std::string& name,
                                    const std::string& value) {
    try {
        if (registry_.SetReg(keyPath, name, value, "")) return true;
        log::debug("module", "registration write failed: " + registry_.LastError());
    } catch (const std::exception& error) {
        log::debug("module", std::string("registration write failed: ") + error.what());
    }
    return false;
}

void LibraryModuleHost::showMessage(const std::string& text, const std::string& caption) {
    if (messages_) messages_(text, caption);
}

bool LibraryModuleHost::claimSingleInstance(const std::string& executableName) {
    instance_ = platform::SingleInstance::acquire(executableName);
    return instance_ != nullptr;
}

int LibraryModuleHost::windowsVersionCode() {
    return functions_.GET_WinVersion();
}

std::string LibraryModuleHost::executableFolder() {
    // Inside one of the image's drives the folder reads as Windows sees it;
    // elsewhere (a build's program folder) the host path is what the platform accepts.
    if (auto windows = machine_.windowsPath(executableDir_)) {
        std::string folder = *windows;
        while (!folder.empty() && folder.back() == '\\') folder.pop_back();
        return folder;
    }
    std::string folder = executableDir_.string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace vantix::modules
