#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tests/support/ScratchDir.h"

// Helpers for the registry tests: fixture files and images in scratch folders.
inline std::filesystem::path wineFixture(std::string_view name) {
    return std::filesystem::path(VANTIX_TEST_DATA) / "wine" / name;
}

inline std::string readFixture(std::string_view name) { return ScratchDir::read(wineFixture(name)); }

// An image folder holding copies of the Wine-written fixture hives.
inline void copyWineHives(const ScratchDir& dir) {
    for (const char* name : {"system.reg", "user.reg", "userdef.reg"})
        std::filesystem::copy_file(wineFixture(name), dir / name);
}

constexpr std::string_view kHeader = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n";
