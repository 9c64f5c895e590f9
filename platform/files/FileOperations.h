#pragma once

#include <cstddef>
#include <filesystem>

#include "platform/files/FileStatus.h"

// Copy, delete and rename of host files. Each reports to the file observer
// before it acts and, in dry-run mode, changes only the overlay.
namespace vantix::platform {

// Copies `source` over `target` (overwriting it) through a temporary file and a
// rename, so the target is never left half-written. Fails when the source is
// absent or not a regular file.
FileStatus copyFile(const std::filesystem::path& source, const std::filesystem::path& target);

// Deletes the regular file `path`, or every regular file of its folder whose
// name matches the last component when that holds DOS wildcards ('*', '?',
// compared case-insensitively). Folders are never deleted. NotFound when
// nothing matched; `deleted` receives how many files went.
FileStatus deleteFiles(const std::filesystem::path& path, std::size_t* deleted = nullptr);

// Renames a file or folder; fails (and changes nothing) when `target` exists.
FileStatus renameFile(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace vantix::platform
