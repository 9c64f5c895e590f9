#include "platform/peimage/ExecutableImage.h"

#include <fstream>

#include "platform/peimage/ByteReader.h"
#include "platform/peimage/ResourceTables.h"

namespace vantix::platform {

bool looksLikeExecutable(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z';
}

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw PeImageError(path.string() + " is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PeImageError("cannot open " + path.string());
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > limit)
            throw PeImageError(path.string() + " is larger than " + std::to_string(limit >> 20) + " MiB");
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (in.bad()) throw PeImageError("cannot read " + path.string());
    return bytes;
}

ExecutableImage ExecutableImage::fromBytes(std::vector<std::uint8_t> bytes) {
    ExecutableImage image;
    image.bytes_ = std::move(bytes);
    const ByteReader file(image.bytes_);
    if (!looksLikeExecutable(image.bytes_)) throw PeImageError("not a Windows program or library (no MZ header)");
    const std::uint32_t header = file.u32(0x3C, "MZ e_lfanew");
    if (!file.fits(header, 2))
        throw PeImageError("MS-DOS program without a Windows header (e_lfanew " + std::to_string(header) +
                           " lies outside the file)");
    const std::uint16_t signature = file.u16(header, "Windows header signature");
    if (signature == 0x4550 /* "PE" */) {
        if (file.u16(header + 2, "PE signature") != 0)
            throw PeImageError("damaged PE signature at offset " + std::to_string(header));
        image.resources_ = detail::readPeResources(file, header, image.format_);
    } else if (signature == 0x454E /* "NE" */) {
        image.format_ = Format::Ne;
        image.resources_ = detail::readNeResources(file, header);
    } else {
        throw PeImageError("MS-DOS program without a Windows (PE or NE) header");
    }
    return image;
}

ExecutableImage ExecutableImage::fromFile(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path, kMaxFileSize);
    try {
        return fromBytes(std::move(bytes));
    } catch (const PeImageError& e) {
        throw PeImageError(path.filename().string() + ": " + e.what());
    }
}

std::span<const std::uint8_t> ExecutableImage::data(const Resource& resource) const {
    if (!resource.error.empty()) throw PeImageError(resource.error);
    return ByteReader(bytes_).slice(resource.offset, resource.size, "resource data");
}

std::vector<ResourceId> ExecutableImage::names(std::uint16_t type) const {
    std::vector<ResourceId> out;
    for (const auto& r : resources_) {
        if (!r.type.isNumber(type)) continue;
        // Languages of one name are adjacent in both layouts, so comparing with the last is enough.
        if (out.empty() || !(out.back() == r.name)) out.push_back(r.name);
    }
    return out;
}

const Resource* ExecutableImage::find(std::uint16_t type, const ResourceId& name,
                                      std::optional<std::uint16_t> language) const {
    const Resource* first = nullptr;
    const Resource* neutral = nullptr;
    const Resource* english = nullptr;
    for (const auto& r : resources_) {
        if (!r.type.isNumber(type) || !(r.name == name)) continue;
        if (language && r.language == *language) return &r;
        if (!first) first = &r;
        if (r.language == 0 && !neutral) neutral = &r;
        if (r.language == 0x0409 && !english) english = &r;
    }
    return neutral ? neutral : english ? english : first;
}

}  // namespace vantix::platform
