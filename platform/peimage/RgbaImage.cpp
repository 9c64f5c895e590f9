#include "platform/peimage/RgbaImage.h"

namespace vantix::platform {

RgbaImage scaleNearest(const RgbaImage& image, int width, int height) {
    RgbaImage out;
    if (image.empty() || width < 1 || height < 1) return out;
    if (width == image.width && height == image.height) return image;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * image.height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * image.width / width);
            out.pixels[static_cast<std::size_t>(y) * width + x] = image.at(sx, sy);
        }
    }
    return out;
}

}  // namespace vantix::platform
