#include "platform/registry/Registry.h"

#include "platform/registry/HiveFile.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/ValueData.h"
#include "platform/registry/WineServer.h"
#include "platform/text/Text.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace vantix::platform {

using reg::Hive;
using reg::HiveKey;
using reg::HiveValue;

namespace {

enum HiveId { SystemHive = 0, UserHive = 1, DefaultUserHive = 2, NoHive = -1 };

constexpr std::array<std::string_view, 3> kHiveFiles{"system.reg", "user.reg", "userdef.reg"};
constexpr std::array<std::string_view, 3> kRootComments{
    ";; All keys relative to REGISTRY\\\\Machine",
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000",
    ";; All keys relative to REGISTRY\\\\User\\\\.Default",
};
constexpr std::string_view kUserSid = "S-1-5-21-0-0-0-1000";
constexpr std::string_view kDefaultUser = ".Default";
constexpr std::size_t kMaxLinkHops = 16;
constexpr std::size_t kMaxNewKeyNameUnits = 255;

RegStatus status(RegStatus::Code code, std::string message) { return RegStatus{code, std::move(message)}; }

std::size_t utf16Length(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80) n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

RegValue toRegValue(const HiveValue& v) { return RegValue{v.name, v.type, v.data}; }

std::string keyPath(const HiveKey& key) {
    if (!key.parent) return {};
    std::string parent = keyPath(*key.parent);
    return parent.empty() ? key.name : parent + "\\" + key.name;
}

// Where a root's path lands: a hive and the components below its root.
struct Location {
    int hive = NoHive;
    bool virtualRoot = false;  // HKEY_USERS itself, or an always-empty root
    std::vector<std::string> components;
};

bool splitPath(std::string_view path, std::vector<std::string>& out) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) return true;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('\\', start);
        const std::string_view part = path.substr(start, end == std::string_view::npos ? end : end - start);
        if (part.empty()) return false;
        out.emplace_back(part);
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

}  // namespace

struct Registry::Impl {
    struct Slot {
        std::filesystem::path file;
        std::unique_ptr<Hive> hive;
        reg::FileStamp stamp;
        bool loaded = false;
        std::string error;
        bool touched = false;   // changed in the current change or batch
        bool preview = false;   // holds dry-run changes
    };

    std::filesystem::path dir;
    std::array<Slot, 3> slots;
    RegistryObserver* observer = nullptr;
    bool dryRun = false;
    int batchDepth = 0;
    reg::ImageLock lock;
    std::string lastError;
    std::vector<const HiveKey*> created;  // keys made by the current operation

    int dirFd = -1;  // the image folder, so that the per-call check looks up one name

