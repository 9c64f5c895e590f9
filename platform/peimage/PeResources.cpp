#include <algorithm>
#include <set>
#include <string>

#include "platform/peimage/ResourceTables.h"
#include "platform/text/Text.h"

namespace vantix::platform::detail {
namespace {

constexpr std::uint16_t kMaxSections = 96;  // the loader's own limit for PE images
constexpr std::uint32_t kHighBit = 0x80000000u;

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

// Maps image addresses (RVAs) to file offsets through the section table.
class SectionMap {
public:
    SectionMap(const ByteReader& file, std::size_t tableOffset, std::uint16_t count) {
        if (count > kMaxSections)
            throw PeImageError("PE file claims " + std::to_string(count) + " sections (at most " +
                               std::to_string(kMaxSections) + " are allowed)");
        for (std::uint16_t i = 0; i < count; ++i) {
            const std::size_t at = tableOffset + std::size_t{i} * 40;
            sections_.push_back({file.u32(at + 12, "section VirtualAddress"), file.u32(at + 8, "section VirtualSize"),
                                 file.u32(at + 16, "section SizeOfRawData"),
                                 file.u32(at + 20, "section PointerToRawData")});
        }
    }

    // The section holding `rva`, or nullptr.
    const Section* sectionOf(std::uint32_t rva) const {
        for (const auto& s : sections_) {
            const std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva - std::uint64_t{s.virtualAddress} < extent) return &s;
        }
        return nullptr;
    }

private:
    std::vector<Section> sections_;
};

// Walks the three levels (type, name, language) of the resource directory.
class ResourceWalker {
public:
    ResourceWalker(const ByteReader& file, const SectionMap& sections, std::size_t rootOffset,
                   std::size_t treeEnd)
        : file_(file), sections_(sections),
          tree_(file.slice(rootOffset, treeEnd - rootOffset, "resource section")) {}

    std::vector<Resource> walk() {
        Resource path;
        walkDirectory(0, 0, path);
        return std::move(leaves_);
    }

private:
    void walkDirectory(std::uint32_t offset, int level, Resource& path) {
        // A directory reached twice means the tree loops (or is built to make the walk explode).
        if (!visited_.insert(offset).second)
            throw PeImageError("resource directory at offset " + std::to_string(offset) +
                               " is reached twice (the resource tree loops)");
        const std::uint32_t named = tree_.u16(offset + 12, "resource directory named-entry count");
        const std::uint32_t numbered = tree_.u16(offset + 14, "resource directory ID-entry count");
        const std::uint32_t count = named + numbered;
        tree_.require(offset + 16, std::size_t{count} * 8, "resource directory entries");
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = offset + 16 + std::size_t{i} * 8;
            const std::uint32_t nameWord = tree_.u32(entry, "resource entry name");
            const std::uint32_t target = tree_.u32(entry + 4, "resource entry offset");
            ResourceId id = (nameWord & kHighBit) ? ResourceId::text(readName(nameWord & ~kHighBit))
                                                  : ResourceId::number(static_cast<std::uint16_t>(nameWord));
            if (level == 0) path.type = std::move(id);
            else if (level == 1) path.name = std::move(id);
            else path.language = id.id;

            const bool isDirectory = (target & kHighBit) != 0;
            if (level < 2) {
                if (!isDirectory)
                    throw PeImageError("resource entry at offset " + std::to_string(entry) +
                                       " should lead to a directory but leads to data");
                walkDirectory(target & ~kHighBit, level + 1, path);
            } else {
                if (isDirectory)
                    throw PeImageError("resource tree at offset " + std::to_string(entry) +
                                       " is deeper than type, name and language");
                addLeaf(target, path);
            }
        }
    }

    std::string readName(std::uint32_t offset) {
        const std::uint16_t length = tree_.u16(offset, "resource name length");
        const auto raw = tree_.slice(offset + 2, std::size_t{length} * 2, "resource name");
        std::u16string units(length, u'\0');
        for (std::size_t i = 0; i < length; ++i)
            units[i] = static_cast<char16_t>(raw[2 * i] | raw[2 * i + 1] << 8);
        return text::toUtf8(units);
    }

