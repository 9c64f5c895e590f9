#include "platform/paths/Confinement.h"
#include "platform/paths/DriveLinks.h"
#include "platform/paths/HostPath.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;
using namespace vantix::platform;

namespace {

// An image with C: -> ../drive_c (relative, as Wine makes it), D: -> an
// absolute folder elsewhere and Z: -> / like a stock Wine prefix.
class ImagePaths : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(image() / "dosdevices");
        fs::create_directories(image() / "drive_c" / "WINDOWS" / "System");
        fs::create_directories(image() / "drive_c" / "Program Files");
        fs::create_directories(elsewhere() / "data");
        ScratchDir::write(image() / "drive_c" / "WINDOWS" / "Win.ini", "[windows]\r\n");
        fs::create_directory_symlink("../drive_c", image() / "dosdevices" / "c:");
        fs::create_directory_symlink(elsewhere(), image() / "dosdevices" / "d:");
        fs::create_directory_symlink("/", image() / "dosdevices" / "z:");
    }
    fs::path image() const { return scratch / "image"; }
    fs::path elsewhere() const { return scratch / "elsewhere"; }
    fs::path driveC() const { return (image() / "dosdevices" / "../drive_c").lexically_normal(); }

    ScratchDir scratch;
};

TEST_F(ImagePaths, ListsTheDriveLinks) {
    const auto drives = imageDrives(image());
    ASSERT_EQ(drives.size(), 3u);
    EXPECT_EQ(drives[0].letter, 'C');
    EXPECT_EQ(drives[0].target, driveC());
    EXPECT_EQ(drives[1].target, elsewhere());
    EXPECT_FALSE(imageDrive(image(), 'q'));
    EXPECT_TRUE(imageDrive(image(), 'd'));
}

TEST_F(ImagePaths, MapsWindowsPathsCaseInsensitively) {
    const fs::path c = driveC();
    const struct {
        const char* path;
        const char* base;
        std::optional<fs::path> expected;
    } cases[] = {
        {"C:\\WINDOWS\\WIN.INI", "", c / "WINDOWS" / "Win.ini"},
        {"c:/windows/win.ini", "", c / "WINDOWS" / "Win.ini"},
        {"C:\\windows\\system\\NEW.TXT", "", c / "WINDOWS" / "System" / "NEW.TXT"},  // missing last keeps spelling
        {"C:\\Nope\\Deeper\\x", "", c / "Nope" / "Deeper" / "x"},
        {"C:\\PROGRAM FILES\\", "", c / "Program Files"},
        {"C:", "", c},
        {"C:\\..\\..\\WINDOWS", "", c / "WINDOWS"},                     // never above the drive
        {"C:\\Windows\\.\\System\\..\\win.ini", "", c / "WINDOWS" / "Win.ini"},
        {"d:\\DATA", "", elsewhere() / "data"},
        {"win.ini", "C:\\windows", c / "WINDOWS" / "Win.ini"},            // relative against a base
        {"..\\program files", "C:\\WINDOWS", c / "Program Files"},
        {"\\windows\\win.ini", "c:\\program files", c / "WINDOWS" / "Win.ini"},
        {"/etc/hosts", "", fs::path("/etc/hosts")},
        {"/etc\\HOSTS", "", fs::path("/etc/hosts")},  // a host folder joined with a Windows-form name
        {"..\\DATA", "/tmp/vantix-none/sub/", fs::path("/tmp/vantix-none/DATA")},  // host base                       // host paths pass through
        {"Q:\\x", "", std::nullopt},                                      // no such drive
        {"\\\\server\\share\\x", "", std::nullopt},
        {"win.ini", "", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const auto& test : cases) EXPECT_EQ(toHostPath(image(), test.path, test.base), test.expected) << test.path;
}

TEST_F(ImagePaths, PrefersExactSpellingThenFirstInNameOrder) {
    const fs::path folder = driveC() / "Mixed";
    for (const char* name : {"abc", "ABC", "aBc"}) ScratchDir::write(folder / name, name);
    EXPECT_EQ(appendMatchingCase(driveC(), "mixed\\aBc"), folder / "aBc");
    EXPECT_EQ(appendMatchingCase(driveC(), "MIXED\\Abc"), folder / "ABC");  // "ABC" < "aBc" < "abc"
}

TEST_F(ImagePaths, GivesTheWindowsFormOfHostPaths) {
    EXPECT_EQ(toWindowsPath(image(), driveC() / "WINDOWS" / "Win.ini"), "C:\\WINDOWS\\Win.ini");
    EXPECT_EQ(toWindowsPath(image(), driveC()), "C:\\");
    EXPECT_EQ(toWindowsPath(image(), elsewhere() / "data" / "x.txt"), "D:\\data\\x.txt");
    // Only Z: (the host root) holds the scratch folder itself.
    std::string viaZ = "Z:\\" + fs::canonical(image()).relative_path().generic_string();
    std::replace(viaZ.begin(), viaZ.end(), '/', '\\');
    EXPECT_EQ(toWindowsPath(image(), image()), viaZ);
    fs::remove(image() / "dosdevices" / "z:");
    EXPECT_FALSE(toWindowsPath(image(), scratch.path()));
}

TEST_F(ImagePaths, ConfinesCatalogueFileOperations) {
    const fs::path program = scratch / "program";
    fs::create_directories(program / "Module");
    fs::create_directory_symlink(scratch.path(), driveC() / "escape");
    EXPECT_FALSE(confinementViolation(image(), program, driveC() / "WINDOWS" / "Win.ini"));
    EXPECT_FALSE(confinementViolation(image(), program, driveC() / "WINDOWS" / "new" / "file.txt"));
    EXPECT_FALSE(confinementViolation(image(), program, elsewhere() / "data"));
    EXPECT_FALSE(confinementViolation(image(), program, program / "Module" / "REGALTO.EXE"));
    // Z: -> / would admit the whole host; it does not count.
    EXPECT_TRUE(confinementViolation(image(), program, "/etc/passwd"));
    EXPECT_TRUE(confinementViolation(image(), program, driveC() / ".." / ".." / "x"));
    EXPECT_TRUE(confinementViolation(image(), program, driveC() / "escape" / "secret"));
    EXPECT_TRUE(confinementViolation(image(), program, "relative/path"));
    EXPECT_TRUE(confinementViolation(image(), {}, program / "x"));
}

}  // namespace
