#pragma once

#include <optional>
#include <string_view>

#include "modules/common/ModuleHost.h"
#include "modules/common/ModuleInfo.h"

// The steps every module runs before its own start: the command line, /INIT
// registration, the refusals, one instance, the version rule, the help file
// and the line-break strings.
namespace vantix::modules {

struct StartDecision {
    bool showWindow = false;          // false: the process ends now
    std::optional<char> drive;        // the drive a module was started for ("A".."Z")
    int versionCode = 0;              // the platform code queried at start
};

// Writes "Name", "BS", "Icon", "Modul", "Window" in this order (and the drives
// module's context-menu command last); write failures are ignored.
void writeRegistration(const ModuleInfo& module, ModuleHost& host);

// `arguments` is the whole argument string as given (not yet upper-cased).
StartDecision runEntryProcedure(const ModuleInfo& module, std::string_view arguments, ModuleHost& host);

}  // namespace vantix::modules
