#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "tests/support/ScratchDir.h"

// A program folder of its own for a test: the build's machine templates and an
// empty Module folder, selected through VANTIX_PROGRAM_DIR while it lives.
class ProgramFolder {
public:
    ProgramFolder() {
        std::filesystem::create_directory_symlink(
            std::filesystem::path(VANTIX_PROGRAM_DIR) / "machine", scratch_ / "machine");
        std::filesystem::create_directories(scratch_ / "Module");
        ::setenv("VANTIX_PROGRAM_DIR", scratch_.path().c_str(), 1);
    }
    ~ProgramFolder() { ::unsetenv("VANTIX_PROGRAM_DIR"); }
    const std::filesystem::path& path() const { return scratch_.path(); }
    std::filesystem::path modules() const { return scratch_ / "Module"; }

    // A module program: a shell script with its executable bit.
    void addModule(const std::string& name, const std::string& script) const {
        ScratchDir::write(modules() / name, "#!/bin/sh\n" + script);
        std::filesystem::permissions(modules() / name, std::filesystem::perms::owner_all);
    }

private:
    ScratchDir scratch_;
};
