#include "platform/database/CatalogueMerge.h"

#include <array>
#include <fstream>
#include <map>

#include "platform/database/CatalogueFile.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

// The origin in the copy's own IDs: UserID is the copy's folder for an
// installed folder (NULL once the user deleted it), and a function's Folder_ID
// is the copy's folder where the installed catalogue placed it.
constexpr const char* kOriginSchema =
    "CREATE TABLE IF NOT EXISTS main.ORIGIN_FOLDERS (ID INTEGER PRIMARY KEY, "
    "FolderName TEXT NOT NULL, UF_FID INTEGER NOT NULL, UserID INTEGER);"
    "CREATE TABLE IF NOT EXISTS main.ORIGIN_ITEMS (ID INTEGER PRIMARY KEY, "
    "Folder_ID INTEGER, ItemName TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS main.ORIGIN_FILE (Stamp TEXT NOT NULL);";

void clearOrigin(Database& db, const std::string& stamp) {
    db.executeScript(std::string(kOriginSchema) +
                     "DELETE FROM main.ORIGIN_FOLDERS; DELETE FROM main.ORIGIN_ITEMS; "
                     "DELETE FROM main.ORIGIN_FILE;");
    db.execute("INSERT INTO main.ORIGIN_FILE (Stamp) VALUES (?)", {DbValue(stamp)});
}

struct Row {
    std::string name;
    std::int64_t parent = 0;  // UF_FID of a folder, Folder_ID of a function
    std::int64_t platforms = 0;
    std::optional<std::int64_t> userId;  // an origin's: the copy's ID of the same thing
};

std::optional<std::int64_t> optionalInteger(const Recordset& rows, std::string_view name) {
    if (rows.isNull(name)) return std::nullopt;
    return rows.integer(name);
}

// The installed file stays attached only while a merge runs.
class Attachment {
public:
    Attachment(Database& db, const fs::path& installed) : db_(db) {
        db_.execute("ATTACH DATABASE ? AS installed", {DbValue(installed.string())});
    }
    ~Attachment() {
        try {
            db_.execute("DETACH DATABASE installed");
        } catch (const DatabaseError&) {
            // Closing the connection detaches it as well.
        }
    }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

private:
    Database& db_;
};

class Merge {
public:
    explicit Merge(Database& db) : db_(db) {}

    void folders() {
        // Top-level folders first, so that a subfolder finds its parent mapped.
        auto rows =
            db_.openRecordset("SELECT ID FROM installed.HIDDEN_FOLDERS ORDER BY UF_FID <> 0, ID");
        for (; !rows->eof(); rows->moveNext()) {
            const std::int64_t id = rows->integer("ID");
            const auto installed = folder("installed.HIDDEN_FOLDERS", id);
            const auto origin = folder("main.ORIGIN_FOLDERS", id);
            if (!origin) {
                userFolder(id);  // new: arrives
                continue;
            }
            const auto mine =
                origin->userId ? folder("main.HIDDEN_FOLDERS", *origin->userId) : std::nullopt;
            if (!mine) continue;  // deleted by the user: stays deleted
            // Folders are not moved in the tree, so only the name can differ.
            if (mine->name == origin->name)
                db_.execute("UPDATE main.HIDDEN_FOLDERS SET FolderName = ? WHERE ID = ?",
                            {DbValue(installed->name), DbValue(*origin->userId)});
            mapped_[id] = *origin->userId;
        }
    }

    void functions() {
        auto rows = db_.openRecordset("SELECT ID FROM installed.HIDDEN_ITEMS ORDER BY ID");
        for (; !rows->eof(); rows->moveNext()) {
            const std::int64_t id = rows->integer("ID");
            const auto installed = item("installed.HIDDEN_ITEMS", id);
            const auto origin = item("main.ORIGIN_ITEMS", id);
            const auto mine = item("main.HIDDEN_ITEMS", id);
            if (!mine) {
                db_.execute(
                    "INSERT INTO main.HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (?, ?, ?, "
                    "?)",
                    {DbValue(id), DbValue(userFolder(installed->parent)), DbValue(installed->name),
                     DbValue(installed->platforms)});
                continue;
            }
            const bool renamed = origin && mine->name != origin->name;
            const bool moved = origin && (!origin->userId || mine->parent != *origin->userId) &&
                               folderExists(mine->parent);
            // A function of another platform may stay in a folder the user
            // deleted; that keeps the folder deleted.
            const bool keep = moved || deletedByUser(installed->parent);
            db_.execute(
                "UPDATE main.HIDDEN_ITEMS SET ItemName = ?, Folder_ID = ?, BS = ? WHERE ID = ?",
                {DbValue(renamed ? mine->name : installed->name),
                 DbValue(keep ? mine->parent : userFolder(installed->parent)),
                 DbValue(installed->platforms), DbValue(id)});
        }
    }

