#include "platform/peimage/ExecutableImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/peimage/PeImageError.h"
#include "tests/platform/peimage/PeBuilder.h"

using namespace vantix::platform;
using namespace pe_test;

namespace {

std::string errorOf(const Bytes& bytes) {
    try {
        ExecutableImage::fromBytes(bytes);
    } catch (const PeImageError& e) {
        return e.what();
    }
    return "(no error)";
}

const std::vector<Res> kSample = {
    {std::uint16_t{14}, u"MAINICON", 0x0409, {1, 2, 3}},
    {std::uint16_t{14}, std::uint16_t{7}, 0x0407, {4}},
    {std::uint16_t{14}, std::uint16_t{7}, 0x0409, {5}},
    {std::uint16_t{14}, std::uint16_t{7}, 0x0000, {6}},
    {std::uint16_t{16}, std::uint16_t{1}, 0x0409, {7, 8}},
};

TEST(ExecutableImage, ListsResourcesOfPe32AndPe32Plus) {
    for (bool plus : {false, true}) {
        const auto image = ExecutableImage::fromBytes(buildPe(kSample, plus));
        EXPECT_EQ(image.format(), plus ? ExecutableImage::Format::Pe32Plus : ExecutableImage::Format::Pe32);
        ASSERT_EQ(image.resources().size(), 5u);
        const auto& named = image.resources()[0];
        EXPECT_TRUE(named.name.named);
        EXPECT_EQ(named.name.name, "MAINICON");
        EXPECT_EQ(named.language, 0x0409);
        EXPECT_EQ(std::vector<std::uint8_t>(image.data(named).begin(), image.data(named).end()), (Bytes{1, 2, 3}));
        const auto names = image.names(restype::GroupIcon);
        ASSERT_EQ(names.size(), 2u) << "one name with three languages counts once";
        EXPECT_EQ(names[1], ResourceId::number(7));
    }
}

TEST(ExecutableImage, PrefersNeutralThenEnglishThenFirstLanguage) {
    auto sample = kSample;
    const auto pick = [](const std::vector<Res>& list, std::optional<std::uint16_t> want = std::nullopt) {
        const auto image = ExecutableImage::fromBytes(buildPe(list));
        return image.data(*image.find(restype::GroupIcon, ResourceId::number(7), want))[0];
    };
    EXPECT_EQ(pick(sample), 6) << "neutral";
    EXPECT_EQ(pick(sample, 0x0407), 4) << "asked-for language";
    sample.erase(sample.begin() + 3);
    EXPECT_EQ(pick(sample), 5) << "U.S. English";
    sample.erase(sample.begin() + 2);
    EXPECT_EQ(pick(sample), 4) << "first";
}

TEST(ExecutableImage, FileWithoutResourcesHasNone) {
    Bytes pe = buildPe(kSample);
    put32(pe, kPeHeader + 24 + 92 + 4 + 16, 0);  // resource directory RVA
    EXPECT_TRUE(ExecutableImage::fromBytes(pe).resources().empty());
    put32(pe, kPeHeader + 24 + 92, 2);  // only two data directories: no resource entry at all
    EXPECT_TRUE(ExecutableImage::fromBytes(pe).resources().empty());
}

TEST(ExecutableImage, ReadsNeResources) {
    const auto image = ExecutableImage::fromBytes(buildNe({{14, 1, {9, 9}}, {3, 1, {1}}, {3, 2, {2}}}));
    EXPECT_EQ(image.format(), ExecutableImage::Format::Ne);
    ASSERT_EQ(image.resources().size(), 3u);
    EXPECT_EQ(image.resources()[2].name, ResourceId::number(2));
    EXPECT_EQ(image.data(image.resources()[0])[0], 9);
    EXPECT_EQ(image.data(image.resources()[0]).size(), 16u) << "NE lengths are in alignment units";
}

TEST(ExecutableImage, DataOutsideTheFileFailsOnlyWhenUsed) {
    Bytes pe = buildPe(kSample);
    // The first data entry follows the five directories: root, two types, three names.
    const std::size_t firstLeaf = kSectionFileOffset + (16 + 2 * 8) + (16 + 2 * 8) + 16 + 8 + 2 * (16 + 8) + 16 + 3 * 8;
    put32(pe, firstLeaf + 4, 0x7FFFFFFF);
    const auto image = ExecutableImage::fromBytes(pe);
    EXPECT_FALSE(image.resources()[0].error.empty());
    EXPECT_THROW(image.data(image.resources()[0]), PeImageError);
    EXPECT_NO_THROW(image.data(image.resources()[1]));
}

// Hostile and damaged files: each must give a clear error, never a crash or a read out of bounds.
TEST(ExecutableImage, HostileFilesGiveClearErrors) {
    struct Case {
        const char* what;
        Bytes bytes;
        const char* message;
    };
    const Bytes good = buildPe(kSample);
    const std::size_t root = kSectionFileOffset;
    const std::size_t sh = sectionHeaderOffset(false);
    auto patched = [&](auto change) {
        Bytes b = good;
        change(b);
        return b;
    };
    const Case cases[] = {
        {"empty", {}, "no MZ header"},
        {"text file", {'h', 'e', 'l', 'l', 'o'}, "no MZ header"},
        {"MZ only", {'M', 'Z'}, "e_lfanew"},
        {"e_lfanew past the end", patched([](Bytes& b) { put32(b, 0x3C, 0xFFFFFFF0); }), "outside the file"},
        {"DOS program", patched([](Bytes& b) { b[kPeHeader] = 'X'; }), "without a Windows"},
        {"bad optional magic", patched([](Bytes& b) { put16(b, kPeHeader + 24, 0x107); }), "magic"},
        {"65535 sections", patched([](Bytes& b) { put16(b, kPeHeader + 6, 0xFFFF); }), "sections"},
        {"resource RVA in no section", patched([](Bytes& b) { put32(b, kPeHeader + 24 + 96 + 16, 0x50000); }),
         "no section"},
        {"section data past the end", patched([&](Bytes& b) { put32(b, sh + 20, 0x7FFFFF00); }), "outside"},
        {"directory loops to the root", patched([&](Bytes& b) { put32(b, root + 16 + 4, 0x80000000u); }),
         "loops"},
        {"huge entry counts", patched([&](Bytes& b) { put16(b, root + 14, 0xFFFF); put16(b, root + 12, 0xFFFF); }),
         "resource directory entries"},
        {"subdirectory offset out of range",
         patched([&](Bytes& b) { put32(b, root + 16 + 4, 0x80000000u | 0x0FFFFFF0u); }), "outside"},
        {"name offset out of range", patched([&](Bytes& b) { put32(b, root + 16 + 16 + 16, 0x8FFFFFF0u); }),
         "resource name"},
        {"data where a directory belongs", patched([&](Bytes& b) { put32(b, root + 16 + 4, 0x20); }),
         "leads to data"},
    };
    for (const auto& c : cases) {
        const std::string message = errorOf(c.bytes);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    }
}

TEST(ExecutableImage, HostileNeFilesGiveClearErrors) {
    const Bytes good = buildNe({{3, 1, {1, 2}}});
    Bytes shift = good;
    put16(shift, 0x80, 40);
    EXPECT_NE(errorOf(shift).find("alignment shift"), std::string::npos);
    Bytes count = good;
    put16(count, 0x82 + 2, 0xFFFF);  // entries past the end of the file
    EXPECT_NE(errorOf(count).find("NE resource"), std::string::npos);
    Bytes data = good;
    put16(data, 0x82 + 8, 0xFFFF);  // data offset past the end: reported on use
    const auto image = ExecutableImage::fromBytes(data);
    EXPECT_THROW(image.data(image.resources()[0]), PeImageError);
}

TEST(ExecutableImage, ReadsFilesAndNamesThemInErrors) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / "peimage-files";
    std::filesystem::create_directories(dir);
    const auto write = [&](const char* name, const Bytes& b) {
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                          static_cast<std::streamsize>(b.size()));
        return dir / name;
    };
    EXPECT_EQ(ExecutableImage::fromFile(write("good.exe", buildPe(kSample))).resources().size(), 5u);
    try {
        ExecutableImage::fromFile(write("bad.exe", {'M', 'Z'}));
        ADD_FAILURE() << "no error";
    } catch (const PeImageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("bad.exe: ", 0), 0u) << e.what();
    }
    EXPECT_THROW(ExecutableImage::fromFile(dir / "missing.exe"), PeImageError);
    EXPECT_THROW(ExecutableImage::fromFile(dir), PeImageError);
}

}  // namespace
