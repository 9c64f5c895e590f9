#include "shell/ShellState.h"

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/client/LibraryObjects.h"
#include "platform/database/Database.h"

namespace vantix::shell {

ShellState::ShellState() = default;
ShellState::~ShellState() = default;

lindrel32::IQVFKT& ShellState::fkt() {
    if (!machine_) return lindrel32::functionsObject();
    if (!fkt_) fkt_ = std::make_unique<lindrel32::QVFKT>(*machine_);
    return *fkt_;
}

lindrel32::IQVREG& ShellState::reg() {
    if (!machine_) return lindrel32::registryObject();
    if (!reg_) reg_ = std::make_unique<lindrel32::QVREG>(*machine_);
    return *reg_;
}

ShellState& shellState() {
    static ShellState state;
    return state;
}

}  // namespace vantix::shell
