#include "platform/process/Spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace vantix::platform {
namespace {

bool readFull(int fd, void* buffer, std::size_t size) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void writeFull(int fd, const void* buffer, std::size_t size) {
    const auto* bytes = static_cast<const char*>(buffer);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

// What the grandchild sends back when it cannot exec: a stage and an errno.
struct Failure {
    int stage;  // 0 working folder, 1 exec
    int error;
};

// The caller's environment with the request's changes.
std::vector<std::string> environmentOf(const SpawnRequest& request) {
    const auto named = [](const std::string& entry, const std::string& key) {
        return entry.compare(0, key.size() + 1, key + "=") == 0;
    };
    std::vector<std::string> entries;
    for (char** env = environ; *env; ++env) {
        const std::string entry(*env);
        bool dropped = false;
        for (const auto& [key, value] : request.environment) dropped = dropped || named(entry, key);
        for (const auto& key : request.removedEnvironment) dropped = dropped || named(entry, key);
        if (!dropped) entries.push_back(entry);
    }
    for (const auto& [key, value] : request.environment) entries.push_back(key + "=" + value);
    return entries;
}

}  // namespace

std::optional<int> runAndWait(const SpawnRequest& request, std::chrono::milliseconds limit) {
    const auto program = findOnPath(request.program.string());
    if (!program) return std::nullopt;
    std::vector<std::string> argStorage{program->string()};
    argStorage.insert(argStorage.end(), request.arguments.begin(), request.arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : argStorage) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStorage = environmentOf(request);
    std::vector<char*> envp;
    for (std::string& entry : envStorage) envp.push_back(entry.data());
    envp.push_back(nullptr);

    // A group of its own, so that a program stopped for hanging takes its children with it.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (!request.workingDir.empty())
        ::posix_spawn_file_actions_addchdir_np(&actions, request.workingDir.c_str());
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) return std::nullopt;

    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

std::optional<std::filesystem::path> findOnPath(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        if (::access(name.c_str(), X_OK) == 0) return std::filesystem::path(name);
        return std::nullopt;
    }
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        const std::filesystem::path candidate =
            std::filesystem::path(dir.empty() ? "." : std::string(dir)) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos) break;
        dirs.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

SpawnResult spawnDetached(const SpawnRequest& request) {
    SpawnResult result;
    const auto program = findOnPath(request.program.string());
    if (!program) {
        result.reason = request.program.string() + ": no such program, or it is not executable";
        return result;
    }
    // Everything exec needs is prepared before fork: the child only calls
    // async-signal-safe functions.
    std::vector<std::string> argStorage;
    argStorage.push_back(program->string());
    argStorage.insert(argStorage.end(), request.arguments.begin(), request.arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : argStorage) argv.push_back(arg.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStorage = environmentOf(request);
    std::vector<char*> envp;
    for (std::string& entry : envStorage) envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string workingDir = request.workingDir.string();

    int status[2];   // close-on-exec: EOF means exec succeeded
    int pidPipe[2];  // the intermediate child tells the grandchild's pid
    if (::pipe2(status, O_CLOEXEC) != 0) {
        result.reason = std::string("cannot start: ") + std::strerror(errno);
        return result;
    }
    if (::pipe2(pidPipe, O_CLOEXEC) != 0) {
        result.reason = std::string("cannot start: ") + std::strerror(errno);
        ::close(status[0]);
        ::close(status[1]);
        return result;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        result.reason = std::string("cannot start: ") + std::strerror(errno);
        for (int fd : {status[0], status[1], pidPipe[0], pidPipe[1]}) ::close(fd);
        return result;
    }
    if (child == 0) {
        ::close(status[0]);
        ::close(pidPipe[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::close(pidPipe[1]);
            if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) {
                const Failure failure{0, errno};
                writeFull(status[1], &failure, sizeof failure);
                ::_exit(127);
            }
            ::execve(argv[0], argv.data(), envp.data());
            const Failure failure{1, errno};
            writeFull(status[1], &failure, sizeof failure);
            ::_exit(127);
        }
        writeFull(pidPipe[1], &grandchild, sizeof grandchild);
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(status[1]);
    ::close(pidPipe[1]);
    pid_t grandchild = -1;
    const bool gotPid = readFull(pidPipe[0], &grandchild, sizeof grandchild);
    ::close(pidPipe[0]);
    int childStatus = 0;
    while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    Failure failure{};
    const bool failed = readFull(status[0], &failure, sizeof failure);
    ::close(status[0]);
    if (!gotPid || grandchild <= 0) {
        result.reason = "cannot start: fork failed";
    } else if (failed) {
        result.reason =
            failure.stage == 0
                ? workingDir + ": cannot enter the working folder: " + std::strerror(failure.error)
                : program->string() + ": cannot start: " + std::strerror(failure.error);
    } else {
        result.started = true;
        result.pid = grandchild;
    }
    return result;
}

}  // namespace vantix::platform
