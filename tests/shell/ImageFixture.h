#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "platform/machine/Machine.h"
#include "tests/support/ScratchDir.h"

// A program folder and a fresh machine image of a test's own: the build's
// machine templates, catalogue and pictures are copied (never written in
// place), the program folder is selected through VANTIX_PROGRAM_DIR, and the
// image becomes the current one.
struct ImageFixture {
    explicit ImageFixture(vantix::platform::WindowsPlatform platform = vantix::platform::WindowsPlatform::Win98) {
        namespace fs = std::filesystem;
        const fs::path build(VANTIX_PROGRAM_DIR);
        fs::create_directories(program() / "Module");
        fs::create_directory_symlink(build / "machine", program() / "machine");
        for (const char* file : {"QUORVIA.MDE", "PICTURES", "Sound", "VANTIX.HLP"}) {
            std::error_code missing;  // a test that needs the file says so
            fs::copy(build / file, program() / file, fs::copy_options::recursive, missing);
        }
        ::setenv("VANTIX_PROGRAM_DIR", program().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);  // the user's copy of the catalogue
        machine = vantix::platform::Machine::create(scratch / "machine", platform);
        vantix::platform::selectMachine(scratch / "machine");
    }
    ~ImageFixture() {
        vantix::platform::resetCurrentMachine();
        ::unsetenv("VANTIX_PROGRAM_DIR");
    }
    std::filesystem::path program() const { return scratch / "program"; }

    ScratchDir scratch;
    std::unique_ptr<vantix::platform::Machine> machine;
};
