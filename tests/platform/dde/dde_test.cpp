#include "platform/dde/DdeChannel.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// A private runtime folder for each test, so that no two tests share a socket.
class DdeTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(scratch / "run");
        fs::permissions(scratch / "run", fs::perms::owner_all, fs::perm_options::replace);
        ::setenv("XDG_RUNTIME_DIR", (scratch / "run").c_str(), 1);
        socket = ddeSocketPath(scratch / "image", "QVDDESVR|DDESVR").value();
    }

    // Serves connections until `stop`, recording every command.
    std::thread serve(DdeServer& server, bool accept = true) {
        return std::thread([&server, accept, this] {
            while (!stop) {
                server.serveOne([&](const std::string& command) {
                    received.push_back(command);
                    return accept;
                });
                std::this_thread::sleep_for(5ms);
            }
        });
    }

    ScratchDir scratch;
    fs::path socket;
    std::atomic<bool> stop{false};
    std::vector<std::string> received;
};

TEST_F(DdeTest, OneCommandPerLinkReachesTheServerAndIsAcknowledged) {
    auto server = DdeServer::listen(socket);
    ASSERT_TRUE(server);
    EXPECT_EQ(socket.filename(), "QVDDESVR|DDESVR");
    auto thread = serve(*server);
    EXPECT_TRUE(ddeExecute(socket, "{UPDATE_TRAY}"));
    EXPECT_TRUE(ddeExecute(socket, "{END}"));
    EXPECT_TRUE(ddeExecute(socket, std::string(kDdeMaxCommand, 'x')));
    stop = true;
    thread.join();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], "{UPDATE_TRAY}");
    EXPECT_EQ(received[1], "{END}");
}

TEST_F(DdeTest, TheClientReportsFailureWhenNoServerAnswersOrTheServerDeclines) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ddeExecute(socket, "{UPDATE_TRAY}"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);  // a missing server fails at once

    auto server = DdeServer::listen(socket);
    ASSERT_TRUE(server);
    auto thread = serve(*server, false);
    EXPECT_FALSE(ddeExecute(socket, "{UNKNOWN}"));
    stop = true;
    thread.join();
    server.reset();
    EXPECT_FALSE(fs::exists(socket));  // a server that ends takes its socket along
    EXPECT_FALSE(ddeExecute(socket, "{END}"));
}

TEST_F(DdeTest, AServerThatNeverAnswersRunsIntoTheLinkTimeout) {
    // A socket that listens but never accepts: the connection completes, no answer comes.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socket.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ddeExecute(socket, "{UPDATE_TRAY}", 300ms));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, 3s);
    ::close(fd);
}

TEST_F(DdeTest, CommandsOverTheSizeBoundAreNeitherSentNorTaken) {
    auto server = DdeServer::listen(socket);
    ASSERT_TRUE(server);
    EXPECT_FALSE(ddeExecute(socket, std::string(kDdeMaxCommand + 1, 'x')));

    // A client that announces a huge command is cut off before anything is read or run.
    std::thread client([this] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, socket.c_str());
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        const unsigned char header[4] = {0x7f, 0xff, 0xff, 0xff};
        ASSERT_EQ(::send(fd, header, 4, MSG_NOSIGNAL), 4);
        char answer = 0;
        EXPECT_LE(::recv(fd, &answer, 1, 0), 0);  // closed without an answer
        ::close(fd);
    });
    // serveOne reports the refusal as "nothing served"; wait for the client to have gone.
    for (int i = 0; i < 50; ++i) {
        const bool served = server->serveOne(
            [&](const std::string& command) { return received.push_back(command), true; });
        ASSERT_FALSE(served);
        std::this_thread::sleep_for(10ms);
    }
    client.join();
    EXPECT_TRUE(received.empty());
    // The server goes on serving well-behaved clients.
    auto thread = serve(*server);
    EXPECT_TRUE(ddeExecute(socket, "{END}"));
    stop = true;
    thread.join();
}

TEST_F(DdeTest, OneServerPerSocketAndAStaleSocketIsReplaced) {
    {
        auto first = DdeServer::listen(socket);
        ASSERT_TRUE(first);
        EXPECT_FALSE(DdeServer::listen(socket));  // the first still answers
    }
    // A server that died leaves its socket file behind.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socket.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(fs::exists(socket));
    auto second = DdeServer::listen(socket);
    ASSERT_TRUE(second);
    auto thread = serve(*second);
    EXPECT_TRUE(ddeExecute(socket, "{UPDATE_TRAY}"));
    stop = true;
    thread.join();
}

TEST_F(DdeTest, SocketsLiveInPrivateFoldersPerImage) {
    struct stat info {};
    ASSERT_EQ(::lstat(socket.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(socket.parent_path().parent_path(), scratch / "run");
    EXPECT_NE(ddeSocketPath(scratch / "other", "QVDDESVR|DDESVR"), socket);
    EXPECT_EQ(ddeSocketPath(scratch / "image/.", "QVDDESVR|DDESVR"), socket);  // the same image

    // A runtime folder too deep for a socket's name gives way to /tmp.
    const auto deep = scratch / "run" / std::string(60, 'd');
    fs::create_directories(deep);
    fs::permissions(deep, fs::perms::owner_all, fs::perm_options::replace);
    ::setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
    const auto roomy = ddeSocketPath(scratch / "image", "QVDDESVR|DDESVR");
    ASSERT_TRUE(roomy);
    EXPECT_EQ(roomy->parent_path().parent_path(),
              fs::path("/tmp/vantix-" + std::to_string(::geteuid())));
    EXPECT_TRUE(DdeServer::listen(*roomy));
    fs::remove_all(roomy->parent_path());
    ::setenv("XDG_RUNTIME_DIR", (scratch / "run").c_str(), 1);

    // A folder others may enter is never listened in.
    fs::permissions(socket.parent_path(), fs::perms::owner_all | fs::perms::others_exec,
                    fs::perm_options::replace);
    EXPECT_FALSE(DdeServer::listen(socket));
    EXPECT_FALSE(ddeSocketPath(scratch / "image", "QVDDESVR|DDESVR"));

    // A runtime folder that is not private is passed over for the fallback in /tmp.
    fs::permissions(scratch / "run", fs::perms::all, fs::perm_options::replace);
    const auto fallback = ddeFolder(scratch / "image");
    ASSERT_TRUE(fallback);
    EXPECT_EQ(fallback->parent_path(), fs::path("/tmp/vantix-" + std::to_string(::geteuid())));
    fs::remove_all(*fallback);
}

}  // namespace
