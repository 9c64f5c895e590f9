#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/FileStatus.h"

// Whole-file reads and writes that honour the dry-run overlay and report to
// the file observer (FileObserver.h).
namespace vantix::platform {

// Reads the whole file, or what the overlay pretends it holds. nullopt when it
// is absent (status NotFound), not a regular file, unreadable, or larger than
// `maxBytes` (TooLarge); `status` (when given) says which.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                                         FileStatus* status = nullptr);

// True when a regular file exists at `path` (the overlay taken into account).
bool regularFileExists(const std::filesystem::path& path);

// Replaces the file with `content` atomically: a temporary file beside it,
// flushed to disk, then renamed over it, so a crash leaves the old or the new
// file and never a torn one. A replaced file keeps its permissions; a new one
// gets 0644 less the umask. `before` is what the caller read (reported to the
// observer); in dry-run mode the overlay takes the content instead.
FileStatus replaceFile(const std::filesystem::path& path, std::string_view content,
                       const std::optional<std::string>& before);

// Removes one file (reported as a Write whose `after` is nullopt when
// `before` is given, else as a Delete).
FileStatus removeWholeFile(const std::filesystem::path& path, const std::optional<std::string>& before);

}  // namespace vantix::platform
