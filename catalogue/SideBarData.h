#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/database/Database.h"

// The sidebar as the catalogue stores it: folders (BAR_FOLDER) holding ordered
// groups (BAR_CONTROL). FLDR_SmalSymb holds the bold-names switch and
// FLDR_BoldCtrl the small-icons switch; stored catalogues rely on that.
namespace vantix::catalogue {

struct SideBarGroup {
    std::int64_t id = 0;
    std::string key;       // "<ID>CID"
    std::string caption;   // CTRL_Name
    std::string info;      // CTRL_Info; "*" is none
    std::string iconFile;  // CTRL_Icon; "Default Icon" is the built-in image
    std::int64_t color = 0;  // caption colour, 0x00BBGGRR
    std::string mode;      // "SYST", "HIDD", "TOOL" or "UTIL"
};

struct SideBarFolder {
    std::int64_t id = 0;
    std::string key;  // "<ID>GID"
    std::string caption;
    std::int64_t backColor = 0;
    bool boldNames = false;
    bool smallIcons = false;
    std::vector<SideBarGroup> groups;
};

inline constexpr const char* kDefaultIcon = "Default Icon";
inline constexpr const char* kNoDescription = "*";

// Every folder in stored order with its groups by CTRL_Folge. Throws
// platform::DatabaseError when the tables cannot be read.
std::vector<SideBarFolder> FillSideBar(platform::Database& database);

// The order the user arranged: each folder's key with its groups' keys in place.
struct FolderOrder {
    std::string folderKey;
    std::vector<std::string> groupKeys;
};

// Rewrites BAR_ID and CTRL_Folge of every group, 1..n per folder, as one change:
// a failure leaves the stored order as it was. Throws platform::DatabaseError.
void SaveSideBarOrder(platform::Database& database, const std::vector<FolderOrder>& order);

// The Mode of a group: its caption in the list's category bar and its list kind.
struct ModeInfo {
    const char* mode;
    const char* caption;  // as stored; "&&" displays as "&"
    int listKind;         // 0 object list, 1 function tree, 2 utilities
};
// nullptr for an unknown Mode.
const ModeInfo* modeInfo(const std::string& mode);

}  // namespace vantix::catalogue
