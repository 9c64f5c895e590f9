#include "lindrel32/QVFKT.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "lindrel32/AnsiScramble.h"
#include "lindrel32/FileNameParts.h"
#include "platform/windowing/WindowSystem.h"
#include "platform/files/DosAttributes.h"
#include "platform/files/DosWildcard.h"
#include "platform/files/FileOperations.h"
#include "platform/files/ShortName.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/paths/Confinement.h"
#include "platform/peimage/FileIcons.h"
#include "platform/process/ProgramKind.h"
#include "platform/process/StartTarget.h"
#include "platform/profile/Profile.h"
#include "platform/shelllink/ShellLink.h"
#include "platform/text/Text.h"

namespace lindrel32 {

namespace fs = std::filesystem;
namespace platform = vantix::platform;
namespace log = vantix::log;

namespace {

constexpr const char* kAbsent = "NO Key";
constexpr std::size_t kIniBuffer = 128;
constexpr std::size_t kShortNameBuffer = 164;

// The mask of bit `bit` below 31: 2^bit rounded, so a negative bit gives 0.
std::int32_t bitMask(std::int32_t bit) {
    if (bit >= 32) throw std::overflow_error("bit number " + std::to_string(bit) + " is beyond 31");
    if (bit < 0) return 0;
    return static_cast<std::int32_t>(1u << bit);
}

}  // namespace

QVFKT::QVFKT() = default;
QVFKT::QVFKT(platform::Machine& machine) : machine_(&machine) {
}

platform::Machine& QVFKT::machine() {
    return machine_ ? *machine_ : platform::currentMachine();
}

std::optional<fs::path> QVFKT::confinedHostPath(const std::string& path) {
    auto& image = machine();
    const auto host = image.hostPath(path);
    if (!host) {
        log::debug("lindrel32", "no host path for " + path);
        return std::nullopt;
    }
    if (const auto refused =
            platform::confinementViolation(image.dir(), platform::programDir(), *host)) {
        log::warning("lindrel32", "refused: " + *refused);
        return std::nullopt;
    }
    return host;
}

bool QVFKT::GET_IsBitSet(std::int32_t Num, std::int32_t bit) {
    if (bit == 31) return Num < 0;
    return (Num & bitMask(bit)) != 0;
}

std::int32_t QVFKT::SET_Bit(std::int32_t& Num, std::int32_t bit) {
    Num = bit == 31 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(Num) | 0x80000000u)
                    : Num | bitMask(bit);
    return Num;
}

std::int32_t QVFKT::DEL_Bit(std::int32_t& Num, std::int32_t bit) {
    Num = bit == 31 ? (Num & 0x7FFFFFFF) : (Num & ~bitMask(bit));
    return Num;
}

std::string QVFKT::CRYPT(const std::string& XText) {
    return xorAnsi(XText, kCryptKey);
}

namespace {

using vantix::platform::ShowState;
using vantix::platform::WindowRect;
using vantix::platform::windowSystem;

int twipsPerPixel() {
    const int dpi = windowSystem().logicalDpi();
    return dpi > 0 ? 1440 / dpi : 15;
}

}  // namespace

std::int32_t QVFKT::GET_TaskHandle(std::int32_t& Handle, std::string& TaskName) {
    (void)Handle;  // every top-level window shares one z-order level here
    auto& windows = windowSystem();
    const std::string wanted = vantix::text::toUpper(vantix::text::trim(TaskName));
    for (const std::int32_t window : windows.topLevelWindows()) {
        const std::string title = windows.title(window).value_or("");
        const std::string candidate = vantix::text::toUpper(vantix::text::trim(title));
        if (!candidate.empty() && candidate.find(wanted) != std::string::npos) {
            TaskName = title;
            return window;
        }
        windows.processEvents();
    }
    return 0;
}

