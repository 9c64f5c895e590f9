#include "CatalogueFixture.h"
#include "catalogue/GroupSelection.h"

using namespace vantix::catalogue;

TEST_F(CatalogueTest, EachModeShowsItsCaptionsListKindAndToggle) {
    struct Case {
        const char* key;
        const char* category;
        const char* caption;
        int listKind;
        bool list;
        bool toggle;
    };
    const Case cases[] = {
        {"1CID", "  Control Panel", "  Control Panel", 0, true, true},
        {"2CID", "  Hidden Functions", "  Hidden Functions", 1, false, false},
        {"3CID", "  Vantix 98 Modules", "  Modules", 0, true, true},
        {"195CID", "  Tool && Utilities", "  System Tools", 2, true, false},
    };
    for (const auto& c : cases) {
        const auto view = SelectGroup(*database, c.key);
        ASSERT_TRUE(view) << c.key;
        EXPECT_EQ(view->categoryCaption, c.category);
        EXPECT_EQ(view->categoryText.find("&&"), std::string::npos);
        EXPECT_EQ(view->groupCaption, c.caption);
        EXPECT_EQ(view->listKind, c.listKind);
        EXPECT_EQ(view->showsList, c.list);
        EXPECT_EQ(view->deactivatedToggleVisible, c.toggle);
    }
    EXPECT_FALSE(SelectGroup(*database, "999CID"));
    EXPECT_FALSE(SelectGroup(*database, ""));
}

TEST_F(CatalogueTest, StartSwitchSelectsItsGroupOverTheLastOne) {
    database->execute("INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (12, 2, 2, 'Twelve', 'SYST')");
    const auto folders = FillSideBar(*database);
    const auto start = SelectStartGroup(*database, folders, "12CID", true);
    EXPECT_EQ(start.folder, 1u);
    EXPECT_EQ(start.groupKey, "12CID");
    EXPECT_FALSE(start.shortcutGone);
}

TEST_F(CatalogueTest, LastGroupIsOfferedBackAndMissingOnesFallBackToTheFirst) {
    const auto folders = FillSideBar(*database);
    const struct {
        const char* key;
        bool fromSwitch;
        std::size_t folder;
        const char* group;
        bool gone;
    } cases[] = {
        {"195CID", false, 2, "195CID", false},
        {"", false, 0, "1CID", false},
        {"77CID", false, 0, "1CID", false},   // a deleted last group: silently the first
        {"77CID", true, 0, "1CID", true},     // a deleted shortcut group: the message once
    };
    for (const auto& c : cases) {
        const auto start = SelectStartGroup(*database, folders, c.key, c.fromSwitch);
        EXPECT_EQ(start.folder, c.folder) << c.key;
        EXPECT_EQ(start.groupKey, c.group) << c.key;
        EXPECT_EQ(start.shortcutGone, c.gone) << c.key;
    }
}

TEST_F(CatalogueTest, FirstFolderWithoutGroupsSelectsNothing) {
    database->execute("DELETE FROM BAR_CONTROL WHERE BAR_ID = 1");
    const auto start = SelectStartGroup(*database, FillSideBar(*database), "", false);
    EXPECT_EQ(start.folder, 0u);
    EXPECT_EQ(start.groupKey, "");
}

TEST_F(CatalogueTest, GroupWhoseFolderIsGoneFallsBackToTheFirstFolder) {
    database->execute("UPDATE BAR_CONTROL SET BAR_ID = 42 WHERE ID = 4");
    const auto start = SelectStartGroup(*database, FillSideBar(*database), "4CID", false);
    EXPECT_EQ(start.folder, 0u);
    EXPECT_EQ(start.groupKey, "1CID");
}
