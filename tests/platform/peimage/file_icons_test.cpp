#include "platform/peimage/FileIcons.h"

#include <gtest/gtest.h>

#include "platform/peimage/PeImageError.h"
#include "tests/platform/peimage/PeBuilder.h"
#include "tests/platform/peimage/PngBuilder.h"

using namespace vantix::platform;
using namespace pe_test;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

std::vector<Res> concat(std::initializer_list<std::vector<Res>> parts) {
    std::vector<Res> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Three group icons (IDs 5, 9, 200) in resource order; each a different colour.
Bytes threeIcons() {
    // Resource order: group icons first (by ID), then their images.
    auto a = iconResources(5, {{32, 32, 8, solidIcon(32, 8, kRed), 1}});
    auto b = iconResources(9, {{32, 32, 8, solidIcon(32, 8, kGreen), 2}});
    auto c = iconResources(200, {{32, 32, 8, solidIcon(32, 8, kBlue), 3}});
    return buildPe({a[0], b[0], c[0], a[1], b[1], c[1]});
}

TEST(FileIcons, IndexesCountInResourceOrderAndNegativeIndexesAreIds) {
    const auto icons = FileIcons::fromBytes(threeIcons());
    EXPECT_EQ(icons.count(), 3);
    struct Case {
        int index;
        std::uint32_t colour;
    };
    for (const auto& c : {Case{0, kRed}, Case{1, kGreen}, Case{2, kBlue}, Case{-5, kRed}, Case{-9, kGreen},
                          Case{-200, kBlue}})
        EXPECT_EQ(icons.extract(c.index).at(0, 0), c.colour) << "index " << c.index;
    for (int missing : {3, 100, -1, -6, -70000})
        EXPECT_THROW(icons.extract(missing), PeImageError) << "index " << missing;
}

TEST(FileIcons, ChoosesTheSizeThenTheColourDepthLikeExtractIcon) {
    const auto icons = FileIcons::fromBytes(buildPe(iconResources(
        1, {{16, 16, 8, solidIcon(16, 8, kRed), 1},
            {32, 32, 4, solidIcon(32, 4, kGreen), 2},
            {32, 32, 24, solidIcon(32, 24, kBlue), 3},
            {48, 48, 8, solidIcon(48, 8, kRed), 4}})));
    struct Case {
        IconRequest request;
        int width;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {{32, 32, 32, false}, 32, kBlue},   // standard size, true-colour display
        {{32, 32, 4, false}, 32, kGreen},   // 16-colour display
        {{16, 16, 32, false}, 16, kRed},    // small icon
        {{40, 40, 32, false}, 32, kBlue},   // 32 and 48 are both 8 away: the first found wins
        {{64, 64, 32, false}, 48, kRed},    // nothing larger: the closest
        {{20, 20, 32, true}, 20, kRed},     // 16 is nearest; stretched to the request
    };
    for (const auto& c : cases) {
        const RgbaImage image = icons.extract(0, c.request);
        EXPECT_EQ(image.width, c.width) << c.request.width << " at " << c.request.colorDepth;
        EXPECT_EQ(image.at(0, 0), c.colour) << c.request.width << " at " << c.request.colorDepth;
    }
    EXPECT_EQ(icons.extract(0).width, 32) << "the default is ExtractIcon's 32x32";
    ASSERT_EQ(icons.images(0).size(), 4u);
    EXPECT_EQ(icons.images(0)[2].format.bitCount, 24);
}

TEST(FileIcons, PassesOverImagesThatDoNotDecode) {
    Bytes broken = solidIcon(32, 24, kRed);
    put16(broken, 14, 7);  // 7 bits per pixel
    // A PNG cut off after its header.
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 32, 0, 0, 0, 32};
    const auto icons = FileIcons::fromBytes(buildPe(iconResources(
        1, {{32, 32, 32, png, 1}, {32, 32, 32, broken, 2}, {16, 16, 4, solidIcon(16, 4, kGreen), 3}})));
    const RgbaImage image = icons.extract(0, {32, 32, 32, false});
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.at(0, 0), kGreen);

    const auto onlyBadPng = FileIcons::fromBytes(buildPe(iconResources(1, {{32, 32, 32, png, 1}})));
    try {
        onlyBadPng.extract(0);
        ADD_FAILURE() << "no error";
    } catch (const PeImageError& e) {
        EXPECT_NE(std::string(e.what()).find("PNG"), std::string::npos) << e.what();
    }
}

