#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/registry/Hive.h"
#include "platform/registry/HiveCheck.h"

// A record, in the user's cache, of the hive texts that passed the quick check
// and of the headers it found in them: a process that reads a hive which an
// earlier one checked finds its headers without checking every line again.
// A record serves only the very bytes it was made from (their length and
// 128-bit hash), so it never stands for a file that changed since.
namespace vantix::platform::reg {

class HeaderIndex;
struct BlockReplacement;

// Smaller texts are checked faster than their record is read.
constexpr std::size_t kSmallestRecordedHive = 256 * 1024;
// Records kept at most; the oldest go first.
constexpr std::size_t kMostRecordedHives = 64;

// quickCheckHive(text, &headers), answered from the record for `file` where
// it was made from these bytes, and recorded where the text passes. A record
// a save made may know the headers' order where the check leaves it open.
// Records are only read from and written to a folder the user alone can write.
bool quickCheckHiveRecorded(const std::filesystem::path& file, std::string_view text,
                            HeaderPositions& headers);

// The headers quickCheckHive finds in `r`: `text` with one key's `block`
// replaced, the key's name and the other blocks unchanged, where `text`
// passed the check with `headers` and its order is `inSaveOrder` as far as
// known. Only where the new block passes the check on its own: the check takes
// each line alone, and the order and shared names of the headers are those of
// their unchanged paths. nullopt otherwise (the key's header is spelt anew).
std::optional<HeaderPositions> headersAfterReplacedBlock(std::string_view text,
                                                         const HeaderIndex& headers,
                                                         std::optional<bool> inSaveOrder,
                                                         ByteRange block,
                                                         const BlockReplacement& r);

// After a save wrote `file` as `r`, records its headers where
// headersAfterReplacedBlock knows them.
void recordReplacedBlock(const std::filesystem::path& file, std::string_view text,
                         const HeaderIndex& headers, std::optional<bool> inSaveOrder,
                         ByteRange block, const BlockReplacement& r);

}  // namespace vantix::platform::reg
