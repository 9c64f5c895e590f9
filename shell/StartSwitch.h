#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The start switch "/DS:" that group shortcuts carry: the group ID as five
// digits with leading zeros ("/DS:00012").
namespace vantix::shell {

// The group ID named by the first "/DS:" of a command line: the leading number
// of the five characters after it (so "/DS:12 /X" names 12); nullopt without
// the switch. A switch followed by no digits names group 0.
std::optional<std::int32_t> startSwitchGroup(std::string_view commandLine);

// The key of the group to open at start-up: the switch's group followed by
// "CID", else the last group ("LastCtrl", possibly empty).
std::string startGroupKey(std::string_view commandLine, const std::string& lastCtrl);

}  // namespace vantix::shell
