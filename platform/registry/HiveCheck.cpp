#include "platform/registry/HiveCheck.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/registry/HiveReader.h"

namespace vantix::platform::reg {
namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr auto kHexDigits = [] {
    std::array<bool, 256> table{};
    for (char c : std::string_view("0123456789abcdefABCDEF"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

bool isHex(char c) {
    return kHexDigits[static_cast<unsigned char>(c)];
}

int hexValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// A set of bytes that end a run, found 16 bytes at a time where the CPU allows.
template <bool High, char... Bytes>
struct Stops {
    // Which of the (up to 16) bytes from `p` on are one of `Bytes` or (with
    // `High`) 0x80 or above, as bits from the lowest; `count` receives how
    // many bytes that covers.
    static unsigned mask(const char* p, const char* end, std::size_t& count) {
#if defined(__SSE2__)
        if (end - p >= 16) {
            count = 16;
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            __m128i hit = _mm_setzero_si128();
            ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_set1_epi8(Bytes)))), ...);
            return static_cast<unsigned>(_mm_movemask_epi8(hit) |
                                         (High ? _mm_movemask_epi8(v) : 0));
        }
#endif
        count = std::min<std::size_t>(16, static_cast<std::size_t>(end - p));
        unsigned bits = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (((p[i] == Bytes) || ...) || (High && static_cast<unsigned char>(p[i]) >= 0x80))
                bits |= 1u << i;
        return bits;
    }
};

// What ends a run of quoted text: its closing quote, an escape, the line's end.
using QuotedStops = Stops<false, '"', '\\', '\n'>;
// What ends a name in a key header: the path's end, a separator or escape,
// and what the check leaves to the reader (bytes 0x80 and above, which Wine
// writes as escapes, and which may not read as characters at all).
using HeaderStops = Stops<true, ']', '\\', '[', '\n'>;
using LineEnd = Stops<false, '\n'>;

// One pass over the text with a cursor; each step leaves it at the start of the next line.
class Checker {
public:
    Checker(std::string_view text, HeaderPositions* headers)
        : begin_(text.data()),
          p_(text.data()),
          end_(text.data() + text.size()),
          headers_(headers) {}

    bool run() {
        const std::size_t size = static_cast<std::size_t>(end_ - begin_);
        if (size > kMaxHiveBytes || std::memchr(begin_, 0, size)) return false;
        if (static_cast<std::size_t>(end_ - p_) < kHiveSignature.size() ||
            std::memcmp(p_, kHiveSignature.data(), kHiveSignature.size()) != 0)
            return false;
        p_ += kHiveSignature.size();
        if (p_ < end_ && *p_++ != '\n') return false;
        while (p_ < end_)
            if (!line()) return false;
        return true;
    }

    std::optional<bool> inSaveOrder() const {
        if (orderBroken_) return false;
        if (orderUnknown_) return std::nullopt;
        return true;
    }

private:
    bool line() {
        const char* start = p_;
        while (p_ < end_ && isBlank(*p_)) ++p_;
        if (p_ == end_) return true;
        switch (*p_) {
            case '\n':
                ++p_;
                return true;
            case '[':
                if (headers_)
                    headers_->starts.push_back(static_cast<std::uint32_t>(start - begin_));
                inKey_ = true;
                return header() && skipLine();
            case '@':
            case '"':
                return inKey_ ? value() : skipLine();  // values before the first key are skipped
            case '#':
                return option() && skipLine();
            default:
                return skipLine();  // comments and junk lines, which the reader skips too
        }
    }

    // With the prefix's length known here, the comparison is a few instructions.
    template <std::size_t N>
    bool startsWith(const char (&prefix)[N]) const {
        return static_cast<std::size_t>(end_ - p_) >= N - 1 && std::memcmp(p_, prefix, N - 1) == 0;
    }

    // Past `prefix` when the text goes on with it.
    template <std::size_t N>
    bool consume(const char (&prefix)[N]) {
        if (!startsWith(prefix)) return false;
        p_ += N - 1;
        return true;
    }

    // Most lines end a few bytes after what is checked: 16 bytes are looked at
    // in place before the longer search.
    bool skipLine() {
        std::size_t count = 0;
        if (const unsigned breaks = LineEnd::mask(p_, end_, count)) {
            p_ += std::countr_zero(breaks) + 1;
            return true;
        }
        p_ += count;
        const void* nl = std::memchr(p_, '\n', static_cast<std::size_t>(end_ - p_));
        p_ = nl ? static_cast<const char*>(nl) + 1 : end_;
        return true;
    }

