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

// The file with one key's block replaced by `key` in wineserver's form and
// every other byte kept: what writeHive gives when `key` is the only changed
// key, its block is its only one and the blocks stand in save order.
std::string writeReplacingBlock(std::string_view text, std::uint32_t preambleEnd, ByteRange block,
                                const HiveKey& key);
// The same bytes in three pieces, so that a save need not copy the text
// around the block: the file is `before`, `block`, `after` in turn.
struct BlockReplacement {
    std::string_view before;
    std::string block;
    std::string_view after;
};
BlockReplacement replaceBlock(std::string_view text, std::uint32_t preambleEnd, ByteRange block,
                              const HiveKey& key);

// One key's block in wineserver's form (header, #time, #class, #link, values).
void appendKeyBlock(std::string& out, const HiveKey& key);

}  // namespace vantix::platform::reg
