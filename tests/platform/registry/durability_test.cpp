#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "RegistryTestSupport.h"
#include "platform/registry/HiveFile.h"
#include "platform/registry/HiveReader.h"
#include "platform/files/DiskFaults.h"
#include "platform/registry/Registry.h"

using namespace vantix::platform;

namespace {

// Runs `body` in a child process; returns its pid.
template <typename F>
pid_t spawn(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

int exitCode(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(RegistryDurability, ConcurrentWritersLoseNothing) {
    ScratchDir dir;
    copyWineHives(dir);
    constexpr int kWriters = 4;
    constexpr int kEach = 20;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        children.push_back(spawn([&, w] {
            Registry r(dir.path());
            for (int i = 0; i < kEach; ++i) {
                const std::string name = "w" + std::to_string(w) + "_" + std::to_string(i);
                if (!r.setValue(Root::LocalMachine, "Software\\Concurrent", RegValue::dword(name, static_cast<std::uint32_t>(i))))
                    ::_exit(1);
            }
        }));
    }
    for (pid_t pid : children) EXPECT_EQ(exitCode(pid), 0);
    Registry r(dir.path());
    EXPECT_EQ(r.values(Root::LocalMachine, "Software\\Concurrent")->size(), static_cast<std::size_t>(kWriters * kEach));
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture\\Exotic\\sub[1]"));
}

TEST(RegistryDurability, AWriterKilledMidWayLeavesAWholeFile) {
    ScratchDir dir;
    copyWineHives(dir);
    for (int round = 0; round < 6; ++round) {
        const pid_t child = spawn([&] {
            Registry r(dir.path());
            // The writer is killed at a random moment: what a single write returns does not matter.
            for (std::uint32_t i = 0;; ++i)
                (void)r.setValue(Root::LocalMachine, "Software\\Killed",
                                 RegValue::binary("v" + std::to_string(i % 50),
                                                  std::vector<std::uint8_t>(i % 4000, 0x5a)));
        });
        ::usleep(20000 + round * 15000);
        ::kill(child, SIGKILL);
        exitCode(child);
        const std::string text = ScratchDir::read(dir / "system.reg");
        const auto parsed = vantix::platform::reg::parseHive(text, "system.reg");
        ASSERT_TRUE(parsed.hive) << parsed.error;
        EXPECT_NE(text.find("[Software\\\\VantixFixture\\\\Exotic\\\\sub\\[1\\]]"), std::string::npos);
    }
    // The lock died with the writer: the next one is not blocked, and clears what was left.
    Registry r(dir.path());
    EXPECT_TRUE(r.setValue(Root::LocalMachine, "Software\\After", RegValue::dword("ok", 1)));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".system.reg.")) << entry.path();
}

TEST(RegistryDurability, AFailedSaveKeepsTheOldFileAndMemory) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    ASSERT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture"));
    vantix::platform::reg::setBeforeRenameHook([](const std::filesystem::path&) { return false; });
    const RegStatus st = r.setValue(Root::LocalMachine, "Software\\VantixFixture", RegValue::string("touch", "lost"));
    vantix::platform::reg::setBeforeRenameHook(nullptr);
    EXPECT_EQ(st.code, RegStatus::IoError);
    EXPECT_NE(st.message.find("system.reg"), std::string::npos);
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\VantixFixture", "touch")->text(), "1");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".system.reg."), std::string::npos) << entry.path();
    EXPECT_TRUE(r.setValue(Root::LocalMachine, "Software\\VantixFixture", RegValue::string("touch", "kept")));
    EXPECT_EQ(Registry(dir.path()).getValue(Root::LocalMachine, "Software\\VantixFixture", "touch")->text(), "kept");
}

TEST(RegistryDurability, ReplacingKeepsTheModeAndWritesThroughASymlink) {
    ScratchDir dir;
    ScratchDir::write(dir / "real" / "system.reg", std::string(kHeader));
    ::chmod((dir / "real" / "system.reg").c_str(), 0600);
    std::filesystem::create_directories(dir / "image");
    std::filesystem::create_symlink(dir / "real" / "system.reg", dir / "image" / "system.reg");
    Registry r(dir / "image");
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "K", RegValue::dword("v", 1)));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "image" / "system.reg"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "real" / "system.reg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_NE(ScratchDir::read(dir / "real" / "system.reg").find("[K]"), std::string::npos);
}

namespace {

bool mappedHere(const std::filesystem::path& file) {
    return ScratchDir::read("/proc/self/maps").find(file.string()) != std::string::npos;
}

}  // namespace

