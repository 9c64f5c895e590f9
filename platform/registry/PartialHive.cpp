#include "platform/registry/PartialHive.h"

#include <algorithm>
#include <cstring>

#include "platform/registry/WineEscape.h"
#include "platform/text/Text.h"

namespace vantix::platform::reg {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

// How a header's path relates to the path looked up: its first `matched`
// names are the path's first names; `exact` when it has no other names (it is
// the block of that key). `undecodable`: the reader refuses the header, so it
// is read and fails as the whole file does.
struct Relation {
    std::size_t matched = 0;
    bool exact = false;
    bool undecodable = false;
};

bool equalsFoldedAscii(std::string_view name, std::string_view folded) {
    if (name.size() != folded.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lowerAscii(name[i]) != folded[i]) return false;
    return true;
}

template <typename Equal>
void relate(std::size_t names, bool& equal, std::size_t size,
            const std::vector<std::string>& folded, Relation& out, Equal&& nameEquals) {
    if (size == 0 || size > kMaxKeyNameUnits || names > kMaxKeyDepth) out.undecodable = true;
    if (equal && out.matched < folded.size() && nameEquals(folded[out.matched]))
        ++out.matched;
    else
        equal = false;
}

// A path of plain ASCII names joined by "\\\\", compared without decoding;
// false when the header is not plain (escapes, non-ASCII, no closing ']').
bool comparePlain(std::string_view line, const std::vector<std::string>& folded, Relation& out) {
    std::size_t close = 0;
    for (std::size_t i = 1; i < line.size() && !close; ++i) {
        const char c = line[i];
        if (c == ']')
            close = i;
        else if (static_cast<unsigned char>(c) >= 0x80 || c == '[')
            return false;
        else if (c == '\\' && (++i >= line.size() || line[i] != '\\'))
            return false;
    }
    if (!close) return false;
    const std::string_view path = line.substr(1, close - 1);
    std::size_t names = 0;
    bool equal = true;
    for (std::size_t start = 0; !path.empty();) {
        const std::size_t separator = path.find("\\\\", start);
        const std::string_view name = path.substr(start, separator - start);
        relate(++names, equal, name.size(), folded, out,
               [&](std::string_view wanted) { return equalsFoldedAscii(name, wanted); });
        if (separator == std::string_view::npos) break;
        start = separator + 2;
    }
    out.exact = names == out.matched;
    return true;
}

// Any other header: decoded as the reader decodes it, name by name.
Relation compareDecoded(std::string_view line, const std::vector<std::string>& folded) {
    Relation out;
    std::u16string units;
    std::size_t pos = 1;
    if (!parseEscaped(line, pos, ']', units)) {
        out.undecodable = true;
        return out;
    }
    std::size_t names = 0;
    bool equal = true;
    for (std::size_t start = 0, i = 0; !units.empty() && i <= units.size(); ++i) {
        if (i < units.size() && units[i] != u'\\') continue;
        const std::u16string_view name(units.data() + start, i - start);
        start = i + 1;
        relate(++names, equal, name.size(), folded, out, [&](std::string_view wanted) {
            return vantix::text::foldCase(vantix::text::toUtf8(name)) == wanted;
        });
    }
    out.exact = names == out.matched;
    return out;
}

// The looked-up path as the file writes plain names: folded, joined by
// "\\\\"; empty when a name is not plain ASCII (every header is then decoded).
std::string plainNeedle(const std::vector<std::string>& folded) {
    std::string needle;
    for (const auto& name : folded) {
        for (const char c : name)
            if (static_cast<unsigned char>(c) >= 0x80 || c < 0x20) return {};
        if (!needle.empty()) needle += "\\\\";
        needle += name;
    }
    return needle;
}

// Where each name of the needle starts.
std::vector<std::size_t> nameStarts(std::string_view needle) {
    std::vector<std::size_t> starts{0};
    for (std::size_t at = needle.find("\\\\"); at != std::string_view::npos;
         at = needle.find("\\\\", at + 2))
        starts.push_back(at + 2);
    return starts;
}

// Compares a header (`h` at its '[') with the plain needle byte by byte from
// `starts[from]`, the start of a name the header is known to share with it,
// until they part; `stop` receives where that is in the needle. False when a
// byte there is not plain (an escape, non-ASCII), so the header must be
// decoded to know.
bool compareFast(const char* h, const char* end, std::string_view needle,
                 const std::vector<std::size_t>& starts, std::size_t from, Relation& out,
                 std::size_t& stop) {
    std::size_t done = from;  // names of the needle the header matched so far
    std::size_t k = starts[from];
    const char* p = h + 1 + k;
    const auto finish = [&](bool decided) {
        stop = k;
        return decided;
    };
    for (;; ++p, ++k) {
        const char c = p < end ? *p : '\n';
        const bool atBoundary = k == needle.size() || needle[k] == '\\';
        if (c == ']') {
            if (k == 0)
                out.exact = true;  // "[]": the root, on every path
            else if (atBoundary)
                out = {done + 1, true};
            else
                out.matched = done;  // the header's last name is shorter
            return finish(true);
        }
        if (c == '\\') {
            if (p + 1 >= end || p[1] != '\\') return finish(false);  // an escape
            if (!atBoundary) break;                                  // the header's name is shorter
            if (k == needle.size()) {                                // the header is below the key
                out.matched = starts.size();
                return finish(true);
            }
            ++done;
            ++p;
            ++k;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\n' || c == '[') return finish(false);
        if (k == needle.size() || lowerAscii(c) != needle[k]) break;
    }
    out.matched = done;  // the names part within the header's next name
    return finish(true);
}

std::size_t openingBracket(std::string_view text, std::size_t lineStart) {
    while (isBlank(text[lineStart])) ++lineStart;
    return lineStart;
}

}  // namespace

HeaderIndex::HeaderIndex(std::string_view text) {
    preambleEnd_ = static_cast<std::uint32_t>(text.size());
    const void* firstBreak = std::memchr(text.data(), '\n', text.size());
    if (!firstBreak) return;
    std::size_t pos =
        static_cast<std::size_t>(static_cast<const char*>(firstBreak) - text.data()) + 1;
    while (pos < text.size()) {
        const void* found = std::memchr(text.data() + pos, '[', text.size() - pos);
        if (!found) break;
        const std::size_t at =
            static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        std::size_t lineStart = at;
        while (lineStart > 0 && isBlank(text[lineStart - 1])) --lineStart;
        if (lineStart > 0 && text[lineStart - 1] == '\n')
            headers_.push_back(static_cast<std::uint32_t>(lineStart));
        pos = at + 1;
    }
    if (!headers_.empty()) preambleEnd_ = headers_.front();
    measureShared(text);
}

HeaderIndex::HeaderIndex(std::string_view text, HeaderPositions positions)
    : headers_(std::move(positions.starts)),
      shared_(std::move(positions.shared)),
      preambleEnd_(headers_.empty() ? static_cast<std::uint32_t>(text.size()) : headers_.front()) {
}

void HeaderIndex::measureShared(std::string_view text) {
    shared_.assign(headers_.size(), 0);
    const char* end = text.data() + text.size();
    for (std::size_t h = 1; h < headers_.size(); ++h) {
        const std::string_view previous = headerPath(text, headers_[h - 1]);
        const std::size_t length = std::min<std::size_t>(previous.size(), 0xFFFF);
        shared_[h] = static_cast<std::uint16_t>(commonPrefix(
            previous.data(), text.data() + openingBracket(text, headers_[h]) + 1, end, length));
    }
}

std::string_view headerPath(std::string_view text, std::size_t lineStart) {
    const std::size_t path = openingBracket(text, lineStart) + 1;
    std::size_t close = path;  // the ']' that closes it, past escapes
    while (close < text.size() && text[close] != ']' && text[close] != '\n')
        close += text[close] == '\\' ? 2 : 1;
    return text.substr(path, std::min(close, text.size()) - path);
}

bool blockHoldsOneHeader(std::string_view text, ByteRange block) {
    const std::string_view inside = text.substr(0, block.end);
    for (std::size_t at = inside.find('\n', block.begin); at != std::string_view::npos;
         at = inside.find('\n', at + 1)) {
        std::size_t line = at + 1;
        while (line < inside.size() && isBlank(inside[line])) ++line;
        if (line < inside.size() && inside[line] == '[') return false;
    }
    return true;
}

HiveParse parsePartialHive(std::string_view text, const HeaderIndex& index,
                           const std::vector<std::string>& components, std::string_view source,
                           std::vector<std::pair<std::uint32_t, ByteRange>>* blocks) {
    std::vector<std::string> folded;
    folded.reserve(components.size());
    for (const auto& name : components) folded.push_back(vantix::text::foldCase(name));
    std::string part(text.substr(0, index.preambleEnd()));
    const auto& headers = index.headers();
    std::size_t deepestMade = 0;  // names of the path some chosen header already makes
    const std::string needle = plainNeedle(folded);
    const std::vector<std::size_t> starts = nameStarts(needle);
    const char* const textEnd = text.data() + text.size();
    // The last header compared: its relation, and where in the needle it parted.
    Relation previous;
    bool previousDecided = false;
    std::size_t stop = 0;
    for (std::size_t h = 0; h < headers.size(); ++h) {
        const std::size_t begin = headers[h];
        const std::size_t end = h + 1 < headers.size() ? headers[h + 1] : text.size();
        const std::size_t open = openingBracket(text, begin);
        const std::size_t shared = h == 0 ? 0 : index.sharedWithPrevious(h);
        Relation relation;
        bool decided = false;
        if (!needle.empty()) {
            // The comparison stopped at `stop`, having looked one byte further.
            if (previousDecided && shared > stop + 1) {
                relation = previous;  // the same bytes up to where the needle parts
                decided = true;
            } else {
                // The header agrees with the needle as far as it agrees with the last one.
                const std::size_t known = std::min(shared, stop);
                const std::size_t from = static_cast<std::size_t>(
                    std::upper_bound(starts.begin(), starts.end(), known) - starts.begin() - 1);
                decided =
                    compareFast(text.data() + open, textEnd, needle, starts, from, relation, stop);
            }
            previous = relation;
            previousDecided = decided;
        }
        if (decided && !relation.exact && relation.matched <= deepestMade)
            continue;  // most headers: a key off the path, decided without finding the line's end
        const std::size_t lineEnd = std::min(end, text.find('\n', begin));
        if (!decided) {
            const std::string_view line = text.substr(open, lineEnd - open);
            relation = {};
            if (!comparePlain(line, folded, relation)) relation = compareDecoded(line, folded);
        }
        if (relation.undecodable || relation.exact) {
            if (blocks)
                blocks->push_back(
                    {static_cast<std::uint32_t>(part.size()),
                     {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end)}});
            part.append(text, begin, end - begin);  // the whole block: options and values
        } else if (relation.matched > deepestMade) {
            part.append(text, begin, lineEnd - begin);  // only the header: it makes the keys
            part.push_back('\n');
        } else {
            continue;
        }
        deepestMade = std::max(deepestMade, relation.matched);
    }
    return parseHive(std::move(part), source);
}

namespace {

// A header's path folded as the tree orders keys: name by name, a key before
// the keys below it (the separator, a NUL, sorts before every character).
bool orderKey(std::string_view line, std::string& out) {
    out.clear();
    for (std::size_t i = 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ']') return true;
        if (static_cast<unsigned char>(c) >= 0x80 || c == '[') break;
        if (c == '\\') {
            if (i + 1 >= line.size() || line[i + 1] != '\\') break;
            ++i;
            out.push_back('\0');
            continue;
        }
        out.push_back(lowerAscii(c));
    }
    std::u16string units;
    std::size_t pos = 1;
    if (!parseEscaped(line, pos, ']', units)) return false;
    // A NUL character would compare as the separator, which it is not.
    if (units.find(u'\0') != std::u16string::npos) return false;
    out.clear();
    for (std::size_t start = 0, i = 0; !units.empty() && i <= units.size(); ++i) {
        if (i < units.size() && units[i] != u'\\') continue;
        if (start > 0) out.push_back('\0');
        out += vantix::text::foldCase(
            vantix::text::toUtf8(std::u16string_view(units.data() + start, i - start)));
        start = i + 1;
    }
    return true;
}

}  // namespace

bool headersInSaveOrder(std::string_view text, const HeaderIndex& index) {
    std::string previous, current;
    const auto& headers = index.headers();
    for (std::size_t h = 0; h < headers.size(); ++h) {
        std::size_t begin = headers[h];
        while (isBlank(text[begin])) ++begin;
        const std::size_t end =
            std::min(h + 1 < headers.size() ? headers[h + 1] : text.size(), text.find('\n', begin));
        if (!orderKey(text.substr(begin, end - begin), current)) return false;
        if (h > 0 && !(previous < current)) return false;
        previous.swap(current);
    }
    return true;
}

}  // namespace vantix::platform::reg
