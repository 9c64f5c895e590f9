#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The in-memory tree of one Wine registry file. Keys that were read and not
// changed keep the byte range of their block in the file's text, so a rewrite
// reproduces them exactly; changed keys are regenerated in Wine's normal form.
namespace vantix::platform::reg {

struct HiveValue {
    std::string name;    // UTF-8, case kept
    std::string folded;  // case-folded name for lookups
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

struct ByteRange {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
};

struct HiveKey {
    std::string name;
    std::string folded;
    HiveKey* parent = nullptr;
    std::uint64_t time = 0;  // FILETIME
    std::optional<std::string> className;
    bool isLink = false;
    bool dirty = false;                              // regenerate this key's block on save
    std::vector<ByteRange> blocks;                   // where the key's block(s) stood in the file
    std::vector<HiveValue> values;                   // in Wine's save order
    std::vector<std::unique_ptr<HiveKey>> children;  // in Wine's save order

    HiveKey* child(std::string_view foldedName) const;
    // Adds a child (the name must be new); keeps Wine's order.
    HiveKey& addChild(std::string name, std::string foldedName, std::uint64_t time);
    // Removes and returns the child, or null.
    std::unique_ptr<HiveKey> takeChild(const HiveKey* key);
    // Inserts a key taken from elsewhere (for renames); its name must be new here.
    HiveKey& adoptChild(std::unique_ptr<HiveKey> key);

    HiveValue* value(std::string_view foldedName);
    // Inserts or replaces the value of that name; returns it.
    HiveValue& putValue(HiveValue value);
    bool eraseValue(std::string_view foldedName);

    // Would wineserver write a block for this key (values, no subkeys, class or link)?
    bool savedExplicitly() const {
        return !values.empty() || children.empty() || className || isLink;
    }

private:
    void rebuildIndex();
    std::unique_ptr<std::unordered_map<std::string_view, HiveKey*>> index_;  // only for wide keys
};

struct Hive {
    std::string text;               // the file as it was read ("" for a new file)
    std::uint32_t preambleEnd = 0;  // header and global options before the first key
    std::unique_ptr<HiveKey> root = std::make_unique<HiveKey>();
    bool changed = false;  // anything differs from `text`
};

// Wine's save order of names: folded units compared over the common length, shorter first.
bool wineOrderLess(std::string_view foldedA, std::string_view foldedB);

// FILETIME of the current instant and the conversion to Unix seconds Wine writes.
std::uint64_t fileTimeNow();
constexpr std::uint64_t kUnixEpochFileTime = 116444736000000000ULL;

}  // namespace vantix::platform::reg
