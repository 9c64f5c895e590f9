#include "platform/peimage/PngImage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/peimage/Inflate.h"
#include "platform/peimage/PeImageError.h"
#include "tests/platform/peimage/PngBuilder.h"

using namespace vantix::platform;
using namespace png_test;

namespace {

struct ColourCase {
    const char* name;
    Png png;
    std::vector<std::uint32_t> expected;  // 0xAARRGGBB, top row first
};

std::vector<ColourCase> colourCases() {
    return {
        {"rgba8", {2, 1, 8, 6, {0, 255, 0, 0, 128, 1, 2, 3, 0}, {}, {}}, {0x80FF0000, 0}},
        {"rgb8 with tRNS", {2, 1, 8, 2, {0, 10, 20, 30, 40, 50, 60}, {}, {0, 40, 0, 50, 0, 60}},
         {0xFF0A141E, 0}},
        {"rgba16 keeps the high byte", {1, 1, 16, 6, {0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF}, {}, {}},
         {0xFF12569A}},
        {"grey1 scales to 0 and 255", {3, 1, 1, 0, {0, 0b10100000}, {}, {}}, {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        {"grey4", {2, 1, 4, 0, {0, 0x5F}, {}, {}}, {0xFF555555, 0xFFFFFFFF}},
        {"grey16 with tRNS", {2, 1, 16, 0, {0, 0x12, 0x34, 0x80, 0x00}, {}, {0x12, 0x34}}, {0, 0xFF808080}},
        {"grey+alpha8", {1, 2, 8, 4, {0, 200, 100, 0, 7, 255}, {}, {}}, {0x64C8C8C8, 0xFF070707}},
        {"palette2 with tRNS",
         {4, 1, 2, 3, {0, 0b00011011}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 128}},
         {0, 0x80040506, 0xFF070809, 0xFF000000}},  // index 3 is past the palette: black
        {"palette8 across two rows", {1, 2, 8, 3, {0, 1, 0, 0}, {9, 9, 9, 1, 2, 3}, {}}, {0xFF010203, 0xFF090909}},
    };
}

TEST(PngImage, DecodesEveryColourTypeAndDepth) {
    for (const auto& c : colourCases()) {
        const RgbaImage image = decodePngImage(encode(c.png));
        EXPECT_EQ(image.width, static_cast<int>(c.png.width)) << c.name;
        EXPECT_EQ(image.pixels, c.expected) << c.name;
    }
}

// Applies a row filter the way an encoder does, for a 4-byte-per-pixel image.
Bytes filtered(const std::vector<Bytes>& rows, int filter) {
    Bytes out;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        out.push_back(static_cast<std::uint8_t>(filter));
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const int a = x >= 4 ? rows[y][x - 4] : 0;
            const int b = y ? rows[y - 1][x] : 0;
            const int c = y && x >= 4 ? rows[y - 1][x - 4] : 0;
            int p = 0;
            if (filter == 1) p = a;
            if (filter == 2) p = b;
            if (filter == 3) p = (a + b) / 2;
            if (filter == 4) {
                const int e = a + b - c, pa = std::abs(e - a), pb = std::abs(e - b), pc = std::abs(e - c);
                p = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            }
            out.push_back(static_cast<std::uint8_t>(rows[y][x] - p));
        }
    }
    return out;
}

TEST(PngImage, UndoesEveryRowFilter) {
    std::vector<Bytes> rows(3, Bytes(3 * 4));
    for (std::size_t y = 0; y < 3; ++y)
        for (std::size_t i = 0; i < 12; ++i) rows[y][i] = static_cast<std::uint8_t>(37 * y + 91 * i + 250 * (i % 4 == 3));
    std::vector<std::uint32_t> expected;
    for (const auto& r : rows)
        for (std::size_t x = 0; x < 3; ++x) {
            const std::uint32_t px = static_cast<std::uint32_t>(r[4 * x + 3]) << 24 | r[4 * x] << 16 | r[4 * x + 1] << 8 | r[4 * x + 2];
            expected.push_back(px >> 24 ? px : 0);
        }
    for (int filter = 0; filter <= 4; ++filter) {
        const RgbaImage image = decodePngImage(encode({3, 3, 8, 6, filtered(rows, filter), {}, {}}));
        EXPECT_EQ(image.pixels, expected) << "filter " << filter;
    }
}

