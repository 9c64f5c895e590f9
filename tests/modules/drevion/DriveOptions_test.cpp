#include "modules/drevion/DriveOptions.h"

#include <gtest/gtest.h>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/drevion/DriveList.h"
#include "platform/drives/DriveInfo.h"
#include "tests/lindrel32/BareImage.h"

using namespace vantix::drevion;
namespace fs = std::filesystem;

namespace {

class Drives : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"floppy", "cd", "net", "ram", "zip"})
            fs::create_directories(image.scratch / name);
        link("floppy", "a:");
        link("cd", "d:");
        link("net", "n:");
        link("ram", "r:");
        link("zip", "z:");
        for (auto [drive, type] :
             {std::pair{"d:", "cdrom"}, {"n:", "network"}, {"r:", "ramdisk"}, {"z:", "floppy"}})
            registry.SetReg("HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives", drive, type);
    }
    void link(const char* target, const char* drive) {
        fs::create_directory_symlink(fs::path("../..") / target,
                                     image.dir() / "dosdevices" / drive);
    }
    std::string get(const char* key, const char* name, const char* type = "") {
        return registry.GetReg(key, name, type);
    }
    BareImage image;
    lindrel32::QVREG registry{*image.machine};
};

TEST_F(Drives, ListTextsPerTypeAndLabel) {
    ScratchDir::write(image.driveC() / ".windows-label", "SYSTEM\n");
    ScratchDir::write(image.scratch / "cd" / ".windows-label", "NT40WKS");
    const auto drives = listDrives(*image.machine);
    std::vector<std::pair<std::string, std::string>> shown;
    for (const auto& d : drives) shown.emplace_back(d.text, d.typeText);
    EXPECT_EQ(shown,
              (std::vector<std::pair<std::string, std::string>>{{" Floppy (A)", "Removable medium"},
                                                                {" SYSTEM (C)", "Local drive"},
                                                                {" NT40WKS (D)", "CD-ROM drive"},
                                                                {" Net Drive N", "Network drive"},
                                                                {" RAM Disk (R)", "RAM disk"},
                                                                {" Drive Z", "Removable medium"}}));
    EXPECT_EQ(driveText('D', 5, ""), " CD-ROM (D)");
    EXPECT_EQ(driveText('B', 3, "LABEL"), " Floppy (B)");
}

TEST_F(Drives, DetailsInMegabytesAndWhoMayRelabel) {
    const auto c = driveDetails(*image.machine, 'C', 3);
    ASSERT_TRUE(c.readable);
    EXPECT_TRUE(c.labelEditable);
    EXPECT_EQ(c.clusters.bytesPerSector, 512u);
    EXPECT_EQ(c.clusters.sectorsPerCluster, 8u);
    EXPECT_GT(c.capacityBytes, 0u);
    EXPECT_LE(c.freeBytes, c.capacityBytes);
    EXPECT_FALSE(driveDetails(*image.machine, 'D', 5).labelEditable);
    EXPECT_FALSE(driveDetails(*image.machine, 'N', 4).labelEditable);
    EXPECT_FALSE(driveDetails(*image.machine, 'Q', 3).readable);
    EXPECT_EQ(megabytesText(0), "0.00 MB");
    EXPECT_EQ(megabytesText(1234567890123), "1,234,567.89 MB");
    EXPECT_EQ(megabytesText(999995), "1.00 MB");
    const auto cd = vantix::platform::clusterFigures(2048, 10, 300);
    EXPECT_EQ(cd.bytesPerSector, 2048u);
    EXPECT_EQ(cd.sectorsPerCluster, 1u);
    EXPECT_EQ(cd.totalClusters, 300u);
    const auto huge = vantix::platform::clusterFigures(4096, 1ULL << 40, 1ULL << 40);
    EXPECT_EQ(huge.totalClusters, 0xFFFFFFFFu) << "cut to 32 bits";
}