std::int32_t QVFKT::GET_WindowPos(std::int32_t Handle, std::int32_t& RLeft, std::int32_t& RTop,
                                  std::int32_t& RWidth, std::int32_t& RHeight) {
    const auto rect = windowSystem().rect(Handle);
    if (!rect || (rect->left <= 0 && rect->top <= 0)) return 0;
    const int twips = twipsPerPixel();
    RLeft = rect->left * twips;
    RTop = rect->top * twips;
    RWidth = rect->width * twips;
    RHeight = rect->height * twips;
    return 1;
}

bool QVFKT::SET_CenterWindow(std::int32_t MainHandle, std::int32_t SubForm) {
    auto& windows = windowSystem();
    const auto sub = windows.rect(SubForm);
    if (!sub) return false;
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    WindowRect target = *sub;
    if (GET_WindowPos(MainHandle, left, top, width, height) && MainHandle > 0) {
        const int twips = twipsPerPixel();
        target.left = (left + (width - sub->width * twips) / 2) / twips;
        target.top = (top + (height - sub->height * twips) / 2) / twips;
    } else {
        const auto screen = windows.screen();
        target.left = (screen.width - sub->width) / 2;
        target.top = (screen.height - sub->height) / 2;
    }
    windows.move(SubForm, target);
    return false;
}

void QVFKT::SET_ViewWindow(std::int32_t Handle, std::int16_t Attribut) {
    const ShowState state = Attribut == 2   ? ShowState::Minimised
                            : Attribut == 3 ? ShowState::Maximised
                                            : ShowState::Normal;
    windowSystem().setShowState(Handle, state);
}

void QVFKT::FILE_Copy(const std::string& Quelldatei, const std::string& Zieldatei) {
    if (!GET_FileExist(Quelldatei)) return;
    const auto source = confinedHostPath(Quelldatei);
    const auto target = confinedHostPath(Zieldatei);
    if (!source || !target) return;
    std::error_code error;
    if (fs::exists(*target, error)) platform::setNormalAttributes(*target);
    if (const auto status = platform::copyFile(*source, *target); !status)
        log::debug("lindrel32", "FILE_Copy: " + status.message);
}

void QVFKT::FILE_Delete(const std::string& Datei) {
    const auto host = confinedHostPath(Datei);
    if (!host) return;
    if (!platform::hasDosWildcard(host->filename().string())) platform::setNormalAttributes(*host);
    if (const auto status = platform::deleteFiles(*host); !status)
        log::debug("lindrel32", "FILE_Delete: " + status.message);
}

bool QVFKT::ShellExec(std::int32_t, const std::string& Datei, const std::string& Param,
                      const std::string& WorkPath, std::int16_t) {
    platform::StartRequest request;
    request.target = Datei;
    request.parameters = Param;
    request.workingDir = WorkPath;
    try {
        request.imageDir = machine().dir();
    } catch (const platform::MachineError& error) {
        log::debug("lindrel32", std::string("ShellExec: ") + error.what());
        return false;
    }
    const platform::SpawnResult result = platform::startTarget(request);
    if (!result.started) log::debug("lindrel32", "ShellExec: " + result.reason);
    return result.started;
}

bool QVFKT::GET_FileIcon(platform::RgbaImage& Picture, const std::string& ExeFile,
                         std::int16_t IconNummer) {
    const std::string path(filename::withoutIconIndex(ExeFile));
    const int index = filename::iconIndex(ExeFile, IconNummer);
    try {
        const auto host = machine().hostPath(path);
        if (!host) return false;
        Picture = platform::FileIcons::fromFile(*host).extract(index);
        return true;
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_FileIcon: ") + error.what());
        return false;
    }
}

void QVFKT::APP_Terminate(std::int32_t ProcessID) {
    windowSystem().postClose(ProcessID);
}

bool QVFKT::GET_FileExecutable(const std::string& ExeFile) {
    try {
        const auto host = machine().hostPath(ExeFile);
        if (!host || !fs::is_regular_file(*host)) return false;
        // The shell names the file itself as its own opener only for programs.
        const platform::ProgramKind kind = platform::programKind(*host);
        return kind == platform::ProgramKind::Native || kind == platform::ProgramKind::Windows;
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_FileExecutable: ") + error.what());
        return false;
    }
}

