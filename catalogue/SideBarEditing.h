#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueHost.h"
#include "catalogue/Prompter.h"
#include "catalogue/SettingsAccess.h"
#include "catalogue/SideBarData.h"
#include "platform/database/Database.h"

// Creating, editing and deleting the sidebar's folders (BAR_FOLDER) and groups
// (BAR_CONTROL). The dialogs collect the input; this is what the six commands
// write. Database failures throw platform::DatabaseError; a deletion that
// fails half-way leaves the catalogue as it was.
namespace vantix::catalogue {

namespace msg {
inline constexpr const char* kFolderNameMissing = "You must enter a name for the folder!";
inline constexpr const char* kGroupNameMissing = "You must enter a name for the group!";
inline constexpr const char* kInputErrorTitle = "Input error!";
inline constexpr const char* kLastFolder = "Vantix must have at least one folder!";
inline constexpr const char* kLastFolderTitle = "Sorry, can't delete folder...";
inline constexpr const char* kDeleteFolderTitle = "Delete Folder";
inline constexpr const char* kDeleteGroupTitle = "Delete Group";
inline constexpr const char* kReallyDelete = " Really delete?";
inline constexpr const char* kFolderHasGroups = "Folder contains groups!\r\rReally delete?";
inline constexpr const char* kNewFolderTitle = " New Folder";
inline constexpr const char* kEditFolderTitle = " Edit Folder Properties";
inline constexpr const char* kNewGroupTitle = " New Group";
inline constexpr const char* kEditGroupTitle = " Edit Group Properties";
}  // namespace msg

// The folder dialog's result.
struct FolderInput {
    std::string name;
    std::int64_t backColor = 0;
    bool boldNames = false;
    bool smallIcons = false;
};

// The group dialog's result. `kind` is the option index: 0 SYST, 1 HIDD, 2 TOOL, 3 UTIL.
struct GroupInput {
    std::string name;
    std::string description;
    std::string iconFile;  // empty: the file gave no icon
    int kind = 0;
    std::int64_t color = 0;
};

// The Mode of a kind option; nullptr outside 0..3.
const char* modeOfKind(int kind);
int kindOfMode(const std::string& mode);

// The icon file to keep from the dialog's text: the text when its first icon
// draws, else empty.
std::string usableIconFile(CatalogueHost& host, const std::string& text);

// The stored group with that ID, as the sidebar holds it.
std::optional<SideBarGroup> findGroup(platform::Database& database, std::int64_t id);
std::optional<SideBarFolder> findFolder(platform::Database& database, std::int64_t id);

// Adds the folder and returns its ID.
std::int64_t AddFolder(platform::Database& database, const FolderInput& input);
// False when the folder no longer exists.
bool UpdateFolder(platform::Database& database, std::int64_t id, const FolderInput& input);

// Adds a group behind the folder's last one ("*" for no description, "Default
// Icon" for no icon file) and returns its ID; nullopt for a kind outside 0..3.
std::optional<std::int64_t> AddGroup(platform::Database& database, std::int64_t folderId,
                                     const GroupInput& input);
// Name, icon, colour and description; the Mode is fixed at creation. False when the group is gone.
bool UpdateGroup(platform::Database& database, std::int64_t id, const GroupInput& input);

// Writes "DUMMY" = "0" into each of the group's three activation sections and
// deletes them, so that a group that never had one goes without error.
void RemoveGroupSettings(SettingsAccess& settings, std::int64_t groupId);

enum class Deletion { Deleted, Declined, LastFolder };

// FLDR_DEL: refuses the last folder (message), asks while `confirm` is on, then
// deletes the folder with its groups, their utilities and their settings.
Deletion DeleteFolder(platform::Database& database, SettingsAccess& settings, Prompter& prompter,
                      bool confirm, std::int64_t folderId, int folderCount);
// CTRL_DEL: asks while `confirm` is on, then deletes the group, its utilities and settings.
Deletion DeleteGroup(platform::Database& database, SettingsAccess& settings, Prompter& prompter,
                     bool confirm, std::int64_t groupId);

}  // namespace vantix::catalogue
