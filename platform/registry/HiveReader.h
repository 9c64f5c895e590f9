#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/registry/Hive.h"

// Reads Wine's registry text format (system.reg, user.reg, userdef.reg).
namespace vantix::platform::reg {

// The first line of every hive file.
constexpr std::string_view kHiveSignature = "WINE REGISTRY Version 2";
// Largest file accepted; hostile sizes are refused before parsing.
constexpr std::size_t kMaxHiveBytes = std::size_t{1} << 30;
// Per name component of a key, and per value name, in UTF-16 units.
constexpr std::size_t kMaxKeyNameUnits = 256;
constexpr std::size_t kMaxValueNameUnits = 16383;
constexpr std::size_t kMaxKeyDepth = 512;

struct HiveParse {
    std::unique_ptr<Hive> hive;  // null on error
    std::size_t errorLine = 0;
    std::string error;  // "<source>: line N: reason"
};

// Parses `text` (taking ownership). `source` names the file in error messages.
// Lines that wineserver skips (junk, comments, values before the first key) are
// kept in the raw text; anything that would lose or misread data is an error.
HiveParse parseHive(std::string text, std::string_view source);

// Reads `text` as parseHive does without building its tree: the error
// parseHive would give ("" when it reads).
std::string checkHive(std::string_view text, std::string_view source);
// The same by the reader alone, for a caller whose quick check already failed.
std::string checkHiveByReading(std::string_view text, std::string_view source);

}  // namespace vantix::platform::reg
