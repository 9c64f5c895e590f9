#include "platform/profile/IniFile.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/FileObserver.h"
#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

// The bytes of a literal, embedded NULs included.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

class RecordingObserver : public FileObserver {
public:
    void fileChanging(const FileChange& change) override { changes.push_back(change); }
    std::vector<FileChange> changes;
};

class IniFiles : public ::testing::Test {
protected:
    void TearDown() override {
        setFileObserver(nullptr);
        setFileDryRun(false);
        discardFileOverlay();
    }
    fs::path ini(std::string_view bytes) {
        ScratchDir::write(path, bytes);
        return path;
    }
    ScratchDir scratch;
    fs::path path = scratch / "TEST.INI";
};

TEST_F(IniFiles, KeepsEveryByteItDoesNotChange) {
    const std::string before =
        "; Wine-style header\r\n[windows]\r\nload=\r\n  Run = notepad.exe  \r\n\r\n"
        "[Desktop]\nWallpaper=(None)\n\tTileWallpaper=0\n[intl]\rsCountry=Germany\r";
    ini(before);
    ASSERT_TRUE(writeIniValue(path, "DESKTOP", "tilewallpaper", "1"));
    EXPECT_EQ(ScratchDir::read(path),
              "; Wine-style header\r\n[windows]\r\nload=\r\n  Run = notepad.exe  \r\n\r\n"
              "[Desktop]\nWallpaper=(None)\n\tTileWallpaper=1\n[intl]\rsCountry=Germany\r");
    ASSERT_TRUE(writeIniValue(path, "intl", "iCountry", "49"));
    EXPECT_EQ(readIniValue(path, "Intl", "ICOUNTRY"), "49");
    EXPECT_EQ(ScratchDir::read(path),
              "; Wine-style header\r\n[windows]\r\nload=\r\n  Run = notepad.exe  \r\n\r\n"
              "[Desktop]\nWallpaper=(None)\n\tTileWallpaper=1\n[intl]\rsCountry=Germany\riCountry=49\r");
}

TEST_F(IniFiles, CreatesFileSectionAndKeyWithCrlf) {
    ASSERT_TRUE(writeIniValue(path, "Boot", "shell", "Explorer.exe"));
    ASSERT_TRUE(writeIniValue(path, "Boot", "Drivers", "mmsystem.dll"));
    EXPECT_EQ(ScratchDir::read(path), "[Boot]\r\nshell=Explorer.exe\r\nDrivers=mmsystem.dll\r\n");
    EXPECT_FALSE(writeIniValue(scratch / "no" / "such" / "folder.ini", "A", "b", "c"));
}

TEST_F(IniFiles, UnchangedValueLeavesTheFileUntouched) {
    ini("[A]\r\nk=v\r\n");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    RecordingObserver observer;
    setFileObserver(&observer);
    ASSERT_TRUE(writeIniValue(path, "a", "K", "v"));
    ASSERT_TRUE(deleteIniKey(path, "a", "missing"));
    ASSERT_TRUE(deleteIniSection(path, "missing"));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // an atomic replace would have made a new inode
    EXPECT_TRUE(observer.changes.empty());
}

TEST_F(IniFiles, DeletingNeverCreatesAFile) {
    ASSERT_TRUE(deleteIniKey(path, "A", "k"));
    ASSERT_TRUE(deleteIniSection(path, "A"));
    EXPECT_FALSE(fs::exists(path));
    ini("[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=1\r\n");
    ASSERT_TRUE(deleteIniKey(path, "a", "K"));
    ASSERT_TRUE(deleteIniSection(path, "b"));
    EXPECT_EQ(ScratchDir::read(path), "[A]\r\nj=2\r\n");
}

