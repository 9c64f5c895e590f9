#include "platform/files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/files/DiskFaults.h"
#include "platform/files/FileObserver.h"
#include "platform/log/Log.h"

namespace vantix::platform {
namespace {

std::string errnoText(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string temporaryName(const std::filesystem::path& path) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return "." + path.filename().string() + ".vantix-" + std::to_string(::getpid()) + "-" +
           std::to_string(random() % 1000000000ULL) + ".tmp";
}

// Makes the rename itself durable.
void syncFolder(const std::filesystem::path& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

FileStatus replaceRegularFile(const std::filesystem::path& path, std::string_view content);

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                                         FileStatus* status) {
    const auto fail = [&](FileStatus::Code code, std::string message) -> std::optional<std::string> {
        if (status) *status = FileStatus::error(code, std::move(message));
        return std::nullopt;
    };
    if (status) *status = FileStatus::ok();
    if (auto pretended = overlayContent(path)) {
        if (!*pretended) return fail(FileStatus::NotFound, path.string() + ": no such file");
        if ((*pretended)->size() > maxBytes) return fail(FileStatus::TooLarge, path.string() + ": file too large");
        return **pretended;
    }
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        return fail(error == ENOENT || error == ENOTDIR ? FileStatus::NotFound : FileStatus::IoError,
                    errnoText(path, error));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return fail(FileStatus::IoError, errnoText(path, errno));
    if (!S_ISREG(info.st_mode)) return fail(FileStatus::InvalidArgument, path.string() + ": not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes)
        return fail(FileStatus::TooLarge, path.string() + ": file too large");
    std::string content;
    content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(FileStatus::IoError, errnoText(path, errno));
        }
        if (n == 0) break;
        // The file may grow while we read it; the limit still holds.
        if (content.size() + static_cast<std::size_t>(n) > maxBytes)
            return fail(FileStatus::TooLarge, path.string() + ": file too large");
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

bool regularFileExists(const std::filesystem::path& path) {
    if (auto pretended = overlayContent(path)) return pretended->has_value();
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

FileStatus replaceFile(const std::filesystem::path& path, std::string_view content,
                       const std::optional<std::string>& before) {
    FileChange change;
    change.kind = FileChange::Write;
    change.path = path;
    change.before = before;
    change.after = std::string(content);
    reportFileChange(change);
    if (fileDryRun()) {
        setOverlayContent(path, std::string(content));
        return FileStatus::ok();
    }

    // A link stays a link: the file it leads to is the one replaced.
    struct stat link {};
    std::error_code linkError;
    const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    const std::filesystem::path real = isLink ? std::filesystem::weakly_canonical(path, linkError) : path;
    if (linkError) return FileStatus::error(FileStatus::IoError, path.string() + ": " + linkError.message());
    return replaceRegularFile(real, content);
}

namespace {

FileStatus replaceRegularFile(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path folder = path.parent_path();
    const std::filesystem::path temporary = folder / temporaryName(path);
    mode_t mode = 0666;
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing) {
        if (!S_ISREG(existing.st_mode))
            return FileStatus::error(FileStatus::InvalidArgument, path.string() + ": not a regular file");
        mode = existing.st_mode & 07777;
    }
    Fd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.get() < 0) return FileStatus::error(FileStatus::IoError, errnoText(temporary, errno));
    const auto abandon = [&](int error) {
        ::unlink(temporary.c_str());
        return FileStatus::error(FileStatus::IoError, errnoText(path, error));
    };
    // open() applied the umask; a replaced file keeps exactly its old mode.
    if (replacing && ::fchmod(fd.get(), mode) != 0) return abandon(errno);
    if (injectedDiskFault(DiskStep::Write) || !writeAll(fd.get(), content) || ::fsync(fd.get()) != 0)
        return abandon(errno);
    if (::close(fd.release()) != 0) return abandon(errno);
    if (injectedDiskFault(DiskStep::Rename) || ::rename(temporary.c_str(), path.c_str()) != 0)
        return abandon(errno);
    syncFolder(folder);
    return FileStatus::ok();
}

}  // namespace

FileStatus removeWholeFile(const std::filesystem::path& path, const std::optional<std::string>& before) {
    FileChange change;
    change.kind = before ? FileChange::Write : FileChange::Delete;
    change.path = path;
    change.before = before;
    reportFileChange(change);
    if (fileDryRun()) {
        setOverlayContent(path, std::nullopt);
        return FileStatus::ok();
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return FileStatus::error(FileStatus::IoError, errnoText(path, errno));
    return FileStatus::ok();
}

}  // namespace vantix::platform
