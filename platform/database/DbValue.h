#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One field of a record: NULL, a whole number, a real number, text or bytes,
// as SQLite stores it.
namespace vantix::platform {

using DbBlob = std::vector<std::uint8_t>;

class DbValue {
public:
    DbValue() = default;
    DbValue(std::nullptr_t) {}
    DbValue(int number) : value_(static_cast<std::int64_t>(number)) {}
    DbValue(std::int64_t number) : value_(number) {}
    DbValue(double number) : value_(number) {}
    DbValue(bool flag) : value_(static_cast<std::int64_t>(flag ? 1 : 0)) {}
    DbValue(std::string text) : value_(std::move(text)) {}
    DbValue(const char* text) : value_(std::string(text)) {}
    DbValue(DbBlob bytes) : value_(std::move(bytes)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(value_); }
    bool isReal() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isBlob() const { return std::holds_alternative<DbBlob>(value_); }

    // Conversions as the record set's typed readers use them: a number from
    // text takes its leading number (0 when there is none), text from a number
    // its decimal form, NULL gives 0 or "".
    std::int64_t toInteger() const;
    double toReal() const;
    std::string toText() const;

    const auto& raw() const { return value_; }
    friend bool operator==(const DbValue&, const DbValue&) = default;

private:
    std::variant<std::monostate, std::int64_t, double, std::string, DbBlob> value_;
};

}  // namespace vantix::platform