    explicit Impl(std::filesystem::path d) : dir(std::move(d)) {
        for (std::size_t i = 0; i < slots.size(); ++i) slots[i].file = dir / kHiveFiles[i];
        dirFd = ::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    ~Impl() {
        if (dirFd >= 0) ::close(dirFd);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    reg::FileStamp currentStamp(const Slot& s) const {
        if (dirFd < 0) return reg::stampOf(s.file);
        return reg::stampAt(dirFd, kHiveFiles[static_cast<std::size_t>(&s - slots.data())].data());
    }

    // ---- loading -------------------------------------------------------

    bool ensureCurrent(Slot& s) {
        if (s.loaded && (s.touched || s.preview)) return s.hive != nullptr;
        if (s.loaded) {
            if (currentStamp(s) == s.stamp) return s.hive != nullptr;
        }
        load(s);
        return s.hive != nullptr;
    }

    void load(Slot& s) {
        s.loaded = true;
        s.hive.reset();
        std::string error;
        auto bytes = reg::readWholeFile(s.file, s.stamp, error);
        if (!bytes) {
            if (error.empty()) {
                s.hive = std::make_unique<Hive>();  // no file yet: an empty hive
                s.hive->root->time = reg::fileTimeNow();
                s.error.clear();
            } else {
                s.error = error;
            }
            return;
        }
        auto parsed = reg::parseHive(std::move(*bytes), s.file.string());
        s.hive = std::move(parsed.hive);
        s.error = std::move(parsed.error);
    }

    void unload(Slot& s) {
        s.loaded = false;
        s.hive.reset();
        s.touched = false;
        s.preview = false;
    }

    // ---- resolving -----------------------------------------------------

    bool locate(Root root, std::string_view subKey, Location& loc, RegStatus& st) {
        std::vector<std::string> parts;
        if (!splitPath(subKey, parts)) {
            st = status(RegStatus::InvalidArgument, "empty key name in path \"" + std::string(subKey) + "\"");
            return false;
        }
        switch (root) {
            case Root::LocalMachine: loc.hive = SystemHive; break;
            case Root::ClassesRoot:
                loc.hive = SystemHive;
                loc.components = {"Software", "Classes"};
                break;
            case Root::CurrentConfig:
                loc.hive = SystemHive;
                loc.components = {"System", "CurrentControlSet", "Hardware Profiles", "Current"};
                break;
            case Root::CurrentUser: loc.hive = UserHive; break;
            case Root::Users:
                if (parts.empty()) {
                    loc.virtualRoot = true;
                    return true;
                }
                if (vantix::text::equalsIgnoreCase(parts.front(), kDefaultUser)) loc.hive = DefaultUserHive;
                else if (vantix::text::equalsIgnoreCase(parts.front(), kUserSid)) loc.hive = UserHive;
                else {
                    st = status(RegStatus::NotFound, "HKEY_USERS holds only .Default and " + std::string(kUserSid));
                    return false;
                }
                parts.erase(parts.begin());
                break;
            case Root::PerformanceData:
            case Root::DynData:
                if (!parts.empty()) {
                    st = status(RegStatus::NotFound, std::string(rootName(root)) + " is empty");
                    return false;
                }
                loc.virtualRoot = true;
                return true;
        }
        loc.components.insert(loc.components.end(), std::make_move_iterator(parts.begin()),
                              std::make_move_iterator(parts.end()));
        return true;
    }

    // The target of a link key: its hive and the path below that hive's root.
    static bool linkTarget(HiveKey& link, int& hive, std::vector<std::string>& components) {
        const HiveValue* v = link.value("symboliclinkvalue");
        if (!v || v->data.size() % 2) return false;
        const std::string target = vantix::text::toUtf8(reg::unitsOf(v->data));
        static constexpr std::array<std::pair<std::string_view, int>, 3> kPrefixes{{
            {"\\registry\\machine", SystemHive},
            {"\\registry\\user\\s-1-5-21-0-0-0-1000", UserHive},
            {"\\registry\\user\\.default", DefaultUserHive},
        }};
        for (const auto& [prefix, id] : kPrefixes) {
            if (target.size() < prefix.size() || !vantix::text::equalsIgnoreCase(target.substr(0, prefix.size()), prefix))
                continue;
            std::string_view rest = std::string_view(target).substr(prefix.size());
            if (!rest.empty() && rest.front() != '\\') continue;
            if (!rest.empty()) rest.remove_prefix(1);
            components.clear();
            if (!splitPath(rest, components)) return false;
            hive = id;
            return true;
        }
        return false;
    }

    // Walks `components` from the root of hive `hive`, following links (the last
    // component only when `followFinal`), creating missing keys when `create`.
    HiveKey* walk(int& hive, std::vector<std::string> components, bool create, bool followFinal, RegStatus& st) {
        for (std::size_t hops = 0;; ++hops) {
            Slot& s = slots[static_cast<std::size_t>(hive)];
            if (!ensureCurrent(s)) {
                st = status(RegStatus::Corrupt, s.error);
                return nullptr;
            }
            HiveKey* key = s.hive->root.get();
            bool redirected = false;
            for (std::size_t i = 0; i < components.size(); ++i) {
                std::string folded = vantix::text::foldCase(components[i]);
                HiveKey* next = key->child(folded);
                if (!next) {
                    if (!create) {
                        st = status(RegStatus::NotFound, "key not found: " + components[i]);
                        return nullptr;
                    }
                    if (utf16Length(components[i]) > kMaxNewKeyNameUnits) {
                        st = status(RegStatus::InvalidArgument, "key name longer than 255 characters");
                        return nullptr;
                    }
                    next = &createChild(hive, *key, components[i], std::move(folded));
                }
                key = next;
                if (key->isLink && (i + 1 < components.size() || followFinal)) {
                    std::vector<std::string> target;
                    int targetHive = NoHive;
                    if (hops >= kMaxLinkHops || !linkTarget(*key, targetHive, target)) {
                        st = status(RegStatus::NotFound, "link " + keyPath(*key) + " leads nowhere");
                        return nullptr;
                    }
                    target.insert(target.end(), std::make_move_iterator(components.begin() + static_cast<long>(i) + 1),
                                  std::make_move_iterator(components.end()));
                    components = std::move(target);
                    hive = targetHive;
                    redirected = true;
                    break;
                }
            }
            if (!redirected) return key;
        }
    }

    HiveKey* find(Root root, std::string_view subKey, int& hive, bool followFinal, RegStatus& st) {
        Location loc;
        if (!locate(root, subKey, loc, st)) return nullptr;
        if (loc.virtualRoot) return nullptr;
        hive = loc.hive;
        return walk(hive, std::move(loc.components), false, followFinal, st);
    }

    // ---- changing ------------------------------------------------------

    void report(RegistryChange change) {
        if (observer) observer->registryChanging(change);
    }

    RegistryChange changeOf(RegistryChange::Kind kind, int hive, const HiveKey& key) {
        RegistryChange c;
        c.kind = kind;
        c.hive = std::string(kHiveFiles[static_cast<std::size_t>(hive)]);
        c.key = keyPath(key);
        c.keyExisted = true;
        c.keyTimeBefore = key.time;
        return c;
    }

    void markChanged(int hive) {
        Slot& s = slots[static_cast<std::size_t>(hive)];
        s.touched = true;
        s.hive->changed = true;
    }

    // A key's timestamp moves to now, as wineserver does on every change to it.
    void touch(int hive, HiveKey& key, bool reportIt) {
        const bool isNew = std::find(created.begin(), created.end(), &key) != created.end();
        if (reportIt && !isNew) report(changeOf(RegistryChange::SetKeyTime, hive, key));
        key.time = reg::fileTimeNow();
        key.dirty = true;
        markChanged(hive);
    }

    HiveKey& createChild(int hive, HiveKey& parent, const std::string& name, std::string folded) {
        RegistryChange c;
        c.kind = RegistryChange::CreateKey;
        c.hive = std::string(kHiveFiles[static_cast<std::size_t>(hive)]);
        const std::string parentPath = keyPath(parent);
        c.key = parentPath.empty() ? name : parentPath + "\\" + name;
        // The parent's time is reported first so that an undo, running backwards,
        // restores it after removing the key again.
        touch(hive, parent, true);
        report(c);
        HiveKey& child = parent.addChild(name, std::move(folded), reg::fileTimeNow());
        child.dirty = true;
        created.push_back(&child);
        return child;
    }

    RegStatus refuse(Root root) {
        return status(RegStatus::InvalidArgument, std::string(rootName(root)) + " cannot be changed there");
    }

    // Resolves a key for a change; `create` makes missing levels.
    HiveKey* target(Root root, std::string_view subKey, bool create, bool followFinal, int& hive, RegStatus& st) {
        Location loc;
        if (!locate(root, subKey, loc, st)) return nullptr;
        if (loc.virtualRoot) {
            st = refuse(root);
            return nullptr;
        }
        hive = loc.hive;
        return walk(hive, std::move(loc.components), create, followFinal, st);
    }

    // A change that touched several hives saves all of them or none: each old
    // file is kept until every new one is in place, and put back on a failure.
    RegStatus saveTouched() {
        const auto touchedCount = std::count_if(slots.begin(), slots.end(), [](const Slot& s) { return s.touched; });
        std::array<reg::KeptOriginal, 3> kept;
        std::vector<std::size_t> saved;
        auto fail = [&](std::string error) {
            for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
                std::string putBackError;
                if (!kept[*it].putBack(putBackError)) error += "; " + putBackError;
            }
            for (auto& k : kept) k.drop();
            for (Slot& other : slots)
                if (other.touched) unload(other);
            for (std::size_t i : saved) unload(slots[i]);
            return status(RegStatus::IoError, error);
        };
        for (std::size_t i = 0; i < slots.size(); ++i) {
            Slot& s = slots[i];
            if (!s.touched) continue;
            std::string error;
            if (touchedCount > 1 && !kept[i].keep(s.file, error)) return fail(error);
            const std::string bytes = reg::writeHive(*s.hive, kRootComments[i]);
            if (!reg::replaceFileDurably(s.file, bytes, s.stamp, error)) return fail(error);
            s.touched = false;
            saved.push_back(i);
        }
        for (auto& k : kept) k.drop();
        return RegStatus::ok();
    }

    RegStatus run(const std::function<RegStatus()>& body) {
        if (batchDepth > 0) return body();
        if (!dryRun) {
            std::string error;
            if (!lock.acquire(dir, error)) return status(RegStatus::IoError, error);
            for (const Slot& s : slots) reg::removeStaleTemporaries(s.file);
            if (const auto pid = reg::runningWineServer(dir)) {
                lock.release();
                return status(RegStatus::ServerRunning,
                              "a Wine server (process " + std::to_string(*pid) +
                                  ") is running on this machine image; stop it (wineserver -k) before changing the registry");
            }
        }
        ++batchDepth;
        RegStatus result;
        try {
            result = body();
        } catch (const std::exception& e) {
            result = status(RegStatus::IoError, e.what());
        }
        --batchDepth;
        created.clear();
        if (!result) {
            for (Slot& s : slots)
                if (s.touched) unload(s);
        } else if (dryRun) {
            for (Slot& s : slots)
                if (s.touched) {
                    s.touched = false;
                    s.preview = true;
                }
        } else {
            result = saveTouched();
        }
        lock.release();
        return result;
    }

    RegStatus setValue(Root root, std::string_view subKey, const RegValue& value) {
        if (utf16Length(value.name) > reg::kMaxValueNameUnits)
            return status(RegStatus::InvalidArgument, "value name longer than 16383 characters");
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, true, true, hive, st);
        if (!key) return st;
        std::string folded = vantix::text::foldCase(value.name);
        HiveValue* existing = key->value(folded);
        if (existing && existing->type == value.type && existing->data == value.data) return st;  // nothing changes
        RegistryChange c = changeOf(RegistryChange::SetValue, hive, *key);
        if (existing) c.before = toRegValue(*existing);
        c.after = value;
        if (existing) c.after->name = existing->name;  // the stored spelling stays
        report(c);
        key->putValue(HiveValue{existing ? existing->name : value.name, std::move(folded), value.type, value.data});
        touch(hive, *key, false);
        return st;
    }

