#include <algorithm>
#include <string>

#include "platform/peimage/ResourceTables.h"

namespace vantix::platform::detail {
namespace {

constexpr std::uint16_t kIntegerId = 0x8000;
constexpr std::uint16_t kMaxAlignShift = 16;

// NE names are Pascal strings in the resource table, in the system's ANSI code page.
std::string pascalString(const ByteReader& file, std::size_t offset) {
    const std::uint8_t length = file.u8(offset, "NE resource name length");
    const auto raw = file.slice(offset + 1, length, "NE resource name");
    std::string out;
    for (const std::uint8_t c : raw) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {  // Latin-1 range as UTF-8; NE names are ASCII in practice
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

ResourceId neId(const ByteReader& file, std::size_t table, std::uint16_t word) {
    if (word & kIntegerId) return ResourceId::number(static_cast<std::uint16_t>(word & ~kIntegerId));
    return ResourceId::text(pascalString(file, table + word));
}

}  // namespace

std::vector<Resource> readNeResources(const ByteReader& file, std::size_t headerOffset) {
    const std::uint16_t tableRel = file.u16(headerOffset + 0x24, "NE resource table offset");
    const std::uint16_t residentRel = file.u16(headerOffset + 0x26, "NE resident name table offset");
    if (tableRel == residentRel) return {};  // no resource table
    const std::size_t table = headerOffset + tableRel;
    const std::uint16_t shift = file.u16(table, "NE resource alignment shift");
    if (shift > kMaxAlignShift)
        throw PeImageError("NE resource alignment shift " + std::to_string(shift) + " is out of range");

    std::vector<Resource> resources;
    std::size_t at = table + 2;
    for (;;) {
        const std::uint16_t typeWord = file.u16(at, "NE resource type");
        if (typeWord == 0) break;
        const std::uint16_t count = file.u16(at + 2, "NE resource count");
        const ResourceId type = neId(file, table, typeWord);
        file.require(at + 8, std::size_t{count} * 12, "NE resource entries");
        for (std::uint16_t i = 0; i < count; ++i) {
            if (resources.size() >= ExecutableImage::kMaxResources)
                throw PeImageError("more than " + std::to_string(ExecutableImage::kMaxResources) +
                                   " resources in one file");
            const std::size_t entry = at + 8 + std::size_t{i} * 12;
            Resource leaf;
            leaf.type = type;
            leaf.name = neId(file, table, file.u16(entry + 6, "NE resource ID"));
            const std::uint64_t offset = std::uint64_t{file.u16(entry, "NE resource offset")} << shift;
            const std::uint64_t size = std::uint64_t{file.u16(entry + 2, "NE resource length")} << shift;
            if (offset > file.size()) {
                leaf.error = "NE resource data at offset " + std::to_string(offset) + " lies outside the file";
            } else {
                leaf.offset = static_cast<std::size_t>(offset);
                // The length is rounded up to the alignment, so the last resource may end with the file.
                leaf.size = static_cast<std::size_t>(std::min<std::uint64_t>(size, file.size() - offset));
            }
            resources.push_back(std::move(leaf));
        }
        at += 8 + std::size_t{count} * 12;
    }
    return resources;
}

}  // namespace vantix::platform::detail