TEST_F(IniFiles, KeepsTheFilesEncoding) {
    const struct {
        const char* name;
        std::string bytes;
        std::string expectedAfter;
    } cases[] = {
        // ANSI: 0xE4 is a-umlaut; 0x81 (unassigned in 1252) survives untouched.
        {"ansi", "[S]\r\nk=\xE4\x81\r\n", "[S]\r\nk=\xE4\x81\r\nn=\xFC\x80\r\n"},
        {"utf8", "\xEF\xBB\xBF[S]\r\nk=\xC3\xA4\r\n", "\xEF\xBB\xBF[S]\r\nk=\xC3\xA4\r\nn=\xC3\xBC\xE2\x82\xAC\r\n"},
        {"utf16le", bytes("\xFF\xFE[\0S\0]\0\n\0"), bytes("\xFF\xFE[\0S\0]\0\n\0n\0=\0\xFC\0\xAC\x20\n\0")},
        {"utf16be", bytes("\xFE\xFF\0[\0S\0]\0\n"), bytes("\xFE\xFF\0[\0S\0]\0\n\0n\0=\0\xFC\x20\xAC\0\n")},
    };
    for (const auto& c : cases) {
        ini(c.bytes);
        ASSERT_TRUE(writeIniValue(path, "S", "n", "\xC3\xBC\xE2\x82\xAC")) << c.name;  // "ü€"
        EXPECT_EQ(ScratchDir::read(path), c.expectedAfter) << c.name;
        EXPECT_EQ(readIniValue(path, "S", "n"), "\xC3\xBC\xE2\x82\xAC") << c.name;
    }
    // ANSI values read as UTF-8.
    ini("[S]\r\nk=Gr\xFC\xDF" "e\r\n");
    EXPECT_EQ(readIniValue(path, "S", "k"), "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST_F(IniFiles, DamagedUtf16SurvivesARewriteOfAnotherLine) {
    // An unpaired surrogate and an odd trailing byte must come back as they were.
    const std::string damaged = bytes("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x00\xD8\n\0x");
    ini(damaged);
    ASSERT_TRUE(writeIniValue(path, "S", "n", "1"));
    const std::string after = ScratchDir::read(path);
    EXPECT_EQ(after.substr(0, 16), damaged.substr(0, 16));
    EXPECT_EQ(after.back(), 'x');
    EXPECT_EQ(readIniValue(path, "S", "n"), "1");
}

TEST_F(IniFiles, RefusesHostileInputAndChangesNothing) {
    ini("[A]\r\nk=1\r\n");
    EXPECT_EQ(writeIniValue(path, "A", "k", "2\r\n[boot]\r\nshell=evil.exe").code, FileStatus::InvalidArgument);
    EXPECT_EQ(ScratchDir::read(path), "[A]\r\nk=1\r\n");
    fs::resize_file(path, kMaxIniFileBytes + 1);
    EXPECT_EQ(writeIniValue(path, "A", "k", "2").code, FileStatus::TooLarge);
    EXPECT_EQ(fs::file_size(path), kMaxIniFileBytes + 1);
    EXPECT_FALSE(readIniValue(path, "A", "k"));
    EXPECT_FALSE(writeIniValue(scratch.path(), "A", "k", "v"));  // a folder
}

TEST_F(IniFiles, ReportsContentBeforeAndAfterAndPreviewsInMemory) {
    ini("[A]\r\nk=1\r\n");
    RecordingObserver observer;
    setFileObserver(&observer);
    setFileDryRun(true);
    ASSERT_TRUE(writeIniValue(path, "A", "k", "2"));
    ASSERT_TRUE(writeIniValue(scratch / "NEW.INI", "S", "x", "y"));
    ASSERT_EQ(observer.changes.size(), 2u);
    EXPECT_EQ(observer.changes[0].before, "[A]\r\nk=1\r\n");
    EXPECT_EQ(observer.changes[0].after, "[A]\r\nk=2\r\n");
    EXPECT_FALSE(observer.changes[1].before);
    // Reads see the preview; the disk does not.
    EXPECT_EQ(readIniValue(path, "A", "k"), "2");
    EXPECT_EQ(readIniValue(scratch / "NEW.INI", "S", "x"), "y");
    EXPECT_EQ(ScratchDir::read(path), "[A]\r\nk=1\r\n");
    EXPECT_FALSE(fs::exists(scratch / "NEW.INI"));
    discardFileOverlay();
    EXPECT_EQ(readIniValue(path, "A", "k"), "1");
}

TEST_F(IniFiles, ProcessesWritingAtOnceLoseNothing) {
    ini("; shared\r\n[Shared]\r\n");
    constexpr int kProcesses = 6;
    constexpr int kKeys = 15;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        if (child == 0) {
            bool ok = true;
            for (int k = 0; k < kKeys; ++k)
                ok = writeIniValue(path, "Shared", "p" + std::to_string(p) + "k" + std::to_string(k), "v") && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(iniKeyNames(path, "Shared").size(), static_cast<std::size_t>(kProcesses * kKeys));
    EXPECT_EQ(ScratchDir::read(path).substr(0, 20), "; shared\r\n[Shared]\r\n");
}

TEST_F(IniFiles, EnumeratesNamesOfMissingAndPresentFiles) {
    EXPECT_TRUE(iniSectionNames(path).empty());
    ini("x=0\r\n[One]\r\na=1\r\n;c=2\r\nb\r\n[Two]\r\n");
    EXPECT_EQ(iniSectionNames(path), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(iniKeyNames(path, "one"), (std::vector<std::string>{"a"}));
}

}  // namespace
