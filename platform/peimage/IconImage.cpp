#include "platform/peimage/IconImage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "platform/peimage/ByteReader.h"
#include "platform/peimage/PngImage.h"

namespace vantix::platform {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kCoreHeader = 12;
constexpr std::size_t kInfoHeader = 40;
constexpr std::size_t kLargestHeader = 124;  // BITMAPV5HEADER

struct DibHeader {
    std::size_t headerSize = 0;
    int width = 0;
    int height = 0;  // icon height: half the stored height
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
};

DibHeader readHeader(const ByteReader& r) {
    DibHeader h;
    h.headerSize = r.u32(0, "icon bitmap header size");
    long storedHeight = 0;
    if (h.headerSize == kCoreHeader) {
        h.width = r.u16(4, "icon bitmap width");
        storedHeight = r.u16(6, "icon bitmap height");
        h.bitCount = r.u16(10, "icon bitmap bit count");
    } else if (h.headerSize >= kInfoHeader && h.headerSize <= kLargestHeader) {
        h.width = r.s32(4, "icon bitmap width");
        storedHeight = r.s32(8, "icon bitmap height");
        h.bitCount = r.u16(14, "icon bitmap bit count");
        h.compression = r.u32(16, "icon bitmap compression");
        h.colorsUsed = r.u32(32, "icon bitmap colours used");
    } else {
        throw PeImageError("icon bitmap header of " + std::to_string(h.headerSize) + " bytes is not a known size");
    }
    if (storedHeight <= 0)
        throw PeImageError("icon bitmap height " + std::to_string(storedHeight) + " is not positive");
    h.height = static_cast<int>(storedHeight / 2);
    if (h.width <= 0 || h.width > kMaxIconSide || h.height <= 0 || h.height > kMaxIconSide)
        throw PeImageError("icon size " + std::to_string(h.width) + "x" + std::to_string(h.height) +
                           " is out of range (1 to " + std::to_string(kMaxIconSide) + ")");
    return h;
}

// A colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            max = (m >> shift);
        }
    }
    std::uint32_t operator()(std::uint32_t pixel) const {
        if (!mask) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((std::uint64_t{v} * 255 + max / 2) / max);
    }
};

std::uint32_t opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

}  // namespace

bool isPngIconImage(std::span<const std::uint8_t> data) {
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return data.size() >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), data.begin());
}

IconImageFormat peekIconImage(std::span<const std::uint8_t> data) {
    const ByteReader r(data);
    if (isPngIconImage(data)) {
        // IHDR follows the signature: big-endian width and height at 16 and 20.
        const auto be32 = [&](std::size_t at) {
            const auto b = r.slice(at, 4, "PNG image header");
            return static_cast<int>(std::min<std::uint32_t>(
                static_cast<std::uint32_t>(b[0]) << 24 | b[1] << 16 | b[2] << 8 | b[3], 1u << 30));
        };
        return {be32(16), be32(20), 32, true};
    }
    const DibHeader h = readHeader(r);
    return {h.width, h.height, h.bitCount, false};
}

RgbaImage decodeIconImage(std::span<const std::uint8_t> data) {
    if (isPngIconImage(data)) return decodePngImage(data);
    const ByteReader r(data);
    const DibHeader h = readHeader(r);
    const int bits = h.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        throw PeImageError("icon bitmaps with " + std::to_string(bits) + " bits per pixel are not supported");
    if (h.compression != kBiRgb && !(h.compression == kBiBitfields && (bits == 16 || bits == 32)))
        throw PeImageError("compressed icon bitmaps (compression " + std::to_string(h.compression) +
                           ") are not supported");

    // Bit-field masks stand at offset 40 both after a plain info header and inside V4/V5 headers.
    std::uint32_t masks[3] = {bits == 16 ? 0x7C00u : 0xFF0000u, bits == 16 ? 0x03E0u : 0xFF00u,
                              bits == 16 ? 0x001Fu : 0xFFu};
    std::size_t paletteAt = h.headerSize;
    if (h.compression == kBiBitfields) {
        for (int i = 0; i < 3; ++i) masks[i] = r.u32(40 + 4 * static_cast<std::size_t>(i), "icon bit-field mask");
        if (h.headerSize == kInfoHeader) paletteAt += 12;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

    std::vector<std::uint32_t> palette;
    const std::size_t entrySize = h.headerSize == kCoreHeader ? 3 : 4;
    if (bits <= 8) {
        const std::size_t count = h.colorsUsed ? h.colorsUsed : std::size_t{1} << bits;
        if (count > 256) throw PeImageError("icon palette of " + std::to_string(count) + " colours is too large");
        const auto raw = r.slice(paletteAt, count * entrySize, "icon palette");
        for (std::size_t i = 0; i < count; ++i)
            palette.push_back(opaque(raw[i * entrySize + 2], raw[i * entrySize + 1], raw[i * entrySize]));
        palette.resize(std::size_t{1} << bits, opaque(0, 0, 0));  // indexes past the table show black
        paletteAt += count * entrySize;
    }

    const auto width = static_cast<std::size_t>(h.width);
    const auto height = static_cast<std::size_t>(h.height);
    const std::size_t colourStride = (width * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    const std::size_t maskStride = (width + 31) / 32 * 4;
    const auto colour = r.slice(paletteAt, colourStride * height, "icon colour bits");
    const std::size_t maskAt = paletteAt + colourStride * height;
    const bool haveMask = r.fits(maskAt, maskStride * height);
    if (!haveMask && bits != 32) throw PeImageError("icon image is cut short: its AND mask is missing");

    RgbaImage image;
    image.width = h.width;
    image.height = h.height;
    image.pixels.resize(width * height);
    bool anyAlpha = false;
    for (std::size_t y = 0; y < height; ++y) {
        const auto row = colour.subspan((height - 1 - y) * colourStride, colourStride);  // stored bottom-up
        for (std::size_t x = 0; x < width; ++x) {
            std::uint32_t px = 0;
            switch (bits) {
            case 1: px = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: px = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF]; break;
            case 8: px = palette[row[x]]; break;
            case 16: {
                const std::uint32_t v = row[2 * x] | row[2 * x + 1] << 8;
                px = opaque(red(v), green(v), blue(v));
                break;
            }
            case 24: px = opaque(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            default: {
                const std::uint32_t v = static_cast<std::uint32_t>(row[4 * x]) | row[4 * x + 1] << 8 |
                                        row[4 * x + 2] << 16 | static_cast<std::uint32_t>(row[4 * x + 3]) << 24;
                px = (v & 0xFF000000u) | red(v) << 16 | green(v) << 8 | blue(v);
                anyAlpha = anyAlpha || (v >> 24) != 0;
                break;
            }
            }
            image.pixels[y * width + x] = px;
        }
    }

    if (bits == 32 && anyAlpha) return image;  // the alpha bytes say it all; the mask is only for old displays
    if (!haveMask) throw PeImageError("icon image is cut short: its AND mask is missing");
    const auto mask = r.slice(maskAt, maskStride * height, "icon AND mask");
    for (std::size_t y = 0; y < height; ++y) {
        const auto row = mask.subspan((height - 1 - y) * maskStride, maskStride);
        for (std::size_t x = 0; x < width; ++x) {
            auto& px = image.pixels[y * width + x];
            if ((row[x / 8] >> (7 - x % 8)) & 1) px = 0;
            else px |= 0xFF000000u;
        }
    }
    return image;
}

}  // namespace vantix::platform
