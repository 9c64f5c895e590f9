#include "lindrel32/VersionTexts.h"

#include <cstdio>

namespace lindrel32 {

namespace {

// Days since 1970-01-01 to a civil date (H. Hinnant's algorithm).
void civilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

std::string hexUpper(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

std::string hiLo(std::uint32_t value) {
    return std::to_string(value >> 16) + "." + std::to_string(value & 0xFFFF);
}

std::optional<std::string> osText(std::uint32_t os) {
    switch (os) {
        case 0:
            return "Basis";
        case 0x00000001:
            return "WINDOWS16 Bit";
        case 0x00000002:
            return "Subsys 16Bit";
        case 0x00000003:
            return "Subsys 32Bit";
        case 0x00000004:
            return "Subsys Win32";
        case 0x00010001:
            return "DOS/Windows 16Bit";
        case 0x00010004:
            return "DOS/Windows 32Bit";
        case 0x00020000:
        case 0x00020002:
            return "OS/2 16Bit";
        case 0x00030000:
        case 0x00030003:
            return "OS/2 32Bit";
        case 0x00040000:
            return "Windows NT";
        case 0x00040004:
            return "Windows NT/Win32";
        default:
            return std::nullopt;
    }
}

std::optional<std::string> typeText(std::uint32_t type) {
    switch (type) {
        case 0:
            return "Unknown";
        case 1:
            return "Application";
        case 2:
            return "DLL";
        case 3:
            return "Treiberdatei";
        case 4:
            return "Schriftendatei";
        case 5:
            return "Virtual device driver";
        case 7:
            return "Static device driver";
        default:
            return std::nullopt;
    }
}

std::optional<std::string> subtypeText(std::uint32_t type, std::uint32_t subtype) {
    static const char* const kDrivers[] = {
        nullptr,           "Printer driver", "Keyboard driver",
        "Language driver", "Display driver", "Mouse driver",
        "Network driver",  "System driver",  "Installation driver",
        "Sound driver",    nullptr,          "Input driver"};
    static const char* const kFonts[] = {nullptr, "Raster font", "Vector font", "TrueType font"};
    if (type == 3 && subtype < std::size(kDrivers) && kDrivers[subtype]) return kDrivers[subtype];
    if (type == 4 && subtype < std::size(kFonts) && kFonts[subtype]) return kFonts[subtype];
    return std::nullopt;
}

std::optional<std::string> flagName(std::uint32_t flags) {
    static const char* const kNames[] = {"VS_FF_DEBUG",        "VS_FF_PRERELEASE",
                                         "VS_FF_PATCHED",      "VS_FF_PRIVATEBUILD",
                                         "VS_FF_INFOINFERRED", "VS_FF_SPECIALBUILD"};
    std::optional<std::string> name;
    for (std::size_t bit = 0; bit < std::size(kNames); ++bit)
        if (flags & (1u << bit)) name = kNames[bit];  // the last set flag wins
    return name;
}

}  // namespace

CalendarTime calendarFromUnix(std::int64_t seconds) {
    CalendarTime time;
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    civilFromDays(days, time.year, time.month, time.day);
    time.weekday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    time.hour = static_cast<int>(rest / 3600);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.second = static_cast<int>(rest % 60);
    return time;
}

CalendarTime calendarFromFileTime(std::uint64_t fileTime) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    return calendarFromUnix(static_cast<std::int64_t>(fileTime / 10000000ULL) -
                            kSecondsFrom1601To1970);
}

const char* weekdayAbbreviation(int weekday) {
    static const char* const kDays[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    return weekday >= 0 && weekday < 7 ? kDays[weekday] : "";
}

std::vector<std::optional<std::string>> fixedInfoTexts(
    const vantix::platform::FixedFileInfo& info) {
    std::vector<std::optional<std::string>> texts(9);
    texts[0] = hexUpper(info.signature);
    texts[1] = hiLo(info.structVersion);
    texts[2] = hiLo(info.fileVersionMS) + "." + std::to_string(info.fileVersionLS);
    texts[3] = hiLo(info.productVersionMS) + "." + std::to_string(info.productVersionLS);
    texts[4] = flagName(info.fileFlags);
    texts[5] = osText(info.fileOS);
    texts[6] = typeText(info.fileType);
    texts[7] = subtypeText(info.fileType, info.fileSubtype);
    if (info.fileDateMS != 0 || info.fileDateLS != 0) {
        const auto t =
            calendarFromFileTime((std::uint64_t{info.fileDateMS} << 32) | info.fileDateLS);
        texts[8] = std::string(weekdayAbbreviation(t.weekday)) + ". den " + std::to_string(t.day) +
                   "." + std::to_string(t.month) + "." + std::to_string(t.year) + " / " +
                   std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
                   std::to_string(t.second);
    }
    return texts;
}

}  // namespace lindrel32
