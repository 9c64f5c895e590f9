#include "platform/files/FileOperations.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>

#include "platform/files/DosWildcard.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileObserver.h"

namespace vantix::platform {
namespace {

// What a dry run keeps in memory per file; larger copies are refused there.
constexpr std::size_t kMaxOverlayFileBytes = 256 * 1024 * 1024;

FileStatus ioError(const std::filesystem::path& path, int error) {
    return FileStatus::error(error == ENOENT ? FileStatus::NotFound : FileStatus::IoError,
                             path.string() + ": " + std::strerror(error));
}

FileStatus deleteOne(const std::filesystem::path& path) {
    FileChange change;
    change.kind = FileChange::Delete;
    change.path = path;
    reportFileChange(change);
    if (fileDryRun()) {
        setOverlayContent(path, std::nullopt);
        return FileStatus::ok();
    }
    if (::unlink(path.c_str()) != 0) return ioError(path, errno);
    return FileStatus::ok();
}

// Regular files of `folder` as the overlay shows them: name -> path.
std::map<std::string, std::filesystem::path> listFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) files[it->path().filename().string()] = it->path();
    }
    for (const auto& [path, present] : overlayEntriesIn(folder)) {
        if (present)
            files[path.filename().string()] = path;
        else
            files.erase(path.filename().string());
    }
    return files;
}

}  // namespace

FileStatus copyFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    if (!regularFileExists(source))
        return FileStatus::error(FileStatus::NotFound, source.string() + ": no such file");
    FileChange change;
    change.kind = FileChange::Copy;
    change.path = target;
    change.source = source;
    reportFileChange(change);
    if (fileDryRun()) {
        FileStatus status;
        auto content = readWholeFile(source, kMaxOverlayFileBytes, &status);
        if (!content) return status;
        setOverlayContent(target, std::move(*content));
        return FileStatus::ok();
    }
    // A link as target stays a link: the file it leads to receives the copy.
    std::error_code error;
    const bool isLink = std::filesystem::symlink_status(target, error).type() == std::filesystem::file_type::symlink;
    error.clear();
    const std::filesystem::path real = isLink ? std::filesystem::weakly_canonical(target, error) : target;
    if (error) return FileStatus::error(FileStatus::IoError, target.string() + ": " + error.message());
    const std::filesystem::path temporary =
        real.parent_path() / ("." + real.filename().string() + ".vantix-copy-" + std::to_string(::getpid()));
    std::filesystem::copy_file(source, temporary, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return FileStatus::error(FileStatus::IoError, target.string() + ": cannot copy: " + error.message());
    }
    // A copied read-only source would make the temporary file read-only; that is fine for rename.
    if (::rename(temporary.c_str(), real.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return ioError(target, renameError);
    }
    return FileStatus::ok();
}

FileStatus deleteFiles(const std::filesystem::path& path, std::size_t* deleted) {
    if (deleted) *deleted = 0;
    const std::string pattern = path.filename().string();
    if (!hasDosWildcard(pattern)) {
        if (!regularFileExists(path)) return FileStatus::error(FileStatus::NotFound, path.string() + ": no such file");
        FileStatus status = deleteOne(path);
        if (status && deleted) *deleted = 1;
        return status;
    }
    std::size_t count = 0;
    FileStatus result = FileStatus::ok();
    for (const auto& [name, file] : listFiles(path.parent_path())) {
        if (!matchesDosWildcard(pattern, name)) continue;
        FileStatus status = deleteOne(file);
        if (status)
            ++count;
        else if (result)
            result = status;  // keep going: delete what can be deleted, report the first failure
    }
    if (deleted) *deleted = count;
    if (count == 0 && result) return FileStatus::error(FileStatus::NotFound, path.string() + ": no matching file");
    return result;
}

FileStatus renameFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    std::error_code error;
    const bool sourceIsFile = regularFileExists(source);
    if (!sourceIsFile && !std::filesystem::exists(source, error))
        return FileStatus::error(FileStatus::NotFound, source.string() + ": no such file");
    if (regularFileExists(target) || (!overlayContent(target) && std::filesystem::exists(target, error)))
        return FileStatus::error(FileStatus::Refused, target.string() + ": already exists");
    if (fileDryRun() && !sourceIsFile)
        return FileStatus::error(FileStatus::Refused, source.string() + ": folders cannot be renamed in a preview");
    FileChange change;
    change.kind = FileChange::Rename;
    change.path = target;
    change.source = source;
    reportFileChange(change);
    if (fileDryRun()) {
        FileStatus status;
        auto content = readWholeFile(source, kMaxOverlayFileBytes, &status);
        if (!content) return status;
        setOverlayContent(target, std::move(*content));
        setOverlayContent(source, std::nullopt);
        return FileStatus::ok();
    }
    // RENAME_NOREPLACE closes the gap between the check above and the rename.
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        const int renameError = errno;
        if (renameError == EEXIST) return FileStatus::error(FileStatus::Refused, target.string() + ": already exists");
        if (renameError != EINVAL && renameError != ENOSYS) return ioError(source, renameError);
        if (::rename(source.c_str(), target.c_str()) != 0) return ioError(source, errno);
    }
    return FileStatus::ok();
}

}  // namespace vantix::platform
