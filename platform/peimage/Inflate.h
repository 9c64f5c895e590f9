#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantix::platform {

// Unpacks a zlib stream (deflate with the two-byte header and the Adler-32
// check), as PNG images hold it. Throws PeImageError for damaged data, a preset
// dictionary, a wrong checksum, or output beyond `maxOutput` bytes.
std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> data, std::size_t maxOutput);

}  // namespace vantix::platform
