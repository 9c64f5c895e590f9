#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantix::platform {

struct SpawnRequest {
    std::filesystem::path program;       // a path, or a bare name looked up on PATH
    std::vector<std::string> arguments;  // after the program name
    std::filesystem::path workingDir;    // empty: the caller's
    std::vector<std::pair<std::string, std::string>> environment;  // added or replaced
    std::vector<std::string> removedEnvironment;                   // names left out
};

struct SpawnResult {
    bool started = false;
    pid_t pid = 0;       // of the started program
    std::string reason;  // why it did not start
};

// Starts a program detached from the caller (it is no child of ours, so it
// leaves no zombie) and reports whether exec() succeeded: a close-on-exec pipe
// carries the exec error back, so a missing or non-executable program, or a
// bad working folder, is a failure and not a silent success.
SpawnResult spawnDetached(const SpawnRequest& request);

// Runs a program in a process group of its own and waits for it. A program
// still running after `limit` is killed with its whole group. The exit status,
// or nullopt when it could not start, was killed or ended by a signal.
std::optional<int> runAndWait(const SpawnRequest& request, std::chrono::milliseconds limit);

// The full path of `name` on $PATH (executable files only); nullopt when absent.
std::optional<std::filesystem::path> findOnPath(const std::string& name);

}  // namespace vantix::platform
