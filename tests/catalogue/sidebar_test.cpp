#include "CatalogueFixture.h"
#include "catalogue/CatalogueKeys.h"
#include "catalogue/GroupSelection.h"
#include "catalogue/SideBarData.h"

using namespace vantix::catalogue;

namespace {

std::vector<std::string> groupKeysOf(const SideBarFolder& folder) {
    std::vector<std::string> keys;
    for (const auto& group : folder.groups) keys.push_back(group.key);
    return keys;
}

std::vector<FolderOrder> orderOf(const std::vector<SideBarFolder>& folders) {
    std::vector<FolderOrder> order;
    for (const auto& folder : folders) order.push_back({folder.key, groupKeysOf(folder)});
    return order;
}

}  // namespace

TEST_F(CatalogueTest, SideBarHasFoldersInStoredOrderWithGroupsByPosition) {
    database->execute("INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (12, 1, 3, 'Late', 'UTIL')");
    database->execute("UPDATE BAR_CONTROL SET CTRL_Folge = 5 WHERE ID = 1");
    const auto folders = FillSideBar(*database);
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0].key, "1GID");
    EXPECT_EQ(groupKeysOf(folders[0]), (std::vector<std::string>{"2CID", "12CID", "1CID"}));
    EXPECT_EQ(groupKeysOf(folders[2]), (std::vector<std::string>{"195CID", "4CID"}));
    EXPECT_EQ(folders[2].groups[0].caption, "System Tools");
    EXPECT_EQ(folders[2].groups[1].info, "*");
    EXPECT_EQ(folders[2].groups[1].iconFile, "Default Icon");
}

TEST_F(CatalogueTest, SwitchColumnsKeepTheirCrossedMeaning) {
    database->execute("UPDATE BAR_FOLDER SET FLDR_SmalSymb = 1, FLDR_BoldCtrl = 0 WHERE ID = 1");
    database->execute("UPDATE BAR_FOLDER SET FLDR_SmalSymb = 0, FLDR_BoldCtrl = NULL WHERE ID = 2");
    database->execute("UPDATE BAR_FOLDER SET FLDR_SmalSymb = 0, FLDR_BoldCtrl = 1 WHERE ID = 3");
    const auto folders = FillSideBar(*database);
    EXPECT_TRUE(folders[0].boldNames);
    EXPECT_FALSE(folders[0].smallIcons);
    EXPECT_FALSE(folders[1].smallIcons) << "NULL counts as large icons";
    EXPECT_TRUE(folders[2].smallIcons);
    EXPECT_FALSE(folders[2].boldNames);
}

TEST_F(CatalogueTest, EmptyFolderAndNoGroupsYieldAnEmptyFolder) {
    database->execute("DELETE FROM BAR_CONTROL");
    database->execute("DELETE FROM BAR_FOLDER WHERE ID > 1");
    const auto folders = FillSideBar(*database);
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_TRUE(folders[0].groups.empty());
    const auto start = SelectStartGroup(*database, folders, "", false);
    EXPECT_EQ(start.folder, 0u);
    EXPECT_EQ(start.groupKey, "");
}

TEST_F(CatalogueTest, SavingAfterMovingTheThirdGroupToTheTopNumbersDensely) {
    database->execute("INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (20, 1, 7, 'Third', 'UTIL')");
    auto folders = FillSideBar(*database);
    auto order = orderOf(folders);
    ASSERT_EQ(order[0].groupKeys, (std::vector<std::string>{"1CID", "2CID", "20CID"}));
    std::rotate(order[0].groupKeys.begin(), order[0].groupKeys.begin() + 2, order[0].groupKeys.end());
    SaveSideBarOrder(*database, order);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 20"), 1);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 1"), 2);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 2"), 3);
    EXPECT_EQ(groupKeysOf(FillSideBar(*database)[0]), (std::vector<std::string>{"20CID", "1CID", "2CID"}));
}

TEST_F(CatalogueTest, SavingAfterMovingAGroupAcrossFoldersClosesTheGap) {
    auto order = orderOf(FillSideBar(*database));
    // Drag "Control Panel" (1CID) from folder 1 into folder 3 between its two groups.
    order[0].groupKeys.erase(order[0].groupKeys.begin());
    order[2].groupKeys.insert(order[2].groupKeys.begin() + 1, "1CID");
    SaveSideBarOrder(*database, order);
    EXPECT_EQ(count("SELECT BAR_ID FROM BAR_CONTROL WHERE ID = 1"), 3);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 1"), 2);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 2"), 1) << "old folder renumbered";
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 4"), 3);
}

TEST_F(CatalogueTest, EqualPositionsAreNumberedApartByTheNextSave) {
    database->execute("UPDATE BAR_CONTROL SET CTRL_Folge = 1 WHERE BAR_ID = 1");
    SaveSideBarOrder(*database, orderOf(FillSideBar(*database)));
    EXPECT_EQ(count("SELECT COUNT(DISTINCT CTRL_Folge) FROM BAR_CONTROL WHERE BAR_ID = 1"), 2);
    EXPECT_EQ(count("SELECT MAX(CTRL_Folge) FROM BAR_CONTROL WHERE BAR_ID = 1"), 2);
}

TEST_F(CatalogueTest, FailedSaveLeavesTheStoredOrderWhole) {
    auto order = orderOf(FillSideBar(*database));
    std::reverse(order[2].groupKeys.begin(), order[2].groupKeys.end());
    // A trigger refuses the second write: nothing of the save may remain.
    database->execute("CREATE TRIGGER refuse BEFORE UPDATE ON BAR_CONTROL WHEN NEW.ID = 195 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(SaveSideBarOrder(*database, order), vantix::platform::DatabaseError);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 4"), 2);
    EXPECT_EQ(count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 195"), 1);
}

TEST(CatalogueKeys, KeysAndNumbers) {
    EXPECT_EQ(imageKey(12, "C:\\X.EXE"), "00000012C:\\X.EXE");
    EXPECT_EQ(iconFileOfImageKey("00000012Default Icon"), "Default Icon");
    const std::pair<const char*, std::int64_t> numbers[] = {
        {"12CID", 12}, {"00012", 12}, {"12 /X", 12}, {"7GID", 7}, {"", 0}, {"CID", 0}, {"99999999999CID", 0}};
    for (const auto& [text, value] : numbers) EXPECT_EQ(leadingNumber(text), value) << text;
    const std::pair<const char*, bool> numeric[] = {{"2000", true}, {"1.5", true}, {" -3 ", true}, {"1E3", true},
                                                    {"&H1F", true}, {"Tool 2", false}, {"", false}, {"1.", true},
                                                    {".", false}, {"12abc", false}, {"E3", false}};
    for (const auto& [text, expected] : numeric) EXPECT_EQ(isWholeNumber(text), expected) << text;
    EXPECT_EQ(displayCaption("Tool && Utilities"), "Tool & Utilities");
    EXPECT_EQ(characterCount("Größe"), 5u);
    EXPECT_EQ(firstCharacters("Größe", 3), "Grö");
}