    RegStatus createKey(Root root, std::string_view subKey) {
        RegStatus st;
        int hive = NoHive;
        return target(root, subKey, true, true, hive, st) ? RegStatus::ok() : st;
    }

    RegStatus deleteValue(Root root, std::string_view subKey, std::string_view name) {
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, false, true, hive, st);
        if (!key) return st;
        const std::string folded = vantix::text::foldCase(name);
        const HiveValue* existing = key->value(folded);
        if (!existing) return status(RegStatus::NotFound, "value not found: " + std::string(name));
        RegistryChange c = changeOf(RegistryChange::DeleteValue, hive, *key);
        c.before = toRegValue(*existing);
        report(c);
        key->eraseValue(folded);
        touch(hive, *key, false);
        return st;
    }

    RegStatus renameValue(Root root, std::string_view subKey, std::string_view oldName, std::string_view newName) {
        if (utf16Length(newName) > reg::kMaxValueNameUnits)
            return status(RegStatus::InvalidArgument, "value name longer than 16383 characters");
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, false, true, hive, st);
        if (!key) return st;
        const std::string oldFolded = vantix::text::foldCase(oldName);
        std::string newFolded = vantix::text::foldCase(newName);
        HiveValue* existing = key->value(oldFolded);
        if (!existing) return status(RegStatus::NotFound, "value not found: " + std::string(oldName));
        if (newFolded != oldFolded && key->value(newFolded))
            return status(RegStatus::InvalidArgument, "a value named \"" + std::string(newName) + "\" already exists");
        if (existing->name == newName) return st;
        RegistryChange removed = changeOf(RegistryChange::DeleteValue, hive, *key);
        removed.before = toRegValue(*existing);
        report(removed);
        RegistryChange added = changeOf(RegistryChange::SetValue, hive, *key);
        added.after = toRegValue(*existing);
        added.after->name = std::string(newName);
        report(added);
        HiveValue moved{std::string(newName), std::move(newFolded), existing->type, existing->data};
        // Only the spelling changes: the value keeps its place.
        if (moved.folded == oldFolded) {
            *existing = std::move(moved);
        } else {
            key->eraseValue(oldFolded);
            key->putValue(std::move(moved));
        }
        touch(hive, *key, false);
        return st;
    }

    void reportRemoval(int hive, const HiveKey& key) {
        for (const auto& child : key.children) reportRemoval(hive, *child);
        for (const HiveValue& v : key.values) {
            RegistryChange c = changeOf(RegistryChange::DeleteValue, hive, key);
            c.before = toRegValue(v);
            report(c);
        }
        report(changeOf(RegistryChange::DeleteKey, hive, key));
    }

    static bool namesRoot(std::string_view subKey) { return subKey.empty() || subKey == "\\"; }

    RegStatus deleteKey(Root root, std::string_view subKey, bool tree) {
        // HKEY_CLASSES_ROOT and HKEY_CURRENT_CONFIG are keys of system.reg, but never deletable as roots.
        if (namesRoot(subKey)) return status(RegStatus::InvalidArgument, "a root key cannot be deleted");
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, false, false, hive, st);
        if (!key) return st;
        if (!key->parent) return status(RegStatus::InvalidArgument, "the root of a hive cannot be deleted");
        if (!tree && !key->children.empty())
            return status(RegStatus::InvalidArgument, "key " + keyPath(*key) + " has subkeys");
        HiveKey* parent = key->parent;
        touch(hive, *parent, true);
        reportRemoval(hive, *key);
        parent->takeChild(key);
        return st;
    }

    static void markTreeDirty(HiveKey& key) {
        key.dirty = true;
        for (auto& child : key.children) markTreeDirty(*child);
    }

    RegStatus renameKey(Root root, std::string_view subKey, std::string_view newName) {
        if (newName.empty() || newName.find('\\') != std::string_view::npos ||
            utf16Length(newName) > kMaxNewKeyNameUnits)
            return status(RegStatus::InvalidArgument, "invalid key name \"" + std::string(newName) + "\"");
        if (namesRoot(subKey)) return status(RegStatus::InvalidArgument, "a root key cannot be renamed");
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, false, false, hive, st);
        if (!key) return st;
        if (!key->parent) return status(RegStatus::InvalidArgument, "the root of a hive cannot be renamed");
        std::string folded = vantix::text::foldCase(newName);
        HiveKey* parent = key->parent;
        if (const HiveKey* other = parent->child(folded); other && other != key)
            return status(RegStatus::InvalidArgument, "a key named \"" + std::string(newName) + "\" already exists");
        if (key->name == newName) return st;
        touch(hive, *parent, true);
        RegistryChange c = changeOf(RegistryChange::RenameKey, hive, *key);
        c.newName = std::string(newName);
        report(c);
        auto taken = parent->takeChild(key);
        taken->name = std::string(newName);
        taken->folded = std::move(folded);
        markTreeDirty(*taken);  // every header below names the new path
        parent->adoptChild(std::move(taken));
        return st;
    }

    RegStatus createLink(Root root, std::string_view subKey, std::string_view targetPath) {
        RegStatus st;
        int hive = NoHive;
        if (target(root, subKey, false, false, hive, st))
            return status(RegStatus::InvalidArgument, "key already exists: " + std::string(subKey));
        if (st.code != RegStatus::NotFound) return st;
        HiveKey probe;
        probe.values.push_back(HiveValue{"SymbolicLinkValue", "symboliclinkvalue", regtype::Link, {}});
        reg::appendUnits(probe.values.back().data, vantix::text::toUtf16(targetPath));
        int targetHive = NoHive;
        std::vector<std::string> components;
        if (!linkTarget(probe, targetHive, components))
            return status(RegStatus::InvalidArgument, "link target outside the image's hives: " + std::string(targetPath));
        st = RegStatus::ok();
        HiveKey* key = target(root, subKey, true, false, hive, st);
        if (!key) return st;
        RegistryChange c = changeOf(RegistryChange::SetValue, hive, *key);
        c.after = toRegValue(probe.values.front());
        report(c);
        key->isLink = true;
        key->putValue(std::move(probe.values.front()));
        key->dirty = true;
        markChanged(hive);
        return st;
    }

    RegStatus setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime) {
        RegStatus st;
        int hive = NoHive;
        HiveKey* key = target(root, subKey, false, false, hive, st);
        if (!key) return st;
        if (key->time == filetime) return st;
        report(changeOf(RegistryChange::SetKeyTime, hive, *key));
        key->time = filetime;
        key->dirty = true;
        markChanged(hive);
        return st;
    }
};

