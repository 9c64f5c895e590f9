#include "modules/bootlam/BootOptions.h"

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/files/DosAttributes.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileOperations.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/text/Text.h"
#include "platform/text/Windows1252.h"

namespace vantix::bootlam {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLoaderSection = "boot loader";

fs::path mapped(platform::Machine& machine, const std::string& windowsPath) {
    auto host = machine.hostPath(windowsPath);
    if (!host) throw platform::MachineError(windowsPath + ": the image has no such drive");
    return *host;
}

bool fail(std::string* reason, std::string text) {
    log::debug("bootlam", text);
    if (reason) *reason = std::move(text);
    return false;
}

}  // namespace

BootOptions::BootOptions(platform::Machine& machine, lindrel32::IQVREG& registry,
                         lindrel32::IQVFKT& functions)
    : machine_(machine), registry_(registry), functions_(functions) {
    locateFiles();
}

BootOptions::BootOptions(platform::Machine& machine)
    : machine_(machine),
      ownRegistry_(std::make_unique<lindrel32::QVREG>(machine)),
      ownFunctions_(std::make_unique<lindrel32::QVFKT>(machine)),
      registry_(*ownRegistry_),
      functions_(*ownFunctions_) {
    locateFiles();
}

BootOptions::~BootOptions() = default;

void BootOptions::locateFiles() {
    platform::Machine& machine = machine_;
    std::string bootDir = registry_.GetReg(kSetupKey, "BootDir");
    // Without "BootDir" (or with one that is no folder path) the image's boot folder stands in.
    if (bootDir == "NO Key" || bootDir.size() < 2 || bootDir[1] != ':') bootDir = machine.bootDir();
    if (!bootDir.ends_with('\\')) bootDir += '\\';
    files_.bootDir = bootDir;
    files_.real = mapped(machine, bootDir + "BOOT.INI");
    files_.backup = mapped(machine, bootDir + "BOOT.BAK");
    // Not beside the program: an installed program folder is read-only and
    // serves many images.
    files_.workingWindowsPath = machine.tempDir() + "\\BOOT.INI";
    files_.working = mapped(machine, files_.workingWindowsPath);
}

bool BootOptions::ensureBackup() {
    if (fs::exists(files_.backup) || !fs::exists(files_.real)) return fs::exists(files_.backup);
    const auto status = platform::copyFile(files_.real, files_.backup);
    if (!status) log::debug("bootlam", "BOOT.BAK: " + status.message);
    return static_cast<bool>(status);
}

void BootOptions::start() {
    if (fs::exists(files_.real)) {
        if (const auto status = platform::setNormalAttributes(files_.real); !status)
            log::debug("bootlam", "BOOT.INI attributes: " + status.message);
    }
    ensureBackup();
    load();
}

void BootOptions::load() {
    platform::FileStatus status;
    const auto bytes = platform::readWholeFile(files_.real, BootIni::kMaxBytes, &status);
    if (!bytes && status.code == platform::FileStatus::TooLarge)
        throw BootIniError("BOOT.INI is larger than 1 MB");
    const BootIni ini = bytes ? BootIni::parse(*bytes) : BootIni{};
    entries_ = ini.entries;
    defaultIndex_ = ini.defaultIndex();
    delay_.clear();
    if (!ini.timeout)
        timeout_ = TimeoutChoice::Unset;
    else if (*ini.timeout == "-1")
        timeout_ = TimeoutChoice::Wait;
    else if (*ini.timeout == "0")
        timeout_ = TimeoutChoice::Immediate;
    else {
        timeout_ = TimeoutChoice::Delay;
        delay_ = *ini.timeout;
    }
}

std::string BootOptions::chooseTimeout(TimeoutChoice choice) {
    timeout_ = choice;
    delay_ = choice == TimeoutChoice::Delay ? "20" : "";
    return delay_;
}

std::optional<std::string> BootOptions::timeoutValue() const {
    switch (timeout_) {
        case TimeoutChoice::Wait:
            return "-1";
        case TimeoutChoice::Immediate:
            return "0";
        case TimeoutChoice::Delay:
            return delay_;
        case TimeoutChoice::Unset:
            break;
    }
    return std::nullopt;
}

