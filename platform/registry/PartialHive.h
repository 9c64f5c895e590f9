#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry/HiveCheck.h"
#include "platform/registry/HiveReader.h"

// Reading one key of a hive file without reading the whole file: a scan finds
// the key header lines, and only the blocks a lookup needs are parsed, by the
// same reader that reads whole files.
namespace vantix::platform::reg {

// Where every key header line of a hive file's text starts.
class HeaderIndex {
public:
    explicit HeaderIndex(std::string_view text);
    // Headers a check of `text` already found (quickCheckHive).
    HeaderIndex(std::string_view text, HeaderPositions positions);
    const std::vector<std::uint32_t>& headers() const { return headers_; }
    // End of the header and options before the first key.
    std::uint32_t preambleEnd() const { return preambleEnd_; }
    // What header `h` has in common with the one before (HeaderPositions).
    std::uint16_t sharedWithPrevious(std::size_t h) const { return shared_[h]; }

private:
    void measureShared(std::string_view text);

    std::vector<std::uint32_t> headers_;
    std::vector<std::uint16_t> shared_;
    std::uint32_t preambleEnd_ = 0;
};

// The path of the header line at `lineStart`, from its '[' (not included) to
// the ']' that closes it, past escapes, or to the line's end.
std::string_view headerPath(std::string_view text, std::size_t lineStart);

// Whether no line of `block` but its first is a key header: the block of a
// single key, even where the headers it was found by were not the text's own.
bool blockHoldsOneHeader(std::string_view text, ByteRange block);

// The part of `text` that a lookup of `components` (names below the hive's
// root) needs, read as a hive: the header and options, the blocks of the key
// and of each key on its path (where links and values are), and the first
// header that makes each of those keys exist. Walking it finds the same key,
// values and links as walking the whole file does; faults in blocks it does
// not read are not seen: `text` must be one that reads whole (checkHive).
// `blocks`, when given, receives the range in `text` of each whole block
// read, by where it begins in the part (the blocks of the part's keys refer
// to the part's own text).
HiveParse parsePartialHive(std::string_view text, const HeaderIndex& index,
                           const std::vector<std::string>& components, std::string_view source,
                           std::vector<std::pair<std::uint32_t, ByteRange>>* blocks = nullptr);

// Whether every header names a plain path and comes after the one before it
// in save order (so no key has two blocks, and the file's order is the
// order the writer keeps): then one key's block can be rewritten alone.
bool headersInSaveOrder(std::string_view text, const HeaderIndex& index);

}  // namespace vantix::platform::reg
