#include "cli/ProfileCommands.h"

#include "lindrel32/client/LibraryObjects.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/UserCatalogue.h"
#include "platform/files/FileIo.h"
#include "platform/machine/Machine.h"
#include "tweaks/ChangeText.h"
#include "tweaks/Profile.h"

namespace vantix::cli {

namespace {

// A profile is a short text; anything larger is not one.
constexpr std::size_t kMaxProfileBytes = 4 * 1024 * 1024;

struct Session {
    Session()
        : database(
              platform::openUserCatalogue(platform::programDir() / platform::kCatalogueFileName)),
          tweaks(platform::currentMachine(), *database, platform::programDir(),
                 lindrel32::registryObject(), lindrel32::functionsObject()) {}
    std::unique_ptr<platform::Database> database;
    tweaks::TweakSession tweaks;
};

std::string title(const tweaks::ProfileEntry& entry) {
    return std::to_string(entry.id) + "\t" + entry.name;
}

}  // namespace

int exportProfileCommand(CommandContext& context, Args args) {
    Session session;
    std::vector<std::string> leftOut;
    const auto entries = tweaks::exportProfile(session.tweaks, leftOut);
    const std::string text =
        tweaks::formatProfile(entries, platform::currentMachine().dir().string());
    const auto before = platform::readWholeFile(args[0], kMaxProfileBytes);
    if (const auto status = platform::replaceFile(args[0], text, before); !status) {
        context.err << "vantix-cli: cannot write " << args[0] << ": " << status.message << "\n";
        return kAbsent;
    }
    for (const auto& line : leftOut) context.out << "left out\t" << line << "\n";
    context.out << "exported\t" << entries.size() << " functions to " << args[0] << "\n";
    return kSuccess;
}

int importProfileCommand(CommandContext& context, Args args) {
    bool dryRun = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] != "--dry-run") return usageError(context, "unknown option '" + args[i] + "'");
        dryRun = true;
    }
    platform::FileStatus read;
    const auto text = platform::readWholeFile(args[0], kMaxProfileBytes, &read);
    if (!text)
        return usageError(context, "cannot read the profile " + args[0] + ": " + read.message);
    std::vector<tweaks::ProfileEntry> entries;
    try {
        entries = tweaks::parseProfile(*text);
    } catch (const tweaks::ProfileError& error) {
        return usageError(context, args[0] + ": " + error.what());
    }

    Session session;
    // Everything is previewed before anything is written, so the skips are
    // told first and the dry run shows the whole profile at once.
    const auto steps = tweaks::planImport(session.tweaks, entries);
    std::size_t changing = 0, unchanged = 0, skipped = 0;
    for (const auto& step : steps) {
        using Kind = tweaks::ImportStep::Kind;
        if (step.kind == Kind::Skipped) {
            ++skipped;
            context.out << "skipped\t" << title(step.entry) << ": " << step.reason << "\n";
        } else if (step.kind == Kind::AlreadySet) {
            ++unchanged;
        } else {
            ++changing;
        }
    }
    int status = kSuccess;
    for (const auto& step : steps) {
        if (step.kind != tweaks::ImportStep::Kind::Apply) continue;
        context.out << (dryRun ? "would apply\t" : "apply\t") << title(step.entry) << "\t"
                    << step.entry.letter << "\n";
        if (dryRun) {
            for (const auto& line : tweaks::describeChanges(step.preview.changes))
                context.out << "  " << line << "\n";
            continue;
        }
        const tweaks::ApplyRequest request{step.entry.id, step.entry.letter, step.entry.value};
        const auto outcome = session.tweaks.apply(request);
        for (const auto& line : tweaks::describeChanges(outcome.changes))
            context.out << "  " << line << "\n";
        if (!outcome.registryProblem.empty()) {
            context.err << "vantix-cli: " << step.entry.id
                        << ": the registry was not changed: " << outcome.registryProblem << "\n";
            status = kAbsent;
        } else if (!tweaks::readsAsProfile(session.tweaks, step.entry)) {
            context.err << "vantix-cli: " << step.entry.id
                        << ": does not read as the profile asks afterwards (a write was refused)\n";
            status = kAbsent;
        }
    }
    context.out << (dryRun ? "would change\t" : "changed\t") << changing << ", already set "
                << unchanged << ", skipped " << skipped << "\n";
    return status;
}

}  // namespace vantix::cli
