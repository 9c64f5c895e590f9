#include "platform/registry/HiveFile.h"

#include "platform/files/DiskFaults.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace vantix::platform::reg {
namespace {

BeforeRenameHook& hook() {
    static BeforeRenameHook instance;
    return instance;
}

FileStamp fromStat(const struct stat& st) {
    FileStamp s;
    s.exists = true;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.mtimeSec = st.st_mtim.tv_sec;
    s.mtimeNsec = st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

std::string describe(std::string_view what, const std::filesystem::path& file, int err) {
    return std::string(what) + " " + file.string() + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A symbolic link to the registry file is kept: its target is replaced.
std::filesystem::path realTarget(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        auto target = std::filesystem::canonical(file, ec);
        if (!ec) return target;
    }
    return file;
}

}  // namespace

FileStamp stampOf(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    return fromStat(st);
}

FileStamp stampAt(int dirFd, const char* name) {
    struct stat st {};
    if (::fstatat(dirFd, name, &st, 0) != 0) return {};
    return fromStat(st);
}

FileBytes::FileBytes(std::size_t capacity) : capacity_(capacity) {
    if (capacity == 0) return;
    void* mapped = ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    data_ = static_cast<char*>(mapped);
}

FileBytes FileBytes::mapped(int fd, std::size_t size) {
    FileBytes bytes;
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapped == MAP_FAILED) return bytes;
    bytes.data_ = static_cast<char*>(mapped);
    bytes.size_ = bytes.capacity_ = size;
    return bytes;
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {
}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        this->~FileBytes();
        new (this) FileBytes(std::move(other));
    }
    return *this;
}

FileBytes::~FileBytes() {
    if (data_) ::munmap(data_, capacity_);
}

namespace {

// The whole file into a buffer: the one `map(fd, st)` gives when it holds
// bytes, else one that `make(size)` gives, read into.
template <typename Buffer, typename Map, typename Make>
std::optional<Buffer> readInto(const std::filesystem::path& file, FileStamp& stamp,
                               std::string& error, Map map, Make make) {
    error.clear();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) error = describe("cannot open", file, errno);
        stamp = {};
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "not a regular file: " + file.string();
        ::close(fd);
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    if (std::optional<Buffer> whole = map(fd, st)) {
        stamp = fromStat(st);
        ::close(fd);
        return whole;
    }
    Buffer bytes = make(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = describe("cannot read", file, errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    stamp = fromStat(st);
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file, FileStamp& stamp,
                                         std::string& error) {
    return readInto<std::string>(
        file, stamp, error, [](int, const struct stat&) { return std::optional<std::string>(); },
        [](std::size_t size) {
            std::string bytes;
            bytes.resize(size);
            return bytes;
        });
}

std::optional<FileBytes> readWholeFileBytes(const std::filesystem::path& file, FileStamp& stamp,
                                            std::string& error) {
    const auto map = [](int fd, const struct stat& st) {
        const auto size = static_cast<std::size_t>(st.st_size);
        std::optional<FileBytes> whole;
        if (st.st_nlink == 1 && size >= kSmallestMappedFile) {
            FileBytes bytes = FileBytes::mapped(fd, size);
            if (bytes.size() == size) whole = std::move(bytes);
        }
        return whole;
    };
    return readInto<FileBytes>(file, stamp, error, map,
                               [](std::size_t size) { return FileBytes(size); });
}

void setBeforeRenameHook(BeforeRenameHook h) {
    hook() = std::move(h);
}

bool replaceFileDurably(const std::filesystem::path& file, std::string_view bytes, FileStamp& stamp,
                        std::string& error) {
    return replaceFileDurably(file, std::span<const std::string_view>(&bytes, 1), stamp, error);
}

bool replaceFileDurably(const std::filesystem::path& file, std::span<const std::string_view> pieces,
                        FileStamp& stamp, std::string& error) {
    const std::filesystem::path target = realTarget(file);
    const std::filesystem::path dir = target.parent_path().empty() ? "." : target.parent_path();
    std::string tempName(".");
    tempName.append(target.filename().string()).append(".XXXXXX");
    std::string temp = (dir / tempName).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = describe("cannot create a temporary file in", dir, errno);
        return false;
    }
    const auto failWith = [&](std::string message) {
        ::close(fd);
        ::unlink(temp.c_str());
        error = std::move(message);
        return false;
    };
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) return failWith(describe("cannot set the mode of", temp, errno));
    if (injectedDiskFault(DiskStep::Write) ||
        !std::all_of(pieces.begin(), pieces.end(),
                     [&](std::string_view piece) { return writeAll(fd, piece); }))
        return failWith(describe("cannot write", temp, errno));
    if (::fsync(fd) != 0) return failWith(describe("cannot flush", temp, errno));
    if (hook() && !hook()(target))
        return failWith("save of " + target.string() + " failed (injected)");
    struct stat st {};
    if (::fstat(fd, &st) != 0) return failWith(describe("cannot stat", temp, errno));
    if (injectedDiskFault(DiskStep::Rename) || ::rename(temp.c_str(), target.c_str()) != 0)
        return failWith(describe("cannot replace", target, errno));
    ::close(fd);
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    stamp = fromStat(st);
    return true;
}

bool KeptOriginal::keep(const std::filesystem::path& file, std::string& error) {
    target_ = realTarget(file);
    kept_ = target_.parent_path() / ("." + target_.filename().string() + ".vantix-kept");
    ::unlink(kept_.c_str());  // left by a save that was killed
    existed_ = ::link(target_.c_str(), kept_.c_str()) == 0;
    if (!existed_ && errno != ENOENT) {
        error = describe("cannot keep a copy of", target_, errno);
        return false;
    }
    return true;
}

bool KeptOriginal::putBack(std::string& error) {
    const bool ok = existed_ ? ::rename(kept_.c_str(), target_.c_str()) == 0
                             : ::unlink(target_.c_str()) == 0 || errno == ENOENT;
    if (!ok) {
        error = describe("cannot put back", target_, errno);
        return false;
    }
    const int dirFd = ::open(target_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    existed_ = false;
    return true;
}

void KeptOriginal::drop() {
    if (existed_) ::unlink(kept_.c_str());
    existed_ = false;
}

void removeStaleTemporaries(std::span<const std::filesystem::path> files) {
    std::vector<std::filesystem::path> folders;
    for (const auto& file : files)
        if (std::find(folders.begin(), folders.end(), file.parent_path()) == folders.end())
            folders.push_back(file.parent_path());
    std::error_code ec;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            for (const auto& file : files) {
                std::string prefix(".");
                prefix.append(file.filename().string()).append(".");
                // mkstemp's six characters follow the prefix.
                if (file.parent_path() == folder && name.size() == prefix.size() + 6 &&
                    name.starts_with(prefix))
                    std::filesystem::remove(entry.path(), ec);
            }
        }
    }
}

ImageLock::~ImageLock() {
    release();
}

bool ImageLock::acquire(const std::filesystem::path& imageDir, std::string& error) {
    if (fd_ >= 0) return true;
    const std::filesystem::path file = imageDir / kLockFileName;
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error = describe("cannot open the lock file", file, errno);
        return false;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        error = describe("cannot lock", file, errno);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

void ImageLock::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace vantix::platform::reg
