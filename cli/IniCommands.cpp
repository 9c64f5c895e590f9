#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "platform/machine/Machine.h"
#include "platform/paths/Confinement.h"
#include "platform/profile/IniDocument.h"

namespace vantix::cli {

namespace {

// Entries are read as GET_Ini reads them, so a missing or empty one is absent.
int get(CommandContext& context, Args args) {
    lindrel32::IQVFKT& functions = lindrel32::functionsObject();
    const std::string value = functions.GET_Ini(args[0], args[1], args[2]);
    if (value == "NO Key") return kAbsent;
    context.out << value << "\n";
    return kSuccess;
}

// Why the library would refuse to write to FILE (a drive the image lacks, a
// place outside its drives and the program folder), or nullopt.
std::optional<std::string> unusableFile(const std::string& file) {
    auto& machine = platform::currentMachine();
    const bool bare = file.find_first_of("\\/") == std::string::npos;
    const auto host = machine.hostPath(bare ? machine.windowsDir() + "\\" + file : file);
    if (!host) return "no such drive or folder in the image: " + file;
    return platform::confinementViolation(machine.dir(), platform::programDir(), *host);
}

int set(CommandContext& context, Args args) {
    // Refused before anything is written: text that would not read back as itself.
    if (auto invalid = platform::IniDocument::invalidEntry(args[1], args[2], args[3]))
        return usageError(context, *invalid);
    if (auto unusable = unusableFile(args[0])) return usageError(context, *unusable);
    lindrel32::IQVFKT& functions = lindrel32::functionsObject();
    if (functions.SET_Ini(args[0], args[1], args[2], args[3])) return kSuccess;
    context.err << "vantix-cli: the entry could not be written to " << args[0] << "\n";
    return kAbsent;
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