    // What the installed catalogue no longer has: its functions go; its folders
    // go when nothing of the user's is left in them.
    void removals() {
        db_.executeScript(
            "CREATE TEMP TABLE gone AS SELECT ID FROM main.ORIGIN_ITEMS "
            "WHERE ID NOT IN (SELECT ID FROM installed.HIDDEN_ITEMS);"
            "DELETE FROM main.HIDDEN_BEFEHLE WHERE ITEM_ID IN (SELECT ID FROM temp.gone);"
            "DELETE FROM main.HIDDEN_EIGENSCHAFT WHERE ITEM_ID IN (SELECT ID FROM temp.gone);"
            "DELETE FROM main.HIDDEN_ITEMS WHERE ID IN (SELECT ID FROM temp.gone);"
            "DROP TABLE temp.gone;"
            "DELETE FROM main.HIDDEN_FOLDERS WHERE ID IN (SELECT UserID FROM main.ORIGIN_FOLDERS "
            "WHERE ID NOT IN (SELECT ID FROM installed.HIDDEN_FOLDERS)) "
            "AND ID NOT IN (SELECT Folder_ID FROM main.HIDDEN_ITEMS) "
            "AND ID NOT IN (SELECT UF_FID FROM main.HIDDEN_FOLDERS);");
    }

    // How each function is read, shown and applied is the installed catalogue's.
    void definitions() {
        db_.executeScript(
            "DELETE FROM main.HIDDEN_EIGENSCHAFT WHERE ITEM_ID IN "
            "(SELECT ID FROM installed.HIDDEN_ITEMS);"
            "DELETE FROM main.HIDDEN_BEFEHLE WHERE ITEM_ID IN (SELECT ID FROM "
            "installed.HIDDEN_ITEMS);"
            "INSERT INTO main.HIDDEN_EIGENSCHAFT SELECT * FROM installed.HIDDEN_EIGENSCHAFT;"
            "INSERT INTO main.HIDDEN_BEFEHLE SELECT * FROM installed.HIDDEN_BEFEHLE ORDER BY rowid;"
            "DELETE FROM main.CATALOGUE_ACCESS;"
            "INSERT INTO main.CATALOGUE_ACCESS SELECT * FROM installed.CATALOGUE_ACCESS;");
    }

private:
    std::optional<Row> folder(const std::string& table, std::int64_t id) {
        const bool origin = table == "main.ORIGIN_FOLDERS";
        auto rows = db_.openRecordset("SELECT FolderName, UF_FID" +
                                          std::string(origin ? ", UserID" : ", ID AS UserID") +
                                          " FROM " + table + " WHERE ID = ?",
                                      {DbValue(id)});
        if (rows->eof()) return std::nullopt;
        return Row{rows->text("FolderName"), rows->integer("UF_FID"), 0,
                   optionalInteger(*rows, "UserID")};
    }

    std::optional<Row> item(const std::string& table, std::int64_t id) {
        const bool origin = table == "main.ORIGIN_ITEMS";
        auto rows = db_.openRecordset("SELECT ItemName, Folder_ID" +
                                          std::string(origin ? ", 0 AS BS" : ", BS") + " FROM " +
                                          table + " WHERE ID = ?",
                                      {DbValue(id)});
        if (rows->eof()) return std::nullopt;
        Row row{rows->text("ItemName"), 0, rows->integer("BS"), std::nullopt};
        // An origin's folder is the copy's, and NULL where the user deleted it.
        if (origin)
            row.userId = optionalInteger(*rows, "Folder_ID");
        else
            row.parent = rows->integer("Folder_ID");
        return row;
    }

    bool folderExists(std::int64_t id) { return folder("main.HIDDEN_FOLDERS", id).has_value(); }

