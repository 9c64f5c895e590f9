#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/machine/ImageLayout.h"
#include "platform/machine/Machine.h"
#include "platform/machine/WinePrefix.h"
#include "platform/process/Spawn.h"
#include "tests/platform/machine/ProgramFolder.h"
#include "tests/support/ScratchDir.h"

namespace fs = std::filesystem;
using namespace vantix::platform;

namespace {

constexpr const char* kWineHive =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
    "[Software\\\\Wine\\\\Probe] 1700000000\n\"Kept\"=\"by Wine\"\n";

std::size_t countNamed(const fs::path& folder, std::string_view lowerName) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        count += name == lowerName;
    }
    return count;
}

// What wineboot leaves, in miniature: hives, lower-case folders and INI files, applets in system32.
class OverWinePrefix : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDir::write(prefix / "system.reg", kWineHive);
        ScratchDir::write(prefix / "user.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
        ScratchDir::write(prefix / "userdef.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n");
        ScratchDir::write(windows() / "win.ini", "[mail]\r\nmapi=1\r\n");
        ScratchDir::write(windows() / "system.ini",
                          "[drivers32]\r\nmsacm.imaadpcm=imaadp32.acm\r\n[boot]\r\nshell=wine\r\n");
        ScratchDir::write(windows() / "system32" / "joy.cpl", "MZ applet");
        fs::create_directories(windows() / "Fonts");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    }
    fs::path windows() const { return prefix / "drive_c" / "windows"; }

    ProgramFolder program;
    ScratchDir scratch;
    fs::path prefix = scratch / "prefix";
    fs::path templates = program.path() / "machine";
};

TEST_F(OverWinePrefix, KeepsWinesHivesAndMergesItsIniFilesIntoOurs) {
    layOutImage(prefix, WindowsPlatform::Win98, templates);

    EXPECT_EQ(ScratchDir::read(prefix / "system.reg"), kWineHive);
    // One win.ini, under Wine's name: our sections first, then Wine's own ones.
    EXPECT_EQ(countNamed(windows(), "win.ini"), 1u);
    const std::string win = ScratchDir::read(windows() / "win.ini");
    EXPECT_EQ(win.rfind("[windows]", 0), 0u) << win;
    EXPECT_NE(win.find("[mail]\r\nmapi=1\r\n"), std::string::npos) << win;
    // A section both have is ours alone ([boot]); Wine's [drivers32] stays.
    const std::string system = ScratchDir::read(windows() / "system.ini");
    EXPECT_NE(system.find("[drivers32]\r\nmsacm.imaadpcm=imaadp32.acm\r\n"), std::string::npos);
    EXPECT_EQ(system.find("shell=wine"), std::string::npos);
    EXPECT_NE(system.find("shell=Explorer.exe"), std::string::npos);
    // Folders are matched by case: no second "fonts" beside Wine's "Fonts".
    EXPECT_EQ(countNamed(windows(), "fonts"), 1u);
    // The 9x system folder holds Wine's applets, as the same file.
    ASSERT_TRUE(fs::exists(windows() / "system" / "joy.cpl"));
    EXPECT_TRUE(
        fs::equivalent(windows() / "system" / "joy.cpl", windows() / "system32" / "joy.cpl"));
}

TEST_F(OverWinePrefix, Nt4UsesSystem32AndOurRegistryGoesOverWines) {
    layOutImage(prefix, WindowsPlatform::Nt4, templates);
    EXPECT_FALSE(fs::exists(windows() / "system" / "joy.cpl"));
    {
        const auto image = Machine::open(prefix);
        importRegistryTemplates(image->registry(), WindowsPlatform::Nt4, templates);
    }
    const auto image = Machine::open(prefix);
    EXPECT_EQ(image->platform(), WindowsPlatform::Nt4);
    const auto kept =
        image->registry().getValue(Root::LocalMachine, "Software\\Wine\\Probe", "Kept");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->text(), "by Wine");
}

TEST(ImageProgress, APlainImageTellsItsStepsInOrderAndEndsAtHundred) {
    ProgramFolder program;
    ScratchDir scratch;
    std::vector<std::pair<std::string, int>> steps;
    ImageOptions options;
    options.progress = [&](const std::string& step, int percent) {
        steps.emplace_back(step, percent);
    };
    Machine::create(scratch / "image", WindowsPlatform::Win95, options);
    ASSERT_GE(steps.size(), 3u);
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i].second, steps[i - 1].second);
    EXPECT_EQ(steps.back().second, 100);
    // Without Wine nothing of Wine's is made.
    EXPECT_FALSE(
        fs::exists(scratch / "image" / "drive_c" / "windows" / "system32" / "rundll32.exe"));
}

TEST(DefaultImage, IsAPlainImageWhenWineIsSwitchedOff) {
    ::setenv("VANTIX_WINE", "0", 1);
    EXPECT_FALSE(defaultImageOptions().wine);
    ::unsetenv("VANTIX_WINE");
    EXPECT_EQ(defaultImageOptions().wine, wineInstalled());
    ::setenv("VANTIX_WINE", "0", 1);
}

// The one test that runs Wine itself (about half a minute).
TEST(WineImage, IsARealWinePrefixWithOurRegistryOnTop) {
    if (!wineInstalled()) GTEST_SKIP() << "Wine is not installed: the Wine path is not tested";
    ProgramFolder program;
    ScratchDir scratch;
    ImageOptions options;
    options.wine = true;
    const fs::path dir = scratch / "image";
    {
        const auto image = Machine::create(dir, WindowsPlatform::Win98, options);
        EXPECT_EQ(image->platform(), WindowsPlatform::Win98);
        EXPECT_EQ(image->systemDir(), "C:\\WINDOWS\\SYSTEM");
        for (const char* file :
             {"C:\\WINDOWS\\REGEDIT.EXE", "C:\\WINDOWS\\NOTEPAD.EXE",
              "C:\\WINDOWS\\SYSTEM\\APPWIZ.CPL", "C:\\WINDOWS\\SYSTEM\\JOY.CPL"}) {
            const auto host = image->hostPath(file);
            ASSERT_TRUE(host) << file;
            EXPECT_TRUE(fs::is_regular_file(*host)) << file;
        }
        const auto first = image->registry().getValue(
            Root::CurrentUser, "Software\\VB and VBA Program Settings\\Windows Quorvia\\Settings",
            "FirstStart");
        ASSERT_TRUE(first);
        EXPECT_EQ(first->text(), "True");
    }
    // Wine itself reads the version we laid over its registry.
    SpawnRequest query;
    query.program = "sh";
    query.arguments = {"-c",
                       "wine reg query 'HKCU\\Software\\Wine' /v Version | grep -q win98; s=$?; "
                       "wineserver -w; exit $s"};
    query.environment = {{"WINEPREFIX", dir.string()}, {"WINEDEBUG", "-all"}};
    query.removedEnvironment = {"DISPLAY"};
    EXPECT_EQ(runAndWait(query, std::chrono::minutes(3)), 0);
}

}  // namespace
