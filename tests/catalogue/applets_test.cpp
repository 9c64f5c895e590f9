#include "CatalogueFixture.h"
#include "catalogue/ActivationList.h"
#include "catalogue/AppletTable.h"

using namespace vantix::catalogue;

namespace {

std::vector<std::string> textsOf(const std::vector<ListEntry>& entries) {
    std::vector<std::string> texts;
    for (const auto& entry : entries) texts.push_back(entry.text + (entry.ghosted ? " (grey)" : ""));
    return texts;
}

bool has(const std::vector<ListEntry>& entries, const std::string& text) {
    for (const auto& entry : entries)
        if (entry.text == text) return true;
    return false;
}

}  // namespace

class AppletTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        for (const char* file : {"desk.cpl", "SYSDM.CPL", "Main.Cpl", "SRVMGR.CPL"}) makeFile(std::string("WINDOWS\\SYSTEM\\") + file);
    }
    std::vector<ListEntry> list(std::int64_t group, bool showDeactivated) {
        return table.FillAppletList(*host, settings, activationSection(kAppletFamily, group), showDeactivated);
    }
    AppletTable table;
    MemorySettings settings;
};

TEST_F(AppletTest, ListsOnlyAppletsWhoseFileExistsInTableOrder) {
    EXPECT_EQ(textsOf(list(1, false)), (std::vector<std::string>{"Hardware", "Display", "System", "Devices",
                                                                  "Services", "Keyboard", "Mouse", "Printers",
                                                                  "Fonts", "Server"}));
    std::filesystem::remove(drive() / "WINDOWS/SYSTEM/SRVMGR.CPL");
    const auto without = list(1, false);
    for (const char* gone : {"Devices", "Services", "Server"}) EXPECT_FALSE(has(without, gone)) << gone;
    EXPECT_EQ(list(1, false)[0].key, "SYSDM.CPL @1");
}

TEST_F(AppletTest, SystemFolderExtendsTheTableByUncoveredFiles) {
    for (const char* file : {"MYTOOL.CPL", "desk2.cpl", "INETCPL2.CPL", "CDESK.CPL", "readme.txt"})
        makeFile(std::string("WINDOWS\\SYSTEM\\") + file);
    table.ExtendAppletTable(*host);
    std::map<std::string, std::string> added;
    for (const auto& applet : table.applets())
        if (!applet.builtIn) added[applet.name] = applet.argument;
    // INETCPL2 shares the prefix INETC with INETCPL.CPL; SYSDM, DESK and MAIN are built in.
    // CDESK.C occurs only across two neighbouring built-in prefixes ("PASSWORD.C" "DESK.C"): added.
    EXPECT_EQ(added, (std::map<std::string, std::string>{
                         {"MYTOOL", "MYTOOL.CPL"}, {"DESK2", "DESK2.CPL"}, {"CDESK", "CDESK.CPL"}}));
    const auto entries = list(1, false);
    ASSERT_TRUE(has(entries, "MYTOOL"));
    EXPECT_EQ(entries.back().key, "CDESK.CPL");
    EXPECT_EQ(entries.back().standardImage, 1);
}

TEST_F(AppletTest, ExtendingTwiceAddsNothingTwice) {
    makeFile("WINDOWS\\SYSTEM\\MYTOOL.CPL");
    table.ExtendAppletTable(*host);
    const auto size = table.applets().size();
    table.ExtendAppletTable(*host);
    EXPECT_EQ(table.applets().size(), size);
}

TEST_F(AppletTest, DeactivationIsPerGroupAndGreyOnlyWhileShown) {
    auto entries = list(12, false);
    for (auto& entry : entries) entry.selected = entry.text == "Display";
    SetObjectsActive(settings, activationSection(kAppletFamily, 12), entries, false, false);
    EXPECT_FALSE(has(entries, "Display")) << "hidden deactivated objects leave the list";
    EXPECT_EQ(settings.get("HiddenControls\\Control_ID12", "Display", ""), "0");
    EXPECT_TRUE(has(list(7, false), "Display")) << "another SYST group still lists it";
    EXPECT_FALSE(has(list(12, false), "Display"));

    auto shown = list(12, true);
    ASSERT_TRUE(has(shown, "Display"));
    EXPECT_EQ(textsOf(shown)[1], "Display (grey)");
    for (auto& entry : shown) entry.selected = entry.text == "Display" || entry.text == "Mouse";
    SetObjectsActive(settings, activationSection(kAppletFamily, 12), shown, true, true);
    EXPECT_EQ(settings.values.size(), 0u) << "activating deletes the value; Mouse was active already";
    EXPECT_EQ(textsOf(shown)[1], "Display");
}

TEST_F(AppletTest, DeactivatingWhileShownKeepsTheEntryGreyed) {
    auto entries = list(195, true);
    for (auto& entry : entries) entry.selected = entry.text == "Mouse" || entry.text == "Fonts";
    const auto before = entries.size();
    SetObjectsActive(settings, "HiddenControls\\Control_ID195", entries, false, true);
    EXPECT_EQ(entries.size(), before);
    EXPECT_EQ(settings.get("HiddenControls\\Control_ID195", "MOUSE", ""), "0");
    EXPECT_EQ(settings.get("HiddenControls\\Control_ID195", "Fonts", ""), "0");
    for (const auto& entry : entries) EXPECT_EQ(entry.ghosted, entry.selected) << entry.text;
}

TEST_F(AppletTest, NothingSelectedChangesNothing) {
    auto entries = list(1, false);
    SetObjectsActive(settings, "HiddenControls\\Control_ID1", entries, false, false);
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(entries.size(), 10u);
}

TEST(AppletFile, FileOfAnArgument) {
    EXPECT_EQ(appletFile("SYSDM.CPL @1"), "SYSDM.CPL");
    EXPECT_EQ(appletFile("NETCPL.CPL"), "NETCPL.CPL");
    EXPECT_EQ(activationSection(kModuleFamily, 12), "ConfigTools\\Control_ID12");
}
