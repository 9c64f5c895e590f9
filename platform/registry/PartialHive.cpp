#include "platform/registry/PartialHive.h"

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
}

HiveParse parsePartialHive(std::string_view text, const HeaderIndex& index,
                           const std::vector<std::string>& components, std::string_view source,
                           std::vector<std::pair<std::uint32_t, ByteRange>>* blocks) {
    if (text.size() > kMaxHiveBytes || std::memchr(text.data(), 0, text.size()))
        return parseHive(std::string(text), source);
    std::vector<std::string> folded;
    folded.reserve(components.size());
    for (const auto& name : components) folded.push_back(vantix::text::foldCase(name));
    std::string part(text.substr(0, index.preambleEnd()));
    const auto& headers = index.headers();
    std::size_t deepestMade = 0;  // names of the path some chosen header already makes
    for (std::size_t h = 0; h < headers.size(); ++h) {
        const std::size_t begin = headers[h];
        const std::size_t end = h + 1 < headers.size() ? headers[h + 1] : text.size();
        const std::size_t lineEnd = std::min(end, text.find('\n', begin));
        std::string_view line = text.substr(begin, lineEnd - begin);
        while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
        Relation relation;
        if (!comparePlain(line, folded, relation)) relation = compareDecoded(line, folded);
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
