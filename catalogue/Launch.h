#pragma once

#include <cstdint>
#include <string>

#include "catalogue/CatalogueHost.h"
#include "catalogue/ProgramStarter.h"
#include "platform/database/Database.h"

// Starting the object of a list entry by the Mode of the open group.
namespace vantix::catalogue {

inline constexpr const char* kControlPanelRunner = "rundll32.exe shell32.dll,Control_RunDLL ";

// "rundll32.exe shell32.dll,Control_RunDLL DESK.CPL"
std::string appletCommandLine(const std::string& entryKey);
// "\"<program folder>Module\REGALTO\"/START": the platform finds REGALTO.EXE.
std::string moduleCommandLine(const std::string& programDir, const std::string& entryKey);

// Starts the entry: an applet (SYST), a module (TOOL) or a tool (UTIL, only
// when its file exists). False when nothing was started (HIDD, an empty key, a
// missing tool) or the start failed.
bool LaunchObject(platform::Database& database, CatalogueHost& host, ProgramStarter& starter,
                  const std::string& mode, const std::string& entryKey, const std::string& programDir);

}  // namespace vantix::catalogue
