#include "platform/peimage/VersionInfo.h"

#include <gtest/gtest.h>

#include "platform/peimage/PeImageError.h"
#include "tests/platform/peimage/PeBuilder.h"

using namespace vantix::platform;
using namespace pe_test;

namespace {

VNode stringTable(const std::u16string& key, std::vector<VNode> strings) { return {key, 1, {}, 0, std::move(strings)}; }

// A version resource as resource compilers write it, with two translations.
Bytes sampleVersion() {
    VNode root{u"VS_VERSION_INFO", 0, fixedFileInfo(0x00040000, 0x000003B6, 3), 52, {}};
    root.children.push_back(
        {u"StringFileInfo", 1, {}, 0,
         {stringTable(u"040904b0", {textNode(u"CompanyName", u"Morlan"), textNode(u"FileVersion", u"4.0.950"),
                                    textNode(u"Comments", u"")}),
          stringTable(u"040704E4", {textNode(u"CompanyName", u"Morlan GmbH \u00C4")})}});
    root.children.push_back(
        {u"VarFileInfo", 1, {}, 0, {{u"Translation", 0, translation({{0x0409, 0x04B0}, {0x0407, 0x04E4}}), 8, {}}}});
    return encode(root);
}

TEST(VersionInfo, ReadsFixedInfoStringsAndTranslations) {
    const auto info = VersionInfo::parse(sampleVersion());
    const auto fixed = info.fixedInfo();
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->signature, FixedFileInfo::kSignature);
    EXPECT_EQ(versionText(fixed->fileVersionMS, fixed->fileVersionLS), "4.0.0.950");
    EXPECT_EQ(fixed->fileFlags, 3u);
    EXPECT_EQ(fixed->fileOS, 0x40004u);
    EXPECT_EQ(info.translations(), (std::vector<Translation>{{0x0409, 0x04B0}, {0x0407, 0x04E4}}));
    EXPECT_EQ(info.string({0x0409, 0x04B0}, "CompanyName"), "Morlan");
    EXPECT_EQ(info.string({0x0407, 0x04E4}, "CompanyName"), "Morlan GmbH \xC3\x84");
    EXPECT_EQ(info.string({0x0409, 0x04B0}, "Comments"), "") << "empty values exist";
    EXPECT_EQ(info.string({0x0409, 0x04E4}, "CompanyName"), std::nullopt);
    EXPECT_EQ(info.string({0x0409, 0x04B0}, "ProductName"), std::nullopt);
}

TEST(VersionInfo, LooksUpBlocksCaseInsensitivelyAndInFull) {
    const auto info = VersionInfo::parse(sampleVersion());
    EXPECT_NE(info.find("\\stringfileinfo\\040904B0\\COMPANYNAME"), nullptr);
    EXPECT_EQ(info.find("\\StringFileInfo\\040904B0\\Company"), nullptr) << "no prefix matches";
    EXPECT_EQ(info.find("\\"), &info.root());
    EXPECT_EQ(info.find("\\VarFileInfo\\Translation")->binary.size(), 8u);
}

TEST(VersionInfo, ReadsTextWhateverTheValueLengthCounts) {
    // Tools write the length in units with or without the NUL, or in bytes.
    for (std::uint16_t length : {6, 7, 14, 0}) {
        VNode s = textNode(u"ProductName", u"Vantix");
        s.valueLength = length;
        VNode root{u"VS_VERSION_INFO", 0, fixedFileInfo(1, 2), 52,
                   {{u"StringFileInfo", 1, {}, 0, {stringTable(u"040904B0", {s, textNode(u"Next", u"x")})}}}};
        const auto info = VersionInfo::parse(encode(root));
        EXPECT_EQ(info.string({0x0409, 0x04B0}, "ProductName"), "Vantix") << "length " << length;
        EXPECT_EQ(info.string({0x0409, 0x04B0}, "Next"), "x") << "length " << length;
    }
}

