#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/database/DatabaseError.h"
#include "platform/database/DbValue.h"
#include "platform/database/Recordset.h"

struct sqlite3;

// The catalogue's database engine: one SQLite file, opened shared so that the
// shell, the CLI and the maintenance tools can use it at the same time. Text
// from outside reaches SQL only as bound parameters ("?" in the statement).
namespace vantix::platform {

struct DatabaseOptions {
    bool readOnly = false;
    bool create = false;  // create the file when it is missing (build tools, tests)
};

class Database {
public:
    // Throws DatabaseError with the engine's message when the file is missing,
    // not a database, damaged or locked.
    static std::unique_ptr<Database> open(const std::filesystem::path& file,
                                          DatabaseOptions options = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement with its parameters; returns the number of rows changed.
    std::int64_t execute(std::string_view sql, const std::vector<DbValue>& parameters = {});
    // Runs a script of statements without parameters (schema and catalogue text).
    void executeScript(std::string_view sql);
    // The first column of the first row, or nullopt when there is no row.
    std::optional<DbValue> scalar(std::string_view sql,
                                  const std::vector<DbValue>& parameters = {});

    // A table name opens the whole table; "select * from T ..." opens those rows
    // of T; both are updatable. Any other statement gives a read-only record set.
    // The record set must not outlive the database.
    std::unique_ptr<Recordset> openRecordset(std::string_view sqlOrTable,
                                             const std::vector<DbValue>& parameters = {});

    // Runs everything between begin() and commit() as one change; a Transaction
    // left without commit() rolls back.
    class Transaction {
    public:
        explicit Transaction(Database& database);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        Database& database_;
        bool open_ = true;
    };

    const std::filesystem::path& file() const { return file_; }
    sqlite3* handle() const { return db_; }

private:
    Database(sqlite3* db, std::filesystem::path file) : db_(db), file_(std::move(file)) {}
    sqlite3* db_;
    std::filesystem::path file_;
};

}  // namespace vantix::platform
