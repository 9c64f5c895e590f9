#include "catalogue/SideBarData.h"

#include "catalogue/CatalogueKeys.h"

namespace vantix::catalogue {

namespace {

constexpr ModeInfo kModes[] = {
    {"SYST", "Control Panel", 0},
    {"HIDD", "Hidden Functions", 1},
    {"TOOL", "Vantix 98 Modules", 0},
    {"UTIL", "Tool && Utilities", 2},
};

SideBarGroup readGroup(const platform::Recordset& row) {
    SideBarGroup group;
    group.id = row.integer("ID");
    group.key = groupKey(group.id);
    group.caption = row.text("CTRL_Name");
    group.info = row.text("CTRL_Info");
    group.iconFile = row.text("CTRL_Icon");
    group.color = row.integer("CTRL_Color");
    group.mode = row.text("Mode");
    return group;
}

}  // namespace

const ModeInfo* modeInfo(const std::string& mode) {
    for (const auto& info : kModes)
        if (mode == info.mode) return &info;
    return nullptr;
}

std::vector<SideBarFolder> FillSideBar(platform::Database& database) {
    std::vector<SideBarFolder> folders;
    // Sorted by ID: the natural order of the table, which keeps creation order.
    auto folderRows = database.openRecordset("select * from BAR_FOLDER ORDER BY ID");
    for (; !folderRows->eof(); folderRows->moveNext()) {
        SideBarFolder folder;
        folder.id = folderRows->integer("ID");
        folder.key = folderKey(folder.id);
        folder.caption = folderRows->text("FLDR_Name");
        folder.backColor = folderRows->integer("FLDR_BackColor");
        folder.boldNames = folderRows->boolean("FLDR_SmalSymb");
        folder.smallIcons = folderRows->boolean("FLDR_BoldCtrl");  // NULL counts as false
        auto groupRows =
            database.openRecordset("select * from BAR_CONTROL Where BAR_ID = ? ORDER BY CTRL_Folge, ID", {folder.id});
        for (; !groupRows->eof(); groupRows->moveNext()) folder.groups.push_back(readGroup(*groupRows));
        folders.push_back(std::move(folder));
    }
    return folders;
}

void SaveSideBarOrder(platform::Database& database, const std::vector<FolderOrder>& order) {
    platform::Database::Transaction transaction(database);
    for (const auto& folder : order) {
        const std::int64_t folderId = leadingNumber(folder.folderKey);
        std::int64_t position = 0;
        for (const auto& key : folder.groupKeys) {
            ++position;
            auto row = database.openRecordset("select * from BAR_CONTROL Where ID = ?", {leadingNumber(key)});
            if (row->eof()) continue;
            row->edit();
            row->set("CTRL_Folge", position);
            row->set("BAR_ID", folderId);
            row->update();
        }
    }
    transaction.commit();
}

}  // namespace vantix::catalogue
