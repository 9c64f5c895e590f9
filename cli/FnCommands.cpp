#include <map>
#include <optional>
#include <stdexcept>

#include "cli/Commands.h"
#include "cli/ProfileCommands.h"
#include "cli/SubCommands.h"
#include "lindrel32/client/LibraryObjects.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/UserCatalogue.h"
#include "platform/machine/Machine.h"
#include "tweaks/ChangeText.h"
#include "tweaks/Numbers.h"
#include "tweaks/TweakSession.h"

// vantix-cli fn: the hidden functions of the catalogue on the current image.
namespace vantix::cli {

namespace {

using tweaks::TweakError;

std::unique_ptr<platform::Database> openCatalogueOfProgram() {
    return platform::openUserCatalogue(platform::programDir() / platform::kCatalogueFileName);
}

std::string platformsOf(std::int64_t bs) {
    std::string out;
    for (const auto kind : {platform::WindowsPlatform::Nt4, platform::WindowsPlatform::Win95,
                            platform::WindowsPlatform::Win98})
        if (tweaks::availableOn(bs, static_cast<int>(kind)))
            out += (out.empty() ? "" : ",") + std::string(platform::platformName(kind));
    return out;
}

std::optional<std::int64_t> parseId(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoll(text);
}

const char* restartText(int mode) {
    switch (mode) {
        case 1:
            return "RESTART.EXE";
        case 2:
            return "restart of Windows";
        default:
            return "none";
    }
}

// The state as one short text: the letter of the option, the slider position, the text.
std::string stateText(const tweaks::PageState& state) {
    switch (state.presentation) {
        case tweaks::Presentation::Option:
            return state.selectedOption ? state.ChoiceLetter : "-";
        case tweaks::Presentation::Slider:
            return state.slider.numberBox;
        case tweaks::Presentation::Text:
            return "\"" + state.text + "\"";
        default:
            return "-";
    }
}

std::string defaultText(const tweaks::PageState& state) {
    if (const auto* text = std::get_if<std::string>(&state.DefaultValue))
        return "\"" + *text + "\"";
    const double number = std::get<double>(state.DefaultValue);
    if (state.presentation == tweaks::Presentation::Option)
        return number == 1 ? "A" : number == 2 ? "B" : tweaks::formatNumber(number);
    return tweaks::formatNumber(number);
}

// Whether the state read after an apply shows what was asked for; a function
// whose value cannot be read is taken at its word.
bool readsAsRequested(const tweaks::OpenedFunction& function, const tweaks::PageState& state,
                      const tweaks::ApplyRequest& request, tweaks::TweakHost& host) {
    const std::string& kind = function.property.kind;
    if (kind != "REG" && kind != "INI") return true;
    switch (state.presentation) {
        case tweaks::Presentation::Option:
            return state.selectedOption == (request.letter == "A" ? 1 : 2);
        case tweaks::Presentation::Slider:
            return !request.value ||
                   state.slider.numberBox == std::to_string(std::stoll(*request.value));
        case tweaks::Presentation::Text: {
            if (!request.value || request.value->empty())
                return true;  // the emptied page's own rule
            std::string wanted = tweaks::FieldText(*request.value);
            return state.text == host.expand(wanted);
        }
        default:
            return true;
    }
}

// The function, refused when the image's platform does not have it.
struct Target {
    std::unique_ptr<platform::Database> database;
    std::unique_ptr<tweaks::TweakSession> session;
    tweaks::OpenedFunction function;
};

std::optional<Target> target(CommandContext& context, const std::string& idText, int& status) {
    const auto id = parseId(idText);
    if (!id) {
        status = usageError(context, "not a function ID: '" + idText + "'");
        return std::nullopt;
    }
    Target t;
    t.database = openCatalogueOfProgram();
    auto& machine = platform::currentMachine();
    t.session = std::make_unique<tweaks::TweakSession>(machine, *t.database, platform::programDir(),
                                                       lindrel32::registryObject(),
                                                       lindrel32::functionsObject());
    try {
        t.function = t.session->open(*id);
    } catch (const TweakError& error) {
        status = usageError(context, error.what());
        return std::nullopt;
    }
    const int code = t.session->platformCode();
    if (!tweaks::availableOn(t.function.function.bs, code)) {
        status = usageError(
            context,
            "function " + idText + " (" + t.function.function.name + ") does not exist on " +
                std::string(platform::platformName(static_cast<platform::WindowsPlatform>(code))));
        return std::nullopt;
    }
    return t;
}

int list(CommandContext& context, Args args) {
    bool all = false;
    for (const auto& arg : args) {
        if (arg != "--all") return usageError(context, "unknown option '" + arg + "'");
        all = true;
    }
    auto database = openCatalogueOfProgram();
    const int code = all ? 0 : static_cast<int>(platform::currentMachine().platform());
    // One pass over the property rows; the first row of each function counts.
    std::map<std::int64_t, std::string> presentations;
    for (auto rows =
             database->openRecordset("SELECT ITEM_ID, TYP FROM HIDDEN_EIGENSCHAFT ORDER BY rowid");
         !rows->eof(); rows->moveNext())
        presentations.emplace(rows->integer("ITEM_ID"), rows->text("TYP"));
    std::string out;
    for (const auto& f : tweaks::listHiddenFunctions(*database, code)) {
        auto it = presentations.find(f.id);
        out += std::to_string(f.id) + "\t" + f.folderPath + "\t" + f.name + "\t" +
               (it == presentations.end() ? "-" : it->second);
        if (all) out += "\t" + platformsOf(f.bs);
        out += "\n";
    }
    context.out << out;
    return kSuccess;
}

int show(CommandContext& context, Args args) {
    int status = kSuccess;
    auto t = target(context, args[0], status);
    if (!t) return status;
    const auto& p = t->function.property;
    const tweaks::PageState state = t->session->state(t->function);
    const auto lastApply = t->session->journal().last(t->function.function.id);
    auto& out = context.out;
    out << "id\t" << t->function.function.id << "\n"
        << "name\t" << t->function.function.name << "\n"
        << "folder\t" << t->function.function.folderPath << "\n"
        << "platforms\t" << platformsOf(t->function.function.bs) << "\n"
        << "presentation\t" << p.presentation << "\n";
    if (state.presentation == tweaks::Presentation::Option)
        out << "A\t" << p.captionA << "\n"
            << "B\t" << p.captionB << "\n";
    else if (state.presentation == tweaks::Presentation::Slider)
        out << "range\t" << p.sliderMin << " (" << p.captionA << ") to " << p.sliderMax << " ("
            << p.captionB << ")\n";
    else
        out << "caption\t" << p.captionA << "\n";
    out << "value\t" << state.currentValue << "\n"
        << "state\t" << stateText(state) << "\n"
        << "default\t" << defaultText(state) << "\n"
        << "drift\t" << tweaks::driftName(t->session->drift(t->function, state, lastApply)) << "\n"
        << "restart\t" << restartText(p.restart) << "\n";
    if (p.remarks != "#") out << "remarks\t" << p.remarks << "\n";
    out << "help\t" << p.help << "\n";
    return kSuccess;
}

int apply(CommandContext& context, Args args) {
    tweaks::ApplyRequest request;
    bool dryRun = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--dry-run") {
            dryRun = true;
        } else if (args[i] == "--value" && i + 1 < args.size()) {
            request.value = args[++i];
        } else {
            return usageError(context, "unknown option '" + args[i] + "'");
        }
    }
    request.letter = args[1];
    int status = kSuccess;
    auto t = target(context, args[0], status);
    if (!t) return status;
    request.itemId = t->function.function.id;
    try {
        if (dryRun) {
            const auto preview = t->session->preview(request);
            const auto expected = tweaks::describeChanges(preview.changes);
            for (const auto& line : expected) context.out << line << "\n";
            if (expected.empty()) context.out << "no changes\n";
            context.out << "restart\t" << restartText(preview.restart) << "\n";
            return kSuccess;
        }
        const auto outcome = t->session->apply(request);
        if (!outcome.registryProblem.empty()) {
            context.err << "vantix-cli: the registry was not changed: " << outcome.registryProblem
                        << "\n";
            return kAbsent;
        }
        const auto made = tweaks::describeChanges(outcome.changes);
        for (const auto& line : made) context.out << line << "\n";
        if (made.empty()) context.out << "no changes\n";
        context.out << "restart\t" << restartText(outcome.restart) << "\n";
        for (const auto& problem : outcome.problems)
            context.err << "vantix-cli: " << problem << "\n";
        if (!outcome.problems.empty()) return kAbsent;
        // The engine applies best effort and stays silent; the command line
        // must not call a refused write a success.
        const auto after = t->session->state(t->function);
        if (!readsAsRequested(t->function, after, request, t->session->host())) {
            context.err << "vantix-cli: the function does not read as the chosen state afterwards "
                           "(it reads \""
                        << after.currentValue
                        << "\"): the input was not accepted or a write was refused\n";
            return kAbsent;
        }
    } catch (const TweakError& error) {
        return usageError(context, error.what());
    }
    return kSuccess;
}

