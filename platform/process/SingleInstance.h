#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

// One running instance per program and user: an exclusive flock on a file in
// $XDG_RUNTIME_DIR (else /tmp/vantix-<uid>/), held until the guard goes or
// the process ends. The descriptor is close-on-exec, so programs we start
// never inherit the lock.
namespace vantix::platform {

class SingleInstance {
public:
    // The guard of `programName` (case-insensitive, e.g. "VANTIX"), or nullptr
    // when another process holds it (or the lock file cannot be made).
    static std::unique_ptr<SingleInstance> acquire(std::string_view programName);
    // The folder the lock files live in (created 0700 when missing).
    static std::filesystem::path lockFolder();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

private:
    explicit SingleInstance(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace vantix::platform
