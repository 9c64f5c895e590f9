#include "platform/database/Database.h"

#include <sqlite3.h>

#include <cctype>

#include "platform/database/Statement.h"

namespace vantix::platform {

namespace {

constexpr int kBusyTimeoutMs = 5000;

bool isIdentifier(std::string_view text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text.front()))) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

// Consumes `word` (case-insensitively) followed by a blank or the end.
bool takeWord(std::string_view& text, std::string_view word) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
    if (word != "*" && text.size() > word.size() &&
        !std::isspace(static_cast<unsigned char>(text[word.size()])))
        return false;
    text.remove_prefix(word.size());
    return true;
}

std::string takeIdentifier(std::string_view& text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    std::size_t length = 0;
    while (length < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[length])) || text[length] == '_'))
        ++length;
    std::string name(text.substr(0, length));
    text.remove_prefix(length);
    return isIdentifier(name) ? name : std::string();
}

}  // namespace

std::unique_ptr<Database> Database::open(const std::filesystem::path& file,
                                         DatabaseOptions options) {
    int flags = options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (options.create && !options.readOnly) flags |= SQLITE_OPEN_CREATE;
    // Shared cache off, full mutex off: each process and each Database has its
    // own connection, and file locks let the others in.
    flags |= SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw DatabaseError(rc, message + ": " + file.string());
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 0);
    std::unique_ptr<Database> database(new Database(db, file));
    // SQLite opens lazily: touch the schema now so that a file that is not a
    // database fails here rather than at the first query.
    database->scalar("PRAGMA schema_version");
    database->execute("PRAGMA foreign_keys = ON");
    return database;
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

std::int64_t Database::execute(std::string_view sql, const std::vector<DbValue>& parameters) {
    detail::Statement statement(db_, sql, parameters);
    while (statement.step()) {
    }
    return sqlite3_changes64(db_);
}

void Database::executeScript(std::string_view sql) {
    char* error = nullptr;
    const std::string text(sql);
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw DatabaseError(rc, message);
    }
}

std::optional<DbValue> Database::scalar(std::string_view sql,
                                        const std::vector<DbValue>& parameters) {
    detail::Statement statement(db_, sql, parameters);
    if (!statement.step() || statement.columnCount() == 0) return std::nullopt;
    return statement.column(0);
}

std::unique_ptr<Recordset> Database::openRecordset(std::string_view sqlOrTable,
                                                   const std::vector<DbValue>& parameters) {
    std::string table;
    std::string sql;
    if (isIdentifier(sqlOrTable)) {
        table = std::string(sqlOrTable);
        sql = "SELECT rowid, * FROM \"" + table + "\"";
    } else {
        // "select * from T <rest>": the row identity is selected in front of
        // the columns so that edits can find their row again.
        std::string_view rest = sqlOrTable;
        if (takeWord(rest, "select") && takeWord(rest, "*") && takeWord(rest, "from")) {
            table = takeIdentifier(rest);
            if (!table.empty() &&
                (rest.empty() || std::isspace(static_cast<unsigned char>(rest.front())) ||
                 rest.front() == ';'))
                sql = "SELECT rowid, * FROM \"" + table + "\"" + std::string(rest);
            else
                table.clear();
        }
        if (table.empty()) sql = std::string(sqlOrTable);
    }

    std::unique_ptr<detail::Statement> prepared;
    if (!table.empty()) {
        // A statement beyond the simple form (a join, say) cannot name one row
        // identity: it is opened as it was written, read-only.
        try {
            prepared = std::make_unique<detail::Statement>(db_, sql, parameters);
        } catch (const DatabaseError&) {
            table.clear();
            sql = std::string(sqlOrTable);
        }
    }
    if (!prepared) prepared = std::make_unique<detail::Statement>(db_, sql, parameters);
    detail::Statement& statement = *prepared;
    const int first = table.empty() ? 0 : 1;
    std::vector<std::string> fields;
    for (int i = first; i < statement.columnCount(); ++i)
        fields.emplace_back(statement.columnName(i));
    auto recordset = std::make_unique<Recordset>(db_, table, fields);
    while (statement.step()) {
        std::vector<DbValue> values;
        values.reserve(fields.size());
        for (int i = first; i < statement.columnCount(); ++i) values.push_back(statement.column(i));
        recordset->appendRow(first ? statement.column(0).toInteger() : 0, std::move(values));
    }
    recordset->moveFirst();
    return recordset;
}

Database::Transaction::Transaction(Database& database) : database_(database) {
    database_.execute("BEGIN IMMEDIATE");
}

Database::Transaction::~Transaction() {
    if (open_) sqlite3_exec(database_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Transaction::commit() {
    database_.execute("COMMIT");
    open_ = false;
}

}  // namespace vantix::platform
