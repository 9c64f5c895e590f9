#include "platform/database/Recordset.h"

#include <sqlite3.h>

#include "platform/database/DatabaseError.h"
#include "platform/database/Statement.h"
#include "platform/text/Text.h"

namespace vantix::platform {

namespace {

std::string quoted(std::string_view name) {
    std::string result = "\"";
    for (char c : name) {
        if (c == '"') result += '"';
        result += c;
    }
    return result + "\"";
}

}  // namespace

Recordset::Recordset(sqlite3* db, std::string table, std::vector<std::string> fields)
    : db_(db), table_(std::move(table)), fields_(std::move(fields)) {
}

void Recordset::appendRow(std::int64_t rowid, std::vector<DbValue> values) {
    rows_.push_back({rowid, std::move(values), false});
}

bool Recordset::eof() const {
    return position_ >= rows_.size();
}

void Recordset::skipDeleted() {
    while (position_ < rows_.size() && rows_[position_].deleted) ++position_;
}

void Recordset::moveNext() {
    cancelUpdate();
    if (position_ < rows_.size()) ++position_;
    skipDeleted();
}

void Recordset::moveFirst() {
    cancelUpdate();
    position_ = 0;
    skipDeleted();
}

void Recordset::moveLast() {
    cancelUpdate();
    position_ = rows_.size();
    for (std::size_t i = rows_.size(); i-- > 0;)
        if (!rows_[i].deleted) {
            position_ = i;
            break;
        }
}

std::size_t Recordset::recordCount() const {
    std::size_t count = 0;
    for (const Row& row : rows_) count += row.deleted ? 0 : 1;
    return count;
}

bool Recordset::hasField(std::string_view name) const {
    for (const auto& field : fields_)
        if (text::equalsIgnoreCase(field, name)) return true;
    return false;
}

std::size_t Recordset::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (text::equalsIgnoreCase(fields_[i], name)) return i;
    throw DatabaseError(DatabaseError::kNoSuchField,
                        "Item not found in this collection: " + std::string(name));
}

const Recordset::Row& Recordset::currentRow() const {
    if (position_ >= rows_.size() || rows_[position_].deleted)
        throw DatabaseError(DatabaseError::kNoCurrentRecord, "No current record.");
    return rows_[position_];
}

const DbValue& Recordset::field(std::string_view name) const {
    const std::size_t index = indexOf(name);
    if (mode_ != EditMode::None) return buffer_[index];
    return currentRow().values[index];
}

void Recordset::edit() {
    if (!updatable())
        throw DatabaseError(DatabaseError::kNotUpdatable, "Database or object is read-only.");
    buffer_ = currentRow().values;
    touched_.assign(fields_.size(), false);
    mode_ = EditMode::Edit;
}

void Recordset::addNew() {
    if (!updatable())
        throw DatabaseError(DatabaseError::kNotUpdatable, "Database or object is read-only.");
    buffer_.assign(fields_.size(), DbValue());
    touched_.assign(fields_.size(), false);
    mode_ = EditMode::Add;
}

void Recordset::set(std::string_view name, DbValue value) {
    if (mode_ == EditMode::None)
        throw DatabaseError(DatabaseError::kNoCurrentRecord,
                            "Update or CancelUpdate without AddNew or Edit.");
    const std::size_t index = indexOf(name);
    buffer_[index] = std::move(value);
    touched_[index] = true;
}

std::vector<DbValue> Recordset::reread(std::int64_t rowid) const {
    detail::Statement statement(db_, "SELECT * FROM " + quoted(table_) + " WHERE rowid = ?",
                                {DbValue(rowid)});
    std::vector<DbValue> values(fields_.size());
    if (!statement.step()) return values;
    // Match by name: the table may have gained columns since the set was opened.
    for (int i = 0; i < statement.columnCount(); ++i)
        for (std::size_t f = 0; f < fields_.size(); ++f)
            if (text::equalsIgnoreCase(fields_[f], statement.columnName(i)))
                values[f] = statement.column(i);
    return values;
}

void Recordset::update() {
    if (mode_ == EditMode::None)
        throw DatabaseError(DatabaseError::kNoCurrentRecord,
                            "Update or CancelUpdate without AddNew or Edit.");
    std::vector<DbValue> parameters;
    std::string columns;
    std::string placeholders;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!touched_[i]) continue;
        if (!columns.empty()) {
            columns += ", ";
            placeholders += ", ";
        }
        columns += quoted(fields_[i]) + (mode_ == EditMode::Edit ? " = ?" : "");
        placeholders += "?";
        parameters.push_back(buffer_[i]);
    }
    if (mode_ == EditMode::Add) {
        const std::string sql = columns.empty()
                                    ? "INSERT INTO " + quoted(table_) + " DEFAULT VALUES"
                                    : "INSERT INTO " + quoted(table_) + " (" + columns +
                                          ") VALUES (" + placeholders + ")";
        detail::Statement statement(db_, sql, parameters);
        statement.step();
        const std::int64_t rowid = sqlite3_last_insert_rowid(db_);
        rows_.push_back({rowid, reread(rowid), false});
        lastModified_ = rows_.size() - 1;
    } else {
        Row& row = rows_[position_];
        if (!columns.empty()) {
            parameters.push_back(DbValue(row.rowid));
            detail::Statement statement(
                db_, "UPDATE " + quoted(table_) + " SET " + columns + " WHERE rowid = ?",
                parameters);
            statement.step();
        }
        row.values = reread(row.rowid);
        lastModified_ = position_;
    }
    mode_ = EditMode::None;
}

void Recordset::cancelUpdate() {
    mode_ = EditMode::None;
    buffer_.clear();
    touched_.clear();
}

void Recordset::remove() {
    if (!updatable())
        throw DatabaseError(DatabaseError::kNotUpdatable, "Database or object is read-only.");
    cancelUpdate();
    currentRow();  // throws without one
    Row& row = rows_[position_];
    detail::Statement statement(db_, "DELETE FROM " + quoted(table_) + " WHERE rowid = ?",
                                {DbValue(row.rowid)});
    statement.step();
    row.deleted = true;
}

void Recordset::moveToLastModified() {
    cancelUpdate();
    if (!lastModified_ || rows_[*lastModified_].deleted)
        throw DatabaseError(DatabaseError::kNoCurrentRecord, "No current record.");
    position_ = *lastModified_;
}

}  // namespace vantix::platform
