#include "shell/StartSwitch.h"

namespace vantix::shell {

std::optional<std::int32_t> startSwitchGroup(std::string_view commandLine) {
    auto at = commandLine.find("/DS:");
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view digits = commandLine.substr(at + 4, 5);
    std::int32_t id = 0;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        id = id * 10 + (c - '0');
    }
    return id;
}

std::string startGroupKey(std::string_view commandLine, const std::string& lastCtrl) {
    if (auto id = startSwitchGroup(commandLine)) return std::to_string(*id) + "CID";
    return lastCtrl;
}

}  // namespace vantix::shell
