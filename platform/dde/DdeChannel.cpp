#include "platform/dde/DdeChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/log/Log.h"

namespace vantix::platform {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr std::string_view kCategory = "dde";

// Owned by this user, a real folder (no link), no access for others.
bool privateFolder(const fs::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

std::optional<fs::path> makePrivate(const fs::path& folder) {
    ::mkdir(folder.c_str(), 0700);
    if (privateFolder(folder)) return folder;
    vantix::log::warning(kCategory, folder.string() + " is not a private folder of this user");
    return std::nullopt;
}

}  // namespace

// FNV-1a of the normalised folder: socket paths are limited to 107 bytes.
std::string imageKey(const fs::path& imageDir) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(imageDir, error);
    if (error) canonical = fs::absolute(imageDir, error);
    canonical = canonical.lexically_normal();
    if (canonical.has_parent_path() && !canonical.has_filename())
        canonical = canonical.parent_path();
    std::uint64_t hash = 1469598103934665603ULL;
    for (const unsigned char c : canonical.string()) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    std::array<char, 17> text{};
    std::snprintf(text.data(), text.size(), "%016llx", static_cast<unsigned long long>(hash));
    return text.data();
}

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool addressOf(const fs::path& socket, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    const std::string path = socket.string();
    if (path.size() >= sizeof(address.sun_path)) {
        vantix::log::warning(kCategory, path + ": socket path too long");
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool waitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, remainingMs(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool sendAll(int fd, const char* data, std::size_t size, Clock::time_point deadline) {
    while (size > 0) {
        if (!waitFor(fd, POLLOUT, deadline)) return false;
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool receiveAll(int fd, char* data, std::size_t size, Clock::time_point deadline) {
    while (size > 0) {
        if (!waitFor(fd, POLLIN, deadline)) return false;
        const ssize_t got = ::recv(fd, data, size, 0);
        if (got == 0) return false;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool peerIsThisUser(int fd) {
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
    return credentials.uid == ::geteuid();
}

// A non-blocking connection to `socket`; -1 when nobody listens there in time.
int connectTo(const fs::path& socket, Clock::time_point deadline) {
    sockaddr_un address;
    if (!addressOf(socket, address)) return -1;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) return -1;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN) return -1;
        if (!waitFor(fd.get(), POLLOUT, deadline)) return -1;
        int failure = 0;
        socklen_t length = sizeof(failure);
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &failure, &length) != 0 || failure != 0)
            return -1;
    }
    return fd.release();
}

}  // namespace

namespace {

constexpr std::size_t kMaxSocketPath = sizeof(sockaddr_un::sun_path) - 1;

std::optional<fs::path> fallbackBase() {
    return makePrivate("/tmp/vantix-" + std::to_string(::geteuid()));
}

std::optional<fs::path> runtimeBase() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || *runtime != '/') return std::nullopt;
    std::error_code error;
    fs::create_directories(fs::path(runtime).parent_path(), error);
    ::mkdir(runtime, 0700);
    if (!privateFolder(runtime)) return std::nullopt;
    return fs::path(runtime);
}

fs::path folderIn(const fs::path& base, const fs::path& imageDir) {
    return base / ("vantix-dde-" + imageKey(imageDir));
}

std::string socketName(std::string_view link) {
    std::string name(link);
    for (char& c : name) {
        if (c == '/' || c == '\0') c = '_';
    }
    return name;
}

}  // namespace

std::optional<fs::path> ddeFolder(const fs::path& imageDir) {
    auto base = runtimeBase();
    if (!base) base = fallbackBase();
    if (!base) return std::nullopt;
    return makePrivate(folderIn(*base, imageDir));
}

std::optional<fs::path> ddeSocketPath(const fs::path& imageDir, std::string_view link) {
    const std::string name = socketName(link);
    auto base = runtimeBase();
    // A deep runtime folder leaves no room for the socket's name: /tmp has it.
    if (!base || (folderIn(*base, imageDir) / name).string().size() > kMaxSocketPath)
        base = fallbackBase();
    if (!base) return std::nullopt;
    const auto folder = makePrivate(folderIn(*base, imageDir));
    if (!folder) return std::nullopt;
    return *folder / name;
}