    void addLeaf(std::uint32_t entryOffset, const Resource& path) {
        if (leaves_.size() >= ExecutableImage::kMaxResources)
            throw PeImageError("more than " + std::to_string(ExecutableImage::kMaxResources) +
                               " resources in one file");
        Resource leaf = path;
        const std::uint32_t rva = tree_.u32(entryOffset, "resource data RVA");
        const std::uint32_t size = tree_.u32(entryOffset + 4, "resource data size");
        const Section* section = sections_.sectionOf(rva);
        if (!section) {
            leaf.error = "resource data at RVA " + std::to_string(rva) + " lies in no section";
        } else {
            const std::uint64_t offset = std::uint64_t{rva} - section->virtualAddress + section->rawOffset;
            if (offset > file_.size() || size > file_.size() - offset) {
                leaf.error = "resource data at RVA " + std::to_string(rva) + " (" + std::to_string(size) +
                             " bytes) lies outside the file";
            } else {
                leaf.offset = static_cast<std::size_t>(offset);
                leaf.size = size;
            }
        }
        leaves_.push_back(std::move(leaf));
    }

    const ByteReader& file_;
    const SectionMap& sections_;
    ByteReader tree_;
    std::set<std::uint32_t> visited_;
    std::vector<Resource> leaves_;
};

}  // namespace

std::vector<Resource> readPeResources(const ByteReader& file, std::size_t headerOffset,
                                      ExecutableImage::Format& format) {
    const std::size_t coff = headerOffset + 4;
    const std::uint16_t sectionCount = file.u16(coff + 2, "PE NumberOfSections");
    const std::uint16_t optionalSize = file.u16(coff + 16, "PE SizeOfOptionalHeader");
    const std::size_t optional = headerOffset + 24;
    const std::uint16_t magic = file.u16(optional, "PE optional header magic");
    std::size_t directoryCountAt = 0;
    if (magic == 0x10B) {
        format = ExecutableImage::Format::Pe32;
        directoryCountAt = 92;
    } else if (magic == 0x20B) {
        format = ExecutableImage::Format::Pe32Plus;
        directoryCountAt = 108;
    } else {
        throw PeImageError("PE optional header has the unknown magic number " + std::to_string(magic));
    }
    const SectionMap sections(file, optional + optionalSize, sectionCount);

    const std::uint32_t directoryCount = file.u32(optional + directoryCountAt, "PE NumberOfRvaAndSizes");
    const std::size_t resourceEntry = optional + directoryCountAt + 4 + 2 * 8;
    if (directoryCount < 3 || resourceEntry + 8 > optional + optionalSize) return {};
    const std::uint32_t rootRva = file.u32(resourceEntry, "resource directory RVA");
    const std::uint32_t rootSize = file.u32(resourceEntry + 4, "resource directory size");
    if (rootRva == 0 || rootSize == 0) return {};

    const Section* section = sections.sectionOf(rootRva);
    if (!section)
        throw PeImageError("resource directory RVA " + std::to_string(rootRva) + " lies in no section");
    const std::uint64_t rootOffset = std::uint64_t{rootRva} - section->virtualAddress + section->rawOffset;
    // The tree's own offsets stay inside the section's data in the file.
    const std::uint64_t sectionEnd = std::min<std::uint64_t>(std::uint64_t{section->rawOffset} + section->rawSize,
                                                             file.size());
    if (rootOffset >= sectionEnd)
        throw PeImageError("resource directory at file offset " + std::to_string(rootOffset) +
                           " lies outside the file");
    ResourceWalker walker(file, sections, static_cast<std::size_t>(rootOffset), static_cast<std::size_t>(sectionEnd));
    return walker.walk();
}

}  // namespace vantix::platform::detail
