#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/peimage/ExecutableImage.h"
#include "platform/peimage/IconDirectory.h"
#include "platform/peimage/IconImage.h"
#include "platform/peimage/RgbaImage.h"

// The icons of a program, library or .ico file, numbered as ExtractIcon numbers
// them: an index n >= 0 is the n-th group icon in resource order, a negative n
// the group icon whose resource ID is -n. A .ico file holds one icon, index 0.
namespace vantix::platform {

// One image of an icon, as measured from its data.
struct IconImageInfo {
    IconImageFormat format;
    std::size_t bytes = 0;
};

class FileIcons {
public:
    // Both throw PeImageError when the data is neither a readable executable nor a .ico file.
    static FileIcons fromBytes(std::vector<std::uint8_t> bytes);
    static FileIcons fromFile(const std::filesystem::path& path);

    // Number of icons: group icons of an executable, 1 for a .ico file.
    int count() const;
    // The images of one icon, in directory order; those whose data is missing or
    // damaged are left out. Throws PeImageError when there is no such icon.
    std::vector<IconImageInfo> images(int index) const;
    // The image ExtractIcon would draw for `request` (see chooseIcon; an image
    // that does not decode is passed over for the next best), stretched to the
    // requested size when request.scaleToSize.
    // Throws PeImageError when there is no such icon or no image of it decodes.
    RgbaImage extract(int index, const IconRequest& request = {}) const;

private:
    struct Image {
        std::span<const std::uint8_t> data;
        IconImageInfo info;
    };
    FileIcons() = default;
    std::vector<Image> loadImages(int index) const;

    std::optional<ExecutableImage> executable_;
    std::vector<std::uint8_t> iconFile_;
};

}  // namespace vantix::platform
