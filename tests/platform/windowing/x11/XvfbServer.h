#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "platform/process/Spawn.h"

// A private X server for one test: Xvfb picks a free display number itself
// (-displayfd), so that tests running side by side never meet. `display` is
// empty when no server could be started; `why` then says so.
class XvfbServer {
public:
    XvfbServer() {
        const auto program = vantix::platform::findOnPath("Xvfb");
        if (!program) {
            why = "Xvfb is not installed (Debian: xvfb)";
            return;
        }
        int fds[2];
        if (::pipe(fds) != 0) {
            why = "no pipe for Xvfb";
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execl(program->c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0",
                    "1024x768x24", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        pollfd entry{fds[0], POLLIN, 0};
        char c = 0;
        while (::poll(&entry, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (number.empty()) {
            why = "Xvfb did not start";
            stop();
            return;
        }
        display = ":" + number;
    }
    ~XvfbServer() { stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    std::string display;
    std::string why;

private:
    void stop() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    pid_t pid_ = -1;
};
