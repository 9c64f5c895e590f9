#include "platform/process/SingleInstance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "tests/support/ScratchDir.h"

using vantix::platform::SingleInstance;

namespace {

// Whether a separate process could take the guard of `name` right now.
bool otherProcessAcquires(const char* name) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(SingleInstance::acquire(name) ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SingleInstanceGuard : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_RUNTIME_DIR", (scratch / "run").c_str(), 1); }
    ScratchDir scratch;
};

TEST_F(SingleInstanceGuard, OneHolderPerProgramAcrossProcesses) {
    auto guard = SingleInstance::acquire("VANTIX");
    ASSERT_TRUE(guard);
    EXPECT_EQ(SingleInstance::lockFolder(), scratch / "run");
    EXPECT_FALSE(otherProcessAcquires("vantix"));     // case-insensitive program name
    EXPECT_TRUE(otherProcessAcquires("REGALTO"));     // other programs are independent
    guard.reset();
    EXPECT_TRUE(otherProcessAcquires("VANTIX"));
}

TEST_F(SingleInstanceGuard, StartedProgramsDoNotInheritTheLock) {
    auto guard = SingleInstance::acquire("TRASKEL");
    ASSERT_TRUE(guard);
    // A child that execs keeps running after we drop the guard; it must not hold it.
    // Until its exec the child shares our descriptor, so wait for the exec: the
    // close-on-exec pipe reaches end of file exactly then.
    int execDone[2];
    ASSERT_EQ(::pipe2(execDone, O_CLOEXEC), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl("/bin/sleep", "sleep", "2", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(execDone[1]);
    char unused = 0;
    while (::read(execDone[0], &unused, 1) > 0) {
    }
    ::close(execDone[0]);
    guard.reset();
    EXPECT_TRUE(otherProcessAcquires("TRASKEL"));
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
}

TEST_F(SingleInstanceGuard, NeverLocksInAFolderThatIsNotPrivate) {
    const auto shared = scratch / "shared";
    std::filesystem::create_directories(shared);
    ::chmod(shared.c_str(), 0777);
    ::setenv("XDG_RUNTIME_DIR", shared.c_str(), 1);
    // The runtime folder is refused; the per-user folder below /tmp takes over.
    EXPECT_NE(SingleInstance::lockFolder(), shared);
    auto guard = SingleInstance::acquire("odd/name with blanks");
    EXPECT_TRUE(guard);
    EXPECT_TRUE(std::filesystem::is_empty(shared));
}

}  // namespace
