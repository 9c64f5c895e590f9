#include <algorithm>

#include "platform/registry/HiveReader.h"
#include "platform/registry/RegistryImpl.h"
#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"

// The change operations on loaded hives and what each reports to the observer
// (previews and the undo journal) before it is made.
namespace vantix::platform {

using namespace reg;

namespace {

RegValue toRegValue(const HiveValue& v) {
    return RegValue{v.name, v.type, v.data};
}

RegStatus refuse(Root root) {
    return status(RegStatus::InvalidArgument,
                  std::string(rootName(root)) + " cannot be changed there");
}

bool namesRoot(std::string_view subKey) {
    return subKey.empty() || subKey == "\\";
}

void markTreeDirty(HiveKey& key) {
    key.dirty = true;
    for (auto& child : key.children) markTreeDirty(*child);
}

}  // namespace

void Registry::Impl::report(RegistryChange change) {
    if (observer) observer->registryChanging(change);
}

RegistryChange Registry::Impl::changeOf(RegistryChange::Kind kind, int hive, const HiveKey& key) {
    RegistryChange c;
    c.kind = kind;
    c.hive = std::string(kHiveFiles[static_cast<std::size_t>(hive)]);
    c.key = keyPath(key);
    c.keyExisted = true;
    c.keyTimeBefore = key.time;
    return c;
}

void Registry::Impl::markChanged(int hive) {
    Slot& s = slots[static_cast<std::size_t>(hive)];
    s.touched = true;
    s.hive->changed = true;
}

// A key's timestamp moves to now, as wineserver does on every change to it.
void Registry::Impl::touch(int hive, HiveKey& key, TimeChange timeChange) {
    const bool isNew = std::find(created.begin(), created.end(), &key) != created.end();
    if (timeChange == TimeChange::Reported && !isNew)
        report(changeOf(RegistryChange::SetKeyTime, hive, key));
    key.time = reg::fileTimeNow();
    key.dirty = true;
    markChanged(hive);
}

HiveKey& Registry::Impl::createChild(int hive, HiveKey& parent, const std::string& name,
                                     std::string folded) {
    RegistryChange c;
    c.kind = RegistryChange::CreateKey;
    c.hive = std::string(kHiveFiles[static_cast<std::size_t>(hive)]);
    const std::string parentPath = keyPath(parent);
    c.key = parentPath.empty() ? name : parentPath + "\\" + name;
    // The parent's time is reported first so that an undo, running backwards,
    // restores it after removing the key again.
    touch(hive, parent, TimeChange::Reported);
    report(c);
    HiveKey& child = parent.addChild(name, std::move(folded), reg::fileTimeNow());
    child.dirty = true;
    created.push_back(&child);
    return child;
}

// Resolves a key for a change; `create` makes missing levels.
HiveKey* Registry::Impl::target(Root root, std::string_view subKey, Missing missing,
                                FinalLink finalLink, int& hive, RegStatus& st) {
    Location loc;
    if (!locate(root, subKey, loc, st)) return nullptr;
    if (loc.virtualRoot) {
        st = refuse(root);
        return nullptr;
    }
    hive = loc.hive;
    return walk(*this, hive, std::move(loc.components), missing, finalLink, st);
}

RegStatus Registry::Impl::setValue(Root root, std::string_view subKey, const RegValue& value) {
    if (utf16Length(value.name) > reg::kMaxValueNameUnits)
        return status(RegStatus::InvalidArgument, "value name longer than 16383 characters");
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Create, FinalLink::Follow, hive, st);
    if (!key) return st;
    std::string folded = vantix::text::foldCase(value.name);
    HiveValue* existing = key->value(folded);
    if (existing && existing->type == value.type && existing->data == value.data)
        return st;  // nothing changes
    RegistryChange c = changeOf(RegistryChange::SetValue, hive, *key);
    if (existing) c.before = toRegValue(*existing);
    c.after = value;
    if (existing) c.after->name = existing->name;  // the stored spelling stays
    report(c);
    key->putValue(HiveValue{existing ? existing->name : value.name, std::move(folded), value.type,
                            value.data});
    touch(hive, *key, TimeChange::Unreported);
    return st;
}

RegStatus Registry::Impl::createKey(Root root, std::string_view subKey) {
    RegStatus st;
    int hive = NoHive;
    return Registry::Impl::target(root, subKey, Missing::Create, FinalLink::Follow, hive, st)
               ? RegStatus::ok()
               : st;
}

RegStatus Registry::Impl::deleteValue(Root root, std::string_view subKey, std::string_view name) {
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Fail, FinalLink::Follow, hive, st);
    if (!key) return st;
    const std::string folded = vantix::text::foldCase(name);
    const HiveValue* existing = key->value(folded);
    if (!existing) return status(RegStatus::NotFound, "value not found: " + std::string(name));
    RegistryChange c = changeOf(RegistryChange::DeleteValue, hive, *key);
    c.before = toRegValue(*existing);
    report(c);
    key->eraseValue(folded);
    touch(hive, *key, TimeChange::Unreported);
    return st;
}

