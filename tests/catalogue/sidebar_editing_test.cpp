#include "CatalogueFixture.h"
#include "catalogue/ActivationList.h"
#include "catalogue/Messages.h"
#include "catalogue/SideBarEditing.h"
#include "catalogue/Utilities.h"

using namespace vantix::catalogue;

namespace {

class SideBarEditingTest : public CatalogueTest {
protected:
    std::int64_t folderWithGroups(int groups) {
        const auto folder = AddFolder(*database, {"Work", 0x102030, false, false});
        for (int i = 0; i < groups; ++i)
            *AddGroup(*database, folder, {"G" + std::to_string(i), "", "", 3, 0});
        return folder;
    }
    void fillSettings(std::int64_t group) {
        for (const char* family : {kAppletFamily, kModuleFamily, kFunctionFamily})
            settings.save(activationSection(family, group), "SOMETHING", "0");
    }
    std::int64_t settingsOf(std::int64_t group) {
        std::int64_t n = 0;
        for (const auto& [name, value] : settings.values)
            if (name.find("CONTROL_ID" + std::to_string(group) + "|") != std::string::npos) ++n;
        return n;
    }
    MemorySettings settings;
    RecordingPrompter prompter;
};

}  // namespace

TEST_F(SideBarEditingTest, NewFolderAndGroupAreStoredWithTheirSentinels) {
    const auto folder = AddFolder(*database, {"Mine", 255, true, true});
    const auto stored = findFolder(*database, folder);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->caption, "Mine");
    EXPECT_TRUE(stored->boldNames);
    EXPECT_TRUE(stored->smallIcons) << "both switches at once, each from its own box";
    const auto group = AddGroup(*database, folder, {"Tools", "", "", 3, 0xFF});
    ASSERT_TRUE(group);
    const auto row = findGroup(*database, *group);
    EXPECT_EQ(row->info, "*");
    EXPECT_EQ(row->iconFile, "Default Icon");
    EXPECT_EQ(row->mode, "UTIL");
    EXPECT_FALSE(AddGroup(*database, folder, {"Odd", "", "", 4, 0})) << "no fifth kind";
}

TEST_F(SideBarEditingTest, NewGroupGoesBehindTheLastOfItsFolder) {
    const auto folder = folderWithGroups(4);
    const auto group = *AddGroup(*database, folder, {"Fifth", "x", "", 0, 0});
    EXPECT_EQ(count("select CTRL_Folge from BAR_CONTROL where ID = " + std::to_string(group)), 5);
}

TEST_F(SideBarEditingTest, MissingIconFileGivesDefaultIcon) {
    EXPECT_EQ(usableIconFile(*host, "C:\\WINDOWS\\NOSUCH.EXE"), "");
    makeFile("WINDOWS\\PLAIN.EXE", "MZ but no icons");
    EXPECT_EQ(usableIconFile(*host, "C:\\WINDOWS\\PLAIN.EXE"), "")
        << "a file without an icon is no icon";
    const auto group =
        *AddGroup(*database, 1, {"G", "", usableIconFile(*host, "C:\\WINDOWS\\NOSUCH.EXE"), 0, 0});
    EXPECT_EQ(findGroup(*database, group)->iconFile, "Default Icon");
}

TEST_F(SideBarEditingTest, EditingKeepsTheMode) {
    const auto group = *AddGroup(*database, 1, {"Hidden", "desc", "", 1, 0});
    ASSERT_TRUE(UpdateGroup(*database, group, {"Renamed", "", "", 3, 0x00FF00}));
    const auto row = findGroup(*database, group);
    EXPECT_EQ(row->mode, "HIDD") << "the kind is fixed at creation";
    EXPECT_EQ(row->caption, "Renamed");
    EXPECT_EQ(row->info, "*");
    EXPECT_EQ(row->color, 0x00FF00);
    EXPECT_FALSE(UpdateGroup(*database, 9999, {"X", "", "", 0, 0}));
    EXPECT_TRUE(UpdateFolder(*database, 2, {"Suite", 1, false, true}));
    EXPECT_EQ(findFolder(*database, 2)->caption, "Suite");
    EXPECT_TRUE(findFolder(*database, 2)->smallIcons);
}

