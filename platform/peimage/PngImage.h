#pragma once

#include <cstdint>
#include <span>

#include "platform/peimage/RgbaImage.h"

namespace vantix::platform {

// Decodes a PNG image as newer icons embed it: every colour type and bit
// depth, transparency from the alpha channel or tRNS, no interlacing. Sizes
// are limited to kMaxIconSide. Throws PeImageError for damaged or unsupported data.
RgbaImage decodePngImage(std::span<const std::uint8_t> data);

}  // namespace vantix::platform
