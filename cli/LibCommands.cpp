#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"

namespace vantix::cli {

namespace {

int reportRegistration(CommandContext& context, const std::string& failure) {
    if (failure.empty()) return kSuccess;
    context.err << "vantix-cli: " << failure << "\n";
    return kAbsent;
}

int registerServer(CommandContext& context, Args) {
    return reportRegistration(context, lindrel32::registerLibrary());
}

int unregisterServer(CommandContext& context, Args) {
    return reportRegistration(context, lindrel32::unregisterLibrary());
}

constexpr SubCommand kCommands[] = {
    {"register", "",
     "register the library's classes in the image (HKEY_CLASSES_ROOT\\CLSID, ProgIDs), naming "
     "the liblindrel32.so this program loaded",
     0, 0, registerServer},
    {"unregister", "", "remove exactly that registration; programs then fail to start", 0, 0,
     unregisterServer},
};

}  // namespace

int runLibCommand(CommandContext& context, Args args) {
    return dispatch(context, "lib", kCommands, args);
}

}  // namespace vantix::cli
