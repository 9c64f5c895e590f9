#pragma once

#include <cstdint>
#include <span>

#include "platform/peimage/RgbaImage.h"

// One image of an icon as stored in an RT_ICON resource or a .ico file: a
// device-independent bitmap of double height (colour bits, then the 1-bit AND
// mask), or a PNG stream in newer files.
namespace vantix::platform {

constexpr int kMaxIconSide = 1024;

struct IconImageFormat {
    int width = 0;
    int height = 0;  // of the icon, not of the stored double-height bitmap
    int bitCount = 0;
    bool png = false;
};

bool isPngIconImage(std::span<const std::uint8_t> data);
// Reads the header only; throws PeImageError when it is damaged.
IconImageFormat peekIconImage(std::span<const std::uint8_t> data);
// Decodes bitmaps of 1, 4, 8, 16, 24 and 32 bits per pixel (uncompressed or
// bit fields) and PNG images. A bitmap's transparency comes from the alpha
// bytes of 32-bit images when any is non-zero, else from the AND mask;
// transparent pixels are 0. Throws PeImageError for other formats, sizes over
// kMaxIconSide and damaged or cut-short data.
RgbaImage decodeIconImage(std::span<const std::uint8_t> data);

}  // namespace vantix::platform
