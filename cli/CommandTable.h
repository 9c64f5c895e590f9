#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// vantix-cli: command groups ("machine", "reg", "ini" ...) dispatched from one
// table. Each group gets the words after its name and the output streams and
// returns the exit status.
namespace vantix::cli {

enum ExitStatus { kSuccess = 0, kAbsent = 1, kBadUsage = 2 };

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
};

using Args = std::span<const std::string>;

struct CommandGroup {
    std::string_view name;
    std::string_view summary;
    int (*run)(CommandContext& context, Args args);
};

// Every group, in the order --help lists them.
std::span<const CommandGroup> commandGroups();

// The whole command line (without the program name); the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// For groups: a one-line reason on stderr and the bad-usage status.
int usageError(CommandContext& context, std::string_view reason);
bool wantsHelp(Args args);

}  // namespace vantix::cli
