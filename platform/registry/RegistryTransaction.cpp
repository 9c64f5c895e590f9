#include <algorithm>
#include <array>

#include "platform/registry/CheckedHives.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/RegistryImpl.h"
#include "platform/registry/WineServer.h"

// One change or batch as a transaction: under the image's lock, refused while
// a Wine server runs on the image, saved once at the end (every touched hive
// or none), kept in memory only in dry run, dropped on failure.
namespace vantix::platform {

using reg::status;

namespace {

constexpr std::array<std::string_view, 3> kRootComments{
    ";; All keys relative to REGISTRY\\\\Machine",
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000",
    ";; All keys relative to REGISTRY\\\\User\\\\.Default",
};

}  // namespace

// A change that touched several hives saves all of them or none: each old
// file is kept until every new one is in place, and put back on a failure.
RegStatus Registry::Impl::saveTouched() {
    const auto touchedCount =
        std::count_if(slots.begin(), slots.end(), [](const Slot& s) { return s.touched; });
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
        // A key changed alone rewrites its own block; the rest of the file is copied.
        bool written;
        if (s.blockKey && s.blockKey->dirty) {
            const auto r =
                reg::replaceBlock(s.text.view(), s.headers->preambleEnd(), s.block, *s.blockKey);
            const std::array<std::string_view, 3> pieces{r.before, r.block, r.after};
            written = reg::replaceFileDurably(s.file, pieces, s.stamp, error);
            if (written && s.quickChecked)
                reg::recordReplacedBlock(s.file, s.text.view(), *s.headers, s.saveOrder, s.block, r);
        } else {
            written = reg::replaceFileDurably(s.file, reg::writeHive(*s.hive, kRootComments[i]),
                                              s.stamp, error);
        }
        if (!written) return fail(error);
        s.touched = false;
        saved.push_back(i);
    }
    for (auto& k : kept) k.drop();
    return RegStatus::ok();
}

RegStatus Registry::Impl::run(const std::function<RegStatus()>& body) {
    if (batchDepth > 0) return body();
    if (!dryRun) {
        std::string error;
        if (!lock.acquire(dir, error)) return status(RegStatus::IoError, error);
        std::vector<std::filesystem::path> files;
        for (const Slot& s : slots) files.push_back(s.file);
        reg::removeStaleTemporaries(files);
        if (const auto pid = reg::runningWineServer(dir)) {
            lock.release();
            return status(RegStatus::ServerRunning,
                          "a Wine server (process " + std::to_string(*pid) +
                              ") is running on this machine image; stop it (wineserver -k) before "
                              "changing the registry");
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

}  // namespace vantix::platform
