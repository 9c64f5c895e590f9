#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantix::catalogue {
class SettingsAccess;
}
namespace vantix::platform {
class Database;
}

// What the function tree changes: names, a function's folder, folders made
// and deleted, and the activation of a function in one group.
namespace vantix::tweaks {

inline constexpr const char* kNewFolderName = "New Folder";
inline constexpr const char* kDeleteFolderTitle = "Delete Function Folder";
inline constexpr const char* kFolderNotEmpty =
    "Cannot delete folder because it still contains subfolders and/or\r"
    "activated or deactivated functions.";
inline constexpr const char* kReallyDeleteTitle = "Delete Folder";
inline constexpr const char* kReallyDelete = " Really delete?";
inline constexpr std::size_t kMaxNameLength = 59;

// A node name is refused when it is empty, numeric ("123", "-1.5", "&H1F"),
// or 60 characters or longer.
bool isAcceptableNodeName(std::string_view name);
// True when the whole text (blanks around it aside) reads as a number.
bool isNumericText(std::string_view text);

// Stores the new name of the node with `key` (ItemName of a function,
// FolderName of a folder). False when the name is refused or no row has the
// key's ID; then nothing is written.
bool RenameHiddenNode(platform::Database& database, const std::string& key,
                      const std::string& name);

// A function node can be dropped only on a folder node of either level other
// than the folder that holds it (`holder`, the node's tag).
bool canDropOn(std::string_view draggedKey, std::string_view holder, std::string_view targetKey);
// Moves the function to the folder of `targetFolderKey` (its Folder_ID). False
// when no function has the key's ID.
bool MoveHiddenItem(platform::Database& database, const std::string& functionKey,
                    const std::string& targetFolderKey);

// Whether the folder may go: not while its node has children, nor while the
// catalogue holds functions of the running platform in it (deactivated ones
// that the tree does not show count too).
bool folderIsEmpty(platform::Database& database, const std::string& folderKey, bool nodeHasChildren,
                   int winVersion);
// Deletes the folder row. False when there is none.
bool deleteFolderRow(platform::Database& database, const std::string& folderKey);

// Inserts "New Folder" below the top-level folder `parentKey`, or at the top
// level for an empty key, and returns the new node's key (ID + "FID", or
// ID + "FFID" below a parent). Throws TweakError for a parent that is not a
// top-level folder: folders nest two levels deep at most.
std::string NewHiddenFolder(platform::Database& database, const std::string& parentKey);

// Activates (deletes the value) or deactivates (writes "0") a function in the
// group's activation list.
void SetFunctionActive(catalogue::SettingsAccess& settings, std::int64_t groupId,
                       const std::string& key, bool active);

// The function's Hilfe text (first property row); nullopt when it has none.
std::optional<std::string> ShowHiddenHelp(platform::Database& database, std::int64_t itemId);
std::string folderDescription(const std::string& folderName);

}  // namespace vantix::tweaks
