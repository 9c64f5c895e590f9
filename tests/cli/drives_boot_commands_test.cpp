#include <gtest/gtest.h>

#include <stdlib.h>

#include <sstream>

#include "cli/CommandTable.h"
#include "platform/machine/Machine.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// An NT 4 image and a Windows 98 image made from the build's templates.
class DrivesAndBoot : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        suiteScratch = new ScratchDir;
        fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine",
                                     *suiteScratch / "machine");
        ::setenv("VANTIX_PROGRAM_DIR", suiteScratch->path().c_str(), 1);
        vantix::platform::Machine::create(*suiteScratch / "nt4",
                                          vantix::platform::WindowsPlatform::Nt4);
        vantix::platform::Machine::create(*suiteScratch / "win98",
                                          vantix::platform::WindowsPlatform::Win98);
    }
    static void TearDownTestSuite() {
        delete suiteScratch;
        ::unsetenv("VANTIX_PROGRAM_DIR");
    }
    void SetUp() override {
        for (const char* name : {"nt4", "win98"})
            fs::copy(*suiteScratch / name, scratch / name,
                     fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }
    Outcome run(std::vector<std::string> args, const char* image = "nt4") {
        args.insert(args.begin(), {"--machine", (scratch / image).string()});
        std::ostringstream out, err;
        const int status = vantix::cli::runCli(args, out, err);
        return {status, out.str(), err.str()};
    }
    fs::path driveC(const char* image = "nt4") const { return scratch / image / "drive_c"; }

    static inline ScratchDir* suiteScratch = nullptr;
    ScratchDir scratch;
};

const std::string kPolicies =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

TEST_F(DrivesAndBoot, DrivesListHideShowLabel) {
    auto listed = run({"drives"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out.rfind("C:\t3\tLocal drive\t\t", 0), 0u) << listed.out;
    EXPECT_NE(listed.out.find("\tshown\t"), std::string::npos);
    EXPECT_EQ(run({"drives", "hide", "C"}).status, 0);
    EXPECT_EQ(run({"drives", "hide", "d:"}).status, 0);
    EXPECT_EQ(run({"reg", "get", kPolicies, "NoDrives", "B"}).out, "0C000000\n");
    EXPECT_EQ(run({"drives", "show", "c:\\"}).status, 0);
    EXPECT_EQ(run({"reg", "get", kPolicies, "NoDrives", "B"}).out, "08000000\n");
    EXPECT_EQ(run({"drives", "label", "C", "NT WORKSTATION"}).status, 0);
    listed = run({"drives", "list"});
    EXPECT_NE(listed.out.find("C:\t3\tLocal drive\tNT WORKSTATION\t"), std::string::npos)
        << listed.out;
    EXPECT_EQ(run({"drives", "hide", "CC"}).status, 2);
    EXPECT_EQ(run({"drives", "label", "Q", "X"}).status, 1) << "no such drive";
}

TEST_F(DrivesAndBoot, BootCommandsBackUpFirstAndWriteTheModulesLines) {
    const std::string original = ScratchDir::read(driveC() / "BOOT.INI");
    auto listed = run({"boot", "list"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out.substr(0, 11), "timeout\t30\n");
    EXPECT_FALSE(fs::exists(driveC() / "BOOT.BAK")) << "listing changes nothing";
    ASSERT_EQ(run({"boot", "timeout", "-1"}).status, 0);
    EXPECT_EQ(ScratchDir::read(driveC() / "BOOT.BAK"), original);
    ASSERT_EQ(run({"boot", "switches", "1", "/sos", "/maxmem:64"}).status, 0);
    ASSERT_EQ(run({"boot", "default", "1"}).status, 0);
    const std::string written = ScratchDir::read(driveC() / "BOOT.INI");
    EXPECT_NE(written.find("timeout=-1\r\n"), std::string::npos) << written;
    EXPECT_NE(
        written.find(
            "[Operating Systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Windows NT "
            "Workstation Version 4.00 [VGA mode]\" /SOS /MAXMEM:64\r\n"),
        std::string::npos)
        << written;
    EXPECT_FALSE(fs::exists(driveC() / "windows" / "temp" / "BOOT.INI"))
        << "no working file is left behind";
    EXPECT_EQ(ScratchDir::read(driveC() / "BOOT.BAK"), original) << "the backup is made once";
    EXPECT_EQ(run({"boot", "timeout", "soon"}).status, 2);
    EXPECT_EQ(run({"boot", "default", "7"}).status, 2);
    ASSERT_EQ(run({"boot", "restore"}).status, 0);
    EXPECT_EQ(ScratchDir::read(driveC() / "BOOT.INI"), original);
}

TEST_F(DrivesAndBoot, BootRefusesNineXImages) {
    const auto refused = run({"boot", "list"}, "win98");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("Windows NT"), std::string::npos);
}

}  // namespace