int undo(CommandContext& context, Args args) {
    bool force = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--force") return usageError(context, "unknown option '" + args[i] + "'");
        force = true;
    }
    int status = kSuccess;
    auto t = target(context, args[0], status);
    if (!t) return status;
    tweaks::UndoOutcome outcome;
    try {
        outcome =
            t->session->undo(t->function.function.id,
                             force ? tweaks::UndoMode::Force : tweaks::UndoMode::RefuseIfChanged);
    } catch (const TweakError& error) {
        context.err << "vantix-cli: " << error.what() << "\n";
        return kAbsent;
    }
    for (const auto& damaged : outcome.damagedEntries)
        context.err << "vantix-cli: damaged journal entry not restored: " << damaged << "\n";
    if (!outcome.differences.empty()) {
        context.err << (outcome.undone ? "vantix-cli: overwritten (--force):\n"
                                       : "vantix-cli: changed since the apply, nothing undone "
                                         "(--force overrides):\n");
        for (const auto& d : outcome.differences)
            context.err << "  " << d.what << ": the apply left " << d.left << ", now " << d.now
                        << ", undo writes " << d.undoWrites << "\n";
    }
    for (const auto& problem : outcome.problems) context.err << "vantix-cli: " << problem << "\n";
    if (!outcome.undone || !outcome.problems.empty()) return kAbsent;
    context.out << "undone\t" << t->function.function.id << "\t" << t->function.function.name
                << "\n";
    return kSuccess;
}

