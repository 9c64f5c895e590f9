#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lindrel32/Forward.h"

// The taskbar launcher list: up to 20 entries below "TrayIcons", which the
// taskbar module edits and the tray program shows.
namespace vantix::traskel {

inline constexpr std::string_view kTrayKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\TrayIcons";
inline constexpr std::string_view kRunKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValue = "1DDE Server";
inline constexpr std::string_view kRunCommand = "QVDDESVR.EXE /START";
inline constexpr std::string_view kTrayProgram = "QVDDESVR.EXE";
inline constexpr std::string_view kTrayLink = "QVDDESVR|DDESVR";
inline constexpr std::string_view kTrayCaption = "QV DDE Form     ";
inline constexpr std::string_view kUpdateTray = "{UPDATE_TRAY}";
inline constexpr std::string_view kEndTray = "{END}";
inline constexpr std::string_view kSpacerFile = "DUMMY";
inline constexpr std::string_view kModuleIcon = "MODUL";
inline constexpr std::string_view kModuleParameters = "/START";
inline constexpr int kMaxEntries = 20;

struct TrayEntry {
    bool spacer = false;
    std::string iconFile;  // "MODUL" for a configuration module
    std::string program;
    std::string name;
    std::string param;
    std::string workPath;
    std::string window;      // caption of the entry's window, used to raise it when it runs
    std::int16_t start = 1;  // 1 normal, 2 minimised, 3 maximised

    static TrayEntry makeSpacer() {
        TrayEntry entry;
        entry.spacer = true;
        return entry;
    }
    bool isModule() const { return !spacer && param == kModuleParameters; }
    friend bool operator==(const TrayEntry&, const TrayEntry&) = default;
};

// The picture an entry shows when its "Icon" file gives none.
enum class FallbackPicture { Module, DosProgram, Program, Spacer };
FallbackPicture fallbackPicture(const TrayEntry& entry);

// "01 " .. "20 ": the prefix of position n's value names.
std::string positionPrefix(int position);

// Positions 1 to 20 in order; missing positions are skipped, "DUMMY" gives a spacer.
std::vector<TrayEntry> readTrayList(lindrel32::IQVREG& registry, lindrel32::IQVFKT& functions);
// Deletes the whole key, then writes the entries densely from "01 ".
void saveTrayList(lindrel32::IQVREG& registry, const std::vector<TrayEntry>& entries);

// A stored start state as a number: the leading digits; 0, none or missing give 1.
std::int16_t parseStartState(std::string_view text);

// The colour of the off-screen picture box at a screen depth: pure green
// (65280) at 8 bits of colour or fewer, none otherwise.
std::optional<std::int32_t> pictureBoxColour(int screenDepth);

}  // namespace vantix::traskel
