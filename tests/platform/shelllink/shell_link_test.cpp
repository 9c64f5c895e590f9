#include "platform/shelllink/ShellLink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "platform/text/Windows1252.h"

using namespace vantix::platform;
using namespace vantix::text;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes hex(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return out;
}
void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
Bytes counted(std::u16string_view s, bool wide) {
    Bytes b = {static_cast<std::uint8_t>(s.size()), static_cast<std::uint8_t>(s.size() >> 8)};
    for (char16_t c : s) {
        b.push_back(static_cast<std::uint8_t>(c));
        if (wide) b.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return b;
}

ShellLink notepad() {
    ShellLink link;
    link.target = "C:\\windows\\notepad.exe";
    link.arguments = "/x \"a b\"";
    link.workingDir = "C:\\windows\\temp";
    return link;
}

// The header and LinkInfo of the minimal link, with `flags` in place.
Bytes minimalLinkStart(std::uint8_t flags) {
    Bytes b = hex("4C000000 0114020000000000C000000000000046");
    b.push_back(flags);
    append(b, hex("000000 20000000"));
    b.resize(b.size() + 24 + 4 + 4, 0);                  // times, size, icon index
    append(b, hex("01000000 0000 0000 00000000 00000000"));  // show normal, hot key, reserved
    append(b, hex("45000000 1C000000 01000000 1C000000 2D000000 00000000 44000000"));
    append(b, hex("11000000 03000000 00000000 10000000 00"));
    const std::string path = "C:\\windows\\notepad.exe";
    b.insert(b.end(), path.begin(), path.end());
    append(b, hex("00 00"));
    return b;
}

TEST(ShellLinkWriter, WritesTheMinimalLinkByteForByte) {
    Bytes unicode = minimalLinkStart(0xB2);
    append(unicode, counted(u"C:\\windows\\temp", true));
    append(unicode, counted(u"/x \"a b\"", true));
    append(unicode, hex("00000000"));
    ASSERT_EQ(unicode.size(), 0xC7u);
    EXPECT_EQ(encodeShellLink(notepad(), LinkStrings::Unicode), unicode);

    Bytes ansi = minimalLinkStart(0x32);
    append(ansi, counted(u"C:\\windows\\temp", false));
    append(ansi, counted(u"/x \"a b\"", false));
    append(ansi, hex("00000000"));
    EXPECT_EQ(encodeShellLink(notepad()), ansi) << "text that fits Windows-1252 is written as ANSI";
}

TEST(ShellLinkWriter, ChoosesUnicodeOnlyWhenATextDoesNotFitTheCodePage) {
    struct Case {
        const char* text;
        bool unicode;
    };
    for (const auto& c : {Case{"Caf\xC3\xA9 \xE2\x82\xAC", false}, Case{"\xD0\x9C\xD0\xB8\xD1\x80", true},
                          Case{"\xF0\x9F\x98\x80", true}}) {
        ShellLink link = notepad();
        link.description = c.text;
        const Bytes bytes = encodeShellLink(link);
        EXPECT_EQ((bytes[0x14] & 0x80) != 0, c.unicode) << c.text;
        EXPECT_EQ(decodeShellLink(bytes).description, c.text);
        if (c.unicode) {
            EXPECT_THROW(encodeShellLink(link, LinkStrings::Ansi), ShellLinkError) << c.text;
        } else {
            EXPECT_NO_THROW(encodeShellLink(link, LinkStrings::Ansi)) << c.text;
        }
    }
}

TEST(ShellLinkRoundTrip, EveryFieldComesBack) {
    ShellLink link;
    link.target = "D:\\Programme\\Gr\xC3\xBC\xC3\x9F" "e\\APP.EXE";
    link.arguments = "/START";
    link.workingDir = "D:\\Programme";
    link.description = "Windows Quorvia";
    link.iconLocation = "C:\\WINDOWS\\SYSTEM\\SHELL32.DLL";
    link.iconIndex = -3;
    link.showCommand = showcmd::Maximized;
    link.hotKey = 0x0651;  // Ctrl+Alt+Q
    link.driveType = drivetype::CdRom;
    for (auto strings : {LinkStrings::Auto, LinkStrings::Ansi, LinkStrings::Unicode}) {
        const ShellLink back = decodeShellLink(encodeShellLink(link, strings));
        EXPECT_EQ(back.target, link.target);
        EXPECT_EQ(back.arguments, link.arguments);
        EXPECT_EQ(back.workingDir, link.workingDir);
        EXPECT_EQ(back.description, link.description);
        EXPECT_EQ(back.iconLocation, link.iconLocation);
        EXPECT_EQ(back.iconIndex, -3);
        EXPECT_EQ(back.showCommand, showcmd::Maximized);
        EXPECT_EQ(back.hotKey, 0x0651);
        EXPECT_EQ(back.driveType, drivetype::CdRom);
        EXPECT_FALSE(back.hasIdList);
    }
}

TEST(ShellLinkRoundTrip, TargetsOutsideTheCodePageGoToAUnicodeRelativePath) {
    // Wine reads only LinkInfo's ANSI path, so such a target cannot live there.
    ShellLink link = notepad();
    link.target = "C:\\\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B\\app.exe";
    const Bytes bytes = encodeShellLink(link);
    EXPECT_EQ(bytes[0x14], 0x80 | 0x08 | 0x10 | 0x20) << "Unicode relative path, working folder, arguments";
    const ShellLink back = decodeShellLink(bytes);
    EXPECT_EQ(back.target, link.target);
    EXPECT_EQ(back.relativePath, link.target);
}

TEST(ShellLinkReader, PrefersLinkInfosUnicodePaths) {
    // LinkInfo with the 0x24 header: ANSI "C:\?" plus UTF-16 "C:\Ж" and suffix "x".
    Bytes b = hex("4C000000 0114020000000000C000000000000046 02000000 00000000");
    b.resize(0x4C, 0);
    append(b, hex("49000000 24000000 01000000 24000000 35000000 00000000 3A000000 3B000000 45000000"));
    append(b, hex("11000000 03000000 00000000 10000000 00"));
    append(b, hex("433A5C3F00 00"));
    append(b, hex("4300 3A00 5C00 1604 0000 7800 0000"));
    ASSERT_EQ(b.size(), 0x4Cu + 0x49u);
    EXPECT_EQ(decodeShellLink(b).target, "C:\\\xD0\x96x");
}

TEST(ShellLinkRoundTrip, NonDrivePathsGoToTheRelativePath) {
    ShellLink link;
    link.target = "..\\windows\\notepad.exe";
    const Bytes bytes = encodeShellLink(link);
    EXPECT_EQ(bytes[0x14], 0x08) << "relative path only, no LinkInfo";
    const ShellLink back = decodeShellLink(bytes);
    EXPECT_EQ(back.relativePath, link.target);
    EXPECT_EQ(back.target, link.target);
}

TEST(ShellLinkWriter, RefusesWhatItCannotWrite) {
    ShellLink empty;
    EXPECT_THROW(encodeShellLink(empty), ShellLinkError);
    ShellLink show = notepad();
    show.showCommand = 2;
    EXPECT_THROW(encodeShellLink(show), ShellLinkError);
    ShellLink longArgs = notepad();
    longArgs.arguments.assign(70000, 'a');
    EXPECT_THROW(encodeShellLink(longArgs), ShellLinkError);
    ShellLink nul = notepad();
    nul.arguments = std::string("a\0b", 3);
    EXPECT_THROW(encodeShellLink(nul), ShellLinkError);
}

// A link as Wine's own shell writes it: an item ID list, LinkInfo, and a NUL
// counted at the end of every text.
TEST(ShellLinkReader, ReadsWineStyleLinks) {
    Bytes b = minimalLinkStart(0xB3);
    // Insert an ID list of two bytes of items plus its terminator after the header.
    b.insert(b.begin() + 0x4C, {0x04, 0x00, 0xAA, 0xBB, 0x00, 0x00});
    append(b, counted(std::u16string(u"C:\\windows\\temp") + u'\0', true));
    append(b, counted(std::u16string(u"/x \"a b\"") + u'\0', true));
    const ShellLink link = decodeShellLink(b);  // and no terminal block
    EXPECT_TRUE(link.hasIdList);
    EXPECT_EQ(link.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(link.workingDir, "C:\\windows\\temp");
    EXPECT_EQ(link.arguments, "/x \"a b\"");
}

TEST(ShellLinkReader, ReadsALinkThatWineWrote) {
    const ShellLink link = readShellLink(fs::path(VANTIX_TEST_DATA) / "pe" / "wine_notepad.lnk");
    EXPECT_TRUE(link.hasIdList);
    EXPECT_EQ(link.target, "C:\\windows\\notepad.exe");
    EXPECT_EQ(link.arguments, "/x \"a b\"");
    EXPECT_EQ(link.workingDir, "C:\\windows\\temp");
    EXPECT_EQ(link.description, "Wine notepad");
    EXPECT_EQ(link.iconLocation, "C:\\windows\\system32\\shell32.dll");
    EXPECT_EQ(link.iconIndex, 3);
    EXPECT_EQ(link.showCommand, showcmd::Normal);
    EXPECT_EQ(link.driveType, drivetype::Fixed);
}

TEST(ShellLinkReader, ReadsNetworkTargets) {
    Bytes b = hex("4C000000 0114020000000000C000000000000046 02000000 00000000");
    b.resize(0x4C, 0);
    // LinkInfo: header 0x1C, network link at 0x1C, suffix "app.exe" after it.
    Bytes info = hex("00000000 1C000000 02000000 00000000 00000000 1C000000 00000000");
    Bytes network = hex("14000000 02000000 14000000 00000000 00000000");
    const std::string share = "\\\\SERVER\\TOOLS";
    network.insert(network.end(), share.begin(), share.end());
    network.push_back(0);
    append(info, network);
    info[24] = static_cast<std::uint8_t>(info.size());
    const std::string suffix = "app.exe";
    info.insert(info.end(), suffix.begin(), suffix.end());
    info.push_back(0);
    info[0] = static_cast<std::uint8_t>(info.size());
    append(b, info);
    const ShellLink link = decodeShellLink(b);
    EXPECT_EQ(link.target, "\\\\SERVER\\TOOLS\\app.exe");
    EXPECT_EQ(link.driveType, drivetype::Remote);
}

TEST(ShellLinkReader, DamagedFilesGiveClearErrors) {
    const Bytes good = encodeShellLink(notepad());
    struct Case {
        const char* what;
        std::size_t at;
        std::vector<std::uint8_t> bytes;
        std::size_t keep;  // cut the file to this size (0: keep)
        const char* message;
    };
    const Case cases[] = {
        {"not a link", 0, {'M', 'Z'}, 0, "not a shortcut"},
        {"wrong CLSID", 4, {0x02}, 0, "not a shortcut"},
        {"cut header", 0, {}, 0x40, "not a shortcut"},
        {"ID list past the end", 0x14, {0x33}, 0, "outside"},
        {"LinkInfo past the end", 0x4C, {0xFF, 0xFF, 0xFF, 0x7F}, 0, "LinkInfo"},
        {"LinkInfo too short", 0x4C, {0x04, 0, 0, 0}, 0, "too short"},
        {"base path offset out of range", 0x4C + 16, {0xF0, 0xFF, 0, 0}, 0, "local base path"},
        {"base path without NUL", 0x4C + 0x44, {'x'}, 0x4C + 0x45, "outside"},
        {"text past the end", 0x4C + 0x45, {0xFF, 0xFF}, 0, "working folder"},
        {"VolumeID out of range", 0x4C + 12, {0xFF, 0xFF, 0xFF, 0xFF}, 0, "VolumeID"},
    };
    for (const auto& c : cases) {
        Bytes b = good;
        std::copy(c.bytes.begin(), c.bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(c.at));
        if (c.keep) b.resize(c.keep);
        try {
            decodeShellLink(b);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const ShellLinkError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

class ShellLinkFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) / ("shelllink-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
    }
    fs::path dir_;
};

TEST_F(ShellLinkFiles, WritesReadsAndReplaces) {
    const fs::path path = dir_ / "Notepad.lnk";
    writeShellLink(path, notepad());
    EXPECT_EQ(readShellLink(path).arguments, "/x \"a b\"");
    ShellLink changed = notepad();
    changed.arguments = "/y";
    writeShellLink(path, changed);
    EXPECT_EQ(readShellLink(path).arguments, "/y");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_F(ShellLinkFiles, AFailedWriteLeavesTheOldFile) {
    const fs::path path = dir_ / "Notepad.lnk";
    writeShellLink(path, notepad());
    ShellLink changed = notepad();
    changed.arguments = "/y";
    changed.description.assign(4000, 'd');
    // A file size limit makes the write of the new content fail half-way, even for root.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(writeShellLink(path, changed), ShellLinkError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(readShellLink(path).arguments, "/x \"a b\"");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_F(ShellLinkFiles, ReadingNonLinksFails) {
    EXPECT_THROW(readShellLink(dir_ / "missing.lnk"), ShellLinkError);
    EXPECT_THROW(readShellLink(dir_), ShellLinkError);
    std::ofstream(dir_ / "text.lnk") << "hello";
    try {
        readShellLink(dir_ / "text.lnk");
        ADD_FAILURE() << "no error";
    } catch (const ShellLinkError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("text.lnk: ", 0), 0u) << e.what();
    }
}

TEST_F(ShellLinkFiles, CreateShortcutNamesTheFileAndRefusesUnsafeNames) {
    EXPECT_EQ(createShortcut(dir_, "Windows Quorvia", notepad()), dir_ / "Windows Quorvia.lnk");
    EXPECT_EQ(createShortcut(dir_, "Editor.LNK", notepad()), dir_ / "Editor.LNK");
    EXPECT_TRUE(fs::exists(dir_ / "Windows Quorvia.lnk"));
    for (const char* bad : {"", ".", "..", "..\\..\\evil", "../evil", "a:b", "what?", "tab\there"})
        EXPECT_THROW(createShortcut(dir_, bad, notepad()), ShellLinkError) << bad;
    EXPECT_THROW(createShortcut(dir_ / "missing", "x", notepad()), ShellLinkError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST(Windows1252, MapsTheCodePageBothWays) {
    EXPECT_EQ(toWindows1252("a\xE2\x82\xAC\xC3\xBF"), std::string("a\x80\xFF"));
    EXPECT_EQ(toWindows1252("\xC5\x93"), std::string("\x9C"));  // œ
    EXPECT_EQ(toWindows1252("\xD0\x9C"), std::nullopt);
    EXPECT_EQ(toWindows1252("\xC2\x81"), std::string("\x81")) << "unassigned bytes are the C1 controls";
    EXPECT_EQ(toWindows1252Lossy("x\xF0\x9F\x98\x80y\xD0\x9C"), "x?y?");
    EXPECT_EQ(fromWindows1252("\x80\x81\xE9"), "\xE2\x82\xAC\xC2\x81\xC3\xA9");
}

}  // namespace