Bytes fixture(const char* name) {
    std::ifstream in(std::string(VANTIX_TEST_DATA) + "/pe/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Files compressed by zlib itself, with dynamic and with fixed Huffman codes.
TEST(PngImage, DecodesHuffmanCodedFiles) {
    const RgbaImage gradient = decodePngImage(fixture("gradient_rgba.png"));
    ASSERT_EQ(gradient.width, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(gradient.at(x, y), static_cast<std::uint32_t>(255 - x - y) << 24 | static_cast<std::uint32_t>(x * 16) << 16 |
                                             static_cast<std::uint32_t>(y * 16) << 8 | 128u)
                << x << "," << y;
    const RgbaImage small = decodePngImage(fixture("small_rgb.png"));
    ASSERT_EQ(small.width, 8);
    EXPECT_EQ(small.at(7, 1), 0xFF46151Eu);
}

TEST(PngImage, DamagedFilesGiveClearErrors) {
    const Bytes good = encode({2, 1, 8, 6, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {}, {}});
    const std::size_t idat = 8 + 25 + 8;  // first IDAT's data
    struct Case {
        const char* what;
        Bytes bytes;
        const char* message;
    };
    const auto patched = [&](std::size_t at, std::uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    Bytes cut = good;
    cut.resize(cut.size() - 12);  // no IEND
    Bytes fewRows = encode({2, 2, 8, 6, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {}, {}});
    const Case cases[] = {
        {"no signature", Bytes(good.begin() + 1, good.end()), "signature"},
        {"cut short", cut, "ends before"},
        {"chunk runs past the end", patched(8 + 3, 0xFF), "runs past"},
        {"huge width", patched(16, 0x7F), "out of range"},
        {"zero height", encode({2, 0, 8, 6, {}, {}, {}}), "out of range"},
        {"colour type 5", patched(8 + 8 + 9, 5), "colour type 5"},
        {"rgb of 4 bits", encode({1, 1, 4, 2, {0, 0}, {}, {}}), "bit depth"},
        {"interlaced", encode({1, 1, 8, 6, {0, 1, 2, 3, 4}, {}, {}, 1}), "interlaced"},
        {"palette missing", encode({1, 1, 8, 3, {0, 0}, {}, {}}), "no palette"},
        {"bad zlib header", patched(idat, 0x79), "zlib header"},
        {"preset dictionary", patched(idat + 1, 0x20), "dictionary"},
        {"reserved block type", patched(idat + 2, 0x07), "invalid block type"},
        {"stored length check", patched(idat + 5, 0x00), "invalid stored block lengths"},
        {"checksum", patched(good.size() - 12 - 4 - 1, 0xEE), "incorrect data check"},
        {"rows missing", fewRows, "fewer rows"},
        {"unknown filter", encode({1, 1, 8, 6, {9, 1, 2, 3, 4}, {}, {}}), "filter"},
    };
    for (const auto& c : cases) {
        try {
            decodePngImage(c.bytes);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const PeImageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(Inflate, RefusesOutputBeyondTheLimit) {
    // 200 zero bytes packed by a back-reference: a small input that unpacks large.
    const Bytes z = {0x78, 0xDA, 0x63, 0x60, 0x18, 0x1E, 0x00, 0x00, 0x00, 0xC8, 0x00, 0x01};
    EXPECT_EQ(inflateZlib(z, 200), Bytes(200, 0));
    EXPECT_THROW(inflateZlib(z, 100), PeImageError);
}

TEST(Inflate, RejectsDistancesBeforeTheStart) {
    // Fixed block: length code 257 (3 bytes) at distance 1 with nothing written yet.
    const Bytes z = {0x78, 0x01, 0x03, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
    try {
        inflateZlib(z, 1000);
        ADD_FAILURE() << "no error";
    } catch (const PeImageError& e) {
        EXPECT_NE(std::string(e.what()).find("too far back"), std::string::npos) << e.what();
    }
}

}  // namespace
