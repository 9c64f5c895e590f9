#pragma once

#include <chrono>
#include <filesystem>

// Making a new machine image a real Wine prefix, so that Wine's own programs
// and Control Panel applets are in it before our registry is laid over it.
namespace vantix::platform {

// Whether Wine's wineboot and wineserver are on PATH.
bool wineInstalled();

// Runs `wineboot --init` on `prefixDir` (an empty or missing folder) with the
// Mono and Gecko installers suppressed and no display, then waits for the
// prefix's wine server to end, so that Wine has written its registry files and
// no longer holds them. Throws MachineError when Wine fails or takes longer
// than `limit`.
void initWinePrefix(const std::filesystem::path& prefixDir,
                    std::chrono::seconds limit = std::chrono::minutes(10));

}  // namespace vantix::platform
