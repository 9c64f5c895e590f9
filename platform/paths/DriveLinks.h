#pragma once

#include <filesystem>
#include <optional>
#include <vector>

// The drives of a machine image: the links "dosdevices/<letter>:" of the image
// folder, as Wine keeps them.
namespace vantix::platform {

struct DriveMapping {
    char letter = 'C';                // upper case
    std::filesystem::path link;       // <image>/dosdevices/c:
    std::filesystem::path target;     // the folder it leads to, lexically normal (relative links resolved)
};

// Every drive of the image, A to Z; entries that are no link to a folder are left out.
std::vector<DriveMapping> imageDrives(const std::filesystem::path& imageDir);
// The drive of `letter` (either case); nullopt when the image has none.
std::optional<DriveMapping> imageDrive(const std::filesystem::path& imageDir, char letter);

}  // namespace vantix::platform
