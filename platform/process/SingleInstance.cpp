#include "platform/process/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/log/Log.h"
#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kCategory = "process";

// A private folder of ours: owned by this user, a real folder (no link), 0700.
bool usableFolder(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0077) == 0;
}

std::string lockName(std::string_view programName) {
    std::string name = vantix::text::toLowerAscii(vantix::text::trim(programName));
    for (char& c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (!(std::isalnum(u) || c == '-' || c == '_' || c == '.')) c = '_';
    }
    return "vantix-" + name + ".lock";
}

}  // namespace

std::filesystem::path SingleInstance::lockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        const std::filesystem::path folder(runtime);
        std::error_code error;
        std::filesystem::create_directories(folder.parent_path(), error);
        ::mkdir(folder.c_str(), 0700);
        if (usableFolder(folder)) return folder;
    }
    const std::filesystem::path fallback = "/tmp/vantix-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return fallback;
}

std::unique_ptr<SingleInstance> SingleInstance::acquire(std::string_view programName) {
    const std::filesystem::path folder = lockFolder();
    if (!usableFolder(folder)) {
        // Someone else's folder, or a link planted in /tmp: never lock there.
        vantix::log::warning(kCategory, folder.string() + " is not a private folder of this user");
        return nullptr;
    }
    const std::filesystem::path file = folder / lockName(programName);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        vantix::log::warning(kCategory, file.string() + ": " + std::strerror(errno));
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<SingleInstance>(new SingleInstance(fd));
}

SingleInstance::~SingleInstance() { ::close(fd_); }

}  // namespace vantix::platform
