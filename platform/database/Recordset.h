#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/database/DbValue.h"

struct sqlite3;

// A record set in the manner the catalogue code expects: the rows of a table or
// a statement held in memory, a current position, fields read by name (without
// regard to case), and editing of the current row or a new one. Changes reach
// the file at update(); the record set keeps showing them afterwards.
namespace vantix::platform {

class Recordset {
public:
    Recordset(sqlite3* db, std::string table, std::vector<std::string> fields);

    // Navigation. eof() is true past the last row and for an empty set.
    bool eof() const;
    void moveNext();
    void moveFirst();
    void moveLast();
    // Rows held, deleted rows not counted.
    std::size_t recordCount() const;

    const std::vector<std::string>& fieldNames() const { return fields_; }
    bool hasField(std::string_view name) const;

    // Fields of the current row (during addNew/edit: the values being built).
    // Throws DatabaseError for an unknown field or without a current row.
    const DbValue& field(std::string_view name) const;
    std::string text(std::string_view name) const { return field(name).toText(); }
    std::int64_t integer(std::string_view name) const { return field(name).toInteger(); }
    bool isNull(std::string_view name) const { return field(name).isNull(); }
    bool boolean(std::string_view name) const { return field(name).toInteger() != 0; }

    // Editing. Throws DatabaseError when the set is not updatable, or when
    // update() is refused by the engine (the row then keeps its old values).
    bool updatable() const { return !table_.empty(); }
    void edit();
    void addNew();
    void set(std::string_view name, DbValue value);
    void update();
    void cancelUpdate();
    // Deletes the current row; the position stays on it until moveNext().
    void remove();
    // Moves to the row written by the last update(), to read a new ID.
    void moveToLastModified();

    // Used by Database while filling the set.
    void appendRow(std::int64_t rowid, std::vector<DbValue> values);

private:
    enum class EditMode { None, Edit, Add };
    struct Row {
        std::int64_t rowid = 0;
        std::vector<DbValue> values;
        bool deleted = false;
    };
    std::size_t indexOf(std::string_view name) const;
    const Row& currentRow() const;
    void skipDeleted();
    std::vector<DbValue> reread(std::int64_t rowid) const;

    sqlite3* db_;
    std::string table_;  // empty: read-only
    std::vector<std::string> fields_;
    std::vector<Row> rows_;
    std::size_t position_ = 0;
    EditMode mode_ = EditMode::None;
    std::vector<DbValue> buffer_;
    std::vector<bool> touched_;
    std::optional<std::size_t> lastModified_;
};

}  // namespace vantix::platform
