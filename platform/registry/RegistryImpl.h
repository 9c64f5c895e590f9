#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry/HiveFile.h"
#include "platform/registry/KeyResolution.h"
#include "platform/registry/PartialHive.h"
#include "platform/registry/Registry.h"

// The registry's inner parts, one concern to a file: the hive files and their
// loading (RegistryHives.cpp), the change operations and what they report
// (RegistryChanges.cpp), the transaction around them (RegistryTransaction.cpp),
// and the facade (Registry.cpp).
namespace vantix::platform {

struct Registry::Impl : reg::HiveSource {
    // One hive file: loaded whole for changes and wide reads, or known only
    // by the offsets of its key headers for single lookups.
    struct Slot {
        std::filesystem::path file;
        std::unique_ptr<reg::Hive> hive;
        reg::FileStamp stamp;
        bool loaded = false;
        std::string error;
        bool touched = false;  // changed in the current change or batch
        bool preview = false;  // holds dry-run changes

        reg::FileBytes text;  // the file, as lookups read it
        reg::FileStamp textStamp;
        std::optional<reg::HeaderIndex> headers;
        std::unique_ptr<reg::Hive> part;    // the blocks of the last lookup
        std::vector<std::string> partPath;  // the names `part` was read for
        std::size_t lookups = 0;            // since the file was last read
        std::optional<bool> saveOrder;      // of `text`'s headers
        bool quickChecked = false;          // `text` passed the quick check, not only the reader

        // Set while `hive` holds only the blocks of one key about to change:
        // that key and where its block stands in `text`.
        const reg::HiveKey* blockKey = nullptr;
        reg::ByteRange block;
    };

    // Whether a read may be served from the blocks it needs or wants the whole hive.
    enum class Reach { Key, WholeHive };

    std::filesystem::path dir;
    std::array<Slot, 3> slots;
    RegistryObserver* observer = nullptr;
    bool dryRun = false;
    int batchDepth = 0;
    reg::ImageLock lock;
    std::string lastError;
    std::vector<const reg::HiveKey*> created;  // keys made by the current operation
    Reach reach = Reach::WholeHive;            // of the read in progress
    int dirFd = -1;  // the image folder, so that the per-call check looks up one name

    explicit Impl(std::filesystem::path d);
    ~Impl() override;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // ---- hive files (RegistryHives.cpp) ----
    reg::FileStamp currentStamp(const Slot& s) const;
    [[nodiscard]] bool ensureCurrent(Slot& s);
    void load(Slot& s);
    void unload(Slot& s);
    // The blocks `components` need; null when only the whole hive will do
    // (no file, a fault in those blocks, or many lookups already).
    [[nodiscard]] reg::Hive* partFor(Slot& s, const std::vector<std::string>& components);
    // `text` and its headers as the file now is; false when it cannot be read or fails the check.
    [[nodiscard]] bool freshText(Slot& s);
    // Before the values of an existing key change (set, delete, rename): when
    // the file allows it, the hive holds only that key's blocks and the save
    // rewrites only its block. Such a change creates no key.
    void prepareOneBlockChange(Root root, std::string_view subKey);
    void endOneBlockChange();
    struct OneBlockChange {
        OneBlockChange(Impl& impl, Root root, std::string_view subKey) : impl(impl) {
            impl.prepareOneBlockChange(root, subKey);
        }
        ~OneBlockChange() { impl.endOneBlockChange(); }
        OneBlockChange(const OneBlockChange&) = delete;
        OneBlockChange& operator=(const OneBlockChange&) = delete;
        Impl& impl;
    };
    reg::Hive* hiveFor(int hive, const std::vector<std::string>& components,
                       RegStatus& st) override;
    // A key for reading; `reach` says whether the blocks of that key are enough.
    [[nodiscard]] reg::HiveKey* find(Root root, std::string_view subKey, int& hive,
                                     reg::FinalLink finalLink, Reach readReach, RegStatus& st);

    // ---- changes and their reports (RegistryChanges.cpp) ----
    void report(RegistryChange change);
    RegistryChange changeOf(RegistryChange::Kind kind, int hive, const reg::HiveKey& key);
    void markChanged(int hive);
    // A key's timestamp moves to now, as wineserver does on every change to it;
    // Reported: the old time goes to the observer first (parents of new or removed keys).
    enum class TimeChange { Unreported, Reported };
    void touch(int hive, reg::HiveKey& key, TimeChange timeChange);
    reg::HiveKey& createChild(int hive, reg::HiveKey& parent, const std::string& name,
                              std::string folded) override;
    // Resolves a key for a change.
    [[nodiscard]] reg::HiveKey* target(Root root, std::string_view subKey, reg::Missing missing,
                                       reg::FinalLink finalLink, int& hive, RegStatus& st);
    RegStatus setValue(Root root, std::string_view subKey, const RegValue& value);
    RegStatus createKey(Root root, std::string_view subKey);
    RegStatus deleteValue(Root root, std::string_view subKey, std::string_view name);
    RegStatus renameValue(Root root, std::string_view subKey, std::string_view oldName,
                          std::string_view newName);
    void reportRemoval(int hive, const reg::HiveKey& key);
    enum class Subkeys { Refuse, Delete };
    RegStatus deleteKey(Root root, std::string_view subKey, Subkeys subkeys);
    RegStatus renameKey(Root root, std::string_view subKey, std::string_view newName);
    RegStatus createLink(Root root, std::string_view subKey, std::string_view targetPath);
    RegStatus setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime);

    // ---- the transaction (RegistryTransaction.cpp) ----
    [[nodiscard]] RegStatus saveTouched();
    [[nodiscard]] RegStatus run(const std::function<RegStatus()>& body);
};

}  // namespace vantix::platform
