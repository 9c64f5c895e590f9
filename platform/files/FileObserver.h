#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Every change this layer (and the INI writer) makes to a host file is first
// reported to one process-wide observer: the tweak engine builds its previews
// and its undo journal on it. In dry-run mode the change is not made on disk
// but kept in an in-memory overlay that later reads through this layer see.
namespace vantix::platform {

struct FileChange {
    enum Kind { Write, Copy, Delete, Rename, Attributes };
    Kind kind = Write;
    std::filesystem::path path;    // the file that changes (copy/rename: the target)
    std::filesystem::path source;  // copy and rename: where the content comes from
    // Whole-file writes (INI files, labels): the content before and after;
    // nullopt means the file is absent before, or removed after.
    std::optional<std::string> before;
    std::optional<std::string> after;
    std::uint32_t attributes = 0;  // Attributes: the DOS attributes being set
};

class FileObserver {
public:
    virtual ~FileObserver() = default;
    virtual void fileChanging(const FileChange& change) = 0;
};

// The observer told about every change; nullptr (the default) for none. Not owned.
void setFileObserver(FileObserver* observer);
FileObserver* fileObserver();

// While dry-run is on, changes go to the overlay instead of the disk.
void setFileDryRun(bool dryRun);
bool fileDryRun();
// Forgets every change kept in the overlay.
void discardFileOverlay();

// Reports `change` to the observer, if one is set.
void reportFileChange(const FileChange& change);

// The overlay: for a path changed in dry-run mode, its pretended content
// (nullopt: pretended deleted). The outer nullopt means "not in the overlay,
// ask the disk". Paths are compared in their lexically normal form.
std::optional<std::optional<std::string>> overlayContent(const std::filesystem::path& path);
void setOverlayContent(const std::filesystem::path& path, std::optional<std::string> content);
// Paths kept in the overlay directly inside `folder` (for listings), with their state.
std::vector<std::pair<std::filesystem::path, bool>> overlayEntriesIn(const std::filesystem::path& folder);

}  // namespace vantix::platform
