#include "catalogue/Utilities.h"

#include "catalogue/CatalogueKeys.h"
#include "catalogue/FileNames.h"
#include "platform/text/Text.h"

namespace vantix::catalogue {

namespace {

Utility readUtility(const platform::Recordset& row) {
    Utility utility;
    utility.id = row.integer("ID");
    utility.groupId = row.integer("CTRL_ID");
    utility.name = row.text("UtilName");
    utility.file = row.text("Datei");
    utility.workPath = row.text("WorkPath");
    utility.iconFile = row.text("IconFile");
    utility.parameter = row.text("Parameter");
    utility.style = static_cast<int>(row.integer("Stil"));
    return utility;
}

}  // namespace

int standardImageFor(const std::string& file) {
    return file.size() >= 3 && text::equalsIgnoreCase(std::string_view(file).substr(file.size() - 3), "BAT")
               ? kBatchImage
               : kProgramImage;
}

std::vector<Utility> groupUtilities(platform::Database& database, std::int64_t groupId) {
    std::vector<Utility> utilities;
    auto rows = database.openRecordset("select * from LIST_UTILITI Where CTRL_ID = ? ORDER BY ID", {groupId});
    for (; !rows->eof(); rows->moveNext()) utilities.push_back(readUtility(*rows));
    return utilities;
}

std::optional<Utility> findUtility(platform::Database& database, std::int64_t id) {
    auto row = database.openRecordset("select * from LIST_UTILITI Where ID = ?", {id});
    if (row->eof()) return std::nullopt;
    return readUtility(*row);
}

ListEntry utilityEntry(const Utility& utility) {
    ListEntry entry;
    entry.key = std::to_string(utility.id) + "U";
    entry.text = utility.name;
    entry.iconFile = utility.iconFile;
    entry.standardImage = standardImageFor(utility.file);
    return entry;
}

std::vector<ListEntry> FillUtilityList(platform::Database& database, CatalogueHost& host, std::int64_t groupId) {
    std::vector<ListEntry> entries;
    for (const auto& utility : groupUtilities(database, groupId))
        if (host.fileExists(utility.file)) entries.push_back(utilityEntry(utility));
    return entries;
}

std::optional<std::int64_t> AddUtility(platform::Database& database, CatalogueHost& host, std::int64_t groupId,
                                       const std::string& name, const std::string& file,
                                       const std::string& workPath, const std::string& iconFile,
                                       const std::string& parameter, int style) {
    if (!host.fileExecutable(file)) return std::nullopt;
    auto table = database.openRecordset("LIST_UTILITI");
    table->addNew();
    table->set("CTRL_ID", groupId);
    table->set("UtilName", name);
    table->set("Datei", file);
    table->set("WorkPath", workPath);
    table->set("IconFile", iconFile);
    table->set("Parameter", parameter);
    table->set("Stil", style);
    table->update();
    table->moveToLastModified();
    return table->integer("ID");
}

bool UpdateUtility(platform::Database& database, std::int64_t id, const std::string& name,
                   const std::string& workPath, const std::string& iconFile, const std::string& parameter,
                   int style) {
    auto row = database.openRecordset("select * from LIST_UTILITI Where ID = ?", {id});
    if (row->eof()) return false;
    row->edit();
    const std::pair<const char*, const std::string*> texts[] = {
        {"UtilName", &name}, {"WorkPath", &workPath}, {"IconFile", &iconFile}, {"Parameter", &parameter}};
    for (const auto& [field, value] : texts)
        if (!value->empty()) row->set(field, *value);
    if (style != 0) row->set("Stil", style);
    row->update();
    return true;
}

bool DeleteUtility(platform::Database& database, std::int64_t id) {
    return database.execute("DELETE FROM LIST_UTILITI WHERE ID = ?", {id}) > 0;
}

std::int64_t DeleteGroupUtilities(platform::Database& database, std::int64_t groupId) {
    return database.execute("DELETE FROM LIST_UTILITI WHERE CTRL_ID = ?", {groupId});
}

std::string GetUtilityField(platform::Database& database, std::int64_t id, const std::string& code) {
    auto row = database.openRecordset("select * from LIST_UTILITI Where ID = ?", {id});
    if (row->eof()) return {};
    if (code == "DATEI") return row->text("Datei");
    if (code == "WORK") return row->text("WorkPath");
    if (code == "ICON") return row->text("IconFile");
    if (code == "PARAM") return std::string(text::trim(row->text("Parameter")));
    if (code == "STIL") return row->isNull("Stil") ? std::string() : std::to_string(row->integer("Stil"));
    return {};
}

std::vector<std::int64_t> AddDroppedFiles(platform::Database& database, CatalogueHost& host, std::int64_t groupId,
                                          const std::vector<std::string>& files) {
    std::vector<std::int64_t> added;
    for (const auto& file : files) {
        const auto id = AddUtility(database, host, groupId, fileTitle(file, false), file, folderOf(file), file, " ", 1);
        if (id) added.push_back(*id);
    }
    return added;
}

}  // namespace vantix::catalogue