Registry::Registry(std::filesystem::path imageDir) : impl_(std::make_unique<Impl>(std::move(imageDir))) {}
Registry::~Registry() = default;

namespace {

template <typename T>
T remember(std::string& lastError, const RegStatus& st, T result) {
    lastError = st.message;
    return result;
}

}  // namespace

bool Registry::keyExists(Root root, std::string_view subKey) {
    Location loc;
    RegStatus st;
    if (!impl_->locate(root, subKey, loc, st)) return remember(impl_->lastError, st, false);
    if (loc.virtualRoot) return true;
    int hive = NoHive;
    return remember(impl_->lastError, st, impl_->find(root, subKey, hive, true, st) != nullptr);
}

std::optional<RegValue> Registry::getValue(Root root, std::string_view subKey, std::string_view name) {
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, true, st);
    if (!key) return remember(impl_->lastError, st, std::optional<RegValue>{});
    const HiveValue* v = key->value(vantix::text::foldCase(name));
    if (!v) return remember(impl_->lastError, status(RegStatus::NotFound, "value not found"), std::optional<RegValue>{});
    return toRegValue(*v);
}

std::optional<std::vector<std::string>> Registry::subKeyNames(Root root, std::string_view subKey) {
    Location loc;
    RegStatus st;
    if (!impl_->locate(root, subKey, loc, st)) return remember(impl_->lastError, st, std::optional<std::vector<std::string>>{});
    if (loc.virtualRoot) {
        if (root == Root::Users) return std::vector<std::string>{std::string(kDefaultUser), std::string(kUserSid)};
        return std::vector<std::string>{};
    }
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, true, st);
    if (!key) return remember(impl_->lastError, st, std::optional<std::vector<std::string>>{});
    std::vector<std::string> names;
    names.reserve(key->children.size());
    for (const auto& c : key->children) names.push_back(c->name);
    return names;
}

