#include "modules/bootlam/BootOptions.h"

#include <gtest/gtest.h>

#include "platform/files/DosAttributes.h"
#include "tests/modules/bootlam/NtImage.h"

using namespace vantix::bootlam;
namespace fs = std::filesystem;

namespace {

TEST(BootOptions, StartMakesTheBackupOnceAndClearsAttributes) {
    NtImage image(kSampleBootIni);
    fs::permissions(image.bootIni_(), fs::perms::owner_read | fs::perms::group_read);
    BootOptions options(*image.machine);
    options.start();
    EXPECT_EQ(image.backup(), kSampleBootIni);
    EXPECT_FALSE(*vantix::platform::dosAttributes(image.bootIni_()) &
                 vantix::platform::dosattr::ReadOnly);
    ASSERT_EQ(options.entries().size(), 3u);
    EXPECT_EQ(options.defaultIndex(), 0u);
    EXPECT_EQ(options.timeoutChoice(), TimeoutChoice::Delay);
    EXPECT_EQ(options.delaySeconds(), "30");
    ScratchDir::write(image.bootIni_(), "[boot loader]\r\n");
    BootOptions(*image.machine).start();
    EXPECT_EQ(image.backup(), kSampleBootIni) << "BOOT.BAK is never overwritten";
}

TEST(BootOptions, SaveWritesDefaultFirstTimeoutAndDefaultByProfileRules) {
    NtImage image(kSampleBootIni);
    BootOptions options(*image.machine);
    options.start();
    options.makeDefault(1);
    options.chooseTimeout(TimeoutChoice::Delay);
    options.setDelaySeconds("7");
    options.setDebugger(1, Debugger::CrashDebug);
    options.entry(1).otherSwitches = "/fastdetect";
    ASSERT_TRUE(options.save());
    EXPECT_EQ(
        image.bootIni(),
        "[boot loader]\r\ntimeout=7\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNTVGA\r\n"
        "[Operating Systems]\r\n"
        "multi(0)disk(0)rdisk(0)partition(1)\\WINNTVGA=\"Windows NT [VGA mode]\" /BASEVIDEO "
        "/CRASHDEBUG /SOS "
        "/FASTDETECT\r\n"
        "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT "
        "Workstation\"\r\nC:\\=\"MS-DOS\"\r\n");
    EXPECT_TRUE(fs::exists(options.files().working))
        << "the working file stays until the module ends";
    EXPECT_EQ(options.files().working.parent_path(), image.driveC() / "windows" / "temp");
    options.removeWorkingFile();
    EXPECT_FALSE(fs::exists(options.files().working));
    ASSERT_TRUE(options.restore());
    EXPECT_EQ(image.bootIni(), kSampleBootIni);
}

TEST(BootOptions, ADefaultMatchingNoEntryWritesTheFirstEntrysPath) {
    NtImage image(
        "[boot loader]\r\ndefault=nowhere\r\n[operating "
        "systems]\r\nC:\\=\"DOS\"\r\nD:\\=\"Other\"\r\n");
    BootOptions options(*image.machine);
    options.start();
    EXPECT_EQ(options.defaultIndex(), 0u);
    EXPECT_EQ(options.timeoutChoice(), TimeoutChoice::Unset);
    ASSERT_TRUE(options.save());
    EXPECT_EQ(image.bootIni(),
              "[boot loader]\r\ndefault=C:\\\r\n[Operating "
              "Systems]\r\nC:\\=\"DOS\"\r\nD:\\=\"Other\"\r\n")
        << "no timeout in the file: none is invented";
}

TEST(BootOptions, EditingRules) {
    NtImage image(kSampleBootIni);
    BootOptions options(*image.machine);
    options.start();
    EXPECT_EQ(options.setMaxmemChecked(0, true, ""), "32");
    EXPECT_TRUE(options.entries()[0].maxmem);
    EXPECT_EQ(options.entries()[0].maxmemMegabytes, 32);
    options.typeMaxmem(0, "8");
    EXPECT_TRUE(options.leaveMaxmem(0));
    EXPECT_EQ(options.entries()[0].maxmemMegabytes, 16);
    EXPECT_FALSE(options.leaveMaxmem(0));
    EXPECT_EQ(options.setMaxmemChecked(0, false, "16"), "");
    EXPECT_FALSE(options.entries()[0].maxmem);
    EXPECT_EQ(options.entries()[0].maxmemMegabytes, 0);

    EXPECT_EQ(options.rename(0, "   "), RenameResult::Undone);
    EXPECT_EQ(options.rename(0, std::string(33, 'x')), RenameResult::Undone);
    EXPECT_EQ(options.rename(0, std::string(32, 'x')), RenameResult::Accepted);
    EXPECT_EQ(options.rename(1, std::string(32, 'x')), RenameResult::Duplicate);
    EXPECT_EQ(options.rename(1, "MS-DOS"), RenameResult::Duplicate);
    EXPECT_EQ(options.rename(2, "MS-DOS"), RenameResult::Accepted)
        << "its own name is no duplicate";

    EXPECT_EQ(options.chooseTimeout(TimeoutChoice::Delay), "20");
    EXPECT_EQ(options.chooseTimeout(TimeoutChoice::Wait), "");
    EXPECT_EQ(options.timeoutValue(), "-1");
    options.chooseTimeout(TimeoutChoice::Immediate);
    EXPECT_EQ(options.timeoutValue(), "0");
}

TEST(BootOptions, BrokenFileIsRefusedAndKept) {
    const std::string huge =
        "[operating systems]\r\n" + std::string(BootIni::kMaxLineLength + 10, 'x');
    NtImage image(huge);
    BootOptions options(*image.machine);
    EXPECT_THROW(options.start(), BootIniError);
    EXPECT_EQ(image.bootIni(), huge);
}

TEST(BootOptions, AFailedSaveSaysWhyAndLeavesTheRealFileUnchanged) {
    NtImage image(kSampleBootIni);
    BootOptions options(*image.machine);
    options.start();
    options.chooseTimeout(TimeoutChoice::Immediate);
    fs::create_directories(options.files().working);  // the working file cannot be made
    std::string reason;
    EXPECT_FALSE(options.save(&reason));
    EXPECT_NE(reason.find("working file"), std::string::npos) << reason;
    EXPECT_EQ(image.bootIni(), kSampleBootIni);
}

}  // namespace
