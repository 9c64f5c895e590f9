#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "tweaks/ChangeRecorder.h"

// What one apply changed, reduced to its net effect: each registry value,
// key and file it touched with the state before and the state it left. Undo
// restores exactly these and checks them against what is there now.
namespace vantix::tweaks {

struct ValueEffect {
    std::string hive;  // "system.reg", "user.reg" or "userdef.reg"
    std::string key;   // below the hive's root, in its stored spelling
    std::string name;
    std::optional<platform::RegValue> before;  // nullopt: absent
    std::optional<platform::RegValue> after;
};

struct KeyEffect {
    std::string hive;
    std::string key;
    bool existedBefore = true;
    std::uint64_t timeBefore = 0;
    bool existsAfter = true;
    std::uint64_t timeAfter = 0;
};

struct FileState {
    std::optional<std::string> content;  // nullopt: absent
    std::uint32_t attributes = 0;
    friend bool operator==(const FileState&, const FileState&) = default;
};

// One INI entry (section and key) whose raw value the apply changed.
struct IniEntryEffect {
    std::string section;
    std::string key;
    std::optional<std::string> before;  // nullopt: no such entry
    std::optional<std::string> after;
};

// Journalled paths are relative to the image or to the program folder, so that
// an image copied elsewhere undoes its own files and nothing outside it.
enum class FileRoot { Image, Program };

struct FileEffect {
    FileRoot root = FileRoot::Image;
    std::filesystem::path relative;
    FileState before;
    FileState after;
    // Set when the file was an INI file before and after: undo can then put
    // back just these entries and leave every other line as it is now.
    std::vector<IniEntryEffect> entries;
};

struct ApplyEffect {
    std::vector<ValueEffect> values;
    std::vector<KeyEffect> keys;  // every key whose existence or timestamp changed
    std::vector<FileEffect> files;
    // Problems met while working it out (a file outside both roots cannot be journalled).
    std::vector<std::string> problems;

    // True when nothing the user had is different: key timestamps alone do not count.
    bool empty() const;
};

// The host folders journalled paths are relative to.
struct FileRoots {
    std::filesystem::path image;
    std::filesystem::path program;
    // The host path of a journalled file, or nullopt (with `why`) when it is
    // not a plain relative path or leads outside the image's drives and the
    // program folder once links are resolved.
    std::optional<std::filesystem::path> resolve(const FileEffect& file, std::string* why) const;
};

// The net effect of `changes`, with the after-states read from the registry
// and the disk as they are now (so a save that was refused counts as no change).
ApplyEffect effectOf(platform::Registry& registry, const FileRoots& roots,
                     const std::vector<RecordedChange>& changes);

// The entries whose raw values differ between two INI texts (file bytes).
std::vector<IniEntryEffect> iniDifferences(const std::string& before, const std::string& after);

// The registry root and path of a journalled key.
std::optional<std::pair<platform::Root, std::string>> registryPathOf(const std::string& hive,
                                                                     const std::string& key);
// "HKEY_CURRENT_USER\..." for messages.
std::string rootedKeyName(const std::string& hive, const std::string& key);

}  // namespace vantix::tweaks
