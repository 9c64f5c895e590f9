#pragma once

#include <filesystem>
#include <memory>

#include "platform/machine/Machine.h"
#include "tests/support/ScratchDir.h"

// A minimal machine image in a scratch folder: empty hives, C: -> drive_c with
// a Windows folder. Quicker than a full set-up, and free of template content.
class BareImage {
public:
    BareImage() {
        namespace fs = std::filesystem;
        ScratchDir::write(dir() / "system.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
        ScratchDir::write(dir() / "user.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
        ScratchDir::write(dir() / "userdef.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
        fs::create_directories(dir() / "drive_c" / "windows" / "temp");
        fs::create_directories(dir() / "dosdevices");
        fs::create_directory_symlink("../drive_c", dir() / "dosdevices" / "c:");
        machine = vantix::platform::Machine::open(dir());
    }
    std::filesystem::path dir() const { return scratch / "image"; }
    std::filesystem::path driveC() const { return dir() / "drive_c"; }

    ScratchDir scratch;
    std::unique_ptr<vantix::platform::Machine> machine;
};
