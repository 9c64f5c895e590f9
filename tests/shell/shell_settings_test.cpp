#include <gtest/gtest.h>

#include "RecordingSettings.h"
#include "shell/ShellSettings.h"
#include "shell/WindowPlacement.h"

using namespace vantix::shell;

TEST(ShellSettings, EmptyStoreGivesTheDefaults) {
    RecordingSettings store;
    SettingsRecord s;
    s.DropDown_Ani = false;  // must be overwritten by the default
    ViewSettings v;
    StoredWindowRect rect;
    readMainWindowSettings(store, s, v, rect);
    EXPECT_TRUE(readViewLogo(store));
    EXPECT_TRUE(s.DropDown_Ani);
    EXPECT_TRUE(s.Sicherheit);
    EXPECT_FALSE(s.Sound);
    EXPECT_EQ(s.ButtonStyle, 1);
    EXPECT_EQ(s.SideBarBackColor, 8421504);
    EXPECT_EQ(v.ListViewArrange, 2);
    EXPECT_EQ(v.ListViewView, 0);
    EXPECT_FALSE(v.ListViewSort);
    EXPECT_EQ(v.CaptionBackColor, -2147483633);
    EXPECT_EQ(v.CaptionForeColor, -2147483630);
    EXPECT_EQ(v.HiddenNodeDiff, 320);
    EXPECT_EQ(v.HelpFont, 8);
    EXPECT_TRUE(v.HelpFontBold);
    EXPECT_FALSE(rect.Width || rect.Height || rect.Left || rect.Top);
    EXPECT_FALSE(readFirstStart(store));
}

TEST(ShellSettings, StoredTextsAreConverted) {
    RecordingSettings store;
    store.set("Sound", "-1");
    store.set("Sicherheit", "garbage");  // does not convert: False
    store.set("CaptionBackColor", "-2147483633");
    store.set("ButtonStyle", "3");
    store.set("Width", "1000");
    store.set("Left", "120.5");
    SettingsRecord s;
    ViewSettings v;
    StoredWindowRect rect;
    readMainWindowSettings(store, s, v, rect);
    EXPECT_TRUE(s.Sound);
    EXPECT_FALSE(s.Sicherheit);
    EXPECT_EQ(v.CaptionBackColor, ViewSettings{}.CaptionBackColor);
    EXPECT_EQ(s.ButtonStyle, 3);
    EXPECT_EQ(rect.Width, 1000);
    EXPECT_FLOAT_EQ(*rect.Left, 120.5f);
    EXPECT_FALSE(rect.Height.has_value());
}

TEST(ShellSettings, ShutdownWritesInItsFixedOrder) {
    const std::vector<std::string> order{
        "Left",          "Top",           "Width",          "Height",         "DropDown_Ani",     "Sicherheit",
        "Sound",         "SetBackPic",    "SaveLastWinPos", "ButtonStyle",    "SideBarBackColor", "CaptionBackColor",
        "CaptionForeColor", "ListViewSort", "ListViewArrange", "ListViewView", "LabelWrap",       "TreeViewSort",
        "ViewLogo",      "LastHiddenWork", "ViewHiddenStruktur", "OnlyRightMaus", "OnlyDubbleClick", "HelpFont",
        "HelpFontBold",  "LastCtrl",      "HiddenNodeDiff"};
    RecordingSettings store;
    SettingsRecord s;
    s.LastCtrl = "195CID";
    writeShutdownSettings(store, s, ViewSettings{}, WindowRectTwips{10, 20, 8800, 7200});
    EXPECT_EQ(store.writes, order);
    EXPECT_EQ(store.get(kMainWindowSection, "LastCtrl", ""), "195CID");
    EXPECT_EQ(store.get(kMainWindowSection, "Width", ""), "8800");
    EXPECT_EQ(store.get(kMainWindowSection, "CaptionBackColor", ""), "-2147483633");

    RecordingSettings withoutRect;
    writeShutdownSettings(withoutRect, s, ViewSettings{}, std::nullopt);
    EXPECT_EQ(withoutRect.writes, std::vector<std::string>(order.begin() + 4, order.end()));
}

TEST(WindowPlacement, SizesAndPositions) {
    const ScreenTwips screen{19200, 14400};
    struct Case {
        const char* name;
        bool firstStart;
        bool savePosition;
        StoredWindowRect stored;
        WindowRectTwips expected;
    } cases[] = {
        {"empty store: 8800 x 7200 centred", false, true, {}, {5200, 3600, 8800, 7200}},
        {"width 1000 gives 3000", false, true, {1000, 2000, std::nullopt, std::nullopt}, {8100, 5700, 3000, 3000}},
        {"width 9000 stays", false, true, {9000, 7200, 15.0f, 30.0f}, {15, 30, 9000, 7200}},
        {"first start covers the screen", true, true, {9000, 7200, 15.0f, 30.0f}, {0, 0, 19200, 14400}},
        {"no saved position: default centred", false, false, {9000, 7200, 15.0f, 30.0f}, {5200, 3600, 8800, 7200}},
    };
    for (const Case& c : cases) {
        WindowRectTwips rect = placeMainWindow(c.firstStart, c.savePosition, c.stored, screen);
        EXPECT_FLOAT_EQ(rect.Left, c.expected.Left) << c.name;
        EXPECT_FLOAT_EQ(rect.Top, c.expected.Top) << c.name;
        EXPECT_FLOAT_EQ(rect.Width, c.expected.Width) << c.name;
        EXPECT_FLOAT_EQ(rect.Height, c.expected.Height) << c.name;
    }
    EXPECT_EQ(MaxLong(-5, 3000), 3000);
}
