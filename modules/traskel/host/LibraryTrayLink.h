#pragma once

#include <filesystem>

#include "modules/traskel/TrayLink.h"

namespace vantix::platform {
class Machine;
}

namespace vantix::traskel {

// The tray program of a machine image: DDE over the image's socket, started
// through the library's program start, found by its window's caption.
class LibraryTrayLink : public TrayLink {
public:
    // `trayProgram`: the QVDDESVR.EXE beside the module.
    LibraryTrayLink(platform::Machine& machine, std::filesystem::path trayProgram);
    bool execute(const std::string& command) override;
    bool startTray() override;
    bool trayWindowExists() override;
    void setAutostart(bool on) override;

private:
    platform::Machine& machine_;
    std::filesystem::path trayProgram_;
};

}  // namespace vantix::traskel
