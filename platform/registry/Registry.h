#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The registry of one machine image: the stand-in for advapi32's registry calls.
// Backed by Wine's registry text files (system.reg for HKEY_LOCAL_MACHINE,
// user.reg for HKEY_CURRENT_USER, userdef.reg for HKEY_USERS\.Default). Key and
// value names compare case-insensitively and keep their case; links such as
// CurrentControlSet are followed when a path is resolved.
namespace vantix::platform {

enum class Root {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    PerformanceData,
    CurrentConfig,
    DynData
};

// Exact, case-sensitive lookup of "HKEY_LOCAL_MACHINE" etc.; nullopt for any other text.
[[nodiscard]] std::optional<Root> rootFromName(std::string_view name);
[[nodiscard]] std::string_view rootName(Root root);

namespace regtype {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t Sz = 1;
constexpr std::uint32_t ExpandSz = 2;
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
constexpr std::uint32_t DwordBigEndian = 5;
constexpr std::uint32_t Link = 6;
constexpr std::uint32_t MultiSz = 7;
constexpr std::uint32_t Qword = 11;
}  // namespace regtype

// A value as Windows stores it: string types hold UTF-16LE with their terminating NUL.
struct RegValue {
    std::string name;  // "" is the default value
    std::uint32_t type = regtype::None;
    std::vector<std::uint8_t> data;

    // UTF-16LE of `utf8` plus one terminating NUL (a MULTI_SZ passes its inner NULs in `utf8`).
    static RegValue string(std::string name, std::string_view utf8,
                           std::uint32_t type = regtype::Sz);
    static RegValue dword(std::string name, std::uint32_t number);
    static RegValue binary(std::string name, std::vector<std::uint8_t> bytes);
    // The text of a string value (UTF-16LE decoded, cut at the first NUL).
    [[nodiscard]] std::string text() const;
    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct KeyInfo {
    std::uint32_t subKeyCount = 0;
    std::uint32_t valueCount = 0;
    std::uint32_t maxValueDataLength = 0;  // bytes
    std::uint32_t maxValueNameLength = 0;  // UTF-16 units
    std::string className;
    std::uint64_t lastWriteTime = 0;  // FILETIME
};

// Result of a change: ok, or why not. The message is one line for a user.
struct RegStatus {
    enum Code { Ok, NotFound, InvalidArgument, ServerRunning, Corrupt, IoError, Busy };
    Code code = Ok;
    std::string message;
    explicit operator bool() const { return code == Ok; }
    static RegStatus ok() { return {}; }
};

// What a change does, handed to the observer before it is made (for previews
// and the undo journal). `key` is the resolved path below the hive's root in its
// stored spelling; value changes carry the value before and after (nullopt:
// absent); key changes carry whether the key existed and its timestamp.
struct RegistryChange {
    // A deleted key is reported as DeleteValue for each of its values, then
    // DeleteKey (children first for a tree). Creating or deleting a key also
    // changes its parent's timestamp, reported as SetKeyTime of the parent
    // before the key's own change (so an undo run backwards restores it last).
    enum Kind { SetValue, DeleteValue, CreateKey, DeleteKey, SetKeyTime, RenameKey };
    Kind kind = SetValue;
    std::string hive;  // "system.reg", "user.reg" or "userdef.reg"
    std::string key;
    std::optional<RegValue> before;
    std::optional<RegValue> after;
    bool keyExisted = false;
    std::uint64_t keyTimeBefore = 0;
    std::string newName;  // RenameKey: the key's new last name
};

class RegistryObserver {
public:
    virtual ~RegistryObserver() = default;
    virtual void registryChanging(const RegistryChange& change) = 0;
};

class Registry {
public:
    // Opens the registry of the image in `imageDir`; hives load lazily.
    explicit Registry(std::filesystem::path imageDir);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Reading. Every call checks the backing file (size and modification time)
    // and rereads a hive that changed on disk. nullopt: the key or value is absent,
    // or the hive cannot be read (lastError() says why).
    [[nodiscard]] bool keyExists(Root root, std::string_view subKey);
    [[nodiscard]] std::optional<RegValue> getValue(Root root, std::string_view subKey,
                                                   std::string_view name);
    [[nodiscard]] std::optional<std::vector<std::string>> subKeyNames(Root root,
                                                                      std::string_view subKey);
    [[nodiscard]] std::optional<std::vector<RegValue>> values(Root root, std::string_view subKey);
    [[nodiscard]] std::optional<KeyInfo> keyInfo(Root root, std::string_view subKey);
    // Whether the key itself is a symbolic link (its last name is not followed).
    [[nodiscard]] bool isLink(Root root, std::string_view subKey);
    // Whether the path names the root of a hive file: HKEY_LOCAL_MACHINE,
    // HKEY_CURRENT_USER, HKEY_USERS\.Default or the user's key below HKEY_USERS.
    [[nodiscard]] bool isHiveRoot(Root root, std::string_view subKey);

    // Changing. Each call is one durable change: under the image's lock it rereads
    // a hive that changed, changes it in memory and replaces the file atomically.
    // Refused with ServerRunning while a Wine server runs on the image.
    [[nodiscard]] RegStatus setValue(Root root, std::string_view subKey,
                                     const RegValue& value);  // creates missing keys
    [[nodiscard]] RegStatus createKey(Root root, std::string_view subKey);
    [[nodiscard]] RegStatus deleteValue(Root root, std::string_view subKey, std::string_view name);
    // Gives a value a new name in place, keeping its type and data; a new name
    // that differs only in case changes the spelling. Fails when another
    // value has the new name.
    [[nodiscard]] RegStatus renameValue(Root root, std::string_view subKey,
                                        std::string_view oldName, std::string_view newName);
    [[nodiscard]] RegStatus deleteKey(Root root,
                                      std::string_view subKey);  // a key without subkeys only
    [[nodiscard]] RegStatus deleteTree(Root root,
                                       std::string_view subKey);  // the key and all below it
    [[nodiscard]] RegStatus renameKey(Root root, std::string_view subKey, std::string_view newName);
    [[nodiscard]] RegStatus setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime);
    // Makes `subKey` a symbolic link to `target`, an absolute registry path such
    // as "\\Registry\\Machine\\System\\ControlSet001" (the key must not exist yet).
    [[nodiscard]] RegStatus createLink(Root root, std::string_view subKey, std::string_view target);

    // Runs `body` as one change: everything it does is saved once at the end,
    // or not at all when it returns a failed status (used by .reg import).
    // A change of several hive files saves all of them or, should one fail,
    // none: the ones already saved are put back.
    [[nodiscard]] RegStatus batch(const std::function<RegStatus()>& body);

    // While set, changes are made in memory and reported to the observer but
    // never saved; discardChanges() drops them again (previews), and so does
    // leaving dry run, so that a preview never reaches a file.
    void setDryRun(bool dryRun);
    [[nodiscard]] bool dryRun() const;
    void discardChanges();
    void setObserver(RegistryObserver* observer);

    [[nodiscard]] const std::string& lastError() const;
    [[nodiscard]] const std::filesystem::path& imageDir() const;

private:
    struct Impl;  // the parts behind the facade, one concern to a file
    [[nodiscard]] RegStatus change(const std::function<RegStatus()>& operation);
    std::unique_ptr<Impl> impl_;
};

}  // namespace vantix::platform
