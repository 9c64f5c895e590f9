#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/SideBarData.h"
#include "platform/database/Database.h"

// Choosing a group: what the main area shows for it (by its Mode), and which
// group start-up opens (a shortcut's group, then the last one, then the first).
namespace vantix::catalogue {

struct GroupView {
    std::int64_t id = 0;
    std::string mode;
    std::string categoryCaption;  // two spaces and the Mode's caption, as stored ("&&")
    std::string categoryText;     // the same as it displays ("&" for "&&")
    std::string groupCaption;     // two spaces and CTRL_Name
    int listKind = 0;             // 0 object list, 1 function tree, 2 utilities
    bool showsList = false;       // the list view (not the function tree)
    bool deactivatedToggleVisible = false;
};

// The view of the group with the key's ID; nullopt when no such group exists
// or its Mode is none of the four (the main area then stays as it was).
std::optional<GroupView> SelectGroup(platform::Database& database, const std::string& groupKey);

struct StartGroup {
    std::optional<std::size_t> folder;  // index into the sidebar's folders; nullopt without folders
    std::string groupKey;               // empty: the folder has no group to select
    bool shortcutGone = false;          // "/DS:" named a group that no longer exists
};

// The group start-up selects among `folders` (as FillSideBar built them):
// `groupKey` is the key named by the start switch "/DS:" (`fromSwitch`) or the
// last group "LastCtrl" (possibly empty). A group that no longer exists falls
// back to the first group of the first folder.
StartGroup SelectStartGroup(platform::Database& database, const std::vector<SideBarFolder>& folders,
                            const std::string& groupKey, bool fromSwitch);

}  // namespace vantix::catalogue
