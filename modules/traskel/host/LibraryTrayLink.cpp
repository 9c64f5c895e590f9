#include "modules/traskel/host/LibraryTrayLink.h"

#include "lindrel32/QVFKT.h"
#include "modules/traskel/Autostart.h"
#include "modules/traskel/TrayList.h"
#include "platform/dde/DdeChannel.h"
#include "platform/machine/Machine.h"

namespace vantix::traskel {

LibraryTrayLink::LibraryTrayLink(platform::Machine& machine, std::filesystem::path trayProgram)
    : machine_(machine), trayProgram_(std::move(trayProgram)) {
}

bool LibraryTrayLink::execute(const std::string& command) {
    const auto socket = platform::ddeSocketPath(machine_.dir(), kTrayLink);
    return socket && platform::ddeExecute(*socket, command, platform::kDdeLinkTimeout);
}

bool LibraryTrayLink::startTray() {
    lindrel32::QVFKT functions(machine_);
    // The tray works on the same image as the module that starts it.
    const std::string parameters = "--machine \"" + machine_.dir().string() + "\" /START";
    return functions.ShellExec(0, trayProgram_.string(), parameters, "", 1);
}

bool LibraryTrayLink::trayWindowExists() {
    lindrel32::QVFKT functions(machine_);
    std::int32_t start = 0;
    std::string caption(kTrayCaption);
    return functions.GET_TaskHandle(start, caption) != 0;
}

void LibraryTrayLink::setAutostart(bool on) {
    setAutostartEntry(on, trayProgram_, machine_.dir());
}

}  // namespace vantix::traskel
