#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

// A fast check of a hive file's text, for lookups that read only some of its
// blocks but must fail on a fault anywhere, as a whole load does.
namespace vantix::platform::reg {

// Where the key header lines of a text start (at their first blank or '['),
// and for each how many bytes after its '[' it has in common with the header
// before it, no more than that one's path holds (0 for the first; at most
// 65535): a lookup that compared the one header need not compare them again.
struct HeaderPositions {
    std::vector<std::uint32_t> starts;
    std::vector<std::uint16_t> shared;
    // Whether the headers stand in save order, as headersInSaveOrder tells;
    // nullopt where names it does not decode leave that to it.
    std::optional<bool> inSaveOrder;
};

// Raised whenever what quickCheckHive passes, or the headers it reports,
// change: records of earlier checks (CheckedHives.h) then no longer count.
constexpr std::uint32_t kQuickCheckRevision = 1;

// True only for text that parseHive reads. It reads the lines Wine writes
// without decoding them; text it is unsure of (a CR, an unusual option, a
// header with escapes) gives false, and the reader itself then says whether
// and where it is wrong. `headers`, when given, receives the headers' positions.
bool quickCheckHive(std::string_view text, HeaderPositions* headers = nullptr);

// How many bytes `a` and `b` have in common, up to `cap`; `b` comes after `a`
// and `end` bounds both.
inline std::size_t commonPrefix(const char* a, const char* b, const char* end, std::size_t cap) {
    std::size_t n = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; n + 8 <= cap && b + n + 8 <= end; n += 8) {
            std::uint64_t x, y;
            std::memcpy(&x, a + n, 8);
            std::memcpy(&y, b + n, 8);
            if (x != y) return n + static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
        }
    }
    while (n < cap && b + n < end && a[n] == b[n]) ++n;
    return n;
}

}  // namespace vantix::platform::reg
