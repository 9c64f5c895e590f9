// A lookup that reads only the blocks it needs against the whole file, with
// headers indexed by the quick check or by a scan: on the same bytes, every
// key of the file, a few keys it does not hold and the same names in other
// case must give the same key, values, class and link flag.
// In a file in save order, a value set on a key with one block and written by
// rewriting that block alone must give the whole writer's bytes, and the
// headers derived for them must be those the quick check finds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry/CheckedHives.h"
#include "platform/registry/HiveCheck.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/PartialHive.h"
#include "platform/text/Text.h"

using namespace vantix::platform::reg;

namespace {

const HiveKey* descend(const HiveKey* key, const std::vector<std::string>& path) {
    for (const auto& name : path) {
        if (!key) return nullptr;
        key = key->child(vantix::text::foldCase(name));
    }
    return key;
}

std::string describe(const HiveKey* key) {
    if (!key) return "absent";
    std::string out = key->isLink ? "link " : "";
    out += key->className ? "class=" + *key->className : "-";
    for (const HiveValue& v : key->values) {
        out += "\n" + v.name + "\t" + std::to_string(v.type) + "\t";
        out.append(v.data.begin(), v.data.end());
    }
    return out;
}

void check(const std::string& text, const HeaderIndex& index, const HiveKey& root,
           std::vector<std::string> path) {
    auto part = parsePartialHive(text, index, path, "fuzz.reg");
    if (!part.hive) std::abort();  // the whole file reads, so its blocks do
    if (describe(descend(&root, path)) != describe(descend(part.hive->root.get(), path)))
        std::abort();
}

HiveKey* mutableKey(Hive& hive, const std::vector<std::string>& path) {
    return const_cast<HiveKey*>(descend(hive.root.get(), path));
}

void setFixed(HiveKey& key) {
    key.putValue(HiveValue{"Fuzz", "fuzz", 4, {1, 2, 3, 4}});
    key.time = kUnixEpochFileTime;
    key.dirty = true;
}

// `quick`: the index is the quick check's, which found the headers `inSaveOrder`.
void checkRewrite(const std::string& text, const HeaderIndex& index, bool quick,
                  std::optional<bool> inSaveOrder, const std::vector<std::string>& path) {
    auto full = parseHive(text, "fuzz.reg");
    HiveKey* key = mutableKey(*full.hive, path);
    if (!key || key->blocks.size() != 1) return;
    setFixed(*key);
    std::vector<std::pair<std::uint32_t, ByteRange>> blocks;
    auto part = parsePartialHive(text, index, path, "fuzz.reg", &blocks);
    HiveKey* partKey = part.hive ? mutableKey(*part.hive, path) : nullptr;
    if (!partKey || partKey->blocks.size() != 1) std::abort();
    const auto origin = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) {
        return b.first == partKey->blocks.front().begin;
    });
    if (origin == blocks.end()) std::abort();
    setFixed(*partKey);
    const std::string rewritten =
        writeReplacingBlock(text, index.preambleEnd(), origin->second, *partKey);
    if (rewritten != writeHive(*full.hive, "")) std::abort();
    // The headers a save records for its bytes are those the check finds in them.
    if (!quick) return;
    const auto r = replaceBlock(text, index.preambleEnd(), origin->second, *partKey);
    const auto derived = headersAfterReplacedBlock(text, index, inSaveOrder, origin->second, r);
    if (!derived) return;
    HeaderPositions found;
    if (!quickCheckHive(rewritten, &found) || found.starts != derived->starts ||
        found.shared != derived->shared)
        std::abort();
    if (found.inSaveOrder && derived->inSaveOrder && *found.inSaveOrder != *derived->inSaveOrder)
        std::abort();
}

void everyKey(const HiveKey& key, std::vector<std::string>& path,
              const std::function<void(const std::vector<std::string>&)>& visit) {
    visit(path);
    for (const auto& child : key.children) {
        path.push_back(child->name);
        everyKey(*child, path, visit);
        path.pop_back();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto whole = parseHive(text, "fuzz.reg");
    if (!whole.hive) {
        if (checkHive(text, "fuzz.reg") != whole.error)
            std::abort();  // the check fails as the load does
        return 0;
    }
    if (!checkHive(text, "fuzz.reg").empty()) std::abort();
    HeaderPositions positions;
    const bool quick = quickCheckHive(text, &positions);
    const HeaderIndex scanned(text);
    if (quick) {  // the check's headers are the scan's
        if (positions.starts != scanned.headers()) std::abort();
        for (std::size_t h = 0; h < positions.shared.size(); ++h)
            if (positions.shared[h] != scanned.sharedWithPrevious(h)) std::abort();
        if (positions.inSaveOrder && *positions.inSaveOrder != headersInSaveOrder(text, scanned))
            std::abort();
    }
    const std::optional<bool> inSaveOrder = positions.inSaveOrder;
    const HeaderIndex index = quick ? HeaderIndex(text, std::move(positions)) : scanned;
    const HiveKey& root = *whole.hive->root;
    std::vector<std::string> path;
    const bool saveOrder = headersInSaveOrder(text, index);
    std::size_t visited = 0;
    everyKey(root, path, [&](const std::vector<std::string>& p) {
        if (++visited > 200) return;  // bounded work per input
        check(text, index, root, p);
        if (saveOrder && visited <= 20) checkRewrite(text, index, quick, inSaveOrder, p);
        std::vector<std::string> shouted;
        for (const auto& name : p) shouted.push_back(vantix::text::toUpper(name));
        check(text, index, root, shouted);
        auto absent = p;
        absent.push_back("absent");
        check(text, index, root, absent);
    });
    return 0;
}
