#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Icon directories: the header of a .ico file and the RT_GROUP_ICON resource
// that lists the RT_ICON images of one icon in an executable.
namespace vantix::platform {

struct IconDirectoryEntry {
    int width = 0;   // 0 in the file means 256; stored here as 256
    int height = 0;
    int colorCount = 0;
    int bitCount = 0;          // as the directory says (0 in many old files)
    std::uint32_t bytes = 0;   // size of the image data
    std::uint16_t iconId = 0;  // group icons: the RT_ICON resource ID
    std::uint32_t offset = 0;  // .ico files: file offset of the image data
};

// What a caller wants: the size the icon is shown at and the display's colour depth.
struct IconRequest {
    int width = 32;
    int height = 32;
    int colorDepth = 32;
    bool scaleToSize = true;  // stretch the chosen image to width x height as ExtractIcon does
};

// The measured properties of one image that take part in the choice.
struct IconCandidate {
    int width = 0;
    int height = 0;
    int bitCount = 0;
};

constexpr std::size_t kMaxIconDirectoryEntries = 1024;

// True when the bytes start with a .ico header (reserved 0, type 1, at least one image).
bool looksLikeIconFile(std::span<const std::uint8_t> bytes);
// Both throw PeImageError for a damaged header or more than kMaxIconDirectoryEntries images.
std::vector<IconDirectoryEntry> parseIconFileDirectory(std::span<const std::uint8_t> bytes);
std::vector<IconDirectoryEntry> parseGroupIconDirectory(std::span<const std::uint8_t> bytes);

// The image ExtractIcon would take: the smallest total difference of width and
// height from the request (the first on a tie), then among the images of that
// size the colour depth closest to the display's (again the first on a tie).
// nullopt when there are no candidates.
std::optional<std::size_t> chooseIcon(std::span<const IconCandidate> candidates, const IconRequest& request);

}  // namespace vantix::platform
