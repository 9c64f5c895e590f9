#include "platform/registry/HiveWriter.h"

#include "platform/registry/HiveReader.h"
#include "platform/registry/ValueData.h"
#include "platform/registry/WineEscape.h"

#include <algorithm>

namespace vantix::platform::reg {
namespace {

void appendPath(std::string& out, const HiveKey& key) {
    if (!key.parent) return;
    if (key.parent->parent) {
        appendPath(out, *key.parent);
        out += "\\\\";
    }
    std::u16string units;
    appendUtf8Units(units, key.name);
    appendEscaped(out, units, '[', ']');
}

void appendHexTime(std::string& out, std::uint64_t time) {
    static constexpr char kDigits[] = "0123456789abcdef";
    // wineserver prints "%x%08x": high dword unpadded, low dword padded to eight.
    const auto high = static_cast<std::uint32_t>(time >> 32);
    const auto low = static_cast<std::uint32_t>(time);
    char buffer[8];
    int n = 0;
    std::uint32_t v = high;
    do {
        buffer[n++] = kDigits[v & 15];
        v >>= 4;
    } while (v);
    while (n) out.push_back(buffer[--n]);
    for (int shift = 28; shift >= 0; shift -= 4) out.push_back(kDigits[(low >> shift) & 15]);
}

// Every block follows an empty line, as wineserver writes them.
void separate(std::string& out) {
    if (out.empty()) return;
    if (out.back() != '\n') out.push_back('\n');
    if (!out.ends_with("\n\n") && !out.ends_with("\n\r\n")) out.push_back('\n');
}

// A block that ended the file before keeps no trailing empty line now either.
void trimEnd(std::string& out, std::string_view text) {
    if (!text.empty() && !text.ends_with("\n\n")) {
        while (out.size() > 1 && out.ends_with("\n\n")) out.pop_back();
    }
}

// Unchanged blocks keep their place in the file; a changed or new key is
// written after the block that precedes it in save order. For a file in
// Wine's own order that is exactly Wine's output.
class Writer {
public:
    Writer(const Hive& hive, std::string& out) : hive_(hive), out_(out) {}

    void write() {
        collect(*hive_.root);
        std::sort(copied_.begin(), copied_.end(),
                  [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
        std::stable_sort(
            regenerated_.begin(), regenerated_.end(),
            [](const Regenerated& a, const Regenerated& b) { return a.after < b.after; });
        std::uint32_t rawEnd = hive_.preambleEnd;
        std::size_t next = 0;
        const auto emitRegeneratedAfter = [&](std::uint32_t anchor) {
            for (; next < regenerated_.size() && regenerated_[next].after == anchor; ++next) {
                separate();
                appendKeyBlock(out_, *regenerated_[next].key);
                rawEnd = 0;
            }
        };
        emitRegeneratedAfter(kAtStart);
        for (const ByteRange& block : copied_) {
            // Blocks that followed each other in the file still do: no separator.
            if (block.begin != rawEnd) separate();
            out_.append(hive_.text, block.begin, block.end - block.begin);
            rawEnd = block.end;
            emitRegeneratedAfter(block.begin);
        }
    }

private:
    static constexpr std::uint32_t kAtStart =
        0;  // no block starts at 0: the signature line is there

    struct Regenerated {
        std::uint32_t after;  // begin of the copied block it follows, or kAtStart
        const HiveKey* key;
    };

    void collect(const HiveKey& k) {
        if (!k.dirty && !k.blocks.empty()) {
            std::uint32_t last = 0;
            for (const ByteRange& block : k.blocks) {
                copied_.push_back(block);
                last = std::max(last, block.begin);
            }
            anchor_ = last;
        } else if (k.dirty && k.savedExplicitly()) {
            regenerated_.push_back({anchor_, &k});
        }
        for (const auto& child : k.children) collect(*child);
    }

    void separate() { reg::separate(out_); }

    const Hive& hive_;
    std::string& out_;
    std::vector<ByteRange> copied_;
    std::vector<Regenerated> regenerated_;
    std::uint32_t anchor_ = kAtStart;
};

}  // namespace

void appendKeyBlock(std::string& out, const HiveKey& key) {
    out.push_back('[');
    appendPath(out, key);
    out += "] ";
    const auto seconds = static_cast<std::uint32_t>(
        (static_cast<std::int64_t>(key.time) - static_cast<std::int64_t>(kUnixEpochFileTime)) /
        10000000);
    out += std::to_string(seconds);
    out += "\n#time=";
    appendHexTime(out, key.time);
    out.push_back('\n');
    if (key.className) {
        std::u16string units;
        appendUtf8Units(units, *key.className);
        out += "#class=\"";
        appendEscaped(out, units, '"', '"');
        out += "\"\n";
    }
    if (key.isLink) out += "#link\n";
    for (const HiveValue& v : key.values) appendWineValue(out, v.name, v.type, v.data);
}

std::string writeHive(const Hive& hive, std::string_view rootComment) {
    std::string out;
    out.reserve(hive.text.size() + 4096);
    if (hive.text.empty()) {
        out += kHiveSignature;
        out.push_back('\n');
        out += rootComment;
        out.push_back('\n');
    } else {
        out.append(hive.text, 0, hive.preambleEnd);
    }
    Writer(hive, out).write();
    trimEnd(out, hive.text);
    return out;
}

BlockReplacement replaceBlock(std::string_view text, std::uint32_t preambleEnd, ByteRange block,
                              const HiveKey& key) {
    // The blocks before and after stand back to back, as the whole writer copies them.
    BlockReplacement r;
    r.before = text.substr(0, std::max(preambleEnd, block.begin));
    // The separating lines depend on no more than the last three bytes before.
    std::string probe(r.before.substr(r.before.size() - std::min<std::size_t>(3, r.before.size())));
    const std::size_t probed = probe.size();
    separate(probe);
    r.block = probe.substr(probed);
    appendKeyBlock(r.block, key);
    if (block.end < text.size()) {
        separate(r.block);
        r.after = text.substr(block.end);
        if (r.after.size() < 2) {  // the file's last empty lines can then reach into the block
            r.block += r.after;
            r.after = {};
        }
    }
    // With two bytes or more after it, the file ends as it did.
    if (r.after.empty()) trimEnd(r.block, text);
    return r;
}

std::string writeReplacingBlock(std::string_view text, std::uint32_t preambleEnd, ByteRange block,
                                const HiveKey& key) {
    const BlockReplacement r = replaceBlock(text, preambleEnd, block, key);
    std::string out;
    out.reserve(r.before.size() + r.block.size() + r.after.size());
    out.append(r.before).append(r.block).append(r.after);
    return out;
}

}  // namespace vantix::platform::reg
