#include "tweaks/HiddenCatalogue.h"

#include <map>

#include "platform/database/Database.h"

namespace vantix::tweaks {

namespace {

struct Folder {
    std::string path;
    std::int64_t parent = 0;
};

void appendFunctions(platform::Database& database, std::int64_t folderId, const std::string& path,
                     int winVersion, std::vector<HiddenFunction>& out) {
    auto rows = database.openRecordset("select * from HIDDEN_ITEMS Where Folder_ID = " +
                                       std::to_string(folderId));
    for (; !rows->eof(); rows->moveNext()) {
        HiddenFunction f{rows->integer("ID"), folderId, path, rows->text("ItemName"),
                         rows->integer("BS")};
        if (winVersion == 0 || availableOn(f.bs, winVersion)) out.push_back(std::move(f));
    }
}

}  // namespace

bool availableOn(std::int64_t bs, int winVersion) {
    return winVersion >= 1 && winVersion <= 3 && ((bs >> (winVersion - 1)) & 1) != 0;
}

std::vector<HiddenFunction> listHiddenFunctions(platform::Database& database, int winVersion) {
    std::vector<HiddenFunction> result;
    std::vector<std::pair<std::int64_t, std::string>> tops;
    for (auto rows = database.openRecordset("select * from HIDDEN_FOLDERS Where UF_FID = 0");
         !rows->eof(); rows->moveNext())
        tops.emplace_back(rows->integer("ID"), rows->text("FolderName"));
    std::multimap<std::int64_t, std::pair<std::int64_t, std::string>> subs;
    for (auto rows = database.openRecordset("select * from HIDDEN_FOLDERS Where UF_FID <> 0");
         !rows->eof(); rows->moveNext())
        subs.emplace(rows->integer("UF_FID"),
                     std::make_pair(rows->integer("ID"), rows->text("FolderName")));
    for (const auto& [id, name] : tops) {
        appendFunctions(database, id, name, winVersion, result);
        auto [first, last] = subs.equal_range(id);
        for (auto it = first; it != last; ++it)
            appendFunctions(database, it->second.first, name + "\\" + it->second.second, winVersion,
                            result);
    }
    return result;
}

OpenedFunction openHiddenFunction(platform::Database& database, std::int64_t itemId) {
    auto item =
        database.openRecordset("select * from HIDDEN_ITEMS Where ID = " + std::to_string(itemId));
    if (item->eof())
        throw TweakError("There is no hidden function " + std::to_string(itemId) + ".");
    OpenedFunction opened;
    opened.function = {item->integer("ID"),
                       item->integer("Folder_ID"),
                       {},
                       item->text("ItemName"),
                       item->integer("BS")};
    auto folder = database.openRecordset("select * from HIDDEN_FOLDERS Where ID = " +
                                         std::to_string(opened.function.folderId));
    if (!folder->eof()) {
        opened.function.folderPath = folder->text("FolderName");
        if (const auto parent = folder->integer("UF_FID"); parent != 0) {
            auto top = database.openRecordset("select * from HIDDEN_FOLDERS Where ID = " +
                                              std::to_string(parent));
            if (!top->eof())
                opened.function.folderPath =
                    top->text("FolderName") + "\\" + opened.function.folderPath;
        }
    }
    auto property = findPropertyOfItem(database, itemId);
    if (!property)
        throw TweakError("The hidden function \"" + opened.function.name + "\" (" +
                         std::to_string(itemId) +
                         ") has no property row in the catalogue and cannot be opened.");
    opened.property = std::move(*property);
    return opened;
}

}  // namespace vantix::tweaks