int journal(CommandContext& context, Args args) {
    auto& machine = platform::currentMachine();
    tweaks::Journal journal(machine.dir());
    if (!args.empty() && args[0] == "--drop") {
        if (args.size() != 2) return usageError(context, "usage: fn journal --drop ENTRY");
        try {
            journal.drop(args[1]);
        } catch (const std::invalid_argument& error) {
            return usageError(context, error.what());
        } catch (const std::runtime_error& error) {
            context.err << "vantix-cli: " << error.what() << "\n";
            return kAbsent;
        }
        context.out << "dropped\t" << args[1] << "\n";
        return kSuccess;
    }
    std::optional<std::int64_t> id;
    if (!args.empty()) {
        if (args.size() > 1)
            return usageError(context, "usage: fn journal [ID] | fn journal --drop ENTRY");
        id = parseId(args[0]);
        if (!id) return usageError(context, "not a function ID: '" + args[0] + "'");
    }
    for (const auto& file : journal.files(id)) {
        context.out << file.fileName << "\t" << file.itemId << "\t";
        if (!file.entry) {
            context.out << "damaged\t" << file.damage << "\n";
            continue;
        }
        const auto& e = *file.entry;
        const auto& effect = e.effect;
        context.out << e.letter << (e.input.empty() ? "" : " \"" + e.input + "\"") << "\t"
                    << effect.values.size() << " values, " << effect.files.size() << " files\n";
    }
    return kSuccess;
}

int statusAll(CommandContext& context, Args) {
    auto database = openCatalogueOfProgram();
    auto& machine = platform::currentMachine();
    tweaks::TweakSession session(machine, *database, platform::programDir(),
                                 lindrel32::registryObject(), lindrel32::functionsObject());
    const auto journal = session.journal().lastOfEach();
    // The catalogue read once for all functions, not row by row for each.
    const auto properties = tweaks::firstPropertyOfEach(*database);
    std::string out;
    for (const auto& f : tweaks::listHiddenFunctions(*database, session.platformCode())) {
        out += std::to_string(f.id) + "\t" + f.name + "\t";
        try {
            const auto property = properties.find(f.id);
            if (property == properties.end()) throw tweaks::missingPropertyRow(f);
            const tweaks::OpenedFunction opened{f, property->second};
            const auto state = session.state(opened);
            auto entry = journal.find(f.id);
            const std::optional<tweaks::JournalEntry> last =
                entry == journal.end() ? std::nullopt
                                       : std::optional<tweaks::JournalEntry>(entry->second);
            out += stateText(state) + "\t" + tweaks::driftName(session.drift(opened, state, last));
        } catch (const TweakError& error) {
            out += "-\t" + std::string(error.what());
        }
        out += "\n";
    }
    context.out << out;
    return kSuccess;
}

constexpr SubCommand kCommands[] = {
    {"list", "[--all]",
     "ID, folder, name and presentation of the functions of this platform (--all: every platform)",
     0, 1, list},
    {"show", "ID", "current state, default, drift, restart need and help of a function", 1, 1,
     show},
    {"apply", "ID A|B [--value TEXT] [--dry-run]",
     "apply a choice (slider position or text with --value); --dry-run prints what would change", 2,
     5, apply},
    {"undo", "ID [--force]",
     "restore exactly what the last apply of the function changed; 1 (and nothing changed) when "
     "any of it changed since, unless --force; 1 when there is nothing to undo",
     1, 2, undo},
    {"journal", "[ID] | --drop ENTRY",
     "list the journal's entries (file, function, choice, what it holds, or why it is damaged); "
     "--drop removes one",
     0, 2, journal},
    {"status", "",
     "every function of this platform with its state and whether it is at its default, as Vantix "
     "left it, or changed elsewhere",
     0, 0, statusAll},
    {"export", "FILE",
     "write the state of every function of this image as a settings profile (INI text)", 1, 1,
     exportProfileCommand},
    {"import", "FILE [--dry-run]",
     "apply a settings profile: one preview of everything, one journal entry per function; "
     "functions this platform lacks are skipped",
     1, 2, importProfileCommand},
};

}  // namespace

int runFnCommand(CommandContext& context, Args args) {
    return dispatch(context, "fn", kCommands, args);
}

}  // namespace vantix::cli