std::string BootOptions::setMaxmemChecked(std::size_t index, bool checked,
                                          const std::string& boxText) {
    BootEntry& e = entry(index);
    if (!checked) {
        e.maxmem = false;
        e.maxmemMegabytes = 0;
        return "";
    }
    const std::string text = boxText.empty() ? "32" : boxText;
    e.maxmem = true;
    typeMaxmem(index, text);
    return text;
}

void BootOptions::typeMaxmem(std::size_t index, const std::string& boxText) {
    BootEntry& e = entry(index);
    e.maxmem = true;
    int number = 0;
    for (char c : text::trim(boxText)) {
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > 32767) {
            number = 32767;
            break;
        }
    }
    e.maxmemMegabytes = number;
}

bool BootOptions::leaveMaxmem(std::size_t index) {
    BootEntry& e = entry(index);
    if (!e.maxmem || e.maxmemMegabytes >= kMinimumMegabytes) return false;
    e.maxmemMegabytes = kMinimumMegabytes;
    return true;
}

void BootOptions::setDebugger(std::size_t index, Debugger debugger) {
    BootEntry& e = entry(index);
    e.nodebug = debugger == Debugger::NoDebug;
    e.crashdebug = debugger == Debugger::CrashDebug;
    e.debug = debugger == Debugger::Debug;
}

Debugger BootOptions::debuggerOf(const BootEntry& entry) {
    if (entry.nodebug) return Debugger::NoDebug;
    if (entry.crashdebug) return Debugger::CrashDebug;
    if (entry.debug) return Debugger::Debug;
    return Debugger::None;
}

void BootOptions::setPort(std::size_t index, int port, bool checked) {
    if (port < 1 || port > 4) return;
    BootEntry& e = entry(index);
    e.com[static_cast<std::size_t>(port - 1)] = checked;
    e.bareNoSerialMice = false;  // the user chose the ports now
}

RenameResult BootOptions::rename(std::size_t index, const std::string& newName) {
    const std::string trimmed(text::trim(newName));
    if (trimmed.empty() || text::toUtf16(newName).size() > kMaxNameLength)
        return RenameResult::Undone;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (i != index && entries_[i].name == newName) return RenameResult::Duplicate;
    entry(index).name = newName;
    return RenameResult::Accepted;
}

void BootOptions::makeDefault(std::size_t index) {
    if (index < entries_.size()) defaultIndex_ = index;
}

bool BootOptions::save(std::string* reason) {
    const std::size_t defaultEntry = defaultIndex_.value_or(0);
    const auto before = platform::readWholeFile(files_.working, BootIni::kMaxBytes);
    const std::string text = entriesText(entries_, defaultEntry);
    const auto bytes = text::toWindows1252(text);
    if (!bytes) return fail(reason, "a name holds a character that BOOT.INI cannot store");
    if (const auto status = platform::replaceFile(files_.working, *bytes, before); !status)
        return fail(reason, "working file: " + status.message);
    if (const auto value = timeoutValue();
        value && !functions_.SET_Ini(files_.workingWindowsPath, kLoaderSection, "timeout", *value))
        return fail(reason, "cannot write the timeout into the working file");
    if (defaultEntry < entries_.size() &&
        !functions_.SET_Ini(files_.workingWindowsPath, kLoaderSection, "default",
                            entries_[defaultEntry].path))
        return fail(reason, "cannot write the default entry into the working file");
    if (!fs::exists(files_.working)) return fail(reason, "the working file was not created");
    if (const auto status = platform::copyFile(files_.working, files_.real); !status)
        return fail(reason, "BOOT.INI: " + status.message);
    return true;
}

bool BootOptions::restore(std::string* reason) {
    if (!fs::exists(files_.backup)) return fail(reason, "there is no BOOT.BAK to restore");
    if (const auto status = platform::copyFile(files_.backup, files_.real); !status)
        return fail(reason, "BOOT.INI: " + status.message);
    return true;
}

void BootOptions::removeWorkingFile() {
    if (!fs::exists(files_.working)) return;
    if (const auto status = platform::deleteFiles(files_.working); !status)
        log::debug("bootlam", "working file: " + status.message);
}

}  // namespace vantix::bootlam
