#include "platform/peimage/FileIcons.h"

#include <string>

#include "platform/log/Log.h"
#include "platform/peimage/ByteReader.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kLog = "peimage";
constexpr int kMaxDecodeAttempts = 16;

std::string noSuchIcon(int index, int count) {
    return "no icon " + std::to_string(index) + " in this file (it has " + std::to_string(count) + ")";
}

}  // namespace

FileIcons FileIcons::fromBytes(std::vector<std::uint8_t> bytes) {
    FileIcons icons;
    if (looksLikeIconFile(bytes)) {
        parseIconFileDirectory(bytes);  // reject a damaged header now rather than on first use
        icons.iconFile_ = std::move(bytes);
    } else if (looksLikeExecutable(bytes)) {
        icons.executable_ = ExecutableImage::fromBytes(std::move(bytes));
    } else {
        throw PeImageError("neither a Windows program or library nor an icon file");
    }
    return icons;
}

FileIcons FileIcons::fromFile(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path, ExecutableImage::kMaxFileSize);
    try {
        return fromBytes(std::move(bytes));
    } catch (const PeImageError& e) {
        throw PeImageError(path.filename().string() + ": " + e.what());
    }
}

int FileIcons::count() const {
    if (!executable_) return 1;
    return static_cast<int>(executable_->names(restype::GroupIcon).size());
}

std::vector<FileIcons::Image> FileIcons::loadImages(int index) const {
    std::vector<Image> images;
    const auto add = [&](std::span<const std::uint8_t> data) {
        try {
            images.push_back({data, {peekIconImage(data), data.size()}});
        } catch (const PeImageError& e) {
            log::debug(kLog, std::string("icon image skipped: ") + e.what());
        }
    };

    if (!executable_) {
        if (index != 0) throw PeImageError(noSuchIcon(index, 1));
        const ByteReader file(iconFile_);
        for (const auto& entry : parseIconFileDirectory(iconFile_)) {
            if (file.fits(entry.offset, entry.bytes)) add(file.slice(entry.offset, entry.bytes, "icon image"));
            else log::debug(kLog, "icon image at offset " + std::to_string(entry.offset) + " lies outside the file");
        }
        return images;
    }

    const auto groups = executable_->names(restype::GroupIcon);
    const Resource* group = nullptr;
    if (index >= 0) {
        if (static_cast<std::size_t>(index) < groups.size())
            group = executable_->find(restype::GroupIcon, groups[static_cast<std::size_t>(index)]);
    } else if (index >= -0xFFFF) {
        group = executable_->find(restype::GroupIcon, ResourceId::number(static_cast<std::uint16_t>(-index)));
    }
    if (!group) throw PeImageError(noSuchIcon(index, static_cast<int>(groups.size())));

    for (const auto& entry : parseGroupIconDirectory(executable_->data(*group))) {
        // The images of a group are looked up in the group's own language first.
        const Resource* icon =
            executable_->find(restype::Icon, ResourceId::number(entry.iconId), group->language);
        if (!icon) {
            log::debug(kLog, "group icon names the missing icon resource " + std::to_string(entry.iconId));
            continue;
        }
        try {
            add(executable_->data(*icon));
        } catch (const PeImageError& e) {
            log::debug(kLog, std::string("icon resource skipped: ") + e.what());
        }
    }
    return images;
}

std::vector<IconImageInfo> FileIcons::images(int index) const {
    std::vector<IconImageInfo> out;
    for (const auto& image : loadImages(index)) out.push_back(image.info);
    return out;
}

RgbaImage FileIcons::extract(int index, const IconRequest& request) const {
    auto images = loadImages(index);
    std::string lastError = "it has no images";
    // Try the best choice first; when it turns out not to decode, choose again
    // without it. The attempts are capped so that a file listing one damaged
    // image many times cannot make this slow.
    for (int attempt = 0; attempt < kMaxDecodeAttempts && !images.empty(); ++attempt) {
        std::vector<IconCandidate> candidates;
        for (const auto& image : images)
            candidates.push_back({image.info.format.width, image.info.format.height, image.info.format.bitCount});
        const std::size_t at = *chooseIcon(candidates, request);
        try {
            RgbaImage image = decodeIconImage(images[at].data);
            if (request.scaleToSize && request.width > 0 && request.height > 0)
                return scaleNearest(image, request.width, request.height);
            return image;
        } catch (const PeImageError& e) {
            lastError = e.what();
            log::debug(kLog, "icon image does not decode: " + lastError);
            images.erase(images.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    throw PeImageError("icon " + std::to_string(index) + " cannot be drawn: " + lastError);
}

}  // namespace vantix::platform
