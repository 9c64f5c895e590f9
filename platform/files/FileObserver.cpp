#include "platform/files/FileObserver.h"

#include <map>
#include <mutex>

namespace vantix::platform {
namespace {

struct State {
    std::mutex mutex;
    FileObserver* observer = nullptr;
    bool dryRun = false;
    // Keyed by the lexically normal path text.
    std::map<std::string, std::optional<std::string>> overlay;
};

State& state() {
    static State s;
    return s;
}

std::string overlayKey(const std::filesystem::path& path) {
    return path.lexically_normal().string();
}

}  // namespace

void setFileObserver(FileObserver* observer) {
    std::lock_guard lock(state().mutex);
    state().observer = observer;
}

FileObserver* fileObserver() {
    std::lock_guard lock(state().mutex);
    return state().observer;
}

void setFileDryRun(bool dryRun) {
    std::lock_guard lock(state().mutex);
    state().dryRun = dryRun;
}

bool fileDryRun() {
    std::lock_guard lock(state().mutex);
    return state().dryRun;
}

void discardFileOverlay() {
    std::lock_guard lock(state().mutex);
    state().overlay.clear();
}

void reportFileChange(const FileChange& change) {
    // Called without the lock held: an observer may read files through this layer.
    if (FileObserver* observer = fileObserver()) observer->fileChanging(change);
}

std::optional<std::optional<std::string>> overlayContent(const std::filesystem::path& path) {
    std::lock_guard lock(state().mutex);
    const auto it = state().overlay.find(overlayKey(path));
    if (it == state().overlay.end()) return std::nullopt;
    return it->second;
}

void setOverlayContent(const std::filesystem::path& path, std::optional<std::string> content) {
    std::lock_guard lock(state().mutex);
    state().overlay[overlayKey(path)] = std::move(content);
}

std::vector<std::pair<std::filesystem::path, bool>> overlayEntriesIn(const std::filesystem::path& folder) {
    std::filesystem::path normalFolder = folder.lexically_normal();
    if (!normalFolder.has_filename()) normalFolder = normalFolder.parent_path();
    std::vector<std::pair<std::filesystem::path, bool>> entries;
    std::lock_guard lock(state().mutex);
    for (const auto& [key, content] : state().overlay) {
        const std::filesystem::path path(key);
        if (path.parent_path() == normalFolder) entries.emplace_back(path, content.has_value());
    }
    return entries;
}

}  // namespace vantix::platform
