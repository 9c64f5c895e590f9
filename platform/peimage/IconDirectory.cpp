#include "platform/peimage/IconDirectory.h"

#include <cstdlib>
#include <limits>
#include <string>

#include "platform/peimage/ByteReader.h"

namespace vantix::platform {
namespace {

constexpr std::uint16_t kTypeIcon = 1;

// Shared header of both layouts: reserved 0, type 1, count; entries differ only at the tail.
std::vector<IconDirectoryEntry> parseDirectory(std::span<const std::uint8_t> bytes, std::size_t entrySize,
                                               bool groupLayout) {
    const ByteReader r(bytes);
    const std::uint16_t reserved = r.u16(0, "icon directory");
    const std::uint16_t type = r.u16(2, "icon directory type");
    const std::uint16_t count = r.u16(4, "icon directory count");
    if (reserved != 0 || type != kTypeIcon) throw PeImageError("not an icon directory (type " + std::to_string(type) + ")");
    if (count > kMaxIconDirectoryEntries)
        throw PeImageError("icon directory lists " + std::to_string(count) + " images (at most " +
                           std::to_string(kMaxIconDirectoryEntries) + ")");
    r.require(6, std::size_t{count} * entrySize, "icon directory entries");
    std::vector<IconDirectoryEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + i * entrySize;
        IconDirectoryEntry e;
        e.width = r.u8(at, "icon width");
        e.height = r.u8(at + 1, "icon height");
        if (e.width == 0) e.width = 256;
        if (e.height == 0) e.height = 256;
        e.colorCount = r.u8(at + 2, "icon colour count");
        e.bitCount = r.u16(at + 6, "icon bit count");
        e.bytes = r.u32(at + 8, "icon image size");
        if (groupLayout) e.iconId = r.u16(at + 12, "icon resource ID");
        else e.offset = r.u32(at + 12, "icon image offset");
        entries.push_back(e);
    }
    return entries;
}

}  // namespace

bool looksLikeIconFile(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0 &&
           (bytes[4] != 0 || bytes[5] != 0);
}

std::vector<IconDirectoryEntry> parseIconFileDirectory(std::span<const std::uint8_t> bytes) {
    return parseDirectory(bytes, 16, false);
}

std::vector<IconDirectoryEntry> parseGroupIconDirectory(std::span<const std::uint8_t> bytes) {
    return parseDirectory(bytes, 14, true);
}

std::optional<std::size_t> chooseIcon(std::span<const IconCandidate> candidates, const IconRequest& request) {
    if (candidates.empty()) return std::nullopt;
    long bestSize = std::numeric_limits<long>::max();
    int bestDx = 0;
    int bestDy = 0;
    for (const auto& c : candidates) {
        const int dx = std::abs(request.width - c.width);
        const int dy = std::abs(request.height - c.height);
        if (long{dx} + dy < bestSize) {
            bestSize = long{dx} + dy;
            bestDx = dx;
            bestDy = dy;
        }
    }
    std::optional<std::size_t> best;
    int bestColour = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const auto& c = candidates[i];
        if (std::abs(request.width - c.width) != bestDx || std::abs(request.height - c.height) != bestDy) continue;
        const int colour = std::abs(request.colorDepth - c.bitCount);
        if (colour < bestColour) {
            bestColour = colour;
            best = i;
        }
    }
    return best;
}

}  // namespace vantix::platform
