#include "tweaks/HiddenTree.h"

#include <cctype>
#include <map>

#include "catalogue/ActivationList.h"
#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "tweaks/HiddenCatalogue.h"

namespace vantix::tweaks {

namespace {

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

NodeKind nodeKindOf(std::string_view key) {
    if (endsWith(key, "IID")) return NodeKind::Function;
    if (endsWith(key, "FFID")) return NodeKind::SubFolder;
    if (endsWith(key, "FID")) return NodeKind::Folder;
    return NodeKind::None;
}

bool isFolderKey(std::string_view key) {
    const NodeKind kind = nodeKindOf(key);
    return kind == NodeKind::Folder || kind == NodeKind::SubFolder;
}

std::int64_t keyId(std::string_view key) {
    std::int64_t id = 0;
    for (char c : key) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        if (id > (INT64_MAX - 9) / 10) return 0;
        id = id * 10 + (c - '0');
    }
    return id;
}

std::string functionKey(std::int64_t id) {
    return std::to_string(id) + "IID";
}
std::string folderKey(std::int64_t id) {
    return std::to_string(id) + "FID";
}
std::string subFolderKey(std::int64_t id) {
    return std::to_string(id) + "FFID";
}

std::string functionActivationSection(std::int64_t groupId) {
    return catalogue::activationSection(catalogue::kFunctionFamily, groupId);
}

bool isFunctionDeactivated(catalogue::SettingsAccess& settings, std::int64_t groupId,
                           const std::string& key) {
    return catalogue::isDeactivated(settings, functionActivationSection(groupId), key);
}

HiddenTreeContent FillHiddenTree(platform::Database& database, catalogue::SettingsAccess& settings,
                                 const HiddenTreeOptions& options) {
    HiddenTreeContent content;
    std::map<std::int64_t, bool> topLevel;
    for (auto rows = database.openRecordset("select * from HIDDEN_FOLDERS Where UF_FID = 0");
         !rows->eof(); rows->moveNext()) {
        const std::int64_t id = rows->integer("ID");
        topLevel[id] = true;
        content.nodes.push_back(
            {folderKey(id), rows->text("FolderName"), {}, kFolderImage, kOpenFolderImage});
    }
    for (auto rows = database.openRecordset("select * from HIDDEN_FOLDERS Where UF_FID <> 0");
         !rows->eof(); rows->moveNext()) {
        const std::int64_t id = rows->integer("ID");
        const std::int64_t parent = rows->integer("UF_FID");
        if (!topLevel.contains(parent)) {
            log::debug("tweaks.tree", "folder " + std::to_string(id) + " skipped: its parent " +
                                          std::to_string(parent) + " is no top-level folder");
            continue;
        }
        content.nodes.push_back({subFolderKey(id), rows->text("FolderName"), folderKey(parent),
                                 kFolderImage, kOpenFolderImage});
    }
    const std::string section = functionActivationSection(options.groupId);
    const std::size_t folderCount = content.nodes.size();
    for (std::size_t i = 0; i < folderCount; ++i) {
        const std::string folder = content.nodes[i].key;
        auto rows = database.openRecordset("select * from HIDDEN_ITEMS Where Folder_ID = " +
                                           std::to_string(keyId(folder)));
        for (; !rows->eof(); rows->moveNext()) {
            if (!availableOn(rows->integer("BS"), options.winVersion)) continue;
            const std::string key = functionKey(rows->integer("ID"));
            int image = kActiveImage;
            if (catalogue::isDeactivated(settings, section, key)) {
                if (!options.showDeactivated) continue;
                image = kDeactivatedImage;
            }
            content.nodes.push_back(
                {key, rows->text("ItemName"), folder, image, kSelectedFunctionImage});
            if (key == options.lastHiddenWork) content.selectedKey = key;
        }
    }
    return content;
}

}  // namespace vantix::tweaks
