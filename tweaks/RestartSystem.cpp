#include "tweaks/RestartSystem.h"

#include "platform/log/Log.h"
#include "tweaks/TweakHost.h"

namespace vantix::tweaks {

bool RestartSystem(TweakHost& host, int mode) {
    try {
        if (mode == 1) return host.ShellExec("RESTART.EXE");
        if (mode == 2) return host.restartMachine();
    } catch (const std::exception& error) {
        log::debug("tweaks", std::string("restart failed: ") + error.what());
    }
    return false;
}

}  // namespace vantix::tweaks
