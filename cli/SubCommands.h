#pragma once

#include <span>
#include <string_view>

#include "cli/CommandTable.h"

namespace vantix::cli {

// One command of a group: its name, argument synopsis, word counts and action.
struct SubCommand {
    std::string_view name;
    std::string_view synopsis;  // e.g. "PATH NAME [TYPE]"
    std::string_view summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(CommandContext& context, Args args);
};

// Finds the command named by args[0], checks the count of the words after it
// and runs it; --help at any place prints the group's or the command's usage.
int dispatch(CommandContext& context, std::string_view group, std::span<const SubCommand> commands,
             Args args);

}  // namespace vantix::cli
