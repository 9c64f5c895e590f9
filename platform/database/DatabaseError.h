#pragma once

#include <stdexcept>
#include <string>

namespace vantix::platform {

// A failure of the database engine. what() is the engine's own description,
// the text start-up shows before it ends; code() is SQLite's result code, or
// one of ours for checks above the engine (kNotACatalogue, kWrongPassword ...).
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(int code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

    // Codes above SQLite's range, for the checks this layer adds.
    static constexpr int kNotACatalogue = 0x10001;
    static constexpr int kWrongSchemaVersion = 0x10002;
    static constexpr int kWrongPassword = 0x10003;
    static constexpr int kNoSuchField = 0x10004;
    static constexpr int kNoCurrentRecord = 0x10005;
    static constexpr int kNotUpdatable = 0x10006;
    static constexpr int kBadConnectString = 0x10007;

private:
    int code_;
};

}  // namespace vantix::platform
