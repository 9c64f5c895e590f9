#include "platform/files/DosAttributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files/FileObserver.h"
#include "platform/log/Log.h"

namespace vantix::platform {
namespace {

constexpr const char* kXattrName = "user.DOSATTRIB";
constexpr std::uint32_t kXattrBits = dosattr::Hidden | dosattr::System | dosattr::Archive;

bool xattrUnsupported(int error) { return error == ENOTSUP || error == EOPNOTSUPP || error == EPERM; }

std::uint32_t xattrBits(const std::filesystem::path& path) {
    char buffer[64];
    const ssize_t n = ::getxattr(path.c_str(), kXattrName, buffer, sizeof buffer - 1);
    if (n <= 0) return 0;
    buffer[n] = '\0';
    // Wine writes "0x" and hex digits; newer writers may append more after a NUL.
    return static_cast<std::uint32_t>(std::strtoul(buffer, nullptr, 16)) & kXattrBits;
}

}  // namespace

std::optional<std::uint32_t> dosAttributes(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    std::uint32_t attributes = xattrBits(path);
    if (S_ISDIR(info.st_mode)) attributes |= dosattr::Directory;
    if ((info.st_mode & S_IWUSR) == 0) attributes |= dosattr::ReadOnly;
    return attributes == 0 ? dosattr::Normal : attributes;
}

FileStatus setDosAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    FileChange change;
    change.kind = FileChange::Attributes;
    change.path = path;
    change.attributes = attributes & (dosattr::ReadOnly | kXattrBits);
    reportFileChange(change);
    if (fileDryRun()) return FileStatus::ok();

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return FileStatus::error(errno == ENOENT ? FileStatus::NotFound : FileStatus::IoError,
                                 path.string() + ": " + std::strerror(errno));
    // Read-only takes every write bit away; clearing it gives the owner write access back.
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & dosattr::ReadOnly) ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    if (mode != (info.st_mode & 07777) && ::chmod(path.c_str(), mode) != 0)
        return FileStatus::error(FileStatus::IoError, path.string() + ": " + std::strerror(errno));

    const std::uint32_t bits = attributes & kXattrBits;
    if (bits == 0) {
        if (::removexattr(path.c_str(), kXattrName) != 0 && errno != ENODATA && !xattrUnsupported(errno))
            return FileStatus::error(FileStatus::IoError, path.string() + ": " + std::strerror(errno));
        return FileStatus::ok();
    }
    char text[16];
    const int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(bits));
    if (::setxattr(path.c_str(), kXattrName, text, static_cast<std::size_t>(length), 0) != 0) {
        const int error = errno;
        vantix::log::debug("files", path.string() + ": cannot keep DOS attributes: " + std::strerror(error));
        return FileStatus::error(FileStatus::IoError,
                                 path.string() + ": the file system cannot keep hidden, system or archive attributes");
    }
    return FileStatus::ok();
}

FileStatus setNormalAttributes(const std::filesystem::path& path) { return setDosAttributes(path, 0); }

}  // namespace vantix::platform
