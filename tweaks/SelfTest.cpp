#include "tweaks/SelfTest.h"

#include <fstream>
#include <iterator>
#include <map>

#include "platform/database/CatalogueFile.h"
#include "tweaks/TweakSession.h"

namespace vantix::tweaks {

namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshotOf(const fs::path& root) {
    Snapshot files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().filename() == "vantix-journal") {
            it.disable_recursion_pending();
            continue;
        }
        std::error_code typeError;
        if (it->is_symlink(typeError) || !it->is_regular_file(typeError)) continue;
        std::ifstream in(it->path(), std::ios::binary);
        files[fs::relative(it->path(), root).string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

std::string differences(const Snapshot& before, const Snapshot& after) {
    std::string out;
    auto add = [&](const std::string& text) { out += (out.empty() ? "" : ", ") + text; };
    for (const auto& [name, bytes] : before) {
        auto it = after.find(name);
        if (it == after.end())
            add(name + " is gone");
        else if (it->second != bytes)
            add(name + " differs");
    }
    for (const auto& [name, bytes] : after)
        if (!before.count(name)) add(name + " is new");
    return out;
}

bool hasCommands(platform::Database& database, std::int64_t itemId, const std::string& letter) {
    auto rows = database.openRecordset("select * from HIDDEN_BEFEHLE Where ITEM_ID = " +
                                       std::to_string(itemId));
    for (; !rows->eof(); rows->moveNext())
        if (rows->text("Kennung") == letter) return true;
    return false;
}

struct Attempt {
    ApplyRequest request;
    std::string expectation;  // what the state must read afterwards, for the message
    std::function<bool(const PageState&)> shows;  // empty: the state is not checked
};

std::vector<Attempt> attemptsFor(platform::Database& database, const OpenedFunction& f,
                                 const PageState& fresh) {
    std::vector<Attempt> attempts;
    const auto id = f.function.id;
    const bool readable = f.property.kind == "REG" || f.property.kind == "INI";
    switch (fresh.presentation) {
        case Presentation::Option:
            for (const int option : {1, 2}) {
                const std::string letter = option == 1 ? "A" : "B";
                if (!hasCommands(database, id, letter)) continue;
                Attempt a{{id, letter, std::nullopt}, "option " + std::to_string(option), nullptr};
                if (readable)
                    a.shows = [option](const PageState& s) { return s.selectedOption == option; };
                attempts.push_back(std::move(a));
            }
            break;
        case Presentation::Slider: {
            const std::int64_t value = fresh.slider.position != f.property.sliderMin
                                           ? f.property.sliderMin
                                           : f.property.sliderMax;
            Attempt a{
                {id, "A", std::to_string(value)}, "position " + std::to_string(value), nullptr};
            if (readable)
                a.shows = [value](const PageState& s) { return s.slider.position == value; };
            attempts.push_back(std::move(a));
            break;
        }
        case Presentation::Text: {
            const std::string text = f.property.typeLetter == "D" ? "4" : "Vantix check";
            Attempt a{{id, "A", text}, "the text \"" + text + "\"", nullptr};
            if (readable) a.shows = [text](const PageState& s) { return s.text == text; };
            attempts.push_back(std::move(a));
            attempts.push_back({{id, "A", std::string()}, "an emptied text", nullptr});
            break;
        }
        case Presentation::Unknown:
            break;
    }
    return attempts;
}

void checkFunction(TweakSession& session, const fs::path& imageDir, const HiddenFunction& function,
                   platform::WindowsPlatform platform, SelfTestReport& report) {
    auto fail = [&](const std::string& problem) {
        report.failures.push_back({platform, function.id, function.name, problem});
    };
    try {
        const OpenedFunction opened = session.open(function.id);
        const PageState fresh = session.state(opened);
        if (fresh.presentation == Presentation::Unknown)
            return fail("unknown presentation " + opened.property.presentation);
        const bool readable = opened.property.kind == "REG" || opened.property.kind == "INI";
        if (readable && !session.atDefault(opened, fresh))
            fail("a fresh image does not show the default (it reads \"" + fresh.currentValue +
                 "\")");
        for (const Attempt& attempt : attemptsFor(session.database(), opened, fresh)) {
            const Snapshot before = snapshotOf(imageDir);
            const std::string what =
                "choice " + attempt.request.letter +
                (attempt.request.value ? " with \"" + *attempt.request.value + "\"" : "");
            const ApplyOutcome outcome = session.apply(attempt.request);
            if (attempt.shows) {
                const PageState after = session.state(opened);
                if (!attempt.shows(after))
                    fail(what + " does not read back as " + attempt.expectation + " (it reads \"" +
                         after.currentValue + "\")");
            }
            if (!outcome.journalled) continue;
            const UndoOutcome undone = session.undo(function.id);
            for (const auto& d : undone.differences)
                fail("undo of " + what + " sees a change since at " + d.what);
            for (const auto& problem : undone.problems) fail("undo of " + what + ": " + problem);
            const std::string diff = differences(before, snapshotOf(imageDir));
            if (!diff.empty()) fail("undo of " + what + " is not exact: " + diff);
        }
    } catch (const std::exception& error) {
        fail(error.what());
    }
}

}  // namespace

SelfTestReport runSelfTest(const fs::path& catalogueFile, const fs::path& programDir,
                           const std::vector<platform::WindowsPlatform>& platforms,
                           const fs::path& scratchDir,
                           const std::function<void(const std::string&)>& progress) {
    SelfTestReport report;
    auto database = platform::openCatalogue(catalogueFile, platform::catalogueConnectString(),
                                            {.readOnly = true});
    for (const auto platform : platforms) {
        const fs::path imageDir = scratchDir / std::string(platform::platformName(platform));
        auto machine = platform::Machine::create(imageDir, platform);
        TweakSession session(*machine, *database, programDir);
        for (const auto& function : listHiddenFunctions(*database, static_cast<int>(platform))) {
            if (progress)
                progress(std::string(platform::platformName(platform)) + " " +
                         std::to_string(function.id) + " " + function.name);
            ++report.checked;
            checkFunction(session, imageDir, function, platform, report);
        }
    }
    return report;
}

}  // namespace vantix::tweaks