TEST(FileIcons, PngImagesTakePartInTheChoice) {
    // A 48x48 PNG beside a 32x32 bitmap, as in icons made for newer Windows.
    Bytes rows;
    for (int y = 0; y < 48; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 48; ++x) rows.insert(rows.end(), {0, 0, 255, 255});
    }
    const Bytes png = png_test::encode({48, 48, 8, 6, rows, {}, {}});
    const auto icons = FileIcons::fromBytes(
        buildPe(iconResources(1, {{48, 48, 32, png, 1}, {32, 32, 8, solidIcon(32, 8, kRed), 2}})));
    EXPECT_EQ(icons.extract(0, {48, 48, 32, false}).at(47, 47), kBlue);
    EXPECT_EQ(icons.extract(0).at(0, 0), kRed);
}

TEST(FileIcons, GroupImagesComeFromTheGroupsLanguage) {
    const auto icons = FileIcons::fromBytes(buildPe(concat(
        {iconResources(1, {{32, 32, 8, solidIcon(32, 8, kRed), 1}}, 0x0407),
         {{std::uint16_t{3}, std::uint16_t{1}, 0x0000, solidIcon(32, 8, kBlue)}}})));
    EXPECT_EQ(icons.extract(0).at(0, 0), kRed);
}

TEST(FileIcons, MissingOrDamagedPartsGiveClearErrors) {
    // A group that names an image that does not exist.
    const auto orphan = FileIcons::fromBytes(buildPe({{std::uint16_t{14}, std::uint16_t{1}, 0,
                                                       groupIcon({{32, 32, 8, {}, 42}})}}));
    EXPECT_TRUE(orphan.images(0).empty());
    EXPECT_THROW(orphan.extract(0), PeImageError);
    // A group directory that claims more entries than it holds.
    Bytes group = groupIcon({{32, 32, 8, {}, 1}});
    put16(group, 4, 5000);
    const auto damaged = FileIcons::fromBytes(buildPe({{std::uint16_t{14}, std::uint16_t{1}, 0, group}}));
    EXPECT_THROW(damaged.extract(0), PeImageError);
    EXPECT_EQ(FileIcons::fromBytes(buildPe({})).count(), 0);
    EXPECT_THROW(FileIcons::fromBytes({'G', 'I', 'F', '8'}), PeImageError);
}

TEST(FileIcons, IconFilesHoldOneIcon) {
    const Bytes ico = icoFile({{16, 16, 4, solidIcon(16, 4, kRed)}, {32, 32, 8, solidIcon(32, 8, kGreen)},
                               {0, 0, 32, solidIcon(256, 32, kBlue | 0xFF000000)}});
    const auto icons = FileIcons::fromBytes(ico);
    EXPECT_EQ(icons.count(), 1);
    EXPECT_EQ(icons.extract(0).at(5, 5), kGreen);
    EXPECT_EQ(icons.extract(0, {256, 256, 32, false}).width, 256) << "0 in the directory means 256";
    EXPECT_THROW(icons.extract(1), PeImageError);
    EXPECT_THROW(icons.extract(-1), PeImageError);

    Bytes outside = ico;
    put32(outside, 6 + 16 + 12, 0xFFFFFF00);  // second image's offset
    EXPECT_EQ(FileIcons::fromBytes(outside).images(0).size(), 2u);
    Bytes tooMany = ico;
    put16(tooMany, 4, 60000);
    EXPECT_THROW(FileIcons::fromBytes(tooMany), PeImageError);
}

TEST(FileIcons, NeProgramsHaveIconsToo) {
    const auto icons = FileIcons::fromBytes(buildNe(
        {{14, 1, groupIcon({{32, 32, 4, {}, 1}})}, {3, 1, solidIcon(32, 4, kRed)}}));
    EXPECT_EQ(icons.count(), 1);
    EXPECT_EQ(icons.extract(0).at(31, 31), kRed);
}

}  // namespace

namespace {

// Images that Wine's own resource compiler produced: the 16-colour notepad icon.
TEST(FileIconsFixture, DecodesARealWineIcon) {
    const auto icons = FileIcons::fromFile(std::string(VANTIX_TEST_DATA) + "/pe/wine_notepad_4bit.ico");
    ASSERT_EQ(icons.images(0).size(), 2u);
    const RgbaImage image = icons.extract(0, {32, 32, 4, false});
    ASSERT_EQ(image.width, 32);
    EXPECT_EQ(image.at(0, 0), 0u) << "corner is masked";
    EXPECT_EQ(image.at(5, 20), 0xFF7F0000u) << "the wine in the glass";
    EXPECT_EQ(image.at(10, 5), 0xFFFFFF00u) << "the pad's yellow binding";
    EXPECT_EQ(image.at(16, 16), 0xFFC0C0C0u);
    int opaque = 0;
    for (auto p : image.pixels) opaque += (p >> 24) == 0xFF;
    EXPECT_EQ(opaque, 769);
    EXPECT_EQ(icons.extract(0, {16, 16, 4, false}).width, 16);
}

}  // namespace
