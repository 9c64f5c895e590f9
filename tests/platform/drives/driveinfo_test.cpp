#include "platform/drives/DriveInfo.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/FileObserver.h"
#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

class ImageDrives : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* drive : {"drive_c", "floppy", "cd"}) fs::create_directories(scratch / drive);
        fs::create_directories(scratch / "dosdevices");
        fs::create_directory_symlink("../drive_c", scratch / "dosdevices" / "c:");
        fs::create_directory_symlink("../floppy", scratch / "dosdevices" / "a:");
        fs::create_directory_symlink("../cd", scratch / "dosdevices" / "d:");
        ScratchDir::write(scratch / "system.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n");
    }
    void TearDown() override {
        setFileDryRun(false);
        discardFileOverlay();
    }
    ScratchDir scratch;
};

TEST(DriveType, SettingsAndDefaultsAsWineHasThem) {
    const struct {
        char letter;
        std::optional<std::string_view> setting;
        int type;
    } cases[] = {
        {'A', std::nullopt, drivetype::Removable}, {'b', std::nullopt, drivetype::Removable},
        {'C', std::nullopt, drivetype::Fixed},     {'D', "cdrom", drivetype::Cdrom},
        {'E', "CDROM", drivetype::Cdrom},          {'F', "network", drivetype::Remote},
        {'G', "ramdisk", drivetype::RamDisk},      {'H', "floppy", drivetype::Removable},
        {'A', "hd", drivetype::Fixed},             {'I', "tape", drivetype::Fixed},
    };
    for (const auto& c : cases) EXPECT_EQ(driveTypeFromSetting(c.letter, c.setting), c.type) << c.letter;
    EXPECT_EQ(fileSystemName(drivetype::Cdrom), "CDFS");
    EXPECT_EQ(fileSystemName(drivetype::Fixed), "NTFS");
}

TEST_F(ImageDrives, TypeComesFromTheRegistry) {
    Registry registry(scratch.path());
    ASSERT_TRUE(registry.setValue(Root::LocalMachine, kWineDrivesKey, RegValue::string("d:", "cdrom")));
    EXPECT_EQ(driveType(registry, scratch.path(), 'd'), drivetype::Cdrom);
    EXPECT_EQ(driveType(registry, scratch.path(), 'A'), drivetype::Removable);
    EXPECT_EQ(driveType(registry, scratch.path(), 'C'), drivetype::Fixed);
    EXPECT_EQ(driveType(registry, scratch.path(), 'Q'), drivetype::NoRootDir);
}

TEST_F(ImageDrives, LabelsAreReadAndWrittenInTheDriveRoot) {
    EXPECT_EQ(volumeLabel(scratch.path(), 'C'), "");
    ScratchDir::write(scratch / "drive_c" / ".windows-label", "SYSTEM DISK  \r\n");
    EXPECT_EQ(volumeLabel(scratch.path(), 'c'), "SYSTEM DISK");
    ASSERT_TRUE(setVolumeLabel(scratch.path(), 'C', "Windows 98"));
    EXPECT_EQ(volumeLabel(scratch.path(), 'C'), "Windows 98");
    EXPECT_EQ(setVolumeLabel(scratch.path(), 'C', "two\nlines").code, FileStatus::InvalidArgument);
    EXPECT_EQ(setVolumeLabel(scratch.path(), 'C', std::string(256, 'x')).code, FileStatus::InvalidArgument);
    EXPECT_EQ(volumeLabel(scratch.path(), 'C'), "Windows 98");
    ASSERT_TRUE(setVolumeLabel(scratch.path(), 'C', ""));
    EXPECT_FALSE(fs::exists(scratch / "drive_c" / ".windows-label"));
    EXPECT_FALSE(volumeLabel(scratch.path(), 'Q'));
    EXPECT_EQ(setVolumeLabel(scratch.path(), 'Q', "x").code, FileStatus::NotFound);

    setFileDryRun(true);  // a preview changes what reads see, not the disk
    ASSERT_TRUE(setVolumeLabel(scratch.path(), 'C', "PREVIEW"));
    EXPECT_EQ(volumeLabel(scratch.path(), 'C'), "PREVIEW");
    EXPECT_FALSE(fs::exists(scratch / "drive_c" / ".windows-label"));
}

TEST_F(ImageDrives, SerialFromFileOrWinesDefault) {
    EXPECT_EQ(volumeSerial(scratch.path(), 'C'), 0x43000000u);
    EXPECT_EQ(volumeSerial(scratch.path(), 'a'), 0x41000000u);
    const struct {
        const char* text;
        std::uint32_t serial;
    } cases[] = {{"1234ABCD", 0x1234ABCD}, {"0xdeadbeef\n", 0xDEADBEEF}, {"not hex", 0x43000000},
                 {"123456789", 0x43000000}, {"", 0x43000000}};
    for (const auto& c : cases) {
        ScratchDir::write(scratch / "drive_c" / ".windows-serial", c.text);
        EXPECT_EQ(volumeSerial(scratch.path(), 'C'), c.serial) << c.text;
    }
    EXPECT_FALSE(volumeSerial(scratch.path(), 'Q'));
}

TEST_F(ImageDrives, SpaceOfTheHostFileSystem) {
    const auto space = driveSpace(scratch.path(), 'C');
    ASSERT_TRUE(space);
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_LE(space->freeBytes, space->totalBytes);
    EXPECT_EQ(space->totalBytes, fs::space(scratch / "drive_c").capacity);
    EXPECT_FALSE(driveSpace(scratch.path(), 'Q'));
}

}  // namespace
