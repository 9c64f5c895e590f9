#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Hive.h"
#include "platform/registry/Registry.h"

// Where a registry path lands: the root's hive file, the key names below that
// hive's root, and the walk down the tree that follows symbolic links. Works
// on any in-memory hives, so it can be tried without files.
namespace vantix::platform::reg {

enum HiveId { SystemHive = 0, UserHive = 1, DefaultUserHive = 2, NoHive = -1 };

constexpr std::array<std::string_view, 3> kHiveFiles{"system.reg", "user.reg", "userdef.reg"};
constexpr std::string_view kUserSid = "S-1-5-21-0-0-0-1000";
constexpr std::string_view kDefaultUser = ".Default";
constexpr std::size_t kMaxLinkHops = 16;
constexpr std::size_t kMaxNewKeyNameUnits = 255;

// Whether a walk makes the keys it does not find, and whether a link in the
// last place is followed (or the link key itself is the result).
enum class Missing { Fail, Create };
enum class FinalLink { Keep, Follow };

inline RegStatus status(RegStatus::Code code, std::string message) {
    return RegStatus{code, std::move(message)};
}

std::size_t utf16Length(std::string_view utf8);

// The key's path below its hive's root, in its stored spelling.
std::string keyPath(const HiveKey& key);

// Splits "a\b\c" (one trailing backslash allowed); false for an empty name.
[[nodiscard]] bool splitPath(std::string_view path, std::vector<std::string>& out);

struct Location {
    int hive = NoHive;
    bool virtualRoot = false;  // HKEY_USERS itself, or an always-empty root
    std::vector<std::string> components;
};

// Maps a root and its subkey path to a hive and the components below its root.
[[nodiscard]] bool locate(Root root, std::string_view subKey, Location& loc, RegStatus& st);

// The target of a link key: its hive and the path below that hive's root.
[[nodiscard]] bool linkTarget(HiveKey& link, int& hive, std::vector<std::string>& components);

// What a walk needs from its owner: the hive to search for a path (loaded
// whole, or only the part that path needs) and the making of a missing key.
class HiveSource {
public:
    virtual ~HiveSource() = default;
    // Null (with `st` set) when the hive cannot be read.
    virtual Hive* hiveFor(int hive, const std::vector<std::string>& components, RegStatus& st) = 0;
    virtual HiveKey& createChild(int hive, HiveKey& parent, const std::string& name,
                                 std::string folded) = 0;
};

// Walks `components` from the root of hive `hive` (updated when a link leads
// to another hive), following links on the way and, with FinalLink::Follow, in
// the last place too.
[[nodiscard]] HiveKey* walk(HiveSource& source, int& hive, std::vector<std::string> components,
                            Missing missing, FinalLink finalLink, RegStatus& st);

}  // namespace vantix::platform::reg