    bool deletedByUser(std::int64_t installedId) {
        if (mapped_.contains(installedId)) return false;
        const auto origin = folder("main.ORIGIN_FOLDERS", installedId);
        return origin && (!origin->userId || !folderExists(*origin->userId));
    }

public:
    // The installed folders and functions as the new origin, in the copy's IDs.
    void recordOrigin(const std::string& stamp) {
        clearOrigin(db_, stamp);
        db_.executeScript(
            "INSERT INTO main.ORIGIN_FOLDERS SELECT ID, FolderName, UF_FID, NULL "
            "FROM installed.HIDDEN_FOLDERS;");
        for (const auto& [installed, mine] : mapped_)
            db_.execute("UPDATE main.ORIGIN_FOLDERS SET UserID = ? WHERE ID = ?",
                        {DbValue(mine), DbValue(installed)});
        db_.executeScript(
            "INSERT INTO main.ORIGIN_ITEMS SELECT i.ID, o.UserID, i.ItemName "
            "FROM installed.HIDDEN_ITEMS i LEFT JOIN main.ORIGIN_FOLDERS o ON o.ID = i.Folder_ID;");
    }

private:
    // The user's folder for installed folder `id`: the same folder when the
    // copy has it from its origin, else a new one (with the installed ID when
    // that is free), its parent made the same way.
    std::int64_t userFolder(std::int64_t id) {
        if (const auto known = mapped_.find(id); known != mapped_.end()) return known->second;
        const auto installed = folder("installed.HIDDEN_FOLDERS", id);
        if (!installed)
            throw DatabaseError(
                DatabaseError::kNotACatalogue,
                "installed catalogue: a function in missing folder " + std::to_string(id));
        const auto origin = folder("main.ORIGIN_FOLDERS", id);
        if (origin && origin->userId && folderExists(*origin->userId)) {
            mapped_[id] = *origin->userId;
            return *origin->userId;
        }
        std::int64_t result = id;
        {
            const std::int64_t parent = installed->parent == 0 ? 0 : userFolder(installed->parent);
            if (folderExists(id)) {  // the ID is the user's own folder's
                db_.execute("INSERT INTO main.HIDDEN_FOLDERS (FolderName, UF_FID) VALUES (?, ?)",
                            {DbValue(installed->name), DbValue(parent)});
                result = db_.scalar("SELECT last_insert_rowid()")->toInteger();
            } else {
                db_.execute(
                    "INSERT INTO main.HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (?, ?, ?)",
                    {DbValue(id), DbValue(installed->name), DbValue(parent)});
            }
        }
        mapped_[id] = result;
        return result;
    }

    Database& db_;
    std::map<std::int64_t, std::int64_t> mapped_;  // installed folder ID -> the copy's
};

}  // namespace

std::optional<InstalledCatalogue> inspectInstalled(const fs::path& installed) {
    std::error_code error;
    const auto size = fs::file_size(installed, error);
    if (error) return std::nullopt;
    const auto time = fs::last_write_time(installed, error);
    if (error) return std::nullopt;
    // The header's user_version: four bytes, big-endian, at offset 60.
    std::ifstream in(installed, std::ios::binary);
    std::array<unsigned char, 64> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return std::nullopt;
    const std::uint32_t raw = (std::uint32_t{header[60]} << 24) |
                              (std::uint32_t{header[61]} << 16) | (std::uint32_t{header[62]} << 8) |
                              std::uint32_t{header[63]};
    InstalledCatalogue result;
    result.userVersion = static_cast<std::int32_t>(raw);
    result.stamp = std::to_string(result.userVersion) + ":" + std::to_string(size) + ":" +
                   std::to_string(time.time_since_epoch().count());
    return result;
}

std::string recordedStamp(Database& user) {
    const auto table = user.scalar(
        "SELECT count(*) FROM main.sqlite_master WHERE type = 'table' AND name = 'ORIGIN_FILE'");
    if (!table || table->toInteger() == 0) return {};
    const auto stamp = user.scalar("SELECT Stamp FROM main.ORIGIN_FILE");
    return stamp ? stamp->toText() : std::string();
}

void recordOrigin(Database& user, const std::string& stamp) {
    clearOrigin(user, stamp);
    user.executeScript(
        "INSERT INTO main.ORIGIN_FOLDERS SELECT ID, FolderName, UF_FID, ID FROM "
        "main.HIDDEN_FOLDERS;"
        "INSERT INTO main.ORIGIN_ITEMS SELECT ID, Folder_ID, ItemName FROM main.HIDDEN_ITEMS;");
}

void mergeCatalogue(Database& user, const fs::path& installed, const std::string& stamp) {
    Attachment attachment(user, installed);
    const auto version = user.scalar("PRAGMA installed.user_version");
    Database::Transaction transaction(user);
    user.executeScript(kOriginSchema);
    Merge merge(user);
    merge.folders();
    merge.functions();
    merge.removals();
    merge.definitions();
    user.executeScript("PRAGMA main.user_version = " +
                       std::to_string(version ? version->toInteger() : kCatalogueSchemaVersion) +
                       ";");
    merge.recordOrigin(stamp);
    transaction.commit();
}

}  // namespace vantix::platform
