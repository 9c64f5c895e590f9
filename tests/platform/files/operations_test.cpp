#include "platform/files/DosAttributes.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileObserver.h"
#include "platform/files/FileOperations.h"

#include <sys/xattr.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

class RecordingObserver : public FileObserver {
public:
    void fileChanging(const FileChange& change) override { changes.push_back(change); }
    std::vector<FileChange> changes;
};

class FileOps : public ::testing::Test {
protected:
    void TearDown() override {
        setFileObserver(nullptr);
        setFileDryRun(false);
        discardFileOverlay();
    }
    fs::path file(const char* name, const char* content) {
        ScratchDir::write(scratch / name, content);
        return scratch / name;
    }
    ScratchDir scratch;
};

TEST_F(FileOps, CopyOverwritesAndRefusesMissingSource) {
    const fs::path source = file("a.txt", "new");
    const fs::path target = file("b.txt", "old old old");
    fs::permissions(target, fs::perms::owner_read);
    ASSERT_TRUE(copyFile(source, target));
    EXPECT_EQ(ScratchDir::read(target), "new");
    EXPECT_EQ(copyFile(scratch / "missing", target).code, FileStatus::NotFound);
    EXPECT_EQ(ScratchDir::read(target), "new");
    EXPECT_EQ(copyFile(scratch.path(), target).code, FileStatus::NotFound);  // a folder is no file
}

TEST_F(FileOps, CopyOntoItselfOrThroughALinkLosesNothing) {
    const fs::path a = file("a.txt", "keep me");
    ASSERT_TRUE(copyFile(a, a));
    EXPECT_EQ(ScratchDir::read(a), "keep me");
    const fs::path real = file("real.ini", "old");
    fs::create_symlink(real, scratch / "link.ini");
    ASSERT_TRUE(copyFile(a, scratch / "link.ini"));
    ASSERT_TRUE(replaceFile(scratch / "link.ini", "replaced", std::string("keep me")));
    EXPECT_TRUE(fs::is_symlink(scratch / "link.ini"));
    EXPECT_EQ(ScratchDir::read(real), "replaced");
}

TEST_F(FileOps, DeletesByDosWildcardOnlyMatchingFiles) {
    for (const char* name : {"x.TMP", "y.tmp", "keep.txt", "z.tmp.txt"}) file(name, "x");
    fs::create_directory(scratch / "dir.tmp");
    std::size_t deleted = 0;
    ASSERT_TRUE(deleteFiles(scratch / "*.tmp", &deleted));
    EXPECT_EQ(deleted, 2u);
    EXPECT_FALSE(fs::exists(scratch / "x.TMP"));
    EXPECT_TRUE(fs::exists(scratch / "keep.txt"));
    EXPECT_TRUE(fs::exists(scratch / "z.tmp.txt"));
    EXPECT_TRUE(fs::is_directory(scratch / "dir.tmp"));
    EXPECT_EQ(deleteFiles(scratch / "*.tmp").code, FileStatus::NotFound);
    EXPECT_EQ(deleteFiles(scratch / "dir.tmp").code, FileStatus::NotFound);
    ASSERT_TRUE(deleteFiles(scratch / "keep.txt"));
    EXPECT_FALSE(fs::exists(scratch / "keep.txt"));
}

TEST_F(FileOps, RenameNeverReplacesATarget) {
    const fs::path a = file("a", "A");
    const fs::path b = file("b", "B");
    EXPECT_EQ(renameFile(a, b).code, FileStatus::Refused);
    EXPECT_EQ(ScratchDir::read(b), "B");
    ASSERT_TRUE(renameFile(a, scratch / "c"));
    EXPECT_EQ(ScratchDir::read(scratch / "c"), "A");
    EXPECT_EQ(renameFile(a, scratch / "d").code, FileStatus::NotFound);
}

