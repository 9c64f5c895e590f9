#include <gtest/gtest.h>

#include "shell/DropDownAnimation.h"
#include "shell/FirstStart.h"
#include "shell/LogoGauge.h"
#include "shell/SoundEffects.h"
#include "shell/StartSwitch.h"

using namespace vantix::shell;

TEST(StartSwitch, ReadsTheLeadingNumberOfFiveCharacters) {
    struct Case {
        const char* commandLine;
        std::optional<std::int32_t> group;
    } cases[] = {{"/DS:00012", 12},   {"/DS:12 /X", 12},      {"/X /DS:00007", 7}, {"/DS:1234567", 12345},
                 {"/DS:", 0},         {"/DS:abc", 0},         {"", std::nullopt},  {"/ds:00012", std::nullopt},
                 {"/DS: 42", 42}};
    for (const Case& c : cases) EXPECT_EQ(startSwitchGroup(c.commandLine), c.group) << c.commandLine;
    EXPECT_EQ(startGroupKey("/DS:00012", "3CID"), "12CID");
    EXPECT_EQ(startGroupKey("", "3CID"), "3CID");
    EXPECT_EQ(startGroupKey("/X", ""), "");
}

TEST(FirstStart, RowsPerPlatform) {
    const auto nt = firstStartUtilities(1, "C:\\VANTIX\\", "C:\\WINNT\\SYSTEM32\\", "C:\\WINNT\\");
    const auto win95 = firstStartUtilities(2, "C:\\VANTIX\\", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\");
    const auto win98 = firstStartUtilities(3, "C:\\VANTIX\\", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\");
    ASSERT_EQ(nt.size(), 9u);
    ASSERT_EQ(win95.size(), 8u);
    ASSERT_EQ(win98.size(), 10u);

    EXPECT_EQ(nt[0].Name, "Reorg");
    EXPECT_EQ(nt[0].File, "C:\\VANTIX\\DATABASE\\DATABASE.EXE");
    EXPECT_EQ(nt[0].WorkFolder, "C:\\VANTIX\\DATABASE");
    EXPECT_EQ(nt[8].Name, "Dr. Watson");
    EXPECT_EQ(nt[8].File, "C:\\WINNT\\SYSTEM32\\DRWTSN32.EXE");
    EXPECT_EQ(nt[8].IconFile, "C:\\WINNT\\SYSTEM32\\DRWATSON.EXE");
    EXPECT_EQ(nt[3].WorkFolder, "C:\\WINNT\\SYSTEM32");
    EXPECT_EQ(win95[7].Name, "Explorer");
    EXPECT_EQ(win98[9].Name, "CheckRegistry");
    EXPECT_EQ(win98[9].File, "C:\\WINDOWS\\SCANREGW.EXE");
    for (const auto& row : win98) {
        EXPECT_EQ(row.Parameter, " ");
        EXPECT_EQ(row.Style, 1);
    }
}

TEST(FirstStart, HostProgramFolderKeepsItsSeparator) {
    const auto rows = firstStartUtilities(3, "/opt/vantix/", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\");
    EXPECT_EQ(rows[0].File, "/opt/vantix/DATABASE/DATABASE.EXE");
    EXPECT_EQ(rows[0].WorkFolder, "/opt/vantix/DATABASE");
}

TEST(DropDown, GrowsFromThirtyInStepsOfTwoHundred) {
    EXPECT_EQ(dropDownHeights(1000), (std::vector<std::int32_t>{30, 230, 430, 630, 830}));
    EXPECT_EQ(dropDownHeights(830), (std::vector<std::int32_t>{30, 230, 430, 630, 830}));
    EXPECT_EQ(dropDownHeights(29), std::vector<std::int32_t>{});
}

TEST(LogoGauge, FiveStepsThenClosesThreeTicksLater) {
    LogoGauge gauge;
    EXPECT_FALSE(gauge.tick(true, false).percent);  // waits for access
    EXPECT_FALSE(gauge.tick(false, true).percent);  // and for the window
    EXPECT_EQ(gauge.counter(), 0);
    std::vector<int> drawn;
    int closedAt = 0;
    for (int tick = 1; tick <= 10 && !closedAt; ++tick) {
        LogoGauge::Tick t = gauge.tick(true, true);
        if (t.percent) drawn.push_back(*t.percent);
        if (t.close) closedAt = tick;
    }
    EXPECT_EQ(drawn, (std::vector<int>{20, 40, 60, 80, 100}));
    EXPECT_EQ(closedAt, 8);
    EXPECT_EQ(gaugeBarWidth(200, 40), 80);
    EXPECT_EQ(gaugeBarWidth(200, 0), 0);
}

TEST(SoundEffects, PlayedOnlyWhenOnAndPresent) {
    auto present = [](const std::string& path) { return path == "C:\\VANTIX\\Sound\\DROP.WAV"; };
    EXPECT_EQ(soundEffectPath(true, "C:\\VANTIX\\", kSoundDrop, present), "C:\\VANTIX\\Sound\\DROP.WAV");
    EXPECT_FALSE(soundEffectPath(false, "C:\\VANTIX\\", kSoundDrop, present));
    EXPECT_FALSE(soundEffectPath(true, "C:\\VANTIX\\", kSoundOverItem, present));
    EXPECT_EQ(soundEffectPath(true, "/opt/v/", kSoundDrop, [](const std::string&) { return true; }),
              "/opt/v/Sound/DROP.WAV");
}
