#pragma once

// Writes PNG files for the tests with uncompressed (stored) deflate blocks, so
// that every colour type, bit depth and row filter can be built exactly.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace png_test {

using Bytes = std::vector<std::uint8_t>;

inline void be32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

inline std::uint32_t crc32(const Bytes& data, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline void chunk(Bytes& png, const std::string& type, const Bytes& body) {
    be32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), body.begin(), body.end());
    be32(png, crc32(png, start));
}

// A zlib stream of stored blocks.
inline Bytes zlibStored(const Bytes& raw) {
    Bytes z = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (auto c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    be32(z, b << 16 | a);
    return z;
}

struct Png {
    std::uint32_t width = 1;
    std::uint32_t height = 1;
    int depth = 8;
    int colour = 6;
    Bytes rows;  // filtered scan lines, each with its filter byte
    Bytes palette;
    Bytes transparency;
    int interlace = 0;
};

inline Bytes encode(const Png& p) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    be32(header, p.width);
    be32(header, p.height);
    header.push_back(static_cast<std::uint8_t>(p.depth));
    header.push_back(static_cast<std::uint8_t>(p.colour));
    header.push_back(0);
    header.push_back(0);
    header.push_back(static_cast<std::uint8_t>(p.interlace));
    chunk(png, "IHDR", header);
    if (!p.palette.empty()) chunk(png, "PLTE", p.palette);
    if (!p.transparency.empty()) chunk(png, "tRNS", p.transparency);
    const Bytes z = zlibStored(p.rows);
    // Split the data over two IDAT chunks: readers must join them.
    const std::size_t half = z.size() / 2;
    chunk(png, "IDAT", Bytes(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(half)));
    chunk(png, "IDAT", Bytes(z.begin() + static_cast<std::ptrdiff_t>(half), z.end()));
    chunk(png, "IEND", {});
    return png;
}

}  // namespace png_test
