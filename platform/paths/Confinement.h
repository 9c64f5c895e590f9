#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The confinement rule for the file operations the catalogue describes: they
// stay inside the image's drives and the program folder.
namespace vantix::platform {

// Why a file operation on `host` is refused, or nullopt when it is allowed.
// The path is resolved first (symbolic links and ".."), so a link inside a
// drive that leads elsewhere does not open a way out. A drive that maps the
// whole host file system (Wine's Z: -> /) does not count as a place inside:
// it would admit every file of the host.
std::optional<std::string> confinementViolation(const std::filesystem::path& imageDir,
                                                const std::filesystem::path& programDir,
                                                const std::filesystem::path& host);

}  // namespace vantix::platform
