#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "platform/machine/Machine.h"
#include "platform/machine/WinePrefix.h"

namespace vantix::cli {

namespace {

int create(CommandContext& context, Args args) {
    constexpr const char* kUsage =
        "usage: machine create DIR [--platform win95|win98|nt4] [--wine|--no-wine]";
    platform::WindowsPlatform kind = platform::WindowsPlatform::Win98;
    platform::ImageOptions options = platform::defaultImageOptions();
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--wine") {
            options.wine = true;
        } else if (args[i] == "--no-wine") {
            options.wine = false;
        } else if (args[i] == "--platform" && i + 1 < args.size()) {
            const auto chosen = platform::platformFromName(args[++i]);
            if (!chosen)
                return usageError(context,
                                  "unknown platform '" + args[i] + "' (win95, win98 or nt4)");
            kind = *chosen;
        } else if (args[i] == "--platform") {
            return usageError(context, kUsage);
        } else {
            return usageError(context, "unknown option '" + args[i] + "'");
        }
    }
    if (options.wine && !platform::wineInstalled()) {
        context.err << "vantix-cli: --wine: Wine is not installed (no wineboot or wineserver)\n";
        return kAbsent;
    }
    // Wine's set-up takes a while: tell each step on stderr.
    if (options.wine)
        options.progress = [&context](const std::string& step, int) {
            context.err << step << "\n";
        };
    const auto image = platform::Machine::create(args[0], kind, options);
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
    {"create", "DIR [--platform win95|win98|nt4] [--wine|--no-wine]",
     "lay out a new image (Windows 98 unless told otherwise; a Wine prefix when Wine is "
     "installed, or as chosen)",
     1, 4, create},
    {"info", "", "platform code, Windows, system, boot and temporary folders, drives", 0, 0, info},
};

}  // namespace

int runMachineCommand(CommandContext& context, Args args) {
    return dispatch(context, "machine", kCommands, args);
}

}  // namespace vantix::cli
