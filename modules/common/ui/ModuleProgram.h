#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "modules/common/EntryProcedure.h"
#include "modules/common/host/LibraryModuleHost.h"

namespace vantix::platform {
class Machine;
}

// The part of every module program's main that is the same for all four: the
// command line ("--machine DIR" and the arguments), the entry procedure, the
// application object made only when a message or the window has to be shown
// ("/INIT" runs without a display), the window helpers and the F1 help.
namespace vantix::modules::ui {

struct ModuleStart {
    platform::Machine& machine;
    std::filesystem::path executableDir;
    std::string executableFolder;  // the same folder as the library names it
    StartDecision decision;
    // Shows a message box, or writes to stderr without a display.
    std::function<void(const std::string& text, const std::string& caption)> message;
};

// Runs module `id`; `showWindow` builds and shows the module's window and
// returns the application's exec(). Returns the process's exit status: 2 for
// a bad command line, 1 for a failure (reason on stderr).
int runModuleProgram(int argc, char** argv, ModuleId id,
                     const std::function<int(ModuleStart&)>& showWindow);

}  // namespace vantix::modules::ui
