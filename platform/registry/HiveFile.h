#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Disk side of the registry files: reading with a change stamp, durable
// replacement and the lock that all our processes share.
namespace vantix::platform::reg {

// Identity of a file's contents as far as stat() can tell.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtimeSec = 0;
    std::int64_t mtimeNsec = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp stampOf(const std::filesystem::path& file);
// The same for `name` inside an open folder: one name to look up, not a whole path.
FileStamp stampAt(int dirFd, const char* name);

// A file's bytes in memory, filled in one step. A large file with one name
// is mapped from the page cache, which costs neither a copy nor fresh pages;
// others are read into memory mapped and filled at once (reading megabytes
// into a string takes its pages one fault at a time, which costs more than
// the read). For text that is only looked at; a load takes a string.
//
// Every writer of ours and Wine's server replace a hive by renaming a new
// file over it, which leaves a mapping of the old one whole. Only an outside
// program that truncated a mapped hive in place while it is read would make
// the reader fault; a hive with a second name, which Wine's server rewrites
// in place, is therefore read, not mapped.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::size_t capacity);  // throws std::bad_alloc
    // The `size` bytes of the open file `fd`; empty (size 0) when it cannot be mapped.
    static FileBytes mapped(int fd, std::size_t size);
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    ~FileBytes();

    char* data() { return data_; }
    std::size_t size() const { return size_; }
    void resize(std::size_t size) { size_ = size; }  // at most the capacity
    std::string_view view() const { return {data_, size_}; }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Files from this size on are mapped rather than read, when they have one name.
constexpr std::size_t kSmallestMappedFile = 64 * 1024;

// Reads the whole file; nullopt with `error` set when it cannot be read.
// A missing file is an empty optional with an empty error.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, FileStamp& stamp,
                                         std::string& error);
std::optional<FileBytes> readWholeFileBytes(const std::filesystem::path& file, FileStamp& stamp,
                                            std::string& error);

// Test seam: called just before the temporary file is renamed over the
// target; returning false makes the save fail there.
using BeforeRenameHook = std::function<bool(const std::filesystem::path& target)>;
void setBeforeRenameHook(BeforeRenameHook hook);

// Replaces `file` with `bytes`: temporary file in the same folder, fsync,
// rename, fsync of the folder. The old file stays whole if anything fails.
bool replaceFileDurably(const std::filesystem::path& file, std::string_view bytes, FileStamp& stamp,
                        std::string& error);
// The same with the new contents given in pieces, written one after another.
bool replaceFileDurably(const std::filesystem::path& file, std::span<const std::string_view> pieces,
                        FileStamp& stamp, std::string& error);

// The file as it was before a save of several hives, kept under a second name
// (a hard link) so that it can be put back should a later hive fail to save.
class KeptOriginal {
public:
    // False (with `error`) when the old file cannot be kept.
    bool keep(const std::filesystem::path& file, std::string& error);
    // Puts the kept file back in place (or removes a file that did not exist before).
    bool putBack(std::string& error);
    // Forgets the kept file: the save stands.
    void drop();

private:
    std::filesystem::path target_;
    std::filesystem::path kept_;
    bool existed_ = false;
};

// Removes temporary files that a writer killed mid-save left beside each of
// `files`, reading each folder once. Only call while holding the image lock:
// then no save is in progress.
void removeStaleTemporaries(std::span<const std::filesystem::path> files);

// An exclusive flock on the image's lock file, held while alive.
class ImageLock {
public:
    ImageLock() = default;
    ~ImageLock();
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;
    bool acquire(const std::filesystem::path& imageDir, std::string& error);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

constexpr std::string_view kLockFileName = ".vantix-registry.lock";

}  // namespace vantix::platform::reg
