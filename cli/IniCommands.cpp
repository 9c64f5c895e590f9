#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/QVFKT.h"
#include "platform/machine/Machine.h"

namespace vantix::cli {

namespace {

// Entries are read as GET_Ini reads them, so a missing or empty one is absent.
int get(CommandContext& context, Args args) {
    lindrel32::QVFKT functions(platform::currentMachine());
    const std::string value = functions.GET_Ini(args[0], args[1], args[2]);
    if (value == "NO Key") return kAbsent;
    context.out << value << "\n";
    return kSuccess;
}

int set(CommandContext&, Args args) {
    lindrel32::QVFKT functions(platform::currentMachine());
    return functions.SET_Ini(args[0], args[1], args[2], args[3]) ? kSuccess : kAbsent;
}

constexpr SubCommand kCommands[] = {
    {"get", "FILE SECTION KEY",
     "print an entry (a bare FILE is in the Windows folder); 1 when missing or empty", 3, 3, get},
    {"set", "FILE SECTION KEY VALUE", "write an entry, creating file and section as needed", 4, 4,
     set},
};

}  // namespace

int runIniCommand(CommandContext& context, Args args) {
    return dispatch(context, "ini", kCommands, args);
}

}  // namespace vantix::cli
