#include "catalogue/GroupSelection.h"

#include "catalogue/CatalogueKeys.h"

namespace vantix::catalogue {

std::optional<GroupView> SelectGroup(platform::Database& database, const std::string& key) {
    auto row = database.openRecordset("select * from BAR_CONTROL Where ID = ?", {leadingNumber(key)});
    if (row->eof()) return std::nullopt;
    const ModeInfo* info = modeInfo(row->text("Mode"));
    if (!info) return std::nullopt;
    GroupView view;
    view.id = row->integer("ID");
    view.mode = info->mode;
    view.categoryCaption = std::string("  ") + info->caption;
    view.categoryText = displayCaption(view.categoryCaption);
    view.groupCaption = "  " + row->text("CTRL_Name");
    view.listKind = info->listKind;
    view.showsList = view.mode != "HIDD";
    view.deactivatedToggleVisible = view.mode == "SYST" || view.mode == "TOOL";
    return view;
}

StartGroup SelectStartGroup(platform::Database& database, const std::vector<SideBarFolder>& folders,
                            const std::string& startKey, bool fromSwitch) {
    StartGroup start;
    std::string key = startKey;

    std::optional<std::int64_t> folderId;
    auto row = database.openRecordset("select * from BAR_CONTROL Where ID = ?", {leadingNumber(key)});
    if (row->eof()) {
        start.shortcutGone = fromSwitch;
        key.clear();
    } else {
        folderId = row->integer("BAR_ID");
    }

    // A group whose folder is not in the sidebar falls back like a missing one.
    std::optional<std::size_t> folderIndex;
    if (folderId) {
        for (std::size_t i = 0; i < folders.size(); ++i)
            if (folders[i].id == *folderId) folderIndex = i;
    }
    if (!folderIndex) {
        key.clear();
        if (folders.empty()) return start;
        folderIndex = 0;
    }
    start.folder = folderIndex;
    const auto& groups = folders[*folderIndex].groups;
    if (!groups.empty()) start.groupKey = key.empty() ? groups.front().key : groupKey(leadingNumber(key));
    return start;
}

}  // namespace vantix::catalogue
