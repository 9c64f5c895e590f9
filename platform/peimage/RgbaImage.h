#pragma once

#include <cstdint>
#include <vector>

namespace vantix::platform {

// A picture in memory: rows top to bottom, each pixel 0xAARRGGBB.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The image stretched or shrunk to width x height by taking the nearest pixel,
// as a colour-on-colour stretch does; an empty image for a size below 1.
RgbaImage scaleNearest(const RgbaImage& image, int width, int height);

}  // namespace vantix::platform
