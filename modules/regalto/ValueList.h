#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "modules/regalto/RegistryPort.h"

// The value list of a key: "Default" first, one entry per other value, each
// with the display text of its registry type and the tag that picks its editor.
namespace vantix::regalto {

enum class ValueTag { None, Expan, Binar, Dword };

inline constexpr const char* kDefaultEntry = "Default";
inline constexpr const char* kValueNotSet = "(value not set)";
inline constexpr std::size_t kValueListCap = 501;

struct ValueEntry {
    std::string name;     // "Default" for the unnamed value
    std::string setting;  // the "Setting" column
    ValueTag tag = ValueTag::None;
    bool isDefault = false;
};

struct ValueListing {
    std::vector<ValueEntry> entries;
    bool truncated = false;  // the key holds more values than the list shows
};

std::string tagName(ValueTag tag);  // "EXPAN", "BINAR", "DWORD", ""
// The type letter a value of this tag is renamed with: "T", "B", "D".
std::string renameLetter(ValueTag tag);
ValueTag tagForType(std::int32_t type);
// "16  (10)"; the decimal text as read, the hex form of its 32 bits.
std::string dwordDisplay(const std::string& decimal);
// What GetReg-style reading shows for a value of `type`.
std::string displayText(RegistryPort& registry, const std::string& path, const std::string& name,
                        std::int32_t type);
ValueListing listValues(RegistryPort& registry, const std::string& path);

}  // namespace vantix::regalto
