#include <gtest/gtest.h>

#include "BareImage.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/files/DiskFaults.h"

using vantix::platform::DiskStep;
using vantix::platform::failDiskStep;

// A save that fails on the disk (the Nth write or rename) leaves the old file
// whole and is reported as a failure: INI files such as BOOT.INI and the hives.
TEST(FailedSaves, AnIniFileThatCannotBeSavedKeepsItsOldContent) {
    BareImage image;
    const std::string boot =
        "[boot loader]\r\ntimeout=30\r\n[operating systems]\r\nmulti(0)=\"NT\"\r\n";
    ScratchDir::write(image.driveC() / "BOOT.INI", boot);
    lindrel32::QVFKT fkt(*image.machine);
    for (const auto step : {DiskStep::Write, DiskStep::Rename}) {
        failDiskStep(step, 1);
        EXPECT_FALSE(fkt.SET_Ini("C:\\BOOT.INI", "boot loader", "timeout", "5"));
        failDiskStep(step, 0);
        EXPECT_EQ(ScratchDir::read(image.driveC() / "BOOT.INI"), boot);
    }
    EXPECT_TRUE(fkt.SET_Ini("C:\\BOOT.INI", "boot loader", "timeout", "5"));
    EXPECT_EQ(fkt.GET_Ini("C:\\BOOT.INI", "boot loader", "timeout"), "5");
}

TEST(FailedSaves, AHiveThatCannotBeSavedKeepsItsOldContent) {
    BareImage image;
    lindrel32::QVREG reg(*image.machine);
    ASSERT_TRUE(reg.SetReg("HKEY_CURRENT_USER\\Software\\Kept", "v", "1", "D"));
    const std::string user = ScratchDir::read(image.dir() / "user.reg");
    for (const auto step : {DiskStep::Write, DiskStep::Rename}) {
        failDiskStep(step, 1);
        EXPECT_FALSE(reg.SetReg("HKEY_CURRENT_USER\\Software\\Kept", "v", "2", "D"));
        failDiskStep(step, 0);
        EXPECT_FALSE(reg.LastError().empty());
        EXPECT_EQ(ScratchDir::read(image.dir() / "user.reg"), user);
        EXPECT_EQ(reg.GetReg("HKEY_CURRENT_USER\\Software\\Kept", "v", "D"), "1");
    }
}
