#include "lindrel32/QVFILE.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

#include "tests/lindrel32/BareImage.h"
#include "tests/platform/peimage/PeBuilder.h"

namespace fs = std::filesystem;
using lindrel32::QVFILE;
using namespace pe_test;

namespace {

VNode stringTable(const std::u16string& key, std::vector<VNode> strings) {
    return {key, 1, {}, 0, std::move(strings)};
}

// A program with a version resource of two languages; the first spells the
// trademark entry "LegalTrademarks" as resource compilers write it.
Bytes programWithVersion(std::uint32_t flags, std::uint32_t os, std::uint32_t type,
                         std::uint32_t subtype) {
    Bytes fixed = fixedFileInfo(0x00040000, 0x000003B6, flags, os, type);
    put32(fixed, 40, subtype);
    put32(fixed, 44, 0x01BE6616);  // 4 March 1999, 08:10:28 UTC
    put32(fixed, 48, 0x76B77200);
    VNode root{u"VS_VERSION_INFO", 0, fixed, 52, {}};
    root.children.push_back({u"StringFileInfo",
                             1,
                             {},
                             0,
                             {stringTable(u"040904b0", {textNode(u"CompanyName", u"Morlan"),
                                                        textNode(u"LegalTrademarks", u"Quorvia(R)"),
                                                        textNode(u"ProductVersion", u"4.0")}),
                              stringTable(u"040704E4", {textNode(u"Comments", u"Deutsch"),
                                                        textNode(u"LegalTrademark", u"QV")})}});
    root.children.push_back(
        {u"VarFileInfo",
         1,
         {},
         0,
         {{u"Translation", 0, translation({{0x0409, 0x04B0}, {0x0407, 0x04E4}}), 8, {}}}});
    return buildPe({{std::uint16_t{16}, std::uint16_t{1}, 0x0409, encode(root)}});
}

class FileInfo : public ::testing::Test {
protected:
    void writeFile(const std::string& name, const Bytes& bytes) {
        ScratchDir::write(image.driveC() / name, std::string(bytes.begin(), bytes.end()));
    }
    BareImage image;
    QVFILE files{*image.machine};
};

TEST_F(FileInfo, VersionTextsFillTheirEntries) {
    writeFile("prog.exe", programWithVersion(3, 0x00040004, 1, 0));
    std::vector<std::string> ret(100, "-");
    ASSERT_TRUE(files.INF_FileVersion("C:\\PROG.EXE", ret));
    EXPECT_EQ(ret[0], "FEEF04BD");
    EXPECT_EQ(ret[1], "1.0");
    EXPECT_EQ(ret[2], "4.0.950");
    EXPECT_EQ(ret[3], "4.0.950");
    EXPECT_EQ(ret[4], "VS_FF_PRERELEASE") << "the last set flag in test order wins";
    EXPECT_EQ(ret[5], "Windows NT/Win32");
    EXPECT_EQ(ret[6], "Application");
    EXPECT_EQ(ret[7], "-") << "no subtype for applications";
    EXPECT_EQ(ret[8], "Th. den 4.3.1999 / 8:10:28");
    EXPECT_EQ(ret[9], "2");
    EXPECT_EQ(ret[11], "Morlan");
    EXPECT_EQ(ret[16], "Quorvia(R)") << "LegalTrademarks read into the LegalTrademark entry";
    EXPECT_EQ(ret[19], "4.0");
    EXPECT_EQ(ret[10], "-");
    EXPECT_EQ(ret[20], "Deutsch");
    EXPECT_EQ(ret[26], "QV");
    EXPECT_EQ(ret[30], "-");
}

TEST_F(FileInfo, DriverAndFontSubtypesAndUnknownCodes) {
    writeFile("drv.exe", programWithVersion(0x21, 0x00010004, 3, 11));
    std::vector<std::string> ret(100);
    ASSERT_TRUE(files.INF_FileVersion("C:\\drv.exe", ret));
    EXPECT_EQ(ret[4], "VS_FF_SPECIALBUILD");
    EXPECT_EQ(ret[5], "DOS/Windows 32Bit");
    EXPECT_EQ(ret[6], "Treiberdatei");
    EXPECT_EQ(ret[7], "Input driver");
    writeFile("font.exe", programWithVersion(0, 0x00050000, 4, 3));
    std::vector<std::string> font(100, "-");
    ASSERT_TRUE(files.INF_FileVersion("C:\\font.exe", font));
    EXPECT_EQ(font[4], "-") << "no flag set writes nothing";
    EXPECT_EQ(font[5], "-") << "an unknown operating system writes nothing";
    EXPECT_EQ(font[7], "TrueType font");
}

TEST_F(FileInfo, WithoutResourceOrFileNothingIsTouched) {
    writeFile("plain.exe", buildPe({}));
    writeFile("broken.exe", Bytes{'M', 'Z', 1, 2, 3});
    for (const char* name : {"C:\\plain.exe", "C:\\broken.exe", "C:\\missing.exe"}) {
        std::vector<std::string> ret(100, "-");
        EXPECT_FALSE(files.INF_FileVersion(name, ret)) << name;
        EXPECT_EQ(ret, std::vector<std::string>(100, "-")) << name;
    }
}

TEST_F(FileInfo, ShortArraysAreNeverWrittenBeyondTheirEnd) {
    writeFile("prog.exe", programWithVersion(1, 4, 2, 0));
    std::vector<std::string> ret(12);
    ASSERT_TRUE(files.INF_FileVersion("C:\\prog.exe", ret));
    EXPECT_EQ(ret.size(), 12u);
    EXPECT_EQ(ret[11], "Morlan");
    std::vector<std::string> none;
    EXPECT_TRUE(files.INF_FileVersion("C:\\prog.exe", none));
}

TEST_F(FileInfo, SizeOfMissingUnreadableAndFolder) {
    ScratchDir::write(image.driveC() / "five.txt", "12345");
    EXPECT_EQ(files.INF_FileSize("C:\\FIVE.TXT"), 5);
    EXPECT_EQ(files.INF_FileSize("C:\\missing.txt"), -1);
    EXPECT_EQ(files.INF_FileSize("C:\\windows"), -1) << "a folder is no file";
    ScratchDir::write(image.driveC() / "locked.txt", "secret");
    fs::permissions(image.driveC() / "locked.txt", fs::perms::none);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file: the unreadable case needs another user";
    EXPECT_EQ(files.INF_FileSize("C:\\locked.txt"), -1);
}

TEST_F(FileInfo, DatesByKeywordInAnyCase) {
    const fs::path file = image.driveC() / "dated.txt";
    ScratchDir::write(file, "x");
    // Last write 2001-09-09 01:46:40 UTC (a Sunday), last access 2009-02-13 23:31:30 (a Friday).
    const struct utimbuf times { 1234567890, 1000000000 };
    ASSERT_EQ(::utime(file.c_str(), &times), 0);
    std::vector<std::string> ret(9, "-");
    ASSERT_TRUE(files.INF_FileDate("C:\\dated.txt", ret, "modified"));
    EXPECT_EQ(ret, (std::vector<std::string>{"Su", "0", "9", "9", "2001", "1", "46", "40", "-"}));
    ASSERT_TRUE(files.INF_FileDate("C:\\dated.txt", ret));
    EXPECT_EQ(ret[4], "2001") << "no keyword: the last write";
    ASSERT_TRUE(files.INF_FileDate("C:\\dated.txt", ret, "lastaccess"));
    EXPECT_EQ(ret, (std::vector<std::string>{"Fr", "5", "13", "2", "2009", "23", "31", "30", "-"}));
    ASSERT_TRUE(files.INF_FileDate("C:\\dated.txt", ret, "create"));
    EXPECT_NE(ret[4], "2001") << "lower-case create gives the birth time (now), not the last write";
    std::vector<std::string> untouched(9, "-");
    EXPECT_FALSE(files.INF_FileDate("C:\\missing.txt", untouched));
    EXPECT_EQ(untouched, std::vector<std::string>(9, "-"));
}

}  // namespace
