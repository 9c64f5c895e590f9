#include "platform/profile/IniFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/FileIo.h"
#include "platform/log/Log.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kCategory = "profile";

// Serialises the read-change-replace of our processes on the file's folder
// (flock on the folder itself: no lock file appears beside the INI files), so
// two programs editing the same file at once lose neither change.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& file) {
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) {
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

// Loads, lets `edit` change the document, and saves when it reports a change.
template <typename Edit>
FileStatus editIniFile(const std::filesystem::path& path, bool createMissing, Edit edit) {
    const FolderLock lock(path);
    FileStatus status;
    auto file = loadIniFile(path, &status);
    if (!file) return status;
    if (!file->bytes && !createMissing) return FileStatus::ok();
    if (!edit(file->document)) return FileStatus::ok();
    return saveIniFile(path, *file);
}

}  // namespace

IniFile IniFile::fromBytes(std::string_view bytes) {
    DecodedText decoded = decodeIni(bytes);
    IniFile file;
    file.document = IniDocument::parse(decoded.text);
    file.encoding = decoded.encoding;
    file.tail = std::move(decoded.tail);
    file.bytes = std::string(bytes);
    return file;
}

std::string IniFile::toBytes() const { return encodeIni(encoding, document.text(), tail); }

std::optional<IniFile> loadIniFile(const std::filesystem::path& path, FileStatus* status) {
    FileStatus readStatus;
    const auto bytes = readWholeFile(path, kMaxIniFileBytes, &readStatus);
    if (status) *status = FileStatus::ok();
    if (!bytes) {
        if (readStatus.code == FileStatus::NotFound) return IniFile{};
        vantix::log::debug(kCategory, readStatus.message);
        if (status) *status = readStatus;
        return std::nullopt;
    }
    return IniFile::fromBytes(*bytes);
}

FileStatus saveIniFile(const std::filesystem::path& path, const IniFile& file) {
    const std::string bytes = file.toBytes();
    if (file.bytes && *file.bytes == bytes) return FileStatus::ok();
    return replaceFile(path, bytes, file.bytes);
}

std::optional<std::string> readIniValue(const std::filesystem::path& path, std::string_view section,
                                        std::string_view key) {
    const auto file = loadIniFile(path);
    if (!file) return std::nullopt;
    return file->document.value(section, key);
}

FileStatus writeIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                         std::string_view value) {
    if (auto reason = IniDocument::invalidEntry(section, key, value))
        return FileStatus::error(FileStatus::InvalidArgument, *reason);
    return editIniFile(path, true, [&](IniDocument& doc) { return doc.setValue(section, key, value); });
}

FileStatus deleteIniKey(const std::filesystem::path& path, std::string_view section, std::string_view key) {
    return editIniFile(path, false, [&](IniDocument& doc) { return doc.removeKey(section, key); });
}

FileStatus deleteIniSection(const std::filesystem::path& path, std::string_view section) {
    return editIniFile(path, false, [&](IniDocument& doc) { return doc.removeSection(section); });
}

std::vector<std::string> iniSectionNames(const std::filesystem::path& path) {
    const auto file = loadIniFile(path);
    return file ? file->document.sectionNames() : std::vector<std::string>{};
}

std::vector<std::string> iniKeyNames(const std::filesystem::path& path, std::string_view section) {
    const auto file = loadIniFile(path);
    return file ? file->document.keyNames(section) : std::vector<std::string>{};
}

}  // namespace vantix::platform
