#include "tweaks/HiddenCatalogue.h"

#include <map>

#include "platform/database/Database.h"

namespace vantix::tweaks {

namespace {

struct Folder {
    std::string path;
    std::int64_t parent = 0;
};

// Each folder's functions in database order, read in one pass.
using FunctionsByFolder = std::multimap<std::int64_t, HiddenFunction>;

FunctionsByFolder functionsByFolder(platform::Database& database) {
    FunctionsByFolder result;
    for (auto rows = database.openRecordset("select * from HIDDEN_ITEMS ORDER BY rowid");
         !rows->eof(); rows->moveNext()) {
        const std::int64_t folder = rows->integer("Folder_ID");
        result.emplace(
            folder,
            HiddenFunction{
                rows->integer("ID"), folder, {}, rows->text("ItemName"), rows->integer("BS")});
    }
    return result;
}

void appendFunctions(const FunctionsByFolder& functions, std::int64_t folderId,
                     const std::string& path, int winVersion, std::vector<HiddenFunction>& out) {
    auto [first, last] = functions.equal_range(folderId);
    for (auto it = first; it != last; ++it) {
        if (winVersion != 0 && !availableOn(it->second.bs, winVersion)) continue;
        out.push_back(it->second);
        out.back().folderPath = path;
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
    const FunctionsByFolder functions = functionsByFolder(database);
    for (const auto& [id, name] : tops) {
        appendFunctions(functions, id, name, winVersion, result);
        auto [first, last] = subs.equal_range(id);
        for (auto it = first; it != last; ++it)
            appendFunctions(functions, it->second.first, name + "\\" + it->second.second,
                            winVersion, result);
    }
    return result;
}

TweakError missingPropertyRow(const HiddenFunction& function) {
    return TweakError("The hidden function \"" + function.name + "\" (" +
                      std::to_string(function.id) +
                      ") has no property row in the catalogue and cannot be opened.");
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
    if (!property) throw missingPropertyRow(opened.function);
    opened.property = std::move(*property);
    return opened;
}

}  // namespace vantix::tweaks
