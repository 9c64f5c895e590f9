#include "cli/CommandTable.h"

#include <exception>

#include "cli/Commands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "platform/machine/Machine.h"

namespace vantix::cli {

namespace {

constexpr CommandGroup kGroups[] = {
    {"machine", "create a machine image, show the current one", runMachineCommand},
    {"reg", "read, write, list, rename, delete, export and import registry values", runRegCommand},
    {"ini", "read and write INI file entries", runIniCommand},
    {"fn", "list, show, apply, preview and undo hidden functions; their state and drift",
     runFnCommand},
    {"catalogue", "facts about the catalogue and its self-test on scratch images",
     runCatalogueCommand},
    {"drives", "list drives; hide, show and relabel them", runDrivesCommand},
    {"boot", "BOOT.INI of an NT image: list, default entry, timeout, switches, restore",
     runBootCommand},
    {"lib", "register and unregister the standard functions library in the image", runLibCommand},
};

void printHelp(std::ostream& out) {
    out << "usage: vantix-cli [--machine DIR] GROUP COMMAND [ARGS...]\n"
           "The machine image: --machine DIR, else $VANTIX_MACHINE, else the default image.\n"
           "Exit status: 0 success, 1 absent or false, 2 bad usage or bad input.\n\n";
    for (const auto& group : kGroups) out << "  " << group.name << "\t" << group.summary << "\n";
    out << "\n'vantix-cli GROUP --help' lists the commands of a group.\n";
}

}  // namespace

std::span<const CommandGroup> commandGroups() {
    return kGroups;
}

int usageError(CommandContext& context, std::string_view reason) {
    context.err << "vantix-cli: " << reason << "\n";
    return kBadUsage;
}

bool wantsHelp(Args args) {
    for (const auto& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandContext context{out, err};
    std::size_t next = 0;
    if (next < args.size() && args[next] == "--machine") {
        if (next + 1 >= args.size()) return usageError(context, "--machine needs a folder");
        platform::selectMachine(args[next + 1]);
        next += 2;
    }
    if (next >= args.size() || args[next] == "--help" || args[next] == "-h") {
        printHelp(next >= args.size() ? err : out);
        return next >= args.size() ? kBadUsage : kSuccess;
    }
    for (const auto& group : kGroups) {
        if (group.name != args[next]) continue;
        try {
            return group.run(context, Args(args).subspan(next + 1));
        } catch (const std::invalid_argument& error) {
            return usageError(context, error.what());
        } catch (const lindrel32::LibraryUnavailable& error) {
            context.err << "vantix-cli: " << error.what() << "\n";
            return kAbsent;
        } catch (const std::exception& error) {
            context.err << "vantix-cli: " << error.what() << "\n";
            return kBadUsage;
        }
    }
    return usageError(context, "unknown command group '" + args[next] + "' (see --help)");
}

}  // namespace vantix::cli
