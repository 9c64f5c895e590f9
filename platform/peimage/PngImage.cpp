#include "platform/peimage/PngImage.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/peimage/IconImage.h"
#include "platform/peimage/Inflate.h"
#include "platform/peimage/PeImageError.h"

namespace vantix::platform {
namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::size_t kMaxChunks = 100000;

enum ColourType : std::uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

[[noreturn]] void fail(const std::string& why) { throw PeImageError("PNG image " + why); }

std::uint32_t be32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
           static_cast<std::uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 0;
    int colour = 0;
    int channels = 0;
};

int channelsOf(int colour) {
    switch (colour) {
    case Grey: return 1;
    case Rgb: return 3;
    case Palette: return 1;
    case GreyAlpha: return 2;
    case Rgba: return 4;
    default: fail("has the unknown colour type " + std::to_string(colour));
    }
}

bool depthAllowed(int colour, int depth) {
    switch (colour) {
    case Grey: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case Palette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    default: return depth == 8 || depth == 16;
    }
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes the per-row filters in place; returns the rows without their filter bytes.
std::vector<std::uint8_t> unfilter(const std::vector<std::uint8_t>& raw, std::size_t stride, std::size_t rows,
                                   std::size_t pixelBytes) {
    std::vector<std::uint8_t> out(stride * rows);
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t filter = raw[y * (stride + 1)];
        const std::uint8_t* in = &raw[y * (stride + 1) + 1];
        std::uint8_t* row = &out[y * stride];
        const std::uint8_t* up = y ? &out[(y - 1) * stride] : nullptr;
        for (std::size_t x = 0; x < stride; ++x) {
            const int a = x >= pixelBytes ? row[x - pixelBytes] : 0;
            const int b = up ? up[x] : 0;
            const int c = up && x >= pixelBytes ? up[x - pixelBytes] : 0;
            int predicted = 0;
            switch (filter) {
            case 0: predicted = 0; break;
            case 1: predicted = a; break;
            case 2: predicted = b; break;
            case 3: predicted = (a + b) / 2; break;
            case 4: predicted = paeth(a, b, c); break;
            default: fail("row " + std::to_string(y) + " has the unknown filter " + std::to_string(filter));
            }
            row[x] = static_cast<std::uint8_t>(in[x] + predicted);
        }
    }
    return out;
}

}  // namespace

