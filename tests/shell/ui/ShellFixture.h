#pragma once

#include <memory>
#include <string>

#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/database/UserCatalogue.h"
#include "shell/ShellState.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/ShellApplication.h"
#include "tests/shell/ImageFixture.h"

// One shell on a fresh image and settings store of its own. The image's set-up
// wrote "FirstStart"; tests of an ordinary start remove it with ordinaryStart().
struct ShellFixture {
    explicit ShellFixture(vantix::platform::WindowsPlatform platform = vantix::platform::WindowsPlatform::Win98)
        : image(platform), registry(*image.machine), store(registry) {
        state.useMachine(*image.machine);
        vantix::shell::Dialogs::reset();
    }
    ~ShellFixture() { vantix::shell::Dialogs::reset(); }

    void ordinaryStart() { store.DeleteValue("Settings", "FirstStart"); }
    void setSetting(const std::string& key, const std::string& value) { store.Save("Settings\\MainWindow", key, value); }
    std::string setting(const std::string& key) { return store.Get("Settings\\MainWindow", key, "<absent>"); }
    // The user's copy of the scratch catalogue, which the shell opens, for arranging rows before a start.
    std::unique_ptr<vantix::platform::Database> catalogue() {
        return vantix::platform::openCatalogue(vantix::platform::userCatalogue(image.program() / "QUORVIA.MDE"));
    }
    vantix::shell::StartupOutcome start(const std::string& commandLine = "") {
        shell = std::make_unique<vantix::shell::ShellApplication>(state, *image.machine, image.program());
        return shell->start(commandLine);
    }

    ImageFixture image;
    lindrel32::QVREG registry;
    lindrel32::SettingsStore store;
    vantix::shell::ShellState state;
    std::unique_ptr<vantix::shell::ShellApplication> shell;
};
