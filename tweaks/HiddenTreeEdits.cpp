#include "tweaks/HiddenTreeEdits.h"

#include <cctype>

#include "catalogue/SettingsAccess.h"
#include "platform/database/Database.h"
#include "platform/text/Text.h"
#include "tweaks/HiddenCatalogue.h"
#include "tweaks/HiddenProperty.h"
#include "tweaks/HiddenTree.h"

namespace vantix::tweaks {

namespace {

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

bool allDigits(std::string_view text, int base) {
    if (text.empty()) return false;
    for (char c : text) {
        const bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                   : (base == 8 ? c >= '0' && c <= '7'
                                                : std::isdigit(static_cast<unsigned char>(c)) != 0);
        if (!ok) return false;
    }
    return true;
}

std::unique_ptr<platform::Recordset> rowOf(platform::Database& database, const std::string& key) {
    const std::string id = std::to_string(keyId(key));
    return database.openRecordset(nodeKindOf(key) == NodeKind::Function
                                      ? "select * from HIDDEN_ITEMS Where ID = " + id
                                      : "select * from HIDDEN_FOLDERS Where ID = " + id);
}

}  // namespace

bool isNumericText(std::string_view text) {
    text = text::trim(text);
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
        return allDigits(text.substr(2), 16);
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'O' || text[1] == 'o'))
        return allDigits(text.substr(2), 8);
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    std::size_t digits = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at, ++digits;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at, ++digits;
    }
    if (digits == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        std::size_t exponent = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at, ++exponent;
        if (exponent == 0) return false;
    }
    return at == text.size();
}

bool isAcceptableNodeName(std::string_view name) {
    return !name.empty() && !isNumericText(name) && characterCount(name) <= kMaxNameLength;
}

bool RenameHiddenNode(platform::Database& database, const std::string& key,
                      const std::string& name) {
    if (!isAcceptableNodeName(name) || nodeKindOf(key) == NodeKind::None) return false;
    auto row = rowOf(database, key);
    if (row->eof()) return false;
    row->edit();
    row->set(nodeKindOf(key) == NodeKind::Function ? "ItemName" : "FolderName",
             platform::DbValue(name));
    row->update();
    return true;
}

bool canDropOn(std::string_view draggedKey, std::string_view holder, std::string_view targetKey) {
    return nodeKindOf(draggedKey) == NodeKind::Function && isFolderKey(targetKey) &&
           targetKey != holder;
}

bool MoveHiddenItem(platform::Database& database, const std::string& functionKey,
                    const std::string& targetFolderKey) {
    auto row = database.openRecordset("select * from HIDDEN_ITEMS Where ID = " +
                                      std::to_string(keyId(functionKey)));
    if (row->eof()) return false;
    row->edit();
    row->set("Folder_ID", platform::DbValue(keyId(targetFolderKey)));
    row->update();
    return true;
}

bool folderIsEmpty(platform::Database& database, const std::string& folderKey, bool nodeHasChildren,
                   int winVersion) {
    if (nodeHasChildren) return false;
    for (auto rows = database.openRecordset("select * from HIDDEN_ITEMS Where Folder_ID = " +
                                            std::to_string(keyId(folderKey)));
         !rows->eof(); rows->moveNext())
        if (availableOn(rows->integer("BS"), winVersion)) return false;
    return true;
}

bool deleteFolderRow(platform::Database& database, const std::string& folderKey) {
    auto row = database.openRecordset("select * from HIDDEN_FOLDERS Where ID = " +
                                      std::to_string(keyId(folderKey)));
    if (row->eof()) return false;
    row->remove();
    return true;
}

std::string NewHiddenFolder(platform::Database& database, const std::string& parentKey) {
    if (!parentKey.empty() && nodeKindOf(parentKey) != NodeKind::Folder)
        throw TweakError(
            "A function folder can only be created at the top level or below a top-level folder.");
    auto table = database.openRecordset("HIDDEN_FOLDERS");
    table->addNew();
    table->set("FolderName", platform::DbValue(std::string(kNewFolderName)));
    table->set("UF_FID", platform::DbValue(parentKey.empty() ? std::int64_t{0} : keyId(parentKey)));
    table->update();
    table->moveToLastModified();
    const std::int64_t id = table->integer("ID");
    return parentKey.empty() ? folderKey(id) : subFolderKey(id);
}

void SetFunctionActive(catalogue::SettingsAccess& settings, std::int64_t groupId,
                       const std::string& key, bool active) {
    const std::string section = functionActivationSection(groupId);
    const std::string name = text::toUpper(key);
    if (active)
        settings.deleteValue(section, name);
    else
        settings.save(section, name, "0");
}

std::optional<std::string> ShowHiddenHelp(platform::Database& database, std::int64_t itemId) {
    auto property = findPropertyOfItem(database, itemId);
    if (!property) return std::nullopt;
    return property->help;
}

std::string folderDescription(const std::string& folderName) {
    return "Function folder '" + folderName + "'";
}

}  // namespace vantix::tweaks