std::string QVFKT::GET_ShortFileName(const std::string& FileName) {
    try {
        const auto shortName = platform::shortWindowsPath(machine().dir(), FileName);
        if (!shortName || shortName->size() >= kShortNameBuffer) return "";
        return *shortName;
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_ShortFileName: ") + error.what());
        return "";
    }
}

bool QVFKT::GET_FileExist(const std::string& File) {
    const std::string_view path = filename::withoutIconIndex(File);
    if (platform::hasDosWildcard(path)) return false;
    try {
        const auto host = machine().hostPath(path);
        if (!host || fs::is_directory(*host)) return false;
        std::ifstream in(*host);
        return in.is_open();
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_FileExist: ") + error.what());
        return false;
    }
}

std::int32_t QVFKT::GET_WinVersion() {
    std::int16_t ignored = 0;
    return GET_WinVersion(ignored);
}

std::int32_t QVFKT::GET_WinVersion(std::int16_t& Number) {
    try {
        auto& image = machine();
        const platform::WindowsPlatform code = image.platform();
        const int number = image.versionNumber();
        // Windows 3.x is neither family: its number is not reported.
        if (code != platform::WindowsPlatform::Other || number >= 351)
            Number = static_cast<std::int16_t>(number);
        return static_cast<std::int32_t>(code);
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_WinVersion: ") + error.what());
        return 0;
    }
}

void QVFKT::CREATE_Shortcut(const std::string& DestFolder, const std::string& LinkName,
                            const std::string& LinkPath, const std::string& Arguments) {
    try {
        const auto folder = confinedHostPath(DestFolder);
        if (!folder) return;
        platform::ShellLink link;
        link.target = LinkPath;
        link.arguments = Arguments;
        platform::createShortcut(*folder, LinkName, link);
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("CREATE_Shortcut: ") + error.what());
    }
}

std::string QVFKT::GET_Dateiname(const std::string& Pfad, bool Ext) {
    return filename::namePart(Pfad, Ext);
}

std::string QVFKT::GET_Pfadname(const std::string& Pfad) {
    return filename::folderPart(Pfad);
}

std::optional<fs::path> QVFKT::iniPath(const std::string& FileName) {
    // A bare name lives in the Windows folder, as the profile functions place it.
    const bool bare = FileName.find_first_of("\\/") == std::string::npos;
    return confinedHostPath(bare ? machine().windowsDir() + "\\" + FileName : FileName);
}

std::string QVFKT::GET_Ini(const std::string& FileName, const std::string& Section,
                           const std::string& Keyword) {
    try {
        const auto host = iniPath(FileName);
        if (!host) return kAbsent;
        const auto value =
            platform::readProfileString(&machine().registry(), *host, Section, Keyword);
        if (!value || value->empty()) return kAbsent;
        const std::u16string units = vantix::text::toUtf16(*value);
        return units.size() < kIniBuffer ? *value
                                         : vantix::text::toUtf8(units.substr(0, kIniBuffer - 1));
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("GET_Ini: ") + error.what());
        return kAbsent;
    }
}

bool QVFKT::SET_Ini(const std::string& FileName, const std::string& Section,
                    const std::string& Keyword, const std::string& Wert) {
    try {
        const auto host = iniPath(FileName);
        if (!host) return false;
        const auto status =
            platform::writeProfileString(&machine().registry(), *host, Section, Keyword, Wert);
        if (!status) log::debug("lindrel32", "SET_Ini: " + status.message);
        return static_cast<bool>(status);
    } catch (const std::exception& error) {
        log::debug("lindrel32", std::string("SET_Ini: ") + error.what());
        return false;
    }
}

void QVFKT::SET_FormTop(std::int32_t Handle, bool Top) {
    if (Top) {
        windowSystem().setTopmost(Handle, true);
    } else {
        windowSystem().raise(Handle);
    }
}

}  // namespace lindrel32