// The 16-bit layout of NE files: no type word, ANSI keys and texts.
Bytes ansiNode(const std::string& key, const Bytes& value, const std::vector<Bytes>& children) {
    Bytes b;
    add16(b, 0);
    add16(b, static_cast<std::uint32_t>(value.size()));
    b.insert(b.end(), key.begin(), key.end());
    b.push_back(0);
    pad4(b);
    b.insert(b.end(), value.begin(), value.end());
    for (const auto& c : children) {
        pad4(b);
        b.insert(b.end(), c.begin(), c.end());
    }
    put16(b, 0, static_cast<std::uint32_t>(b.size()));
    return b;
}
Bytes ansiText(const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

TEST(VersionInfo, ReadsTheSixteenBitLayoutOfNeFiles) {
    const Bytes data = ansiNode(
        "VS_VERSION_INFO", fixedFileInfo(0x00030000, 0x0000000A, 0, 0x10001),
        {ansiNode("StringFileInfo", {},
                  {ansiNode("040904E4", {}, {ansiNode("CompanyName", ansiText("Caf\xE9 \x80"), {})})}),
         ansiNode("VarFileInfo", {}, {ansiNode("Translation", translation({{0x0409, 0x04E4}}), {})})});
    const Bytes ne = buildNe({{16, 1, data}});
    const auto info = VersionInfo::fromImage(ExecutableImage::fromBytes(ne));
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->isAnsiLayout());
    EXPECT_EQ(info->fixedInfo()->fileOS, 0x10001u);
    EXPECT_EQ(info->translations(), (std::vector<Translation>{{0x0409, 0x04E4}}));
    EXPECT_EQ(info->string({0x0409, 0x04E4}, "CompanyName"), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(VersionInfo, TakesTheResourceFromAnExecutable) {
    const Bytes version = sampleVersion();
    const auto info = VersionInfo::fromImage(ExecutableImage::fromBytes(buildPe({{std::uint16_t{16}, std::uint16_t{1}, 0x0409, version}})));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->string({0x0409, 0x04B0}, "FileVersion"), "4.0.950");
    EXPECT_FALSE(VersionInfo::fromImage(ExecutableImage::fromBytes(buildPe({}))));
}

TEST(VersionInfo, DamagedDataGivesAClearError) {
    const Bytes good = sampleVersion();
    struct Case {
        const char* what;
        Bytes data;
        const char* message;
    };
    Bytes tooShort = good;
    put16(tooShort, 0, 4);
    Bytes key = good;
    put16(key, 0, 20);  // the root block ends inside its key
    Bytes childTooShort = good;
    put16(childTooShort, 92, 2);  // StringFileInfo block claims 2 bytes
    const Case cases[] = {
        {"empty", {}, "VS_VERSION_INFO"},
        {"other data", Bytes(64, 'x'), "VS_VERSION_INFO"},
        {"root too short", tooShort, "too short"},
        {"root key cut off", key, "NUL"},
        {"child too short", childTooShort, "too short"},
    };
    for (const auto& c : cases) {
        try {
            VersionInfo::parse(c.data);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const PeImageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(VersionInfo, DeepNestingIsRefused) {
    VNode node{u"leaf", 0, {}, 0, {}};
    for (int i = 0; i < 12; ++i) node = VNode{u"n", 0, {}, 0, {node}};
    node.key = u"VS_VERSION_INFO";
    EXPECT_THROW(VersionInfo::parse(encode(node)), PeImageError);
}

TEST(VersionInfo, RootWithoutFixedInfoHasNone) {
    VNode root{u"VS_VERSION_INFO", 0, {}, 0, {}};
    EXPECT_FALSE(VersionInfo::parse(encode(root)).fixedInfo());
    VNode wrongSignature{u"VS_VERSION_INFO", 0, fixedFileInfo(1, 2), 52, {}};
    wrongSignature.value[0] = 0;
    EXPECT_FALSE(VersionInfo::parse(encode(wrongSignature)).fixedInfo());
}

}  // namespace
