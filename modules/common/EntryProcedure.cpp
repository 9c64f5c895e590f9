#include "modules/common/EntryProcedure.h"

#include <string>

#include "modules/common/ProcessText.h"

namespace vantix::modules {
namespace {

std::string upperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string executableFileName(const ModuleInfo& module) {
    return std::string(module.executable.substr(1));  // without the joining backslash
}

}  // namespace

void writeRegistration(const ModuleInfo& module, ModuleHost& host) {
    const std::string key = std::string(kModuleRegistryKey) + "\\" + std::string(module.keyName);
    const std::string folder = host.executableFolder();
    const std::string program = folder + std::string(module.executable);
    host.writeString(key, "Name", std::string(module.displayName));
    host.writeString(key, "BS", std::string(module.systems));
    host.writeString(key, "Icon", program);
    host.writeString(key, "Modul", program);
    host.writeString(key, "Window", std::string(module.windowCaption));
    if (module.argumentRule == ArgumentRule::DriveArgument) {
        host.writeString(std::string(kDriveMenuKey), "", folder + std::string(kDriveMenuCommand));
    }
}

StartDecision runEntryProcedure(const ModuleInfo& module, std::string_view arguments, ModuleHost& host) {
    StartDecision decision;
    const std::string command = upperAscii(arguments);
    if (command == "/INIT") {
        writeRegistration(module, host);
        return decision;
    }
    if (command != "/START") {
        const std::string caption(kServerCaption);
        if (module.argumentRule == ArgumentRule::RefuseAll || arguments.empty()) {
            host.showMessage(std::string(module.refusalText), caption);
            return decision;
        }
        // The drive letter is taken as given: a lower-case letter ends silently.
        const char first = arguments.front();
        if (first < 'A' || first > 'Z') return decision;
        decision.drive = first;
    }
    if (!host.claimSingleInstance(executableFileName(module))) return decision;

    decision.versionCode = host.windowsVersionCode();
    switch (module.versionRule) {
        case VersionRule::RefuseBelowNt:
            if (decision.versionCode < 1) return decision;
            break;
        case VersionRule::RequireNtMessage:
            if (decision.versionCode != 1) {
                host.showMessage(std::string(kNtOnlyMessage), std::string(kServerCaption));
                return decision;
            }
            break;
        case VersionRule::StoreOnly:
            break;
    }
    const std::string folder = host.executableFolder();
    setHelpFile(folder + std::string(module.helpFile));
    setLineBreaks();
    // Started with "/START" the drives module preselects the drive of its own folder.
    if (module.argumentRule == ArgumentRule::DriveArgument && !decision.drive && !folder.empty()) {
        const char letter = upperAscii(folder.substr(0, 1)).front();
        if (letter >= 'A' && letter <= 'Z') decision.drive = letter;
    }
    decision.showWindow = true;
    return decision;
}

}  // namespace vantix::modules