TEST_F(Drives, HidingWritesTheMaskAtOnce) {
    DriveOptions options(*image.machine, 1);
    const char* policies = kPolicyKey;
    ASSERT_TRUE(options.setHidden('C', true));
    EXPECT_EQ(get(policies, "NoDrives", "B"), "04000000");
    ASSERT_TRUE(options.setHidden('D', true));
    EXPECT_EQ(get(policies, "NoDrives", "B"), "0C000000");
    ASSERT_TRUE(options.setHidden('C', false));
    EXPECT_EQ(get(policies, "NoDrives", "B"), "08000000");
    EXPECT_TRUE(options.isHidden('D'));
    EXPECT_FALSE(options.isHidden('C'));
}

TEST_F(Drives, NtSettingsReadAndWritten) {
    registry.SetReg(kPolicyKey, "NoDriveTypeAutoRun", "95000000", "B");
    registry.SetReg(kFileSystemKey, "Win31FileSystem", "1", "D");
    registry.SetReg(kFileSystemKey, "FileNameCache", "99999");
    DriveOptions options(*image.machine, 1);
    SystemSettings settings = options.read();
    EXPECT_TRUE(settings.ntBoxes);
    EXPECT_FALSE(settings.nineXBoxes);
    EXPECT_TRUE(settings.generateShortNames) << "missing counts as 0";
    EXPECT_FALSE(settings.longNamesOnFat);
    EXPECT_EQ(settings.files, 16384) << "clamped to the slider";
    EXPECT_EQ(settings.paths, 64);
    EXPECT_TRUE(settings.autostart.removable);
    EXPECT_FALSE(settings.autostart.cdrom);
    settings.autostart.cdrom = true;
    settings.generateShortNames = false;
    settings.paths = 100;
    options.apply(settings);
    EXPECT_EQ(get(kPolicyKey, "NoDriveTypeAutoRun", "B"), "B5000000");
    EXPECT_EQ(get(kFileSystemKey, "NtfsDisable8dot3NameCreation", "D"), "1");
    EXPECT_EQ(get(kFileSystemKey, "Win31FileSystem", "D"), "1");
    EXPECT_EQ(get(kFileSystemKey, "FilePathCache"), "100");
    EXPECT_EQ(get(kFileSystemKey, "NameNumericTail", "B"), "NO Key")
        << "a 9x value is not written on NT";
    EXPECT_EQ(lindrel32::QVFKT(*image.machine).GET_Ini("SYSTEM.INI", "vcache", "MinFileCache"),
              "NO Key");
}

TEST_F(Drives, NineXSettingsReadAndWritten) {
    registry.SetReg(kFileSystemKey, "NameNumericTail", "01", "B");
    lindrel32::QVFKT functions(*image.machine);
    functions.SET_Ini("SYSTEM.INI", "vcache", "MaxFileCache", "8192");
    DriveOptions options(*image.machine, 3);
    SystemSettings settings = options.read();
    EXPECT_FALSE(settings.tilde) << "01 is not 7E";
    EXPECT_EQ(settings.minCache, 2048);
    EXPECT_EQ(settings.maxCache, 8192);
    settings.tilde = true;
    settings.minCache = 512;
    options.apply(settings);
    EXPECT_EQ(get(kFileSystemKey, "NameNumericTail", "B"), "7E");
    EXPECT_EQ(functions.GET_Ini("SYSTEM.INI", "vcache", "MinFileCache"), "512");
    EXPECT_EQ(functions.GET_Ini("SYSTEM.INI", "vcache", "MaxFileCache"), "8192");
    EXPECT_EQ(get(kFileSystemKey, "Win31FileSystem", "D"), "NO Key");
    settings.tilde = false;
    options.apply(settings);
    EXPECT_EQ(get(kFileSystemKey, "NameNumericTail", "B"), "00");
}

TEST_F(Drives, NoticeFlagAndRelabel) {
    DriveOptions options(*image.machine, 1);
    EXPECT_FALSE(options.notViewInfo());
    options.setNotViewInfo(true);
    EXPECT_EQ(get("HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows "
                  "Quorvia\\Module\\Drevion",
                  "NotViewInfo"),
              "1");
    EXPECT_TRUE(options.notViewInfo());
    ASSERT_TRUE(options.relabel('C', "WORK"));
    EXPECT_EQ(vantix::platform::volumeLabel(image.dir(), 'C'), "WORK");
    std::string reason;
    EXPECT_FALSE(options.relabel('C', "two\nlines", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(vantix::platform::volumeLabel(image.dir(), 'C'), "WORK");
}

}  // namespace
