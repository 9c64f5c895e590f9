#include "tweaks/SelfTest.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "platform/text/Text.h"

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

// Where a function's first apply wrote: the keys of its values, the keys it
// created or deleted, its files; and the values themselves.
struct Footprint {
    std::int64_t itemId = 0;
    std::string name;
    ApplyRequest request;
    std::set<std::string> places;
    std::set<std::string> values;
};

Footprint footprintOf(const HiddenFunction& function, const ApplyRequest& request,
                      const ApplyEffect& effect) {
    Footprint f{function.id, function.name, request, {}, {}};
    for (const auto& v : effect.values) {
        f.places.insert("key " + v.hive + "\\" + text::foldCase(v.key));
        f.values.insert(v.hive + "\\" + text::foldCase(v.key) + "\n" + text::foldCase(v.name));
    }
    for (const auto& k : effect.keys)
        if (k.existedBefore != k.existsAfter)
            f.places.insert("key " + k.hive + "\\" + text::foldCase(k.key));
    for (const auto& file : effect.files) f.places.insert("file " + file.relative.string());
    return f;
}

template <typename Set>
bool meet(const Set& a, const Set& b) {
    return std::any_of(a.begin(), a.end(), [&](const auto& x) { return b.count(x) != 0; });
}

void checkFunction(TweakSession& session, const fs::path& imageDir, const HiddenFunction& function,
                   platform::WindowsPlatform platform, SelfTestReport& report,
                   std::vector<Footprint>& footprints) {
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
            if (footprints.empty() || footprints.back().itemId != function.id)
                if (auto entry = session.journal().last(function.id))
                    footprints.push_back(footprintOf(function, attempt.request, entry->effect));
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

// Applies `a` then `b` and undoes them in the given order.
void checkPair(TweakSession& session, const fs::path& imageDir, const Footprint& a,
               const Footprint& b, bool aFirst, platform::WindowsPlatform platform,
               SelfTestReport& report) {
    const std::string order = aFirst ? " (undoing it first)" : " (undoing it last)";
    auto fail = [&](const std::string& problem) {
        report.failures.push_back(
            {platform, a.itemId, a.name,
             "with " + std::to_string(b.itemId) + " " + b.name + order + ": " + problem});
    };
    const Snapshot before = snapshotOf(imageDir);
    if (!session.apply(a.request).journalled || !session.apply(b.request).journalled)
        return fail("an apply of the pair changed nothing");
    const auto firstId = aFirst ? a.itemId : b.itemId;
    const auto secondId = aFirst ? b.itemId : a.itemId;
    const auto secondEntry = session.journal().last(secondId);
    UndoOutcome first = session.undo(firstId);
    // Undoing the older of two applies that changed the same value is refused:
    // the younger one is undone first then.
    const bool sameValue = meet(a.values, b.values);
    if (!first.undone && sameValue && aFirst) {
        const UndoOutcome younger = session.undo(secondId);
        first = session.undo(firstId);
        if (!younger.undone || !first.undone) return fail("undo in the other order failed too");
    } else {
        if (!first.undone) return fail("the first undo was refused or failed");
        if (secondEntry && !sameValue)
            for (const auto& d : session.changedSince(*secondEntry))
                fail("the first undo changed the other function's " + d.what);
        if (!session.undo(secondId).undone) return fail("the second undo was refused or failed");
    }
    for (const auto& problem : first.problems) fail(problem);
    const std::string diff = differences(before, snapshotOf(imageDir));
    if (!diff.empty()) fail("undoing both is not exact: " + diff);
}

void checkPairs(TweakSession& session, const fs::path& imageDir,
                const std::vector<Footprint>& footprints, platform::WindowsPlatform platform,
                SelfTestReport& report) {
    for (std::size_t i = 0; i < footprints.size(); ++i)
        for (std::size_t j = i + 1; j < footprints.size(); ++j) {
            if (!meet(footprints[i].places, footprints[j].places)) continue;
            ++report.pairs;
            for (const bool aFirst : {true, false}) try {
                    checkPair(session, imageDir, footprints[i], footprints[j], aFirst, platform,
                              report);
                } catch (const std::exception& error) {
                    report.failures.push_back(
                        {platform, footprints[i].itemId, footprints[i].name,
                         "with " + std::to_string(footprints[j].itemId) + ": " + error.what()});
                }
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
        std::vector<Footprint> footprints;
        for (const auto& function : listHiddenFunctions(*database, static_cast<int>(platform))) {
            if (progress)
                progress(std::string(platform::platformName(platform)) + " " +
                         std::to_string(function.id) + " " + function.name);
            ++report.checked;
            checkFunction(session, imageDir, function, platform, report, footprints);
        }
        if (progress) progress(std::string(platform::platformName(platform)) + " pairs");
        checkPairs(session, imageDir, footprints, platform, report);
    }
    return report;
}

}  // namespace vantix::tweaks
