#pragma once

#include <optional>
#include <string_view>

#include "platform/machine/Machine.h"

namespace vantix::platform {

// A Windows version as GetVersionEx reports it: the family and major * 100 + minor.
struct WindowsVersion {
    enum class Family { Nt, Win9x, Win16 };
    Family family = Family::Nt;
    int number = 0;
};

// The version Wine emulates for a name of HKCU\Software\Wine "Version" ("win98",
// "nt40", "win7" ...); compared case-sensitively, as Wine does. nullopt: unknown.
std::optional<WindowsVersion> versionFromWineName(std::string_view name);

// "4.10.2222" or "4.0" -> 410 / 400; nullopt when the text holds no "major.minor".
std::optional<int> versionNumberFromText(std::string_view text);

// The platform code of a version: 1 NT above 3.51, 2 Windows 95, 3 later 9x, 0 else.
WindowsPlatform platformOf(const WindowsVersion& version);

}  // namespace vantix::platform
