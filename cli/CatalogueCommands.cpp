#include <stdlib.h>

#include <filesystem>

#include "cli/Commands.h"
#include "cli/SubCommands.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/UserCatalogue.h"
#include "platform/machine/Machine.h"
#include "tweaks/HiddenCatalogue.h"
#include "tweaks/SelfTest.h"

// vantix-cli catalogue: facts about QUORVIA.MDE and its self-test.
namespace vantix::cli {

namespace {

// The user's copy, which every other command works on.
std::filesystem::path catalogueFile() {
    return platform::userCatalogue(platform::programDir() / platform::kCatalogueFileName);
}

int info(CommandContext& context, Args) {
    const auto file = catalogueFile();
    auto db = platform::openCatalogue(file, platform::catalogueConnectString(), {.readOnly = true});
    auto count = [&](const char* table) {
        return db->scalar(std::string("SELECT count(*) FROM ") + table)->toInteger();
    };
    auto& out = context.out;
    char id[16];
    std::snprintf(id, sizeof id, "0x%08X",
                  static_cast<unsigned>(db->scalar("PRAGMA application_id")->toInteger()));
    out << "file\t" << file.string() << "\n"
        << "installed\t" << (platform::programDir() / platform::kCatalogueFileName).string() << "\n"
        << "application id\t" << id << "\n"
        << "schema version\t" << platform::catalogueSchemaVersion(*db) << "\n"
        << "revision\t" << platform::catalogueRevision(*db) << "\n"
        << "sidebar folders\t" << count("BAR_FOLDER") << "\n"
        << "groups\t" << count("BAR_CONTROL") << "\n"
        << "tools\t" << count("LIST_UTILITI") << "\n"
        << "function folders\t" << count("HIDDEN_FOLDERS") << "\n"
        << "functions\t" << count("HIDDEN_ITEMS") << "\n";
    for (const auto kind : {platform::WindowsPlatform::Nt4, platform::WindowsPlatform::Win95,
                            platform::WindowsPlatform::Win98})
        out << "functions on " << platform::platformName(kind) << "\t"
            << tweaks::listHiddenFunctions(*db, static_cast<int>(kind)).size() << "\n";
    out << "commands\t" << count("HIDDEN_BEFEHLE") << "\n";
    return kSuccess;
}

int check(CommandContext& context, Args args) {
    std::vector<platform::WindowsPlatform> platforms;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--platform" || i + 1 >= args.size())
            return usageError(context, "usage: catalogue check [--platform win95|win98|nt4]...");
        const auto kind = platform::platformFromName(args[++i]);
        if (!kind)
            return usageError(context, "unknown platform '" + args[i] + "' (win95, win98 or nt4)");
        platforms.push_back(*kind);
    }
    if (platforms.empty())
        platforms = {platform::WindowsPlatform::Win95, platform::WindowsPlatform::Win98,
                     platform::WindowsPlatform::Nt4};

    {
        // Every page, which opening does not read: a damaged file fails here with the engine's
        // message.
        const auto file = catalogueFile();
        platform::checkCatalogue(
            *platform::openCatalogue(file, platform::catalogueConnectString(), {.readOnly = true}),
            file);
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "vantix-check-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        context.err << "vantix-cli: cannot make a scratch folder in "
                    << std::filesystem::temp_directory_path() << "\n";
        return kAbsent;
    }
    const std::filesystem::path scratch = pattern;
    tweaks::SelfTestReport report;
    try {
        report = tweaks::runSelfTest(catalogueFile(), platform::programDir(), platforms, scratch);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
        throw;
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    for (const auto& failure : report.failures)
        context.out << "FAIL\t" << platform::platformName(failure.platform) << "\t"
                    << failure.itemId << "\t" << failure.name << "\t" << failure.problem << "\n";
    context.out << "pairs\t" << report.pairs << "\n"
                << report.checked << " checked, " << report.failures.size() << " failed\n";
    return report.failures.empty() ? kSuccess : kAbsent;
}

constexpr SubCommand kCommands[] = {
    {"info", "", "the catalogue file, its id and schema version, and how many rows it holds", 0, 0,
     info},
    {"check", "[--platform win95|win98|nt4]...",
     "self-test: every function on a fresh scratch image of each platform (all three by default), "
     "then every two functions sharing a key or file, undone in both orders; 1 when any fails",
     0, 6, check},
};

}  // namespace

int runCatalogueCommand(CommandContext& context, Args args) {
    return dispatch(context, "catalogue", kCommands, args);
}

}  // namespace vantix::cli