// A big hive is taken from the page cache as it stands. Writers that rename a
// new file over it must leave the bytes being read alone; a hive with a second
// name, which Wine's server truncates and rewrites in place, is read instead
// (mapped, the truncation below would make reading the old bytes fault).
TEST(RegistryDurability, BigHivesAreMappedOnlyWhereNoWriterTruncatesThem) {
    ScratchDir dir;
    const auto file = dir / "system.reg";
    const std::string old(std::string(kHeader) + std::string(reg::kSmallestMappedFile, ';'));
    ScratchDir::write(file, old);
    reg::FileStamp stamp;
    std::string error;
    {
        auto mapped = reg::readWholeFileBytes(file, stamp, error);
        ASSERT_TRUE(mapped) << error;
        EXPECT_TRUE(mappedHere(file));
        EXPECT_EQ(stamp.size, old.size());
        ScratchDir::write(dir / "next", "other bytes");
        std::filesystem::rename(dir / "next", file);
        EXPECT_EQ(mapped->view(), old);
    }

    ScratchDir::write(file, old);
    std::filesystem::create_hard_link(file, dir / "system.reg.link");
    auto read = reg::readWholeFileBytes(file, stamp, error);
    ASSERT_TRUE(read) << error;
    EXPECT_FALSE(mappedHere(file));
    ::truncate(file.c_str(), 0);
    EXPECT_EQ(read->view(), old);

    for (const std::string_view small : {std::string_view(), kHeader}) {
        ScratchDir::write(file, std::string(small));
        auto bytes = reg::readWholeFileBytes(file, stamp, error);
        ASSERT_TRUE(bytes) << error;
        EXPECT_EQ(bytes->view(), small);
    }
}

TEST(RegistryDurability, WritesAreRefusedWhileAWineServerHoldsItsLock) {
    ScratchDir dir;
    ScratchDir tmp;
    copyWineHives(dir);
    // Debian's layout: the prefix names its server base folder, found below $TMPDIR.
    ScratchDir::write(dir / "wineserver", "wine-TeSt42");
    struct stat st {};
    ASSERT_EQ(::stat(dir.path().c_str(), &st), 0);
    char serverDir[64];
    std::snprintf(serverDir, sizeof serverDir, "server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    const auto lockFile = tmp / "wine-TeSt42" / serverDir / "lock";
    ScratchDir::write(lockFile, "");
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp ? oldTmp : "";
    ::setenv("TMPDIR", tmp.path().c_str(), 1);

    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t server = spawn([&] {
        const int fd = ::open(lockFile.c_str(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_len = 1;
        if (fd < 0 || ::fcntl(fd, F_SETLK, &lock) != 0) ::_exit(1);
        char c = 1;
        if (::write(ready[1], &c, 1) != 1) ::_exit(1);
        if (::read(release[0], &c, 1) < 0) ::_exit(1);
    });
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    Registry r(dir.path());
    const RegStatus refused = r.setValue(Root::LocalMachine, "Software\\X", RegValue::dword("v", 1));
    EXPECT_EQ(refused.code, RegStatus::ServerRunning);
    EXPECT_NE(refused.message.find(std::to_string(server)), std::string::npos) << refused.message;
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
    EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture"));  // reads still work

    ASSERT_EQ(::write(release[1], &c, 1), 1);
    EXPECT_EQ(exitCode(server), 0);
    EXPECT_TRUE(r.setValue(Root::LocalMachine, "Software\\X", RegValue::dword("v", 1)));  // a stale lock file proves nothing
    if (oldTmp)
        ::setenv("TMPDIR", savedTmp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
}

// A change of two hive files saves both or neither, whichever step fails.
TEST(RegistryDurability, ABatchOfTwoHivesSavesBothOrNeither) {
    for (const auto step : {vantix::platform::DiskStep::Write, vantix::platform::DiskStep::Rename}) {
        ScratchDir dir;
        copyWineHives(dir);
        const std::string system = ScratchDir::read(dir / "system.reg");
        const std::string user = ScratchDir::read(dir / "user.reg");
        Registry r(dir.path());
        auto both = [&] {
            return r.batch([&] {
                if (auto st = r.setValue(Root::LocalMachine, "Software\\Both", RegValue::dword("v", 1)); !st) return st;
                return r.setValue(Root::CurrentUser, "Software\\Both", RegValue::dword("v", 1));
            });
        };
        vantix::platform::failDiskStep(step, 2);  // the second hive's save
        const RegStatus failed = both();
        vantix::platform::failDiskStep(step, 0);
        EXPECT_EQ(failed.code, RegStatus::IoError);
        EXPECT_EQ(ScratchDir::read(dir / "system.reg"), system) << "the first hive is put back";
        EXPECT_EQ(ScratchDir::read(dir / "user.reg"), user);
        EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\Both"));
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            EXPECT_EQ(entry.path().filename().string().find(".vantix-kept"), std::string::npos);

        ASSERT_TRUE(both());
        EXPECT_TRUE(Registry(dir.path()).keyExists(Root::LocalMachine, "Software\\Both"));
        EXPECT_TRUE(Registry(dir.path()).keyExists(Root::CurrentUser, "Software\\Both"));
    }
}
