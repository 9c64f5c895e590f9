#include <gtest/gtest.h>

#include <set>

#include "shell/CommandTable.h"
#include "shell/ViewCommands.h"

using namespace vantix::shell;

namespace {

std::set<std::int32_t> visibleIds(const CommandTable& table, const char* bandName) {
    std::set<std::int32_t> ids;
    for (const auto& entry : table.findBand(bandName)->entries)
        if (entry.visible) ids.insert(entry.id);
    return ids;
}

bool enabled(const CommandTable& table, const char* bandName, std::int32_t id) {
    return table.findEntry(bandName, id)->enabled;
}

}  // namespace

TEST(CommandTable, IdListsParseLikeTheStoredTexts) {
    EXPECT_EQ(parseIdList("310|320|330|"), (std::vector<std::int32_t>{310, 320, 330}));
    EXPECT_TRUE(parseIdList("").empty());
    EXPECT_EQ(parseIdList("300|305"), (std::vector<std::int32_t>{300, 305}))
        << "a missing last bar still counts";
    EXPECT_EQ(parseIdList("1||x|2|"), (std::vector<std::int32_t>{1, 2}))
        << "empty and non-numeric items are skipped";
}

TEST(CommandTable, BandsCarryEveryEntryWithItsSubmenu) {
    CommandTable table;
    const char* names[] = {"Menü",       "Datei",   "Bearbeiten",          "Ansicht",
                           "Hilfe",      "Objekte", "VerknüpfungListView", "Popup_SideBar",
                           "Verknüpfung"};
    for (const char* name : names) ASSERT_NE(table.findBand(name), nullptr) << name;
    std::size_t count = 0;
    for (const auto& b : table.bands()) count += b.entries.size();
    EXPECT_EQ(count, 39u);
    // Every submenu names a band of the table.
    for (const auto& b : table.bands())
        for (const auto& entry : b.entries) {
            if (!entry.submenu.empty()) {
                EXPECT_NE(table.findBand(entry.submenu), nullptr) << entry.command;
            }
        }
    EXPECT_EQ(table.findEntry("Objekte", 273)->submenu, "VerknüpfungListView");
    EXPECT_EQ(table.findEntry("Popup_SideBar", 850)->caption, "De&lete Folder");
    EXPECT_EQ(table.findEntry("Popup_SideBar", 810)->command,
              table.findEntry("Bearbeiten", 210)->command)
        << "one command under two identifiers";
}

TEST(CommandTable, ViewMenuRowsPerMode) {
    CommandTable table;
    table.SetViewMenuMode(CommandTable::viewMenuModeOf("HIDD"));
    EXPECT_EQ(visibleIds(table, "Ansicht"), (std::set<std::int32_t>{300, 305, 310, 340}));
    EXPECT_TRUE(enabled(table, "Ansicht", 310));

    table.SetViewMenuMode(CommandTable::viewMenuModeOf("UTIL"));
    EXPECT_EQ(visibleIds(table, "Ansicht"),
              (std::set<std::int32_t>{310, 320, 330, 340, 350, 360, 370}));
    EXPECT_FALSE(enabled(table, "Ansicht", 310)) << "the toggle is greyed for tools and utilities";

    table.SetViewMenuMode(CommandTable::viewMenuModeOf("SYST"));
    EXPECT_TRUE(enabled(table, "Ansicht", 310)) << "opening an SYST group enables it again";
    EXPECT_EQ(visibleIds(table, "Ansicht"),
              (std::set<std::int32_t>{310, 320, 330, 340, 350, 360, 370}));
    EXPECT_EQ(CommandTable::viewMenuModeOf("TOOL"), 0);
}

TEST(CommandTable, SetToolsStateLeavesUnlistedEntriesAlone) {
    CommandTable table;
    std::vector<std::string> changed;
    table.setStateObserver([&](const std::string& name) { changed.push_back(name); });
    table.SetToolsState("Bearbeiten", "visible", "", "210|250|");
    table.SetToolsState("Bearbeiten", "ENABLED", "", "240|");
    for (int mode : {0, 1, 2, 1, 0}) table.SetViewMenuMode(mode);
    EXPECT_TRUE(table.findEntry("Bearbeiten", 270)->visible)
        << "MARK_ALL is never hidden by the view modes";
    EXPECT_TRUE(table.findEntry("Bearbeiten", 270)->enabled);
    EXPECT_FALSE(table.findEntry("Bearbeiten", 210)->visible);
    EXPECT_FALSE(table.findEntry("Bearbeiten", 240)->enabled);
    EXPECT_TRUE(table.findEntry("Bearbeiten", 240)->visible) << "switching Enabled leaves Visible";
    table.SetToolsState("Bearbeiten", "Colour", "", "260|");
    table.SetToolsState("NoSuchBand", "Visible", "", "260|");
    EXPECT_TRUE(table.findEntry("Bearbeiten", 260)->visible);
    EXPECT_EQ(changed.front(), "Bearbeiten");
}

