#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantix::catalogue {
class SettingsAccess;
}
namespace vantix::platform {
class Database;
}

// The function folder tree as data: node keys, images and tags, built from the
// catalogue for one sidebar group. The tree widget only shows these nodes.
namespace vantix::tweaks {

enum class NodeKind { None, Folder, SubFolder, Function };

// By the key's end: "IID" a function, "FFID" a subfolder, other "FID" a folder.
NodeKind nodeKindOf(std::string_view key);
bool isFolderKey(std::string_view key);
// The leading number of a key ("12FID" -> 12); 0 when it has none.
std::int64_t keyId(std::string_view key);
std::string functionKey(std::int64_t id);
std::string folderKey(std::int64_t id);
std::string subFolderKey(std::int64_t id);
// The key a function node carries while it is moved; no other node uses it.
inline constexpr const char* kMovingKey = "999999IID";

enum NodeImage {
    kFolderImage = 1,
    kActiveImage = 2,
    kDeactivatedImage = 3,
    kSelectedFunctionImage = 4,
    kOpenFolderImage = 5
};

struct HiddenNode {
    std::string key;
    std::string text;
    // The folder node that holds it; empty for a top-level folder.
    std::string tag;
    int image = kFolderImage;
    int selectedImage = kOpenFolderImage;
};

struct HiddenTreeOptions {
    int winVersion = 0;            // the running platform: 1 NT, 2 Windows 95, 3 Windows 98
    std::int64_t groupId = 0;      // the open HIDD group, whose activation list counts
    bool showDeactivated = false;  // Ribbon_4 index 0
    std::string lastHiddenWork;    // the key of the function opened last
};

struct HiddenTreeContent {
    // Folders first (top level, then subfolders), then each folder's
    // functions in folder order: the order in which the tree adds them.
    std::vector<HiddenNode> nodes;
    std::string selectedKey;  // lastHiddenWork when it is in the tree, else empty
};

// The activation list of a group: "HiddenItems\Control_ID" + group ID.
std::string functionActivationSection(std::int64_t groupId);
bool isFunctionDeactivated(catalogue::SettingsAccess& settings, std::int64_t groupId,
                           const std::string& key);

// Reads the folders and the functions of the running platform. A subfolder
// whose parent is missing or is itself a subfolder has no place in a
// two-level tree: it is skipped, and so are its functions.
HiddenTreeContent FillHiddenTree(platform::Database& database, catalogue::SettingsAccess& settings,
                                 const HiddenTreeOptions& options);

}  // namespace vantix::tweaks
