#include "shell/ShellState.h"

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "platform/database/Database.h"

namespace vantix::shell {

ShellState::ShellState() = default;
ShellState::~ShellState() = default;

lindrel32::QVFKT& ShellState::fkt() {
    if (!fkt_) fkt_ = machine_ ? std::make_unique<lindrel32::QVFKT>(*machine_) : std::make_unique<lindrel32::QVFKT>();
    return *fkt_;
}

lindrel32::QVREG& ShellState::reg() {
    if (!reg_) reg_ = machine_ ? std::make_unique<lindrel32::QVREG>(*machine_) : std::make_unique<lindrel32::QVREG>();
    return *reg_;
}

ShellState& shellState() {
    static ShellState state;
    return state;
}

}  // namespace vantix::shell
