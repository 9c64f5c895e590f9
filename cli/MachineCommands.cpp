#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "platform/machine/Machine.h"

namespace vantix::cli {

namespace {

int create(CommandContext& context, Args args) {
    platform::WindowsPlatform kind = platform::WindowsPlatform::Win98;
    if (args.size() == 3) {
        if (args[1] != "--platform") return usageError(context, "unknown option '" + args[1] + "'");
        const auto chosen = platform::platformFromName(args[2]);
        if (!chosen)
            return usageError(context, "unknown platform '" + args[2] + "' (win95, win98 or nt4)");
        kind = *chosen;
    } else if (args.size() != 1) {
        return usageError(context, "usage: machine create DIR [--platform win95|win98|nt4]");
    }
    const auto image = platform::Machine::create(args[0], kind);
    context.out << image->dir().string() << "\n";
    return kSuccess;
}

int info(CommandContext& context, Args) {
    auto& image = platform::currentMachine();
    const platform::WindowsPlatform code = image.platform();
    context.out << "image\t" << image.dir().string() << "\n"
                << "platform\t" << static_cast<int>(code) << "\t" << platform::platformName(code)
                << "\n"
                << "version\t" << image.versionNumber() << "\n"
                << "windows\t" << image.windowsDir() << "\n"
                << "system\t" << image.systemDir() << "\n"
                << "boot\t" << image.bootDir() << "\n"
                << "temp\t" << image.tempDir() << "\n";
    for (const auto& drive : image.drives())
        context.out << "drive\t" << drive.letter << ":\t" << drive.target.string() << "\n";
    return kSuccess;
}

constexpr SubCommand kCommands[] = {
    {"create", "DIR [--platform win95|win98|nt4]",
     "lay out a new image (Windows 98 unless told otherwise)", 1, 3, create},
    {"info", "", "platform code, Windows, system, boot and temporary folders, drives", 0, 0, info},
};

}  // namespace

int runMachineCommand(CommandContext& context, Args args) {
    return dispatch(context, "machine", kCommands, args);
}

}  // namespace vantix::cli
