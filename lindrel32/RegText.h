#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

// The text forms of registry data behind the one-letter type codes:
// "D" signed decimal of a DWORD, "B" upper-case hex digit pairs, else a string.
namespace lindrel32::regtext {

// Stored data as GetReg shows it for `type`; nullopt where the query would fail
// (a DWORD read of more than four bytes).
std::optional<std::string> format(const vantix::platform::RegValue& value, std::string_view type);

// The value to store for `text` under `type`. Throws std::invalid_argument for
// "D" text that is no integer of the signed 32-bit range (decimal, or "&H" and up
// to eight hexadecimal digits) and "B" text with a piece that is not hexadecimal.
vantix::platform::RegValue parse(std::string name, std::string_view text, std::string_view type);

}  // namespace lindrel32::regtext
