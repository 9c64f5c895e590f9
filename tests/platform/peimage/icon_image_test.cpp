#include "platform/peimage/IconImage.h"

#include <gtest/gtest.h>

#include "platform/peimage/PeImageError.h"
#include "tests/platform/peimage/PeBuilder.h"
#include "tests/platform/peimage/PngBuilder.h"

using namespace vantix::platform;
using namespace pe_test;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

struct DepthCase {
    int bpp;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> stored;  // what goes into the bitmap
};

// A 3x2 picture per depth, chosen so that row order, nibble and bit order, and
// channel order all show in the result: top row red, green, blue; bottom row
// white, red, green.
class IconDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(IconDepth, DecodesKnownPixelsTopRowFirst) {
    const auto& c = GetParam();
    const Bytes data = dib(3, 2, c.bpp, c.palette, c.stored, {0, 0, 1, 0, 0, 0});
    const RgbaImage image = decodeIconImage(data);
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.at(0, 0), kRed);
    EXPECT_EQ(image.at(1, 0), kGreen);
    EXPECT_EQ(image.at(2, 0), 0u) << "masked pixel must be transparent";
    EXPECT_EQ(image.at(0, 1), kWhite);
    EXPECT_EQ(image.at(1, 1), kRed);
    EXPECT_EQ(image.at(2, 1), kGreen);
    EXPECT_EQ(peekIconImage(data).bitCount, c.bpp);
}

const std::vector<std::uint32_t> kPalette = {0xFF000000, kRed, kGreen, kBlue, kWhite};
const std::vector<std::uint32_t> kIndexes = {1, 2, 3, 4, 1, 2};
const std::vector<std::uint32_t> kColours = {kRed, kGreen, kBlue, kWhite, kRed, kGreen};

INSTANTIATE_TEST_SUITE_P(AllDepths, IconDepth,
                         ::testing::Values(DepthCase{4, kPalette, kIndexes}, DepthCase{8, kPalette, kIndexes},
                                           DepthCase{16, {}, kColours}, DepthCase{24, {}, kColours},
                                           DepthCase{32, {}, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF,
                                                              0x00FF0000, 0x0000FF00}}),
                         [](const auto& param) { return std::to_string(param.param.bpp) + "bpp"; });

TEST(IconImage, MonochromeUsesTheTwoPaletteColoursAndTheMask) {
    // 9 pixels wide: the row spans two bytes, so bit order across bytes matters.
    std::vector<std::uint32_t> bits = {1, 0, 1, 1, 0, 0, 0, 0, 1};
    std::vector<int> mask = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    const RgbaImage image = decodeIconImage(dib(9, 1, 1, {0xFF000000, kWhite}, bits, mask));
    EXPECT_EQ(image.at(0, 0), kWhite);
    EXPECT_EQ(image.at(1, 0), 0xFF000000u);
    EXPECT_EQ(image.at(3, 0), kWhite);
    EXPECT_EQ(image.at(7, 0), 0u);
    EXPECT_EQ(image.at(8, 0), kWhite);
}

TEST(IconImage, ThirtyTwoBitAlphaWinsOverTheMask) {
    // Half-transparent pixel although the mask says opaque, transparent one although it says opaque.
    const Bytes data = dib(2, 1, 32, {}, {0x80102030, 0x00405060}, {0, 0});
    const RgbaImage image = decodeIconImage(data);
    EXPECT_EQ(image.at(0, 0), 0x80102030u);
    EXPECT_EQ(image.at(1, 0), 0x00405060u);
}

TEST(IconImage, ThirtyTwoBitWithAlphaNeedsNoMask) {
    const Bytes data = dib(2, 2, 32, {}, {0xFF010203, 0x7F000000, 0xFF000000, 0x01FFFFFF}, {}, false);
    EXPECT_EQ(decodeIconImage(data).at(0, 0), 0xFF010203u);
}

