#include <cctype>

#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "modules/drevion/DriveList.h"
#include "modules/drevion/DriveOptions.h"
#include "platform/machine/Machine.h"

namespace vantix::cli {

namespace {

drevion::DriveOptions optionsOf(platform::Machine& machine) {
    return drevion::DriveOptions(machine, static_cast<int>(machine.platform()),
                                 lindrel32::registryObject(), lindrel32::functionsObject());
}

// One line per drive: letter, type code, type text, label, capacity, free
// space, hidden, and whether autostart is off for its type.
int list(CommandContext& context, Args) {
    auto& machine = platform::currentMachine();
    auto options = optionsOf(machine);
    const auto settings = options.read();
    const std::uint8_t autostartOff = drevion::applyAutostart(0, settings.autostart);
    for (const auto& drive : drevion::listDrives(machine)) {
        const auto details = drevion::driveDetails(machine, drive.letter, drive.type);
        const bool off = drive.type < 8 && ((autostartOff >> drive.type) & 1);
        context.out << drive.letter << ":\t" << drive.type << "\t" << drive.typeText << "\t"
                    << drive.label << "\t"
                    << (details.readable ? drevion::megabytesText(details.capacityBytes)
                                         : drevion::kNoMedium)
                    << "\t" << (details.readable ? drevion::megabytesText(details.freeBytes) : "")
                    << "\t" << (options.isHidden(drive.letter) ? "hidden" : "shown") << "\t"
                    << (off ? "autostart off" : "autostart on") << "\n";
    }
    return kSuccess;
}

char driveLetter(const std::string& word) {
    const bool valid = (word.size() == 1 || (word.size() == 2 && word[1] == ':') ||
                        (word.size() == 3 && word[1] == ':' && word[2] == '\\')) &&
                       std::isalpha(static_cast<unsigned char>(word[0]));
    if (!valid) throw std::invalid_argument("'" + word + "' is no drive letter (C or C:)");
    return static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
}

int setHidden(CommandContext& context, Args args, bool hidden) {
    auto& machine = platform::currentMachine();
    const char letter = driveLetter(args[0]);
    if (!optionsOf(machine).setHidden(letter, hidden)) {
        context.err << "vantix-cli: \"NoDrives\" could not be written\n";
        return kAbsent;
    }
    return kSuccess;
}

int hide(CommandContext& context, Args args) {
    return setHidden(context, args, true);
}
int show(CommandContext& context, Args args) {
    return setHidden(context, args, false);
}

int label(CommandContext& context, Args args) {
    auto& machine = platform::currentMachine();
    const char letter = driveLetter(args[0]);
    std::string reason;
    if (!optionsOf(machine).relabel(letter, args.size() > 1 ? args[1] : "", &reason)) {
        context.err << "vantix-cli: " << reason << "\n";
        return kAbsent;
    }
    return kSuccess;
}

constexpr SubCommand kCommands[] = {
    {"list", "",
     "every drive: letter, type code and text, label, capacity, free space, hidden, autostart", 0,
     0, list},
    {"hide", "LETTER", "hide a drive from My Computer (the \"NoDrives\" bit)", 1, 1, hide},
    {"show", "LETTER", "show a hidden drive again", 1, 1, show},
    {"label", "LETTER [TEXT]", "set the volume label (no TEXT removes it)", 1, 2, label},
};

}  // namespace

int runDrivesCommand(CommandContext& context, Args args) {
    if (args.empty()) return list(context, args);
    return dispatch(context, "drives", kCommands, args);
}

}  // namespace vantix::cli
