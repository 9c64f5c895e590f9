#include "cli/SubCommands.h"

#include <string>

namespace vantix::cli {

namespace {

void printGroupHelp(std::ostream& out, std::string_view group,
                    std::span<const SubCommand> commands) {
    out << "usage: vantix-cli [--machine DIR] " << group << " COMMAND [ARGS...]\n\n";
    for (const auto& command : commands)
        out << "  " << group << " " << command.name << " " << command.synopsis << "\n      "
            << command.summary << "\n";
}

}  // namespace

int dispatch(CommandContext& context, std::string_view group, std::span<const SubCommand> commands,
             Args args) {
    if (args.empty()) {
        printGroupHelp(context.err, group, commands);
        return kBadUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printGroupHelp(context.out, group, commands);
        return kSuccess;
    }
    for (const auto& command : commands) {
        if (command.name != args[0]) continue;
        const Args rest = args.subspan(1);
        if (wantsHelp(rest)) {
            context.out << "usage: vantix-cli [--machine DIR] " << group << " " << command.name
                        << " " << command.synopsis << "\n"
                        << command.summary << "\n";
            return kSuccess;
        }
        if (rest.size() < command.minArgs || rest.size() > command.maxArgs)
            return usageError(context, "usage: " + std::string(group) + " " +
                                           std::string(command.name) + " " +
                                           std::string(command.synopsis));
        return command.run(context, rest);
    }
    return usageError(context, "unknown command '" + std::string(group) + " " + args[0] +
                                   "' (see " + std::string(group) + " --help)");
}

}  // namespace vantix::cli