TEST(CommandTable, DispatchesToRegisteredHandlersOnly) {
    CommandTable table;
    std::vector<std::string> ran;
    table.registerHandler("CTRL_NEW", [&] { ran.push_back("first"); });
    table.registerHandler("CTRL_NEW", [&] { ran.push_back("second"); });
    EXPECT_TRUE(table.ExecuteCommand("CTRL_NEW"));
    EXPECT_FALSE(table.ExecuteCommand("NO_SUCH_COMMAND"));
    EXPECT_FALSE(table.ExecuteCommand("APP_END")) << "a command nobody registered does nothing";
    EXPECT_EQ(ran, (std::vector<std::string>{"second"}));
}

TEST(CommandTable, SideBarPopupByPlace) {
    CommandTable table;
    ASSERT_TRUE(table.prepareSideBarPopup({"3CID", ""}));
    EXPECT_EQ(visibleIds(table, "Popup_SideBar"), (std::set<std::int32_t>{810, 820, 830, 870}));
    EXPECT_EQ(table.popupObject().groupKey, "3CID");

    ASSERT_TRUE(table.prepareSideBarPopup({"", "2GID"}));
    EXPECT_EQ(visibleIds(table, "Popup_SideBar"), (std::set<std::int32_t>{810, 840, 850, 860}));
    EXPECT_EQ(table.popupObject().folderKey, "2GID");
    EXPECT_TRUE(table.popupObject().groupKey.empty())
        << "the group of an earlier pop-up is forgotten";

    EXPECT_FALSE(table.prepareSideBarPopup({}));
    EXPECT_EQ(table.popupObject().folderKey, "2GID") << "no menu, nothing remembered anew";
}

TEST(CommandTable, ListPopupByEntryState) {
    CommandTable table;
    EXPECT_EQ(table.prepareListPopup("SYST", true, true), "Objekte");
    EXPECT_TRUE(table.findEntry("Objekte", 271)->visible);
    EXPECT_FALSE(table.findEntry("Objekte", 272)->visible);
    EXPECT_EQ(table.prepareListPopup("TOOL", true, false), "Objekte");
    EXPECT_FALSE(table.findEntry("Objekte", 271)->visible);
    EXPECT_TRUE(table.findEntry("Objekte", 272)->visible);
    EXPECT_EQ(table.prepareListPopup("SYST", false, false), "Ansicht");
    EXPECT_EQ(table.prepareListPopup("UTIL", true, false), "")
        << "utility lists show their own menus";
    EXPECT_EQ(table.prepareListPopup("HIDD", false, false), "");
}

TEST(ViewCommands, TreeGroupForHiddenFunctionsListGroupOtherwise) {
    EXPECT_EQ(viewCommandButton("OBJ_SORT", "HIDD"), (ToolbarButton{4, 3, ButtonAction::Toggle}));
    EXPECT_EQ(viewCommandButton("OBJ_SORT", "UTIL"), (ToolbarButton{1, 1, ButtonAction::Toggle}));
    EXPECT_EQ(viewCommandButton("OBJ_VIEW", "HIDD"), (ToolbarButton{4, 0, ButtonAction::Toggle}));
    EXPECT_EQ(viewCommandButton("OBJ_VIEW", "TOOL"), (ToolbarButton{1, 0, ButtonAction::Toggle}));
    EXPECT_EQ(viewCommandButton("STRUCT_OPEN", "HIDD"), (ToolbarButton{4, 1}));
    EXPECT_FALSE(viewCommandButton("STRUCT_OPEN", "SYST"));
    EXPECT_FALSE(viewCommandButton("OBJ_LEFT", "HIDD"));
    EXPECT_EQ(viewCommandButton("OBJ_LISTSYMB", "SYST"), (ToolbarButton{3, 2}));
    EXPECT_FALSE(viewCommandButton("APP_END", "SYST"));
}
