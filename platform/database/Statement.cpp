#include "platform/database/Statement.h"

#include <limits>
#include <string>

namespace vantix::platform::detail {

void throwEngineError(sqlite3* db, int code) {
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw DatabaseError(code, message ? message : "database error");
}

Statement::Statement(sqlite3* db, std::string_view sql, const std::vector<DbValue>& parameters)
    : db_(db) {
    if (sql.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw DatabaseError(SQLITE_TOOBIG, "statement too long");
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, &tail_);
    if (rc != SQLITE_OK) throwEngineError(db, rc);
    const int expected = stmt_ ? sqlite3_bind_parameter_count(stmt_) : 0;
    if (static_cast<std::size_t>(expected) != parameters.size())
        throw DatabaseError(SQLITE_RANGE, "statement expects " + std::to_string(expected) +
                                              " parameters, got " +
                                              std::to_string(parameters.size()));
    for (int i = 0; i < expected; ++i) {
        const DbValue& value = parameters[static_cast<std::size_t>(i)];
        int bound = SQLITE_OK;
        if (value.isNull())
            bound = sqlite3_bind_null(stmt_, i + 1);
        else if (value.isInteger())
            bound = sqlite3_bind_int64(stmt_, i + 1, value.toInteger());
        else if (value.isReal())
            bound = sqlite3_bind_double(stmt_, i + 1, value.toReal());
        else if (value.isText()) {
            const auto& text = std::get<std::string>(value.raw());
            bound = sqlite3_bind_text64(stmt_, i + 1, text.data(), text.size(), SQLITE_TRANSIENT,
                                        SQLITE_UTF8);
        } else {
            const auto& bytes = std::get<DbBlob>(value.raw());
            bound = sqlite3_bind_blob64(stmt_, i + 1, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
        }
        if (bound != SQLITE_OK) throwEngineError(db, bound);
    }
}

bool Statement::step() {
    if (!stmt_) return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throwEngineError(db_, rc);
}

DbValue Statement::column(int index) const {
    switch (sqlite3_column_type(stmt_, index)) {
        case SQLITE_INTEGER:
            return DbValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, index)));
        case SQLITE_FLOAT:
            return DbValue(sqlite3_column_double(stmt_, index));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
            return DbValue(
                std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index))));
        }
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, index));
            return DbValue(DbBlob(bytes, bytes + sqlite3_column_bytes(stmt_, index)));
        }
        default:
            return DbValue();
    }
}

}  // namespace vantix::platform::detail
