#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The execute-command channel between a module and the tray program: one
// connection per exchange ("open a link, send one execute command, close"),
// over a Unix-domain socket named after service and topic in a private
// folder of the user and the machine image.
namespace vantix::platform {

// A command longer than this is refused by the server (and never sent).
inline constexpr std::size_t kDdeMaxCommand = 4096;
// The link timeout of the module: 100 tenths of a second.
inline constexpr std::chrono::milliseconds kDdeLinkTimeout{10000};

// A short name that stays the same for one image folder (however it is written).
std::string imageKey(const std::filesystem::path& imageDir);

// The folder of the sockets of one image: $XDG_RUNTIME_DIR/vantix-dde-<hash>
// (else /tmp/vantix-<uid>/vantix-dde-<hash>), created 0700 and checked to be
// a real folder of this user; nullopt (logged) when no such folder can be had.
std::optional<std::filesystem::path> ddeFolder(const std::filesystem::path& imageDir);
// The socket of a service and topic ("QVDDESVR|DDESVR") of an image.
std::optional<std::filesystem::path> ddeSocketPath(const std::filesystem::path& imageDir,
                                                   std::string_view link);

// Sends one execute command; true only when a server accepted it in time.
// False when no server listens, the peer is not this user's, the command is
// too long, or the exchange took longer than `timeout`.
bool ddeExecute(const std::filesystem::path& socket, std::string_view command,
                std::chrono::milliseconds timeout = kDdeLinkTimeout);

// The server side: listens on the socket, takes one command per connection.
class DdeServer {
public:
    // Answers one command: true when it was carried out (the client then reports success).
    using Handler = std::function<bool(const std::string& command)>;

    // nullptr (logged) when the folder is not private, another server already
    // answers on `socket`, or the socket cannot be made. A stale socket file
    // left by a server that died is replaced.
    static std::unique_ptr<DdeServer> listen(const std::filesystem::path& socket);
    ~DdeServer();  // closes and removes the socket
    DdeServer(const DdeServer&) = delete;
    DdeServer& operator=(const DdeServer&) = delete;

    // The listening descriptor, for an event loop to watch for readability.
    int fd() const { return fd_; }
    const std::filesystem::path& socket() const { return socket_; }
    // Accepts one pending connection (if any), checks that the peer is this
    // user, reads its command within `timeout` and answers with the handler's
    // result. Returns false when nothing was accepted or the client was refused.
    bool serveOne(const Handler& handler,
                  std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));

private:
    DdeServer(int fd, std::filesystem::path socket) : fd_(fd), socket_(std::move(socket)) {}
    int fd_;
    std::filesystem::path socket_;
};

}  // namespace vantix::platform
