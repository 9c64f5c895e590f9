#pragma once

#include <sqlite3.h>

#include <string_view>
#include <vector>

#include "platform/database/DatabaseError.h"
#include "platform/database/DbValue.h"

// A prepared statement with its parameters bound; finalised on destruction.
namespace vantix::platform::detail {

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql, const std::vector<DbValue>& parameters);
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is available; throws DatabaseError on failure.
    bool step();
    int columnCount() const { return sqlite3_column_count(stmt_); }
    const char* columnName(int index) const { return sqlite3_column_name(stmt_, index); }
    DbValue column(int index) const;
    // Text after the first statement (for scripts).
    const char* tail() const { return tail_; }
    bool empty() const { return stmt_ == nullptr; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    const char* tail_ = nullptr;
};

[[noreturn]] void throwEngineError(sqlite3* db, int code);

}  // namespace vantix::platform::detail
