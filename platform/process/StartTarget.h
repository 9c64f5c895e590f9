#pragma once

#include <filesystem>
#include <string>

#include "platform/process/Spawn.h"

// Starting programs and documents as the shell's default verb does:
// native programs directly; Windows programs, Control Panel files and
// "rundll32 ..." lines through Wine in the image; documents and web
// addresses with the desktop's default application (xdg-open).
namespace vantix::platform {

struct StartRequest {
    std::string target;                 // Windows-form or host path, "rundll32 ..." line, or web address
    std::string parameters;             // split as a Windows command line
    std::string workingDir;             // Windows-form or host folder; empty: the caller's
    std::filesystem::path imageDir;     // the machine image (WINEPREFIX, drive mapping)
};

// started=false with a reason when the target is missing, cannot be mapped,
// needs Wine or xdg-open and that is not on PATH, or exec() failed.
SpawnResult startTarget(const StartRequest& request);

}  // namespace vantix::platform
