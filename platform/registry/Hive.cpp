#include "platform/registry/Hive.h"

#include <algorithm>
#include <chrono>

namespace vantix::platform::reg {
namespace {

// Children beyond this count get a hash index; short lists are scanned.
constexpr std::size_t kIndexThreshold = 12;

}  // namespace

bool wineOrderLess(std::string_view a, std::string_view b) {
    // Folded UTF-8 compares bytewise in code point order, which is the units'
    // order for everything below the surrogates; names are almost always there.
    return a < b;
}

std::uint64_t fileTimeNow() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() / 100;
    return kUnixEpochFileTime + static_cast<std::uint64_t>(ticks);
}

HiveKey* HiveKey::child(std::string_view foldedName) const {
    if (index_) {
        const auto it = index_->find(foldedName);
        return it == index_->end() ? nullptr : it->second;
    }
    for (const auto& c : children)
        if (c->folded == foldedName) return c.get();
    return nullptr;
}

void HiveKey::rebuildIndex() {
    if (children.size() < kIndexThreshold) {
        index_.reset();
        return;
    }
    if (!index_) index_ = std::make_unique<std::unordered_map<std::string_view, HiveKey*>>();
    index_->clear();
    index_->reserve(children.size() * 2);
    for (const auto& c : children) index_->emplace(c->folded, c.get());
}

HiveKey& HiveKey::addChild(std::string childName, std::string foldedName, std::uint64_t childTime) {
    auto key = std::make_unique<HiveKey>();
    key->name = std::move(childName);
    key->folded = std::move(foldedName);
    key->parent = this;
    key->time = childTime;
    HiveKey* raw = key.get();
    // Files are sorted, so loading appends; only edits insert in the middle.
    if (children.empty() || wineOrderLess(children.back()->folded, raw->folded)) {
        children.push_back(std::move(key));
    } else {
        const auto at = std::lower_bound(
            children.begin(), children.end(), raw->folded,
            [](const auto& c, std::string_view f) { return wineOrderLess(c->folded, f); });
        children.insert(at, std::move(key));
    }
    if (index_)
        index_->emplace(raw->folded, raw);
    else if (children.size() >= kIndexThreshold)
        rebuildIndex();
    return *raw;
}

std::unique_ptr<HiveKey> HiveKey::takeChild(const HiveKey* key) {
    const auto it = std::find_if(children.begin(), children.end(),
                                 [&](const auto& c) { return c.get() == key; });
    if (it == children.end()) return nullptr;
    std::unique_ptr<HiveKey> taken = std::move(*it);
    children.erase(it);
    if (index_) index_->erase(taken->folded);
    taken->parent = nullptr;
    return taken;
}

HiveKey& HiveKey::adoptChild(std::unique_ptr<HiveKey> key) {
    HiveKey* raw = key.get();
    raw->parent = this;
    const auto at = std::lower_bound(
        children.begin(), children.end(), raw->folded,
        [](const auto& c, std::string_view f) { return wineOrderLess(c->folded, f); });
    children.insert(at, std::move(key));
    rebuildIndex();
    return *raw;
}

HiveValue* HiveKey::value(std::string_view foldedName) {
    for (auto& v : values)
        if (v.folded == foldedName) return &v;
    return nullptr;
}

HiveValue& HiveKey::putValue(HiveValue v) {
    // Values arrive sorted from a file: past the last one there is no namesake.
    if (values.empty() || wineOrderLess(values.back().folded, v.folded))
        return values.emplace_back(std::move(v));
    if (HiveValue* existing = value(v.folded)) {
        *existing = std::move(v);
        return *existing;
    }
    const auto at = std::lower_bound(
        values.begin(), values.end(), v.folded,
        [](const HiveValue& x, std::string_view f) { return wineOrderLess(x.folded, f); });
    return *values.insert(at, std::move(v));
}

bool HiveKey::eraseValue(std::string_view foldedName) {
    const auto it = std::find_if(values.begin(), values.end(),
                                 [&](const HiveValue& v) { return v.folded == foldedName; });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

}  // namespace vantix::platform::reg