    void skipBlanks() {
        while (p_ < end_ && isBlank(*p_)) ++p_;
    }

    // Plain names joined by "\\\\", each 1 to 256 characters, at most 512 deep; or "[]".
    // The names it has in common with the header before were checked there.
    bool header() {
        const char* open = p_;
        const char* path = open + 1;
        const std::size_t shared =
            previousPath_ ? commonPrefix(previousPath_, path, end_, previousLength_) : 0;
        names_.resize(static_cast<std::size_t>(
            std::upper_bound(names_.begin(), names_.end(), shared) - names_.begin()));
        if (names_.empty()) names_.push_back(0);
        // Escapes within the shared names are the last header's.
        std::size_t escape = previousEscape_ < names_.back() ? previousEscape_ : kNoEscape;
        if (previousPath_) compareOrder(path, shared);
        const char* name = path + names_.back();
        const char* next = name;  // the first byte not yet read
        for (const char* chunk = name; chunk < end_;) {
            std::size_t count = 0;
            for (unsigned stops = HeaderStops::mask(chunk, end_, count); stops;
                 stops &= stops - 1) {
                const char* at = chunk + std::countr_zero(stops);
                if (at < next) continue;  // read as part of a separator or escape
                // Each byte is at most one character of the name.
                const auto length = static_cast<std::size_t>(at - name);
                if (length > kMaxKeyNameUnits) return false;
                if (*at == ']') {
                    p_ = at + 1;
                    previousPath_ = path;
                    previousLength_ = static_cast<std::size_t>(at - path);
                    previousEscape_ = escape;
                    if (headers_)
                        headers_->shared.push_back(
                            static_cast<std::uint16_t>(std::min<std::size_t>(shared, 0xFFFF)));
                    return at == path || length > 0;
                }
                if (*at != '\\' || end_ - at < 2) return false;  // '[', or the line ends open
                if (at[1] == '\\') {                             // a separator, after a name
                    if (length == 0 || names_.size() >= kMaxKeyDepth) return false;
                    name = next = at + 2;
                    names_.push_back(static_cast<std::uint32_t>(name - path));
                    continue;
                }
                escape = std::min(escape, static_cast<std::size_t>(at - path));
                next = escapeEnd(at);
                if (!next) return false;
            }
            chunk = std::max(chunk + count, next);
        }
        return false;
    }

    // One step of a path in the order the tree keeps keys: its end (-1), a
    // separator (0), or a name's character folded; kUndecided for what needs decoding.
    static constexpr int kUndecided = -2;
    static int orderUnit(const char*& p, const char* end) {
        if (p >= end) return kUndecided;
        const char c = *p;
        if (c == ']') return -1;
        if (c == '\\') {
            if (end - p < 2 || p[1] != '\\') return kUndecided;
            p += 2;
            return 0;
        }
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\n') return kUndecided;
        ++p;
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    }

    // Whether this header's path comes after the last one's. The two share
    // their first `shared` bytes; without an escape among them, the order is
    // decided where they part (at the start of a separator cut in two).
    void compareOrder(const char* path, std::size_t shared) {
        if (orderBroken_) return;
        if (previousEscape_ < shared) {
            orderUnknown_ = true;
            return;
        }
        std::size_t from = shared;
        while (from > 0 && previousPath_[from - 1] == '\\') --from;
        const char* a = previousPath_ + from;
        const char* b = path + from;
        for (;;) {
            const int x = orderUnit(a, end_);
            const int y = orderUnit(b, end_);
            if (x == kUndecided || y == kUndecided) {
                orderUnknown_ = true;
                return;
            }
            if (x != y) {
                orderBroken_ = x > y;
                return;
            }
            if (x < 0) {  // the same key again: it has two blocks
                orderBroken_ = true;
                return;
            }
        }
    }

    // Past an escape in a key name that stands for one character other than
    // a backslash (which would part the name); null for any other.
    const char* escapeEnd(const char* at) const {
        const char c = at[1];
        if (c == '\n' || (c >= '0' && c <= '7') || static_cast<unsigned char>(c) >= 0x80)
            return nullptr;
        if (c != 'x') return at + 2;
        const char* digit = at + 2;
        unsigned value = 0;
        for (; digit < end_ && digit - at < 6 && isHex(*digit); ++digit)
            value = value * 16 + static_cast<unsigned>(hexValue(*digit));
        return digit > at + 2 && value == '\\' ? nullptr : digit;
    }