TEST_F(FileOps, AtomicReplaceKeepsModeAndLeavesNoTemporaryFile) {
    const fs::path target = file("w.ini", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(replaceFile(target, "new content", std::string("old")));
    EXPECT_EQ(ScratchDir::read(target), "new content");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
    // A folder in the way fails and stays a folder.
    fs::create_directory(scratch / "folder");
    EXPECT_FALSE(replaceFile(scratch / "folder", "x", std::nullopt));
    EXPECT_TRUE(fs::is_directory(scratch / "folder"));
}

TEST_F(FileOps, ReadsRefuseOversizedAndNonRegularFiles) {
    const fs::path big = file("big", "0123456789");
    FileStatus status;
    EXPECT_FALSE(readWholeFile(big, 9, &status));
    EXPECT_EQ(status.code, FileStatus::TooLarge);
    EXPECT_EQ(readWholeFile(big, 10), "0123456789");
    EXPECT_FALSE(readWholeFile(scratch.path(), 100, &status));
    EXPECT_EQ(status.code, FileStatus::InvalidArgument);
    EXPECT_FALSE(readWholeFile(scratch / "none", 100, &status));
    EXPECT_EQ(status.code, FileStatus::NotFound);
}

TEST_F(FileOps, AttributesKeepReadOnlyInPermissionsAndTheRestInTheXattr) {
    const fs::path f = file("attr.txt", "x");
    EXPECT_EQ(dosAttributes(f), dosattr::Normal);
    ASSERT_TRUE(setDosAttributes(f, dosattr::ReadOnly));
    EXPECT_EQ(dosAttributes(f), dosattr::ReadOnly);
    EXPECT_EQ(fs::status(f).permissions() & fs::perms::owner_write, fs::perms::none);
    ASSERT_TRUE(setNormalAttributes(f));
    EXPECT_EQ(dosAttributes(f), dosattr::Normal);
    EXPECT_EQ(dosAttributes(scratch.path()), dosattr::Directory);
    EXPECT_FALSE(dosAttributes(scratch / "none"));

    // What Wine wrote is read back; hidden/system/archive only where xattrs work.
    if (::setxattr(f.c_str(), "user.DOSATTRIB", "0x26", 4, 0) != 0) GTEST_SKIP() << "no user xattrs here";
    EXPECT_EQ(dosAttributes(f), dosattr::Hidden | dosattr::System | dosattr::Archive);
    ASSERT_TRUE(setDosAttributes(f, dosattr::Hidden | dosattr::ReadOnly));
    EXPECT_EQ(dosAttributes(f), dosattr::Hidden | dosattr::ReadOnly);
    ASSERT_TRUE(setNormalAttributes(f));
    char buffer[8];
    EXPECT_LT(::getxattr(f.c_str(), "user.DOSATTRIB", buffer, sizeof buffer), 0);
    EXPECT_EQ(errno, ENODATA);
}

TEST_F(FileOps, ObserverHearsOfEveryChangeFirst) {
    RecordingObserver observer;
    setFileObserver(&observer);
    const fs::path a = file("a", "A");
    ASSERT_TRUE(replaceFile(scratch / "n", "N", std::nullopt));
    ASSERT_TRUE(copyFile(a, scratch / "b"));
    ASSERT_TRUE(renameFile(scratch / "b", scratch / "c"));
    ASSERT_TRUE(setDosAttributes(scratch / "c", dosattr::ReadOnly));
    ASSERT_TRUE(deleteFiles(scratch / "?"));
    ASSERT_EQ(observer.changes.size(), 7u);  // the wildcard removed "a", "c" and "n"
    EXPECT_EQ(observer.changes[0].kind, FileChange::Write);
    EXPECT_EQ(observer.changes[0].after, "N");
    EXPECT_FALSE(observer.changes[0].before);
    EXPECT_EQ(observer.changes[1].kind, FileChange::Copy);
    EXPECT_EQ(observer.changes[1].source, a);
    EXPECT_EQ(observer.changes[2].kind, FileChange::Rename);
    EXPECT_EQ(observer.changes[3].attributes, dosattr::ReadOnly);
    EXPECT_EQ(observer.changes[4].kind, FileChange::Delete);
}

TEST_F(FileOps, DryRunLeavesTheDiskAloneAndReadsSeeTheOverlay) {
    RecordingObserver observer;
    setFileObserver(&observer);
    const fs::path a = file("a.tmp", "A");
    file("b.tmp", "B");
    setFileDryRun(true);
    ASSERT_TRUE(replaceFile(a, "changed", std::string("A")));
    ASSERT_TRUE(copyFile(a, scratch / "copy.txt"));
    ASSERT_TRUE(renameFile(scratch / "b.tmp", scratch / "moved.txt"));
    ASSERT_TRUE(setDosAttributes(a, dosattr::ReadOnly));
    EXPECT_EQ(readWholeFile(scratch / "copy.txt", 100), "changed");
    EXPECT_EQ(readWholeFile(scratch / "moved.txt", 100), "B");
    EXPECT_FALSE(regularFileExists(scratch / "b.tmp"));
    std::size_t deleted = 0;
    ASSERT_TRUE(deleteFiles(scratch / "*.TMP", &deleted));
    EXPECT_EQ(deleted, 1u);  // b.tmp is already gone in the preview
    EXPECT_FALSE(regularFileExists(a));
    EXPECT_EQ(observer.changes.size(), 5u);

    // Nothing of it reached the disk.
    EXPECT_EQ(ScratchDir::read(a), "A");
    EXPECT_EQ(ScratchDir::read(scratch / "b.tmp"), "B");
    EXPECT_FALSE(fs::exists(scratch / "copy.txt"));
    EXPECT_EQ(dosAttributes(a), dosattr::Normal);
    discardFileOverlay();
    EXPECT_TRUE(regularFileExists(a));
    EXPECT_FALSE(regularFileExists(scratch / "copy.txt"));
}

}  // namespace