std::optional<std::vector<RegValue>> Registry::values(Root root, std::string_view subKey) {
    Location loc;
    RegStatus st;
    if (!impl_->locate(root, subKey, loc, st)) return remember(impl_->lastError, st, std::optional<std::vector<RegValue>>{});
    if (loc.virtualRoot) return std::vector<RegValue>{};
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, true, st);
    if (!key) return remember(impl_->lastError, st, std::optional<std::vector<RegValue>>{});
    std::vector<RegValue> out;
    out.reserve(key->values.size());
    for (const HiveValue& v : key->values) out.push_back(toRegValue(v));
    return out;
}

std::optional<KeyInfo> Registry::keyInfo(Root root, std::string_view subKey) {
    Location loc;
    RegStatus st;
    if (!impl_->locate(root, subKey, loc, st)) return remember(impl_->lastError, st, std::optional<KeyInfo>{});
    KeyInfo info;
    if (loc.virtualRoot) {
        if (root == Root::Users) info.subKeyCount = 2;
        return info;
    }
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, true, st);
    if (!key) return remember(impl_->lastError, st, std::optional<KeyInfo>{});
    info.subKeyCount = static_cast<std::uint32_t>(key->children.size());
    info.valueCount = static_cast<std::uint32_t>(key->values.size());
    for (const HiveValue& v : key->values) {
        info.maxValueDataLength = std::max(info.maxValueDataLength, static_cast<std::uint32_t>(v.data.size()));
        info.maxValueNameLength = std::max(info.maxValueNameLength, static_cast<std::uint32_t>(utf16Length(v.name)));
    }
    info.className = key->className.value_or("");
    info.lastWriteTime = key->time;
    return info;
}

