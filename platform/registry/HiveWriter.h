#pragma once

#include <string>
#include <string_view>

#include "platform/registry/Hive.h"

// Writes a hive in Wine's registry text format.
namespace vantix::platform::reg {

// The whole file. Keys that were read and not changed are copied from the text
// they came from; changed and new keys are written the way wineserver writes
// them, in its save order. `rootComment` is the ";;" line for a new file.
std::string writeHive(const Hive& hive, std::string_view rootComment);

// One key's block in wineserver's form (header, #time, #class, #link, values).
void appendKeyBlock(std::string& out, const HiveKey& key);

}  // namespace vantix::platform::reg