bool ddeExecute(const fs::path& socket, std::string_view command,
                std::chrono::milliseconds timeout) {
    if (command.size() > kDdeMaxCommand) {
        vantix::log::debug(kCategory, "command too long to send");
        return false;
    }
    const auto deadline = Clock::now() + timeout;
    Descriptor fd(connectTo(socket, deadline));
    if (fd.get() < 0) {
        vantix::log::debug(kCategory, socket.string() + ": no server answers");
        return false;
    }
    if (!peerIsThisUser(fd.get())) {
        vantix::log::warning(kCategory, socket.string() + ": the server is not this user's");
        return false;
    }
    const auto size = static_cast<std::uint32_t>(command.size());
    const std::array<char, 4> header{static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                                     static_cast<char>(size >> 8), static_cast<char>(size)};
    char answer = 0;
    if (!sendAll(fd.get(), header.data(), header.size(), deadline) ||
        !sendAll(fd.get(), command.data(), command.size(), deadline) ||
        !receiveAll(fd.get(), &answer, 1, deadline)) {
        vantix::log::debug(kCategory, socket.string() + ": the exchange failed or timed out");
        return false;
    }
    return answer == 1;
}

std::unique_ptr<DdeServer> DdeServer::listen(const fs::path& socket) {
    if (!privateFolder(socket.parent_path())) {
        vantix::log::warning(
            kCategory, socket.parent_path().string() + " is not a private folder of this user");
        return nullptr;
    }
    sockaddr_un address;
    if (!addressOf(socket, address)) return nullptr;
    struct stat info {};
    if (::lstat(socket.c_str(), &info) == 0) {
        // A live server keeps its socket; a dead one's is only a file in our way.
        if (const int live = connectTo(socket, Clock::now() + std::chrono::milliseconds(500));
            live >= 0) {
            ::close(live);
            vantix::log::debug(kCategory, socket.string() + ": another server answers");
            return nullptr;
        }
        if (!S_ISSOCK(info.st_mode)) {
            vantix::log::warning(kCategory, socket.string() + " exists and is no socket");
            return nullptr;
        }
        ::unlink(socket.c_str());
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) return nullptr;
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd.get(), 8) != 0) {
        vantix::log::warning(kCategory, socket.string() + ": " + std::strerror(errno));
        return nullptr;
    }
    ::chmod(socket.c_str(), 0600);
    return std::unique_ptr<DdeServer>(new DdeServer(fd.release(), socket));
}

DdeServer::~DdeServer() {
    ::close(fd_);
    ::unlink(socket_.c_str());
}

bool DdeServer::serveOne(const Handler& handler, std::chrono::milliseconds timeout) {
    Descriptor client(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (client.get() < 0) return false;
    if (!peerIsThisUser(client.get())) {
        vantix::log::warning(kCategory, "refused a connection of another user");
        return false;
    }
    const auto deadline = Clock::now() + timeout;
    std::array<unsigned char, 4> header{};
    if (!receiveAll(client.get(), reinterpret_cast<char*>(header.data()), header.size(), deadline))
        return false;
    const std::uint32_t size = (std::uint32_t{header[0]} << 24) | (std::uint32_t{header[1]} << 16) |
                               (std::uint32_t{header[2]} << 8) | std::uint32_t{header[3]};
    if (size > kDdeMaxCommand) {
        vantix::log::warning(kCategory, "refused a command of " + std::to_string(size) + " bytes");
        return false;
    }
    std::string command(size, '\0');
    if (!receiveAll(client.get(), command.data(), size, deadline)) return false;
    const char answer = handler(command) ? 1 : 0;
    sendAll(client.get(), &answer, 1, deadline);
    return true;
}

}  // namespace vantix::platform