    // From just past an opening quote to just past its closing quote on the same line.
    bool quoted() {
        const char* next = p_;  // the first byte not escaped
        for (const char* chunk = p_; chunk < end_;) {
            std::size_t count = 0;
            for (unsigned stops = QuotedStops::mask(chunk, end_, count); stops;
                 stops &= stops - 1) {
                const char* at = chunk + std::countr_zero(stops);
                if (at < next) continue;  // an escaped quote or backslash
                if (*at == '"') {
                    p_ = at + 1;
                    return true;
                }
                // An escape must have its character on the line.
                if (*at == '\n' || end_ - at < 2 || at[1] == '\n') return false;
                next = at + 2;
            }
            chunk = std::max(chunk + count, next);
        }
        return false;
    }

    bool value() {
        const char* start = p_++;
        // Longer names are counted by the reader, which decodes them.
        if (*start == '"' &&
            (!quoted() || static_cast<std::size_t>(p_ - start) > kMaxValueNameUnits))
            return false;
        skipBlanks();
        if (p_ == end_ || *p_ != '=') return false;
        ++p_;
        skipBlanks();
        if (consume("\"") || consume("str:\"") || consume("str(2):\"") || consume("str(7):\""))
            return quoted() && skipLine();
        if (consume("dword:")) {
            const char* digits = p_;
            while (p_ < end_ && isHex(*p_)) ++p_;
            return p_ - digits <= 8 && skipLine();
        }
        if (consume("hex:")) return hexData();
        if (consume("hex(")) {
            const char* digits = p_;
            while (p_ < end_ && isHex(*p_) && p_ - digits < 8) ++p_;
            if (p_ == digits || !consume("):")) return false;
            return hexData();
        }
        return false;  // an unknown type: the reader names it
    }

    // Bytes of one or two hex digits, separated by commas, continued over
    // lines by a backslash at the end of a line; leaves the cursor past the data.
    bool hexData() {
        for (;;) {
            // The usual run of two-digit bytes, each with its comma.
            while (end_ - p_ >= 3 && isHex(p_[0]) && isHex(p_[1]) && p_[2] == ',') p_ += 3;
            skipBlanks();
            if (p_ == end_) return true;
            if (*p_ == '\n') {
                ++p_;
                return true;
            }
            if (*p_ == '\\') {
                ++p_;
                skipBlanks();
                if (p_ == end_ || *p_ != '\n') return false;
                if (++p_ == end_) return false;  // continued past the end of the file
                continue;
            }
            if (!isHex(*p_)) return false;
            ++p_;
            if (p_ < end_ && isHex(*p_)) ++p_;
            if (p_ < end_ && isHex(*p_)) return false;  // three digits: not a byte
            skipBlanks();
            if (p_ < end_ && *p_ == ',')
                ++p_;
            else if (p_ < end_ && *p_ != '\\' && *p_ != '\n')
                return false;
        }
    }

    bool option() {
        if (!inKey_) {
            if (!consume("#arch=")) return true;
            if (!consume("win32") && !consume("win64")) return false;
            return p_ == end_ || *p_ == '\n';
        }
        if (!consume("#class=")) return true;  // #time and #link: any text reads
        return consume("\"") && quoted();
    }

    const char* begin_;
    const char* p_;
    const char* end_;
    HeaderPositions* headers_;
    bool inKey_ = false;
    // The last header's path, and where each of its names starts in it.
    const char* previousPath_ = nullptr;
    std::size_t previousLength_ = 0;
    static constexpr std::size_t kNoEscape = ~std::size_t{0};
    std::size_t previousEscape_ = kNoEscape;  // where its first escape starts
    std::vector<std::uint32_t> names_;
    bool orderBroken_ = false;
    bool orderUnknown_ = false;
};

}  // namespace

bool quickCheckHive(std::string_view text, HeaderPositions* headers) {
    if (headers) *headers = {};
    Checker checker(text, headers);
    if (!checker.run()) return false;
    if (headers) headers->inSaveOrder = checker.inSaveOrder();
    return true;
}

}  // namespace vantix::platform::reg
