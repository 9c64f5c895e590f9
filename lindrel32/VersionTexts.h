#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/peimage/VersionInfo.h"

// The display texts of a version resource, entry by entry as INF_FileVersion
// fills its result array.
namespace lindrel32 {

struct CalendarTime {
    int weekday = 0;  // 0 = Sunday
    int day = 1, month = 1, year = 1601, hour = 0, minute = 0, second = 0;
};
// A FILETIME (100 ns since 1601, UTC) as calendar fields.
CalendarTime calendarFromFileTime(std::uint64_t fileTime);
// A Unix time in seconds as calendar fields (UTC).
CalendarTime calendarFromUnix(std::int64_t seconds);
const char* weekdayAbbreviation(int weekday);

// Entries 0..8; entries without a value are nullopt.
std::vector<std::optional<std::string>> fixedInfoTexts(const vantix::platform::FixedFileInfo& info);

// The names queried below each language's block, in entry order.
inline constexpr const char* kVersionStringNames[] = {
    "Comments",       "CompanyName",    "FileDescription",  "FileVersion", "InternalName",
    "LegalCopyright", "LegalTrademark", "OriginalFilename", "ProductName", "ProductVersion"};
inline constexpr std::size_t kMaxTranslations = 9;

}  // namespace lindrel32