TEST_F(SideBarEditingTest, DeletingAFolderOfThreeGroupsWithoutConfirmation) {
    const auto folder = folderWithGroups(3);
    std::vector<std::int64_t> groups;
    for (auto rows =
             database->openRecordset("select * from BAR_CONTROL Where BAR_ID = ?", {folder});
         !rows->eof(); rows->moveNext())
        groups.push_back(rows->integer("ID"));
    makeFile("WINDOWS\\CALC.EXE");
    for (const auto id : groups) {
        fillSettings(id);
        ASSERT_TRUE(
            AddUtility(*database, *host, id, "Calc", "C:\\WINDOWS\\CALC.EXE", "", "", " ", 1));
    }
    const auto before = count("select count(*) from BAR_FOLDER");
    EXPECT_EQ(DeleteFolder(*database, settings, prompter, false, folder, 4), Deletion::Deleted);
    EXPECT_TRUE(prompter.asked.empty()) << "no question while the confirmation option is off";
    EXPECT_EQ(count("select count(*) from BAR_FOLDER"), before - 1);
    EXPECT_EQ(count("select count(*) from BAR_CONTROL where BAR_ID = " + std::to_string(folder)),
              0);
    for (const auto id : groups) {
        EXPECT_EQ(count("select count(*) from LIST_UTILITI where CTRL_ID = " + std::to_string(id)),
                  0);
        EXPECT_EQ(settingsOf(id), 0) << "settings sections of group " << id;
    }
}

TEST_F(SideBarEditingTest, TheLastFolderIsRefused) {
    const auto folders = count("select count(*) from BAR_FOLDER");
    EXPECT_EQ(DeleteFolder(*database, settings, prompter, true, 1, 1), Deletion::LastFolder);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Vantix must have at least one folder!");
    EXPECT_EQ(prompter.shown[0].title, "Sorry, can't delete folder...");
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(count("select count(*) from BAR_FOLDER"), folders);
}

TEST_F(SideBarEditingTest, QuestionsFollowTheFolderContents) {
    const auto empty = folderWithGroups(0);
    const auto full = folderWithGroups(1);
    prompter.answers = {false, false};
    EXPECT_EQ(DeleteFolder(*database, settings, prompter, true, empty, 5), Deletion::Declined);
    EXPECT_EQ(DeleteFolder(*database, settings, prompter, true, full, 5), Deletion::Declined);
    EXPECT_EQ(prompter.asked, (std::vector<std::string>{
                                  "Delete Folder|Work Really delete?",
                                  "Delete Folder|Folder contains groups!\r\rReally delete?"}));
    EXPECT_TRUE(findFolder(*database, full)) << "No keeps the folder";
    prompter.answers = {true};
    const auto group = *AddGroup(*database, empty, {"Gone", "", "", 0, 0});
    EXPECT_EQ(DeleteGroup(*database, settings, prompter, true, group), Deletion::Deleted);
    EXPECT_EQ(prompter.asked.back(), "Delete Group|Gone Really delete?");
    EXPECT_FALSE(findGroup(*database, group));
}

TEST_F(SideBarEditingTest, AFailureHalfWayLeavesTheCatalogueAsItWas) {
    const auto folder = folderWithGroups(2);
    for (auto rows =
             database->openRecordset("select * from BAR_CONTROL Where BAR_ID = ?", {folder});
         !rows->eof(); rows->moveNext())
        fillSettings(rows->integer("ID"));
    const auto settingsBefore = settings.values;
    database->executeScript(
        "CREATE TRIGGER refuse BEFORE DELETE ON BAR_FOLDER BEGIN SELECT RAISE(ABORT, 'refused'); "
        "END;");
    EXPECT_THROW(DeleteFolder(*database, settings, prompter, false, folder, 4),
                 vantix::platform::DatabaseError);
    EXPECT_EQ(count("select count(*) from BAR_CONTROL where BAR_ID = " + std::to_string(folder)), 2)
        << "the groups deleted before the failure are back";
    EXPECT_EQ(settings.values, settingsBefore) << "settings are removed only after the rows";
}

TEST_F(SideBarEditingTest, GroupSettingsGoEvenWhenTheyNeverExisted) {
    RemoveGroupSettings(settings, 77);
    EXPECT_TRUE(settings.values.empty()) << "the DUMMY value goes with its section";
    fillSettings(5);
    fillSettings(6);
    RemoveGroupSettings(settings, 5);
    EXPECT_EQ(settingsOf(5), 0);
    EXPECT_EQ(settingsOf(6), 3) << "only the deleted group's sections";
}
