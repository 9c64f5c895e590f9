#include "platform/machine/WindowsVersion.h"

#include <array>
#include <charconv>
#include <utility>

namespace vantix::platform {

namespace {

using Family = WindowsVersion::Family;

struct WineVersionName {
    std::string_view name;
    WindowsVersion version;
};

// The names Wine accepts for its "Version" setting, with the version each emulates.
constexpr std::array kWineVersions{
    WineVersionName{"win20", {Family::Win16, 200}},  WineVersionName{"win30", {Family::Win16, 300}},
    WineVersionName{"win31", {Family::Win16, 310}},  WineVersionName{"win95", {Family::Win9x, 400}},
    WineVersionName{"win98", {Family::Win9x, 410}},  WineVersionName{"winme", {Family::Win9x, 490}},
    WineVersionName{"nt351", {Family::Nt, 351}},     WineVersionName{"nt40", {Family::Nt, 400}},
    WineVersionName{"win2000", {Family::Nt, 500}},   WineVersionName{"win2k", {Family::Nt, 500}},
    WineVersionName{"nt2k", {Family::Nt, 500}},      WineVersionName{"nt2000", {Family::Nt, 500}},
    WineVersionName{"winxp", {Family::Nt, 501}},     WineVersionName{"winxp64", {Family::Nt, 502}},
    WineVersionName{"win2003", {Family::Nt, 502}},   WineVersionName{"win2k3", {Family::Nt, 502}},
    WineVersionName{"vista", {Family::Nt, 600}},     WineVersionName{"winvista", {Family::Nt, 600}},
    WineVersionName{"win2008", {Family::Nt, 600}},   WineVersionName{"win2k8", {Family::Nt, 600}},
    WineVersionName{"win2008r2", {Family::Nt, 601}}, WineVersionName{"win2k8r2", {Family::Nt, 601}},
    WineVersionName{"win7", {Family::Nt, 601}},      WineVersionName{"win8", {Family::Nt, 602}},
    WineVersionName{"win81", {Family::Nt, 603}},     WineVersionName{"win10", {Family::Nt, 1000}},
    WineVersionName{"win11", {Family::Nt, 1000}},
};

std::optional<int> parseNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<WindowsPlatform> platformFromName(std::string_view name) {
    if (name == "win95") return WindowsPlatform::Win95;
    if (name == "win98") return WindowsPlatform::Win98;
    if (name == "nt4") return WindowsPlatform::Nt4;
    return std::nullopt;
}

std::string_view platformName(WindowsPlatform platform) {
    switch (platform) {
        case WindowsPlatform::Win95:
            return "win95";
        case WindowsPlatform::Win98:
            return "win98";
        case WindowsPlatform::Nt4:
            return "nt4";
        case WindowsPlatform::Other:
            break;
    }
    return "other";
}

std::optional<WindowsVersion> versionFromWineName(std::string_view name) {
    for (const auto& entry : kWineVersions)
        if (entry.name == name) return entry.version;
    return std::nullopt;
}

std::optional<int> versionNumberFromText(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto dot = text.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const auto major = parseNumber(text.substr(0, dot));
    std::string_view rest = text.substr(dot + 1);
    rest = rest.substr(0, rest.find('.'));
    const auto minor = parseNumber(rest);
    if (!major || !minor || *major > 99 || *minor > 99) return std::nullopt;
    return *major * 100 + *minor;
}

WindowsPlatform platformOf(const WindowsVersion& version) {
    switch (version.family) {
        case Family::Win9x:
            return version.number <= 400 ? WindowsPlatform::Win95 : WindowsPlatform::Win98;
        case Family::Nt:
            return version.number > 351 ? WindowsPlatform::Nt4 : WindowsPlatform::Other;
        case Family::Win16:
            break;
    }
    return WindowsPlatform::Other;
}

}  // namespace vantix::platform
