#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/ShellSettings.h"

namespace lindrel32 {
class QVFKT;
class QVREG;
}  // namespace lindrel32

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

    // The library objects, created on first use and kept until the process ends;
    // they work on `machine` when one is given before, else on the current image.
    void useMachine(platform::Machine& machine) { machine_ = &machine; }
    lindrel32::QVFKT& fkt();
    lindrel32::QVREG& reg();

private:
    platform::Machine* machine_ = nullptr;
    std::unique_ptr<lindrel32::QVFKT> fkt_;
    std::unique_ptr<lindrel32::QVREG> reg_;
};

// The record of this process.
ShellState& shellState();

}  // namespace vantix::shell
