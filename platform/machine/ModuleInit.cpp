#include "platform/machine/ModuleInit.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "platform/log/Log.h"
#include "platform/text/Text.h"

extern char** environ;

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

bool isNativeProgram(const fs::path& path) {
    if (::access(path.c_str(), X_OK) != 0) return false;
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, sizeof magic);
    if (in.gcount() >= 4 && std::memcmp(magic,
                                        "\x7f"
                                        "ELF",
                                        4) == 0)
        return true;
    return in.gcount() >= 2 && magic[0] == '#' && magic[1] == '!';
}

}  // namespace

std::vector<fs::path> modulePrograms(const fs::path& programDir) {
    std::vector<fs::path> programs;
    std::error_code error;
    for (const auto& folder : fs::directory_iterator(programDir, error)) {
        if (!text::equalsIgnoreCase(folder.path().filename().string(), "Module") ||
            !folder.is_directory(error))
            continue;
        for (const auto& entry : fs::directory_iterator(folder.path(), error)) {
            if (!entry.is_regular_file(error)) continue;
            if (!text::equalsIgnoreCase(entry.path().extension().string(), ".exe")) continue;
            if (isNativeProgram(entry.path())) programs.push_back(entry.path());
        }
    }
    std::sort(programs.begin(), programs.end());
    return programs;
}

bool runModuleInit(const fs::path& program, const fs::path& imageDir,
                   std::chrono::milliseconds limit) {
    std::vector<std::string> environment;
    for (char** entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, "VANTIX_MACHINE=", 15) != 0) environment.emplace_back(*entry);
    environment.push_back("VANTIX_MACHINE=" + imageDir.string());
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program.string();
    std::string argument = "/INIT";
    char* argv[] = {path.data(), argument.data(), nullptr};

    // A group of its own, so that a module stopped for hanging takes its children with it.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, path.c_str(), nullptr, &attributes, argv, envp.data());
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        log::warning("machine", "cannot start " + path + ": " + std::strerror(error));
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            log::warning("machine", path + " /INIT did not end in time and was stopped");
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok) log::warning("machine", path + " /INIT ended with a failure");
    return ok;
}

}  // namespace vantix::platform
