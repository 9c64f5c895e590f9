#include "platform/registry/Registry.h"

#include <algorithm>

#include "platform/registry/RegistryImpl.h"
#include "platform/text/Text.h"

// The facade: resolves the root, reads from the hive the read needs (only
// the key's blocks where one key is enough), and runs every change as one
// transaction that leaves its status in lastError().
namespace vantix::platform {

using reg::FinalLink;
using reg::HiveKey;
using reg::HiveValue;
using reg::NoHive;

namespace {

RegValue toRegValue(const HiveValue& v) {
    return RegValue{v.name, v.type, v.data};
}

template <typename T>
T remember(std::string& lastError, const RegStatus& st, T result) {
    lastError = st.message;
    return result;
}

}  // namespace

Registry::Registry(std::filesystem::path imageDir)
    : impl_(std::make_unique<Impl>(std::move(imageDir))) {
}
Registry::~Registry() = default;

bool Registry::keyExists(Root root, std::string_view subKey) {
    reg::Location loc;
    RegStatus st;
    if (!reg::locate(root, subKey, loc, st)) return remember(impl_->lastError, st, false);
    if (loc.virtualRoot) return true;
    int hive = NoHive;
    return remember(
        impl_->lastError, st,
        impl_->find(root, subKey, hive, FinalLink::Follow, Impl::Reach::Key, st) != nullptr);
}

std::optional<RegValue> Registry::getValue(Root root, std::string_view subKey,
                                           std::string_view name) {
    RegStatus st;
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, FinalLink::Follow, Impl::Reach::Key, st);
    if (!key) return remember(impl_->lastError, st, std::optional<RegValue>{});
    const HiveValue* v = key->value(vantix::text::foldCase(name));
    if (!v)
        return remember(impl_->lastError, reg::status(RegStatus::NotFound, "value not found"),
                        std::optional<RegValue>{});
    return toRegValue(*v);
}

std::optional<std::vector<std::string>> Registry::subKeyNames(Root root, std::string_view subKey) {
    using Result = std::optional<std::vector<std::string>>;
    reg::Location loc;
    RegStatus st;
    if (!reg::locate(root, subKey, loc, st)) return remember(impl_->lastError, st, Result{});
    if (loc.virtualRoot) {
        if (root == Root::Users)
            return std::vector<std::string>{std::string(reg::kDefaultUser),
                                            std::string(reg::kUserSid)};
        return std::vector<std::string>{};
    }
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, FinalLink::Follow, Impl::Reach::WholeHive, st);
    if (!key) return remember(impl_->lastError, st, Result{});
    std::vector<std::string> names;
    names.reserve(key->children.size());
    for (const auto& c : key->children) names.push_back(c->name);
    return names;
}

std::optional<std::vector<RegValue>> Registry::values(Root root, std::string_view subKey) {
    using Result = std::optional<std::vector<RegValue>>;
    reg::Location loc;
    RegStatus st;
    if (!reg::locate(root, subKey, loc, st)) return remember(impl_->lastError, st, Result{});
    if (loc.virtualRoot) return std::vector<RegValue>{};
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, FinalLink::Follow, Impl::Reach::Key, st);
    if (!key) return remember(impl_->lastError, st, Result{});
    std::vector<RegValue> out;
    out.reserve(key->values.size());
    for (const HiveValue& v : key->values) out.push_back(toRegValue(v));
    return out;
}

std::optional<KeyInfo> Registry::keyInfo(Root root, std::string_view subKey) {
    reg::Location loc;
    RegStatus st;
    if (!reg::locate(root, subKey, loc, st))
        return remember(impl_->lastError, st, std::optional<KeyInfo>{});
    KeyInfo info;
    if (loc.virtualRoot) {
        if (root == Root::Users) info.subKeyCount = 2;
        return info;
    }
    int hive = NoHive;
    HiveKey* key = impl_->find(root, subKey, hive, FinalLink::Follow, Impl::Reach::WholeHive, st);
    if (!key) return remember(impl_->lastError, st, std::optional<KeyInfo>{});
    info.subKeyCount = static_cast<std::uint32_t>(key->children.size());
    info.valueCount = static_cast<std::uint32_t>(key->values.size());
    for (const HiveValue& v : key->values) {
        info.maxValueDataLength =
            std::max(info.maxValueDataLength, static_cast<std::uint32_t>(v.data.size()));
        info.maxValueNameLength =
            std::max(info.maxValueNameLength, static_cast<std::uint32_t>(reg::utf16Length(v.name)));
    }
    info.className = key->className.value_or("");
    info.lastWriteTime = key->time;
    return info;
}