TEST(IconImage, PaletteIndexBeyondTheTableShowsBlack) {
    const RgbaImage image = decodeIconImage(dib(2, 1, 4, {kRed}, {0, 9}));
    EXPECT_EQ(image.at(0, 0), kRed);
    EXPECT_EQ(image.at(1, 0), 0xFF000000u);
}

TEST(IconImage, SixteenBitBitFieldsUseTheGivenMasks) {
    // 5-6-5 masks; one pure green pixel (all six green bits set).
    Bytes b = dib(1, 1, 16, {}, {0});
    put32(b, 16, 3);  // BI_BITFIELDS
    Bytes masks;
    add32(masks, 0xF800);
    add32(masks, 0x07E0);
    add32(masks, 0x001F);
    b.insert(b.begin() + 40, masks.begin(), masks.end());
    b[52] = 0xE0;
    b[53] = 0x07;
    EXPECT_EQ(decodeIconImage(b).at(0, 0), kGreen);
}

TEST(IconImage, PngImagesDecodeThroughTheSameCall) {
    const Bytes png = png_test::encode({2, 1, 8, 6, {0, 255, 0, 0, 255, 0, 0, 255, 255}, {}, {}});
    const auto format = peekIconImage(png);
    EXPECT_TRUE(format.png);
    EXPECT_EQ(format.width, 2);
    EXPECT_EQ(format.bitCount, 32);
    EXPECT_EQ(decodeIconImage(png).pixels, (std::vector<std::uint32_t>{kRed, kBlue}));
    const Bytes cut(png.begin(), png.begin() + 30);
    EXPECT_THROW(decodeIconImage(cut), PeImageError);
}

TEST(IconImage, DamagedImagesGiveAClearError) {
    struct Case {
        const char* what;
        Bytes data;
        const char* message;
    };
    Bytes cutColour = solidIcon(32, 8, kRed);
    cutColour.resize(40 + 4 + 100);
    Bytes cutMask = solidIcon(32, 24, kRed);
    cutMask.resize(cutMask.size() - 1);
    Bytes huge = solidIcon(1, 24, kRed);
    put32(huge, 4, 0x7FFFFFFF);
    Bytes negative = solidIcon(1, 24, kRed);
    put32(negative, 8, static_cast<std::uint32_t>(-2));
    Bytes oddDepth = solidIcon(1, 24, kRed);
    put16(oddDepth, 14, 7);
    Bytes rle = solidIcon(2, 8, kRed);
    put32(rle, 16, 1);
    Bytes bigPalette = solidIcon(2, 8, kRed);
    put32(bigPalette, 32, 100000);
    Bytes header = solidIcon(2, 8, kRed);
    put32(header, 0, 1000);
    const Case cases[] = {
        {"empty", {}, "outside"},
        {"colour bits cut short", cutColour, "icon colour bits"},
        {"mask cut short", cutMask, "AND mask is missing"},
        {"huge width", huge, "out of range"},
        {"negative height", negative, "not positive"},
        {"7 bits per pixel", oddDepth, "7 bits per pixel"},
        {"RLE compression", rle, "compression 1"},
        {"palette of 100000 colours", bigPalette, "too large"},
        {"unknown header size", header, "not a known size"},
    };
    for (const auto& c : cases) {
        try {
            decodeIconImage(c.data);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const PeImageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(IconImage, ScalingPicksNearestPixels) {
    RgbaImage two{2, 1, {kRed, kBlue}};
    const RgbaImage four = scaleNearest(two, 4, 2);
    EXPECT_EQ(four.pixels, (std::vector<std::uint32_t>{kRed, kRed, kBlue, kBlue, kRed, kRed, kBlue, kBlue}));
    EXPECT_EQ(scaleNearest(four, 2, 1).pixels, two.pixels);
    EXPECT_TRUE(scaleNearest(two, 0, 5).empty());
}

}  // namespace
