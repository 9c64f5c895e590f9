#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lindrel32/Forward.h"
#include "modules/bootlam/BootIni.h"

namespace vantix::platform {
class Machine;
}

// The boot options module's behaviour: where the boot files are, the one-time
// backup, the entries and their editing rules, writing BOOT.INI and restoring
// the backup. The window and the command line both work through it.
namespace vantix::bootlam {

inline constexpr const char* kSetupKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";
inline constexpr const char* kMinimumMessage = "Minimum 16MB! ";
inline constexpr const char* kMinimumCaption = "Value";
inline constexpr const char* kNameExistsMessage = "Name already exists! ";
inline constexpr const char* kRenameCaption = "Rename";
inline constexpr const char* kRestoreQuestion =
    "This option cancels all changes made \rsince you started this module \rand restores the "
    "defaults! \r\rReally "
    "undo all changes?";
inline constexpr const char* kRestoreCaption = "Warning!";
inline constexpr const char* kTerminateMessage = "The module will now terminate automatically.";

struct BootFiles {
    std::string bootDir;             // Windows form, as "BootDir" holds it ("C:\")
    std::filesystem::path real;      // boot directory + BOOT.INI
    std::filesystem::path backup;    // boot directory + BOOT.BAK
    std::filesystem::path working;   // the image's temporary folder + BOOT.INI
    std::string workingWindowsPath;  // the same in Windows form, for the profile functions
};

enum class TimeoutChoice {
    Unset,      // the file has no timeout: none of the options is chosen, nothing is written
    Wait,       // "-1"
    Immediate,  // "0"
    Delay       // the seconds typed
};

enum class Debugger { None, NoDebug, CrashDebug, Debug };

enum class RenameResult { Accepted, Undone, Duplicate };

class BootOptions {
public:
    static constexpr std::size_t kMaxNameLength = 32;
    static constexpr int kMinimumMegabytes = 16;

    // Finds the boot files ("BootDir", else the image's boot folder) and reads
    // nothing yet. Throws platform::MachineError when they map nowhere.
    // Through the program's objects of the library, which work on `machine`, the current image.
    BootOptions(platform::Machine& machine, lindrel32::IQVREG& registry,
                lindrel32::IQVFKT& functions);
    // Through objects of the library's C++ interface on `machine`.
    explicit BootOptions(platform::Machine& machine);
    ~BootOptions();

    const BootFiles& files() const { return files_; }

    // The start: clears the real file's attributes, makes BOOT.BAK when there is
    // none, reads BOOT.INI (no file: no entries). Throws BootIniError for a file
    // that is no boot file (nothing is written then).
    void start();
    // Reads BOOT.INI again without the start's side effects.
    void load();

    const std::vector<BootEntry>& entries() const { return entries_; }
    BootEntry& entry(std::size_t index) { return entries_.at(index); }
    std::optional<std::size_t> defaultIndex() const { return defaultIndex_; }

    TimeoutChoice timeoutChoice() const { return timeout_; }
    const std::string& delaySeconds() const { return delay_; }
    // Chooses an option; returns the text the seconds box shows ("20" for the
    // delay, "" for the fixed ones).
    std::string chooseTimeout(TimeoutChoice choice);
    void setDelaySeconds(std::string seconds) { delay_ = std::move(seconds); }
    // The value written as "timeout"; nullopt while it is Unset.
    std::optional<std::string> timeoutValue() const;

    // Check box 3: checking fills an empty box with "32"; unchecking clears
    // the limit. Returns the text of the megabytes box.
    std::string setMaxmemChecked(std::size_t index, bool checked, const std::string& boxText);
    // Typing in the megabytes box checks box 3 and stores the number.
    void typeMaxmem(std::size_t index, const std::string& boxText);
    // Leaving the box: true (and the limit raised to 16) when it was below 16.
    bool leaveMaxmem(std::size_t index);
    void setDebugger(std::size_t index, Debugger debugger);
    static Debugger debuggerOf(const BootEntry& entry);
    void setPort(std::size_t index, int port, bool checked);  // port 1..4
    RenameResult rename(std::size_t index, const std::string& newName);
    void makeDefault(std::size_t index);

    // Writes the working file, adds "timeout" and "default" by the profile
    // rules and copies it over the real file in one atomic replace. False (the
    // real file unchanged) when any step fails; `reason` says why.
    bool save(std::string* reason = nullptr);
    // Copies BOOT.BAK over BOOT.INI; false when there is no backup.
    bool restore(std::string* reason = nullptr);
    // Makes BOOT.BAK when there is none (before any change the command line makes).
    bool ensureBackup();
    // Deletes the working file if it exists.
    void removeWorkingFile();

private:
    void locateFiles();

    platform::Machine& machine_;
    std::unique_ptr<lindrel32::QVREG> ownRegistry_;
    std::unique_ptr<lindrel32::QVFKT> ownFunctions_;
    lindrel32::IQVREG& registry_;
    lindrel32::IQVFKT& functions_;
    BootFiles files_;
    std::vector<BootEntry> entries_;
    std::optional<std::size_t> defaultIndex_;
    TimeoutChoice timeout_ = TimeoutChoice::Unset;
    std::string delay_;
};

}  // namespace vantix::bootlam