bool Registry::isHiveRoot(Root root, std::string_view subKey) {
    Location loc;
    RegStatus st;
    return impl_->locate(root, subKey, loc, st) && !loc.virtualRoot && loc.components.empty();
}

bool Registry::isLink(Root root, std::string_view subKey) {
    RegStatus st;
    int hive = NoHive;
    const HiveKey* key = impl_->find(root, subKey, hive, false, st);
    impl_->lastError = st.message;
    return key && key->isLink;
}

RegStatus Registry::setValue(Root root, std::string_view subKey, const RegValue& value) {
    const RegStatus st = impl_->run([&] { return impl_->setValue(root, subKey, value); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::createKey(Root root, std::string_view subKey) {
    const RegStatus st = impl_->run([&] { return impl_->createKey(root, subKey); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::deleteValue(Root root, std::string_view subKey, std::string_view name) {
    const RegStatus st = impl_->run([&] { return impl_->deleteValue(root, subKey, name); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::renameValue(Root root, std::string_view subKey, std::string_view oldName,
                                std::string_view newName) {
    const RegStatus st = impl_->run([&] { return impl_->renameValue(root, subKey, oldName, newName); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::deleteKey(Root root, std::string_view subKey) {
    const RegStatus st = impl_->run([&] { return impl_->deleteKey(root, subKey, false); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::deleteTree(Root root, std::string_view subKey) {
    const RegStatus st = impl_->run([&] { return impl_->deleteKey(root, subKey, true); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::renameKey(Root root, std::string_view subKey, std::string_view newName) {
    const RegStatus st = impl_->run([&] { return impl_->renameKey(root, subKey, newName); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime) {
    const RegStatus st = impl_->run([&] { return impl_->setKeyTime(root, subKey, filetime); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::createLink(Root root, std::string_view subKey, std::string_view target) {
    const RegStatus st = impl_->run([&] { return impl_->createLink(root, subKey, target); });
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::batch(const std::function<RegStatus()>& body) {
    const RegStatus st = impl_->run(body);
    impl_->lastError = st.message;
    return st;
}

void Registry::setDryRun(bool dryRun) {
    // Leaving dry run drops the preview: it must never reach a file with the next real change.
    if (impl_->dryRun && !dryRun)
        for (auto& s : impl_->slots)
            if (s.preview) impl_->unload(s);
    impl_->dryRun = dryRun;
}
bool Registry::dryRun() const { return impl_->dryRun; }

void Registry::discardChanges() {
    for (auto& s : impl_->slots) impl_->unload(s);
}

void Registry::setObserver(RegistryObserver* observer) { impl_->observer = observer; }
const std::string& Registry::lastError() const { return impl_->lastError; }
const std::filesystem::path& Registry::imageDir() const { return impl_->dir; }

}  // namespace vantix::platform
