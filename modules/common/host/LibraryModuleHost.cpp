#include "modules/common/host/LibraryModuleHost.h"

#include <stdexcept>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/process/SingleInstance.h"

namespace vantix::modules {

LibraryModuleHost::LibraryModuleHost(platform::Machine& machine, std::filesystem::path executableDir,
                                     MessageSink messages)
    : machine_(machine), executableDir_(std::move(executableDir)), messages_(std::move(messages)) {}

LibraryModuleHost::~LibraryModuleHost() = default;

bool LibraryModuleHost::writeString(const std::string& keyPath, const std::string& name, const std::string& value) {
    lindrel32::QVREG registry(machine_);
    try {
        if (registry.SetReg(keyPath, name, value, "")) return true;
        log::debug("module", "registration write failed: " + registry.LastError());
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
    lindrel32::QVFKT functions(machine_);
    return functions.GET_WinVersion();
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