bool Registry::isHiveRoot(Root root, std::string_view subKey) {
    reg::Location loc;
    RegStatus st;
    return reg::locate(root, subKey, loc, st) && !loc.virtualRoot && loc.components.empty();
}

bool Registry::isLink(Root root, std::string_view subKey) {
    RegStatus st;
    int hive = NoHive;
    const HiveKey* key = impl_->find(root, subKey, hive, FinalLink::Keep, Impl::Reach::Key, st);
    impl_->lastError = st.message;
    return key && key->isLink;
}

// Every change runs the same way: one transaction, its status remembered.
RegStatus Registry::change(const std::function<RegStatus()>& operation) {
    const RegStatus st = impl_->run(operation);
    impl_->lastError = st.message;
    return st;
}

RegStatus Registry::setValue(Root root, std::string_view subKey, const RegValue& value) {
    const Impl::OneBlockChange oneBlock(*impl_, root, subKey);
    return change([&] { return impl_->setValue(root, subKey, value); });
}

RegStatus Registry::createKey(Root root, std::string_view subKey) {
    return change([&] { return impl_->createKey(root, subKey); });
}

RegStatus Registry::deleteValue(Root root, std::string_view subKey, std::string_view name) {
    const Impl::OneBlockChange oneBlock(*impl_, root, subKey);
    return change([&] { return impl_->deleteValue(root, subKey, name); });
}

RegStatus Registry::renameValue(Root root, std::string_view subKey, std::string_view oldName,
                                std::string_view newName) {
    const Impl::OneBlockChange oneBlock(*impl_, root, subKey);
    return change([&] { return impl_->renameValue(root, subKey, oldName, newName); });
}

RegStatus Registry::deleteKey(Root root, std::string_view subKey) {
    return change([&] { return impl_->deleteKey(root, subKey, Impl::Subkeys::Refuse); });
}

RegStatus Registry::deleteTree(Root root, std::string_view subKey) {
    return change([&] { return impl_->deleteKey(root, subKey, Impl::Subkeys::Delete); });
}

RegStatus Registry::renameKey(Root root, std::string_view subKey, std::string_view newName) {
    return change([&] { return impl_->renameKey(root, subKey, newName); });
}

RegStatus Registry::setKeyTime(Root root, std::string_view subKey, std::uint64_t filetime) {
    return change([&] { return impl_->setKeyTime(root, subKey, filetime); });
}

RegStatus Registry::createLink(Root root, std::string_view subKey, std::string_view target) {
    return change([&] { return impl_->createLink(root, subKey, target); });
}

RegStatus Registry::batch(const std::function<RegStatus()>& body) {
    return change(body);
}

void Registry::setDryRun(bool dryRun) {
    // Leaving dry run drops the preview: it must never reach a file with the next real change.
    if (impl_->dryRun && !dryRun)
        for (auto& s : impl_->slots)
            if (s.preview) impl_->unload(s);
    impl_->dryRun = dryRun;
}
bool Registry::dryRun() const {
    return impl_->dryRun;
}

void Registry::discardChanges() {
    for (auto& s : impl_->slots) impl_->unload(s);
}

void Registry::setObserver(RegistryObserver* observer) {
    impl_->observer = observer;
}
const std::string& Registry::lastError() const {
    return impl_->lastError;
}
const std::filesystem::path& Registry::imageDir() const {
    return impl_->dir;
}

}  // namespace vantix::platform
