#include <charconv>

#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "modules/bootlam/BootOptions.h"
#include "platform/machine/Machine.h"

namespace vantix::cli {

namespace {

using bootlam::BootOptions;

// The boot options module runs on Windows NT only; so do its commands.
platform::Machine& ntMachine() {
    auto& machine = platform::currentMachine();
    if (machine.platform() != platform::WindowsPlatform::Nt4)
        throw std::invalid_argument("boot options exist on Windows NT images only");
    return machine;
}

std::size_t entryIndex(const BootOptions& options, const std::string& word) {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), index);
    if (error != std::errc() || end != word.data() + word.size() ||
        index >= options.entries().size())
        throw std::invalid_argument("'" + word + "' is no entry number (see 'boot list')");
    return index;
}

int save(CommandContext& context, BootOptions& options) {
    std::string reason;
    if (options.save(&reason)) {
        options.removeWorkingFile();
        return kSuccess;
    }
    options.removeWorkingFile();
    context.err << "vantix-cli: BOOT.INI was not changed: " << reason << "\n";
    return kAbsent;
}

// "timeout" first, then one line per entry: number, "*" for the default, path, name, switches.
int list(CommandContext& context, Args) {
    BootOptions options(ntMachine(), lindrel32::registryObject(), lindrel32::functionsObject());
    options.load();
    const auto timeout = options.timeoutValue();
    context.out << "timeout\t" << (timeout ? *timeout : "(none)") << "\n";
    for (std::size_t i = 0; i < options.entries().size(); ++i) {
        const auto& entry = options.entries()[i];
        context.out << i << "\t" << (options.defaultIndex() == i ? "*" : "") << "\t" << entry.path
                    << "\t" << entry.name << "\t" << bootlam::switchText(entry) << "\n";
    }
    return kSuccess;
}

int setDefault(CommandContext& context, Args args) {
    BootOptions options(ntMachine(), lindrel32::registryObject(), lindrel32::functionsObject());
    options.start();  // the one-time backup first, as the module's start makes it
    options.makeDefault(entryIndex(options, args[0]));
    return save(context, options);
}

int setTimeout(CommandContext& context, Args args) {
    const std::string& value = args[0];
    int seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (value != "-1" && (error != std::errc() || end != value.data() + value.size() ||
                          seconds < 0 || seconds > 999))
        throw std::invalid_argument(
            "a timeout is -1 (wait), 0 (start at once) or seconds up to 999");
    BootOptions options(ntMachine(), lindrel32::registryObject(), lindrel32::functionsObject());
    options.start();
    if (value == "-1")
        options.chooseTimeout(bootlam::TimeoutChoice::Wait);
    else if (value == "0")
        options.chooseTimeout(bootlam::TimeoutChoice::Immediate);
    else {
        options.chooseTimeout(bootlam::TimeoutChoice::Delay);
        options.setDelaySeconds(std::to_string(seconds));
    }
    return save(context, options);
}

int setSwitches(CommandContext& context, Args args) {
    BootOptions options(ntMachine(), lindrel32::registryObject(), lindrel32::functionsObject());
    options.start();
    auto& entry = options.entry(entryIndex(options, args[0]));
    std::string text;
    for (const auto& word : args.subspan(1)) text += " " + word;
    bootlam::BootEntry replaced;
    replaced.kind = entry.kind;
    replaced.path = entry.path;
    replaced.name = entry.name;
    bootlam::applySwitches(replaced, text);
    entry = replaced;
    return save(context, options);
}

int restore(CommandContext& context, Args) {
    BootOptions options(ntMachine(), lindrel32::registryObject(), lindrel32::functionsObject());
    std::string reason;
    if (!options.restore(&reason)) {
        context.err << "vantix-cli: " << reason << "\n";
        return kAbsent;
    }
    return kSuccess;
}

constexpr SubCommand kCommands[] = {
    {"list", "", "the timeout and every entry: number, * for the default, path, name, switches", 0,
     0, list},
    {"default", "N", "make entry N the default", 1, 1, setDefault},
    {"timeout", "-1|0|SECONDS", "wait for a choice, start at once, or wait SECONDS", 1, 1,
     setTimeout},
    {"switches", "N [SWITCH...]", "replace the loader switches of entry N (e.g. /SOS /MAXMEM:64)",
     1, 64, setSwitches},
    {"restore", "", "copy BOOT.BAK back over BOOT.INI", 0, 0, restore},
};

}  // namespace

int runBootCommand(CommandContext& context, Args args) {
    return dispatch(context, "boot", kCommands, args);
}

}  // namespace vantix::cli
