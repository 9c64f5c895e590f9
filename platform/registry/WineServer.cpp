#include "platform/registry/WineServer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace vantix::platform::reg {
namespace {

std::optional<pid_t> lockHolder(const std::filesystem::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct flock query {};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    query.l_start = 0;
    query.l_len = 1;
    std::optional<pid_t> holder;
    if (::fcntl(fd, F_GETLK, &query) == 0 && query.l_type != F_UNLCK) holder = query.l_pid;
    ::close(fd);
    return holder;
}

}  // namespace

std::optional<pid_t> runningWineServer(const std::filesystem::path& prefix) {
    struct stat st {};
    if (::stat(prefix.c_str(), &st) != 0) return std::nullopt;
    char serverDir[64];
    std::snprintf(serverDir, sizeof serverDir, "server-%llx-%llx",
                  static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    const std::string uid = std::to_string(::getuid());

    std::vector<std::filesystem::path> bases{std::filesystem::path("/tmp") / (".wine-" + uid)};
    std::ifstream named(prefix / "wineserver");
    std::string baseName;
    if (named && std::getline(named, baseName) && !baseName.empty() &&
        baseName.find('/') == std::string::npos) {
        bases.push_back(std::filesystem::path("/run/user") / uid / baseName);
        if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp)
            bases.push_back(std::filesystem::path(tmp) / baseName);
        bases.push_back(std::filesystem::path("/tmp") / baseName);
    }
    for (const auto& base : bases)
        if (auto pid = lockHolder(base / serverDir / "lock")) return pid;
    return std::nullopt;
}

}  // namespace vantix::platform::reg
