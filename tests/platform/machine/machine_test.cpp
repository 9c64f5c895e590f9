#include "platform/machine/Machine.h"

#include <gtest/gtest.h>

#include "platform/machine/ModuleInit.h"
#include "tests/platform/machine/ProgramFolder.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;
using namespace vantix::platform;

namespace {

std::string text(Registry& registry, Root root, std::string_view key, std::string_view name) {
    const auto value = registry.getValue(root, key, name);
    return value ? value->text() : "<absent>";
}

struct PlatformCase {
    WindowsPlatform platform;
    int version;
    const char* wineVersion;
    const char* systemDir;
    const char* bootFile;
    const char* bootSection;
};

class CreatedImage : public ::testing::TestWithParam<PlatformCase> {
protected:
    ProgramFolder program;
    ScratchDir scratch;
};

TEST_P(CreatedImage, OpensWithItsPlatformFoldersAndBootFiles) {
    const PlatformCase& c = GetParam();
    Machine::create(scratch / "image", c.platform);
    const auto image = Machine::open(scratch / "image");

    EXPECT_EQ(image->platform(), c.platform);
    EXPECT_EQ(image->versionNumber(), c.version);
    EXPECT_EQ(image->windowsDir(), "C:\\WINDOWS");
    EXPECT_EQ(image->systemDir(), c.systemDir);
    EXPECT_EQ(image->bootDir(), "C:\\");
    EXPECT_EQ(image->tempDir(), "C:\\WINDOWS\\TEMP");
    for (const std::string& folder : {image->windowsDir(), image->systemDir(), image->tempDir()}) {
        const auto host = image->hostPath(folder);
        ASSERT_TRUE(host) << folder;
        EXPECT_TRUE(fs::is_directory(*host)) << folder;
    }

    ASSERT_EQ(image->drives().size(), 1u);
    EXPECT_EQ(image->drives()[0].letter, 'C');
    EXPECT_TRUE(fs::equivalent(image->drives()[0].target, scratch / "image" / "drive_c"));
    EXPECT_EQ(fs::read_symlink(scratch / "image" / "dosdevices" / "c:"), "../drive_c");

    const std::string boot = ScratchDir::read(*image->hostPath(std::string("C:\\") + c.bootFile));
    EXPECT_NE(boot.find(c.bootSection), std::string::npos);
    EXPECT_NE(boot.find("\r\n"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(*image->hostPath("C:\\WINDOWS\\WIN.INI")));
    EXPECT_TRUE(fs::is_regular_file(*image->hostPath("C:\\WINDOWS\\SYSTEM.INI")));

    Registry& registry = image->registry();
    EXPECT_EQ(text(registry, Root::CurrentUser, "Software\\Wine", "Version"), c.wineVersion);
    EXPECT_EQ(text(registry, Root::LocalMachine,
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir"),
              "C:\\");
    EXPECT_EQ(
        text(registry, Root::CurrentUser,
             "Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings", "FirstStart"),
        "True");
    // Shell folders lead to folders of the image.
    const std::string desktop =
        text(registry, Root::CurrentUser,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop");
    const auto desktopHost = image->hostPath(desktop);
    ASSERT_TRUE(desktopHost) << desktop;
    EXPECT_TRUE(fs::is_directory(*desktopHost)) << desktop;
    const std::string programs =
        text(registry, Root::CurrentUser,
             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
    EXPECT_TRUE(fs::is_directory(*image->hostPath(programs))) << programs;
    EXPECT_TRUE(registry.keyExists(Root::CurrentUser, "Control Panel\\Mouse"));
    EXPECT_TRUE(registry.keyExists(
        Root::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"));
    EXPECT_TRUE(
        registry.keyExists(Root::LocalMachine, "System\\CurrentControlSet\\Control\\FileSystem"));

    // Every hive is a Wine registry file that Wine accepts from a 64-bit loader.
    for (const char* hive : {"system.reg", "user.reg", "userdef.reg"}) {
        const std::string content = ScratchDir::read(scratch / "image" / hive);
        EXPECT_EQ(content.rfind("WINE REGISTRY Version 2\n", 0), 0u) << hive;
        EXPECT_NE(content.find("\n#arch=win64\n"), std::string::npos) << hive;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, CreatedImage,
    ::testing::Values(PlatformCase{WindowsPlatform::Win95, 400, "win95", "C:\\WINDOWS\\SYSTEM",
                                   "MSDOS.SYS", "[Paths]"},
                      PlatformCase{WindowsPlatform::Win98, 410, "win98", "C:\\WINDOWS\\SYSTEM",
                                   "MSDOS.SYS", "[Options]"},
                      PlatformCase{WindowsPlatform::Nt4, 400, "nt40", "C:\\WINDOWS\\system32",
                                   "BOOT.INI", "[operating systems]"}),
    [](const auto& param) { return std::string(platformName(param.param.platform)); });

class ImageCreation : public ::testing::Test {
protected:
    ProgramFolder program;
    ScratchDir scratch;
};

TEST_F(ImageCreation, ControlSetIsALinkOnNt4AndAPlainKeyOn9x) {
    Machine::create(scratch / "nt", WindowsPlatform::Nt4);
    Machine::create(scratch / "98", WindowsPlatform::Win98);
    auto nt = Machine::open(scratch / "nt");
    auto nine = Machine::open(scratch / "98");

    // A value written through CurrentControlSet lands in ControlSet001 on NT only.
    for (Machine* image : {nt.get(), nine.get()})
        ASSERT_TRUE(image->registry().setValue(Root::LocalMachine,
                                               "System\\CurrentControlSet\\Control\\Probe",
                                               RegValue::string("x", "1")));
    EXPECT_EQ(
        text(nt->registry(), Root::LocalMachine, "System\\ControlSet001\\Control\\Probe", "x"),
        "1");
    EXPECT_FALSE(
        nine->registry().keyExists(Root::LocalMachine, "System\\ControlSet001\\Control\\Probe"));
    EXPECT_NE(ScratchDir::read(scratch / "nt" / "system.reg").find("#link"), std::string::npos);
    EXPECT_EQ(ScratchDir::read(scratch / "98" / "system.reg").find("#link"), std::string::npos);
}

TEST_F(ImageCreation, RunsEveryModuleWithInitOnTheNewImageBeforeFirstStart) {
    // Each module records its argument and the image it was given; the last
    // checks that FirstStart is not yet written when modules run.
    program.addModule("REGALTO.EXE",
                      "echo \"$1 $VANTIX_MACHINE\" > \"$VANTIX_MACHINE/regalto.txt\"\n");
    program.addModule("drevion.exe", "echo \"$1\" > \"$VANTIX_MACHINE/drevion.txt\"\n");
    program.addModule("README.TXT", "touch \"$VANTIX_MACHINE/readme-ran\"\n");
    program.addModule("TRASKEL.EXE",
                      "grep -q FirstStart \"$VANTIX_MACHINE/user.reg\" && touch "
                      "\"$VANTIX_MACHINE/early\"\nexit 3\n");

    const auto image = Machine::create(scratch / "image", WindowsPlatform::Win98);
    const fs::path dir = scratch / "image";
    const std::string regalto = ScratchDir::read(dir / "regalto.txt");
    EXPECT_EQ(regalto.substr(0, 6), "/INIT ");
    EXPECT_NE(regalto.find(".image.new-"), std::string::npos)
        << "runs on the image while it is being made";
    EXPECT_EQ(ScratchDir::read(dir / "drevion.txt"), "/INIT\n");
    EXPECT_FALSE(fs::exists(dir / "readme-ran"));
    EXPECT_FALSE(fs::exists(dir / "early"));
    // A failing module does not stop the set-up.
    EXPECT_EQ(
        text(image->registry(), Root::CurrentUser,
             "Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings", "FirstStart"),
        "True");
}

TEST_F(ImageCreation, AModuleThatHangsIsStopped) {
    program.addModule("HANG.EXE", "sleep 30\n");
    const auto programs = modulePrograms(program.path());
    ASSERT_EQ(programs.size(), 1u);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(runModuleInit(programs[0], scratch.path(), std::chrono::milliseconds(200)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(ImageCreation, RefusesAFolderWithContentAndLeavesItAlone) {
    ScratchDir::write(scratch / "busy" / "keep.txt", "mine");
    EXPECT_THROW(Machine::create(scratch / "busy", WindowsPlatform::Win98), MachineError);
    EXPECT_EQ(ScratchDir::read(scratch / "busy" / "keep.txt"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch / "busy"), fs::directory_iterator()), 1);

    // An empty folder is fine.
    fs::create_directories(scratch / "empty");
    EXPECT_NO_THROW(Machine::create(scratch / "empty", WindowsPlatform::Win95));
    // A trailing separator names the same folder.
    EXPECT_NO_THROW(Machine::create((scratch / "slash").string() + "/", WindowsPlatform::Win95));
    EXPECT_NO_THROW(Machine::open(scratch / "slash"));
    EXPECT_THROW(Machine::create(scratch / "x", WindowsPlatform::Other), MachineError);
}

TEST_F(ImageCreation, AFailedSetUpLeavesNothingBehind) {
    // A broken template stops the set-up with the file and line, and no half image remains.
    ProgramFolder broken;
    fs::remove(broken.path() / "machine");
    fs::copy(fs::path(VANTIX_PROGRAM_DIR) / "machine", broken.path() / "machine",
             fs::copy_options::recursive);
    ScratchDir::write(broken.path() / "machine" / "win98" / "99-bad.reg",
                      "REGEDIT4\r\n\r\n[HKEY_NOWHERE\\x]\r\n");
    try {
        Machine::create(scratch / "image", WindowsPlatform::Win98);
        FAIL() << "no error";
    } catch (const MachineError& error) {
        EXPECT_NE(std::string(error.what()).find("99-bad.reg: line 3"), std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST(MachineOpen, RefusesFoldersThatAreNoImage) {
    ScratchDir scratch;
    EXPECT_THROW(Machine::open(scratch / "missing"), MachineError);
    ScratchDir::write(scratch / "only-reg" / "system.reg", "WINE REGISTRY Version 2\n");
    EXPECT_THROW(Machine::open(scratch / "only-reg"), MachineError);
}

// A prefix as Wine leaves it: no version keys of ours, so the platform follows Wine's rules.
class WinePrefix : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDir::write(
            dir() / "system.reg",
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n");
        ScratchDir::write(dir() / "user.reg", "WINE REGISTRY Version 2\n");
        fs::create_directories(dir() / "drive_c" / "windows" / "temp");
        fs::create_directories(dir() / "dosdevices");
        fs::create_directory_symlink("../drive_c", dir() / "dosdevices" / "c:");
        image = Machine::open(dir());
    }
    fs::path dir() const { return scratch / "prefix"; }
    ScratchDir scratch;
    std::unique_ptr<Machine> image;
};

TEST_F(WinePrefix, WithoutVersionKeysIsNtWithWinesFolders) {
    EXPECT_EQ(image->platform(), WindowsPlatform::Nt4);
    EXPECT_EQ(image->windowsDir(), "C:\\windows");
    EXPECT_EQ(image->systemDir(), "C:\\windows\\system32");
    EXPECT_EQ(image->tempDir(), "C:\\windows\\TEMP");
    // Wine's TEMP needs expanding: the Windows folder's TEMP stands in.
    ASSERT_TRUE(image->registry().setValue(
        Root::CurrentUser, "Environment",
        RegValue::string("TEMP", "%USERPROFILE%\\Temp", regtype::ExpandSz)));
    EXPECT_EQ(image->tempDir(), "C:\\windows\\TEMP");
}

TEST_F(WinePrefix, VersionFollowsWinesOrderOfKeys) {
    Registry& registry = image->registry();
    // 9x keys alone: the 95 family.
    ASSERT_TRUE(registry.setValue(Root::LocalMachine,
                                  "Software\\Microsoft\\Windows\\CurrentVersion",
                                  RegValue::string("VersionNumber", "4.10.2222")));
    EXPECT_EQ(image->platform(), WindowsPlatform::Win98);
    // NT keys win over 9x keys; NT 3.51 is no supported platform.
    ASSERT_TRUE(registry.setValue(Root::LocalMachine,
                                  "Software\\Microsoft\\Windows NT\\CurrentVersion",
                                  RegValue::string("CurrentVersion", "3.51")));
    EXPECT_EQ(image->platform(), WindowsPlatform::Other);
    EXPECT_EQ(image->versionNumber(), 351);
    // HKCU\Software\Wine Version wins over both; Wine compares it case-sensitively.
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\Wine",
                                  RegValue::string("Version", "win95")));
    EXPECT_EQ(image->platform(), WindowsPlatform::Win95);
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\Wine",
                                  RegValue::string("Version", "Win95")));
    EXPECT_EQ(image->platform(), WindowsPlatform::Other);
    ASSERT_TRUE(registry.setValue(Root::CurrentUser, "Software\\Wine",
                                  RegValue::string("Version", "win31")));
    EXPECT_EQ(image->platform(), WindowsPlatform::Other);
    EXPECT_EQ(image->versionNumber(), 310);
}

TEST(CurrentMachine, SelectionEnvironmentAndDefaultImage) {
    ProgramFolder program;
    ScratchDir scratch;
    ::setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1);
    ::unsetenv("VANTIX_MACHINE");
    resetCurrentMachine();
    // The default image is made on first use, as Windows 98.
    Machine& made = currentMachine();
    EXPECT_EQ(made.dir(), scratch / "data" / "vantix" / "machine");
    EXPECT_EQ(made.platform(), WindowsPlatform::Win98);

    Machine::create(scratch / "nt", WindowsPlatform::Nt4);
    ::setenv("VANTIX_MACHINE", (scratch / "nt").c_str(), 1);
    resetCurrentMachine();
    EXPECT_EQ(currentMachine().platform(), WindowsPlatform::Nt4);

    Machine::create(scratch / "95", WindowsPlatform::Win95);
    selectMachine(scratch / "95");
    EXPECT_EQ(currentMachine().platform(), WindowsPlatform::Win95);

    // A folder named on purpose is never made.
    selectMachine(scratch / "absent");
    EXPECT_THROW(currentMachine(), MachineError);
    EXPECT_FALSE(fs::exists(scratch / "absent"));
    ::unsetenv("VANTIX_MACHINE");
    selectMachine(scratch / "95");
}

}  // namespace
