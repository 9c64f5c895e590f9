#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "platform/registry/CheckedHives.h"
#include "platform/registry/HiveCheck.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/RegistryImpl.h"
#include "platform/text/Text.h"

// The hive files of an image: checked on every call, reread when they
// changed, loaded whole or, for a single lookup, only in the blocks it needs.
namespace vantix::platform {

namespace {

// Lookups of one unchanged file served from its blocks before it is loaded
// whole: a lookup scans the header index, a few hundred times cheaper than
// parsing the whole file, so a process loads it only when it reads about as
// many keys as a whole parse is worth (a status of every function reads
// fewer; a browser of the tree reads more).
constexpr std::size_t kLookupsBeforeWholeLoad = 256;

}  // namespace

Registry::Impl::Impl(std::filesystem::path d) : dir(std::move(d)) {
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i].file = dir / reg::kHiveFiles[i];
    dirFd = ::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

Registry::Impl::~Impl() {
    if (dirFd >= 0) ::close(dirFd);
}

reg::FileStamp Registry::Impl::currentStamp(const Slot& s) const {
    if (dirFd < 0) return reg::stampOf(s.file);
    return reg::stampAt(dirFd, reg::kHiveFiles[static_cast<std::size_t>(&s - slots.data())].data());
}

bool Registry::Impl::ensureCurrent(Slot& s) {
    if (s.loaded && (s.touched || s.preview)) return s.hive != nullptr;
    if (s.loaded && currentStamp(s) == s.stamp) return s.hive != nullptr;
    load(s);
    return s.hive != nullptr;
}

void Registry::Impl::load(Slot& s) {
    s.loaded = true;
    s.blockKey = nullptr;
    s.hive.reset();
    s.part.reset();
    std::string error;
    std::optional<std::string> bytes;
    if (s.headers && currentStamp(s) == s.textStamp) {
        bytes.emplace(s.text.view());  // read for lookups already: not read again
        s.stamp = s.textStamp;
    } else {
        bytes = reg::readWholeFile(s.file, s.stamp, error);
    }
    s.headers.reset();
    s.text = {};
    if (!bytes) {
        if (error.empty()) {
            s.hive = std::make_unique<reg::Hive>();  // no file yet: an empty hive
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

void Registry::Impl::unload(Slot& s) {
    s.loaded = false;
    s.blockKey = nullptr;
    s.hive.reset();
    s.touched = false;
    s.preview = false;
}

bool Registry::Impl::freshText(Slot& s) {
    const reg::FileStamp now = currentStamp(s);
    if (!s.headers || !now.exists || now != s.textStamp) {
        std::string error;
        reg::FileStamp stamp;
        auto bytes = reg::readWholeFileBytes(s.file, stamp, error);
        if (!bytes) return false;  // a missing or unreadable file: the whole load says what it is
        s.text = std::move(*bytes);
        s.textStamp = stamp;
        s.headers.reset();
        s.saveOrder.reset();
        s.part.reset();
        s.lookups = 0;
        // A fault anywhere fails every lookup, as it fails the whole load.
        reg::HeaderPositions headers;
        s.quickChecked = reg::quickCheckHiveRecorded(s.file, s.text.view(), headers);
        if (s.quickChecked) {
            s.saveOrder = headers.inSaveOrder;
            s.headers.emplace(s.text.view(), std::move(headers));
        } else if (reg::checkHiveByReading(s.text.view(), s.file.string()).empty())
            s.headers.emplace(s.text.view());
    }
    return s.headers.has_value();
}

reg::Hive* Registry::Impl::partFor(Slot& s, const std::vector<std::string>& components) {
    if (!freshText(s)) return nullptr;
    if (s.part && s.partPath == components) return s.part.get();  // asked again (exists, then get)
    if (++s.lookups > kLookupsBeforeWholeLoad) return nullptr;
    auto parsed = reg::parsePartialHive(s.text.view(), *s.headers, components, s.file.string());
    s.part = std::move(parsed.hive);
    if (!s.part) return nullptr;  // the whole load reports the fault with its line in the file
    s.partPath = components;
    return s.part.get();
}

reg::Hive* Registry::Impl::hiveFor(int hive, const std::vector<std::string>& components,
                                   RegStatus& st) {
    Slot& s = slots[static_cast<std::size_t>(hive)];
    const bool changing = s.loaded && (s.touched || s.preview);
    const bool currentWhole = s.loaded && !changing && currentStamp(s) == s.stamp;
    if (reach == Reach::Key && !changing && !currentWhole) {
        if (reg::Hive* part = partFor(s, components)) return part;
    }
    if (!ensureCurrent(s)) {
        st = reg::status(RegStatus::Corrupt, s.error);
        return nullptr;
    }
    return s.hive.get();
}

void Registry::Impl::prepareOneBlockChange(Root root, std::string_view subKey) {
    reg::Location loc;
    RegStatus st;
    if (batchDepth > 0 || dryRun || !reg::locate(root, subKey, loc, st) || loc.virtualRoot) return;
    Slot& s = slots[static_cast<std::size_t>(loc.hive)];
    if (s.loaded || !freshText(s)) return;
    if (!s.saveOrder) s.saveOrder = reg::headersInSaveOrder(s.text.view(), *s.headers);
    if (!*s.saveOrder) return;
    std::vector<std::pair<std::uint32_t, reg::ByteRange>> blocks;
    auto parsed =
        reg::parsePartialHive(s.text.view(), *s.headers, loc.components, s.file.string(), &blocks);
    if (!parsed.hive) return;
    // The key itself, reached without a link, with the one block the order allows.
    const reg::HiveKey* key = parsed.hive->root.get();
    for (const auto& name : loc.components) {
        key = key->child(vantix::text::foldCase(name));
        if (!key || key->isLink) return;
    }
    if (key->blocks.size() != 1) return;
    const auto origin = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) {
        return b.first == key->blocks.front().begin;
    });
    // Headers taken from a record are not trusted to be complete where a save depends on them.
    if (origin == blocks.end() || !reg::blockHoldsOneHeader(s.text.view(), origin->second)) return;
    s.hive = std::move(parsed.hive);
    s.loaded = true;
    s.stamp = s.textStamp;
    s.error.clear();
    s.blockKey = key;
    s.block = origin->second;
}

void Registry::Impl::endOneBlockChange() {
    // The hive held one key only: it must never pass for the whole file.
    for (Slot& s : slots)
        if (s.blockKey) unload(s);
}

reg::HiveKey* Registry::Impl::find(Root root, std::string_view subKey, int& hive,
                                   reg::FinalLink finalLink, Reach readReach, RegStatus& st) {
    reg::Location loc;
    if (!reg::locate(root, subKey, loc, st)) return nullptr;
    if (loc.virtualRoot) return nullptr;
    hive = loc.hive;
    reach = readReach;
    reg::HiveKey* key =
        reg::walk(*this, hive, std::move(loc.components), reg::Missing::Fail, finalLink, st);
    reach = Reach::WholeHive;
    return key;
}

}  // namespace vantix::platform
