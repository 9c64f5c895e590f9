#pragma once

#include <string>
#include <utility>

namespace vantix::platform {

// Result of a file operation: ok, or why not (one line for a user or a log).
struct FileStatus {
    enum Code { Ok, NotFound, InvalidArgument, IoError, TooLarge, Refused };
    Code code = Ok;
    std::string message;
    explicit operator bool() const { return code == Ok; }
    static FileStatus ok() { return {}; }
    static FileStatus error(Code code, std::string message) { return {code, std::move(message)}; }
};

}  // namespace vantix::platform
