#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "lindrel32/Forward.h"
#include "shell/ShellSettings.h"

namespace vantix::platform {
class Database;
class Machine;
}  // namespace vantix::platform

// The shell's one process-wide state record, filled by start-up in field order
// and living until the process ends.
namespace vantix::shell {

struct ShellState {
    ShellState();
    ~ShellState();
    ShellState(const ShellState&) = delete;
    ShellState& operator=(const ShellState&) = delete;

    bool Starting = false;
    std::int32_t WinVersion = 0;
    std::string CR;
    std::string CRLF;
    std::string Quote;
    std::string StoredPassword = "NO Key";
    bool AccessGranted = false;
    SettingsRecord Settings;
    std::string AppDir;      // ends in its separator
    std::string SystemDir;   // ends in "\"
    std::string WindowsDir;  // ends in "\"
    std::string BootDir;     // as the registry gives it
    std::string TempDir;     // ends in "\"
    std::int32_t ColorDepth = 0;
    std::unique_ptr<platform::Database> Database;
    bool FirstStart = false;

    // The library objects, created on first use and kept until the process ends:
    // by class identifier on the current image (a first use may throw
    // lindrel32::LibraryUnavailable), or, once `machine` is given, objects of
    // the library's C++ interface on that image (tests on scratch images).
    void useMachine(platform::Machine& machine) { machine_ = &machine; }
    lindrel32::IQVFKT& fkt();
    lindrel32::IQVREG& reg();

private:
    platform::Machine* machine_ = nullptr;
    std::unique_ptr<lindrel32::QVFKT> fkt_;
    std::unique_ptr<lindrel32::QVREG> reg_;
};

// The record of this process.
ShellState& shellState();

}  // namespace vantix::shell
