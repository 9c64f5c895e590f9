#pragma once

#include <filesystem>
#include <string>

// The desktop's login entry that starts the tray program on one machine image
// (a Windows Run key is never run by a Linux session).
namespace vantix::traskel {

// $XDG_CONFIG_HOME/autostart (else ~/.config/autostart)/vantix-qvddesvr-<image key>.desktop
std::filesystem::path autostartFile(const std::filesystem::path& imageDir);
// The entry's text: runs `trayProgram` "--machine" `imageDir` "/START".
std::string autostartEntry(const std::filesystem::path& trayProgram,
                           const std::filesystem::path& imageDir);
// Writes (atomically) or removes the entry; false when that failed.
bool setAutostartEntry(bool on, const std::filesystem::path& trayProgram,
                       const std::filesystem::path& imageDir);

}  // namespace vantix::traskel