RegStatus Registry::Impl::renameValue(Root root, std::string_view subKey, std::string_view oldName,
                                      std::string_view newName) {
    if (utf16Length(newName) > reg::kMaxValueNameUnits)
        return status(RegStatus::InvalidArgument, "value name longer than 16383 characters");
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Fail, FinalLink::Follow, hive, st);
    if (!key) return st;
    const std::string oldFolded = vantix::text::foldCase(oldName);
    std::string newFolded = vantix::text::foldCase(newName);
    HiveValue* existing = key->value(oldFolded);
    if (!existing) return status(RegStatus::NotFound, "value not found: " + std::string(oldName));
    if (newFolded != oldFolded && key->value(newFolded))
        return status(RegStatus::InvalidArgument,
                      "a value named \"" + std::string(newName) + "\" already exists");
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
    touch(hive, *key, TimeChange::Unreported);
    return st;
}

void Registry::Impl::reportRemoval(int hive, const HiveKey& key) {
    for (const auto& child : key.children) reportRemoval(hive, *child);
    for (const HiveValue& v : key.values) {
        RegistryChange c = changeOf(RegistryChange::DeleteValue, hive, key);
        c.before = toRegValue(v);
        report(c);
    }
    report(changeOf(RegistryChange::DeleteKey, hive, key));
}

RegStatus Registry::Impl::deleteKey(Root root, std::string_view subKey, Subkeys subkeys) {
    // HKEY_CLASSES_ROOT and HKEY_CURRENT_CONFIG are keys of system.reg, but never deletable as
    // roots.
    if (namesRoot(subKey))
        return status(RegStatus::InvalidArgument, "a root key cannot be deleted");
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Fail, FinalLink::Keep, hive, st);
    if (!key) return st;
    if (!key->parent)
        return status(RegStatus::InvalidArgument, "the root of a hive cannot be deleted");
    if (subkeys == Subkeys::Refuse && !key->children.empty())
        return status(RegStatus::InvalidArgument, "key " + keyPath(*key) + " has subkeys");
    HiveKey* parent = key->parent;
    touch(hive, *parent, TimeChange::Reported);
    reportRemoval(hive, *key);
    parent->takeChild(key);
    return st;
}

RegStatus Registry::Impl::renameKey(Root root, std::string_view subKey, std::string_view newName) {
    if (newName.empty() || newName.find('\\') != std::string_view::npos ||
        utf16Length(newName) > kMaxNewKeyNameUnits)
        return status(RegStatus::InvalidArgument,
                      "invalid key name \"" + std::string(newName) + "\"");
    if (namesRoot(subKey))
        return status(RegStatus::InvalidArgument, "a root key cannot be renamed");
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Fail, FinalLink::Keep, hive, st);
    if (!key) return st;
    if (!key->parent)
        return status(RegStatus::InvalidArgument, "the root of a hive cannot be renamed");
    std::string folded = vantix::text::foldCase(newName);
    HiveKey* parent = key->parent;
    if (const HiveKey* other = parent->child(folded); other && other != key)
        return status(RegStatus::InvalidArgument,
                      "a key named \"" + std::string(newName) + "\" already exists");
    if (key->name == newName) return st;
    touch(hive, *parent, TimeChange::Reported);
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

RegStatus Registry::Impl::createLink(Root root, std::string_view subKey,
                                     std::string_view targetPath) {
    RegStatus st;
    int hive = NoHive;
    if (target(root, subKey, Missing::Fail, FinalLink::Keep, hive, st))
        return status(RegStatus::InvalidArgument, "key already exists: " + std::string(subKey));
    if (st.code != RegStatus::NotFound) return st;
    HiveKey probe;
    probe.values.push_back(HiveValue{"SymbolicLinkValue", "symboliclinkvalue", regtype::Link, {}});
    reg::appendUnits(probe.values.back().data, vantix::text::toUtf16(targetPath));
    int targetHive = NoHive;
    std::vector<std::string> components;
    if (!linkTarget(probe, targetHive, components))
        return status(RegStatus::InvalidArgument,
                      "link target outside the image's hives: " + std::string(targetPath));
    st = RegStatus::ok();
    HiveKey* key = target(root, subKey, Missing::Create, FinalLink::Keep, hive, st);
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

RegStatus Registry::Impl::setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime) {
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = target(root, subKey, Missing::Fail, FinalLink::Keep, hive, st);
    if (!key) return st;
    if (key->time == filetime) return st;
    report(changeOf(RegistryChange::SetKeyTime, hive, *key));
    key->time = filetime;
    key->dirty = true;
    markChanged(hive);
    return st;
}

}  // namespace vantix::platform