RgbaImage decodePngImage(std::span<const std::uint8_t> data) {
    if (!isPngIconImage(data)) fail("has no PNG signature");
    Header h;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> paletteAlpha;
    std::vector<std::uint8_t> transparent;  // tRNS of grey and RGB images
    std::vector<std::uint8_t> compressed;
    bool ended = false;
    std::size_t at = kSignatureSize;
    for (std::size_t chunks = 0; !ended; ++chunks) {
        if (chunks >= kMaxChunks) fail("has too many chunks");
        if (data.size() - at < 12) fail("ends before its IEND chunk");
        const std::uint32_t length = be32(data, at);
        if (length > data.size() - at - 12) fail("has a chunk that runs past its end");
        const auto type = data.subspan(at + 4, 4);
        const auto body = data.subspan(at + 8, length);
        const std::string name(type.begin(), type.end());
        at += 12 + std::size_t{length};
        if (chunks == 0 && name != "IHDR") fail("does not start with IHDR");
        if (name == "IHDR") {
            if (length != 13) fail("has a damaged IHDR chunk");
            h.width = be32(body, 0);
            h.height = be32(body, 4);
            h.depth = body[8];
            h.colour = body[9];
            if (body[10] != 0 || body[11] != 0) fail("uses an unknown compression or filter method");
            if (body[12] != 0) fail("is interlaced, which icons do not use and this reader does not support");
            h.channels = channelsOf(h.colour);
            if (!depthAllowed(h.colour, h.depth))
                fail("has the invalid bit depth " + std::to_string(h.depth) + " for its colour type");
            if (h.width == 0 || h.height == 0 || h.width > kMaxIconSide || h.height > kMaxIconSide)
                fail("size " + std::to_string(h.width) + "x" + std::to_string(h.height) + " is out of range");
        } else if (name == "PLTE") {
            if (length % 3 != 0 || length / 3 > 256) fail("has a damaged palette");
            for (std::size_t i = 0; i < length; i += 3)
                palette.push_back(0xFF000000u | static_cast<std::uint32_t>(body[i]) << 16 | body[i + 1] << 8 | body[i + 2]);
        } else if (name == "tRNS") {
            if (h.colour == Palette) paletteAlpha.assign(body.begin(), body.end());
            else transparent.assign(body.begin(), body.end());
        } else if (name == "IDAT") {
            compressed.insert(compressed.end(), body.begin(), body.end());
        } else if (name == "IEND") {
            ended = true;
        }
    }
    if (h.colour == Palette && palette.empty()) fail("has no palette");

    const std::size_t bitsPerPixel = static_cast<std::size_t>(h.channels) * static_cast<std::size_t>(h.depth);
    const std::size_t stride = (h.width * bitsPerPixel + 7) / 8;
    const std::size_t pixelBytes = std::max<std::size_t>(1, bitsPerPixel / 8);
    const std::vector<std::uint8_t> raw = inflateZlib(compressed, (stride + 1) * h.height);
    if (raw.size() != (stride + 1) * h.height) fail("holds fewer rows than its height");
    const std::vector<std::uint8_t> rows = unfilter(raw, stride, h.height, pixelBytes);

    // A sample of channel `c` of pixel `x` in `row`, scaled to 8 bits (16-bit samples keep their high byte).
    const auto sample = [&](const std::uint8_t* row, std::size_t x, int c) -> std::uint32_t {
        const std::size_t index = x * static_cast<std::size_t>(h.channels) + static_cast<std::size_t>(c);
        if (h.depth == 16) return row[2 * index];
        if (h.depth == 8) return row[index];
        const std::size_t bit = index * static_cast<std::size_t>(h.depth);
        const std::uint32_t v = (row[bit / 8] >> (8 - h.depth - bit % 8)) & ((1u << h.depth) - 1);
        return h.colour == Palette ? v : v * 255 / ((1u << h.depth) - 1);
    };
    // The 16-bit (or shorter) raw value, for comparing with tRNS.
    const auto rawSample = [&](const std::uint8_t* row, std::size_t x, int c) -> std::uint32_t {
        const std::size_t index = x * static_cast<std::size_t>(h.channels) + static_cast<std::size_t>(c);
        if (h.depth == 16) return static_cast<std::uint32_t>(row[2 * index]) << 8 | row[2 * index + 1];
        if (h.depth == 8) return row[index];
        const std::size_t bit = index * static_cast<std::size_t>(h.depth);
        return (row[bit / 8] >> (8 - h.depth - bit % 8)) & ((1u << h.depth) - 1);
    };
    const auto trns = [&](int c) -> std::uint32_t {
        return static_cast<std::uint32_t>(transparent[2 * static_cast<std::size_t>(c)]) << 8 |
               transparent[2 * static_cast<std::size_t>(c) + 1];
    };

    RgbaImage image;
    image.width = static_cast<int>(h.width);
    image.height = static_cast<int>(h.height);
    image.pixels.resize(std::size_t{h.width} * h.height);
    for (std::size_t y = 0; y < h.height; ++y) {
        const std::uint8_t* row = &rows[y * stride];
        for (std::size_t x = 0; x < h.width; ++x) {
            std::uint32_t px = 0;
            switch (h.colour) {
            case Grey: {
                const std::uint32_t g = sample(row, x, 0);
                const bool clear = transparent.size() >= 2 && rawSample(row, x, 0) == trns(0);
                px = (clear ? 0u : 0xFF000000u) | g << 16 | g << 8 | g;
                break;
            }
            case Rgb: {
                const bool clear = transparent.size() >= 6 && rawSample(row, x, 0) == trns(0) &&
                                   rawSample(row, x, 1) == trns(1) && rawSample(row, x, 2) == trns(2);
                px = (clear ? 0u : 0xFF000000u) | sample(row, x, 0) << 16 | sample(row, x, 1) << 8 | sample(row, x, 2);
                break;
            }
            case Palette: {
                const std::uint32_t index = sample(row, x, 0);
                px = index < palette.size() ? palette[index] : 0xFF000000u;
                if (index < paletteAlpha.size()) px = (px & 0xFFFFFFu) | static_cast<std::uint32_t>(paletteAlpha[index]) << 24;
                break;
            }
            case GreyAlpha: {
                const std::uint32_t g = sample(row, x, 0);
                px = sample(row, x, 1) << 24 | g << 16 | g << 8 | g;
                break;
            }
            default:
                px = sample(row, x, 3) << 24 | sample(row, x, 0) << 16 | sample(row, x, 1) << 8 | sample(row, x, 2);
            }
            // Fully transparent pixels are 0, as in decoded bitmap icons.
            image.pixels[y * h.width + x] = (px >> 24) ? px : 0;
        }
    }
    return image;
}

}  // namespace vantix::platform
