#include "catalogue/SideBarEditing.h"

#include "catalogue/ActivationList.h"
#include "catalogue/CatalogueKeys.h"
#include "catalogue/Messages.h"
#include "catalogue/Utilities.h"

namespace vantix::catalogue {
namespace {

constexpr const char* kModesByKind[] = {"SYST", "HIDD", "TOOL", "UTIL"};

void writeFolder(platform::Recordset& row, const FolderInput& input) {
    row.set("FLDR_Name", input.name);
    row.set("FLDR_BackColor", input.backColor);
    // FLDR_SmalSymb holds the bold names, FLDR_BoldCtrl the small icons.
    row.set("FLDR_SmalSymb", std::int64_t{input.boldNames});
    row.set("FLDR_BoldCtrl", std::int64_t{input.smallIcons});
}

std::string storedIcon(const std::string& iconFile) {
    return iconFile.empty() ? kDefaultIcon : iconFile;
}
std::string storedInfo(const std::string& description) {
    return description.empty() ? kNoDescription : description;
}

std::vector<std::int64_t> groupsOfFolder(platform::Database& database, std::int64_t folderId) {
    std::vector<std::int64_t> ids;
    for (auto rows =
             database.openRecordset("select * from BAR_CONTROL Where BAR_ID = ?", {folderId});
         !rows->eof(); rows->moveNext())
        ids.push_back(rows->integer("ID"));
    return ids;
}

// The rows of a group: its utilities and itself. Runs inside the caller's transaction.
void deleteGroupRows(platform::Database& database, std::int64_t groupId) {
    DeleteGroupUtilities(database, groupId);
    database.execute("delete from BAR_CONTROL Where ID = ?", {groupId});
}

}  // namespace

const char* modeOfKind(int kind) {
    return kind >= 0 && kind < 4 ? kModesByKind[kind] : nullptr;
}

int kindOfMode(const std::string& mode) {
    for (int kind = 0; kind < 4; ++kind)
        if (mode == kModesByKind[kind]) return kind;
    return 0;
}

std::string usableIconFile(CatalogueHost& host, const std::string& text) {
    if (text.empty() || text == kDefaultIcon) return {};
    return host.fileIcon(text) ? text : std::string();
}

std::optional<SideBarGroup> findGroup(platform::Database& database, std::int64_t id) {
    auto row = database.openRecordset("select * from BAR_CONTROL Where ID = ?", {id});
    if (row->eof()) return std::nullopt;
    SideBarGroup group;
    group.id = row->integer("ID");
    group.key = groupKey(group.id);
    group.caption = row->text("CTRL_Name");
    group.info = row->text("CTRL_Info");
    group.iconFile = row->text("CTRL_Icon");
    group.color = row->integer("CTRL_Color");
    group.mode = row->text("Mode");
    return group;
}

std::optional<SideBarFolder> findFolder(platform::Database& database, std::int64_t id) {
    auto row = database.openRecordset("select * from BAR_FOLDER Where ID = ?", {id});
    if (row->eof()) return std::nullopt;
    SideBarFolder folder;
    folder.id = id;
    folder.key = folderKey(id);
    folder.caption = row->text("FLDR_Name");
    folder.backColor = row->integer("FLDR_BackColor");
    folder.boldNames = row->boolean("FLDR_SmalSymb");
    folder.smallIcons = !row->isNull("FLDR_BoldCtrl") && row->boolean("FLDR_BoldCtrl");
    return folder;
}

std::int64_t AddFolder(platform::Database& database, const FolderInput& input) {
    auto table = database.openRecordset("BAR_FOLDER");
    table->addNew();
    writeFolder(*table, input);
    table->update();
    table->moveToLastModified();
    return table->integer("ID");
}

bool UpdateFolder(platform::Database& database, std::int64_t id, const FolderInput& input) {
    auto row = database.openRecordset("select * from BAR_FOLDER Where ID = ?", {id});
    if (row->eof()) return false;
    row->edit();
    writeFolder(*row, input);
    row->update();
    return true;
}

std::optional<std::int64_t> AddGroup(platform::Database& database, std::int64_t folderId,
                                     const GroupInput& input) {
    const char* mode = modeOfKind(input.kind);
    if (!mode) return std::nullopt;
    const auto groups = static_cast<std::int64_t>(groupsOfFolder(database, folderId).size());
    auto table = database.openRecordset("BAR_CONTROL");
    table->addNew();
    table->set("BAR_ID", folderId);
    table->set("CTRL_Folge", groups + 1);
    table->set("CTRL_Name", input.name);
    table->set("CTRL_Info", storedInfo(input.description));
    table->set("CTRL_Icon", storedIcon(input.iconFile));
    table->set("CTRL_Color", input.color);
    table->set("Mode", std::string(mode));
    table->update();
    table->moveToLastModified();
    return table->integer("ID");
}

bool UpdateGroup(platform::Database& database, std::int64_t id, const GroupInput& input) {
    auto row = database.openRecordset("select * from BAR_CONTROL Where ID = ?", {id});
    if (row->eof()) return false;
    row->edit();
    row->set("CTRL_Name", input.name);
    row->set("CTRL_Icon", storedIcon(input.iconFile));
    row->set("CTRL_Color", input.color);
    row->set("CTRL_Info", storedInfo(input.description));
    row->update();
    return true;
}

void RemoveGroupSettings(SettingsAccess& settings, std::int64_t groupId) {
    for (const char* family : {kAppletFamily, kModuleFamily, kFunctionFamily}) {
        const std::string section = activationSection(family, groupId);
        settings.save(section, "DUMMY", "0");
        settings.deleteSection(section);
    }
}

Deletion DeleteFolder(platform::Database& database, SettingsAccess& settings, Prompter& prompter,
                      bool confirm, std::int64_t folderId, int folderCount) {
    if (folderCount < 2) {
        prompter.message(MessageIcon::Information, msg::kLastFolderTitle, msg::kLastFolder);
        return Deletion::LastFolder;
    }
    const auto folder = findFolder(database, folderId);
    const auto groups = groupsOfFolder(database, folderId);
    if (confirm) {
        const std::string question =
            groups.empty() ? (folder ? folder->caption : std::string()) + msg::kReallyDelete
                           : msg::kFolderHasGroups;
        if (!prompter.askYesNo(msg::kDeleteFolderTitle, question)) return Deletion::Declined;
    }
    {
        platform::Database::Transaction transaction(database);
        for (const std::int64_t id : groups) deleteGroupRows(database, id);
        database.execute("delete from BAR_FOLDER Where ID = ?", {folderId});
        transaction.commit();
    }
    // The settings go only once the rows are gone for good.
    for (const std::int64_t id : groups) RemoveGroupSettings(settings, id);
    return Deletion::Deleted;
}

Deletion DeleteGroup(platform::Database& database, SettingsAccess& settings, Prompter& prompter,
                     bool confirm, std::int64_t groupId) {
    const auto group = findGroup(database, groupId);
    if (confirm &&
        !prompter.askYesNo(msg::kDeleteGroupTitle,
                           (group ? group->caption : std::string()) + msg::kReallyDelete))
        return Deletion::Declined;
    if (group) {
        platform::Database::Transaction transaction(database);
        deleteGroupRows(database, groupId);
        transaction.commit();
        RemoveGroupSettings(settings, groupId);
    }
    return Deletion::Deleted;
}

}  // namespace vantix::catalogue
