#pragma once

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "../support/ScratchDir.h"
#include "CatalogueFixture.h"
#include "platform/machine/Machine.h"
#include "tweaks/TweakSession.h"

// A fresh machine image of one platform with the default catalogue, in a
// scratch folder; the machine templates come from the build's program folder.
class ImageFixture {
public:
    explicit ImageFixture(vantix::platform::WindowsPlatform platform) {
        ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
        machine = vantix::platform::Machine::create(scratch / "image", platform);
        database = makeCatalogue(scratch / "QUORVIA.MDE", true);
        session =
            std::make_unique<vantix::tweaks::TweakSession>(*machine, *database, VANTIX_PROGRAM_DIR);
    }

    // Every file of the image with its bytes (the journal left out).
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        const auto root = scratch / "image";
        for (auto it = std::filesystem::recursive_directory_iterator(root); it != decltype(it)();
             ++it) {
            if (it->path().filename() == "vantix-journal") {
                it.disable_recursion_pending();
                continue;
            }
            if (it->is_regular_file() && !it->is_symlink())
                files[std::filesystem::relative(it->path(), root).string()] =
                    ScratchDir::read(it->path());
        }
        return files;
    }

    ScratchDir scratch;
    std::unique_ptr<vantix::platform::Machine> machine;
    std::unique_ptr<vantix::platform::Database> database;
    std::unique_ptr<vantix::tweaks::TweakSession> session;
};
