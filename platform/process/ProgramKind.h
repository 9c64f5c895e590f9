#pragma once

#include <filesystem>
#include <string_view>

namespace vantix::platform {

enum class ProgramKind {
    Native,        // an ELF file, or a "#!" script with its executable bit
    Windows,       // .EXE .COM .BAT .PIF (by extension, as Windows decides)
    ControlPanel,  // .CPL
    Document,      // anything else: opened with the desktop's default application
};

// What `file` (an existing host file) is. Native wins over the extension, so
// our own programs keep their Windows names (REGALTO.EXE) and still run directly.
ProgramKind programKind(const std::filesystem::path& file);

// True for "http://...", "https://...", "ftp://...", "file:...", "mailto:..." and
// other "scheme:" texts of two or more letters (one letter is a drive).
bool isWebAddress(std::string_view text);

}  // namespace vantix::platform
