#include "tweaks/TweakSession.h"

#include <algorithm>
#include <cctype>

#include "platform/database/Database.h"
#include "platform/files/FileObserver.h"
#include "platform/machine/Machine.h"
#include "tweaks/ApplyHiddenFunction.h"
#include "tweaks/Numbers.h"
#include "tweaks/ReadHiddenState.h"

namespace vantix::tweaks {

namespace {

// Both dry runs on for as long as it lives; whatever happens, the pretended
// changes are dropped and the dry runs switched off again.
class DryRun {
public:
    explicit DryRun(platform::Registry& registry) : registry_(registry) {
        registry_.setDryRun(true);
        platform::setFileDryRun(true);
    }
    ~DryRun() {
        registry_.discardChanges();
        registry_.setDryRun(false);
        platform::discardFileOverlay();
        platform::setFileDryRun(false);
    }
    DryRun(const DryRun&) = delete;
    DryRun& operator=(const DryRun&) = delete;

private:
    platform::Registry& registry_;
};

bool isWholeNumber(const std::string& text) {
    std::size_t at = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (at >= text.size()) return false;
    for (; at < text.size(); ++at)
        if (!std::isdigit(static_cast<unsigned char>(text[at]))) return false;
    return text.size() <= 11;
}

PageInput inputFor(const OpenedFunction& function, const ApplyRequest& request) {
    if (request.letter != "A" && request.letter != "B")
        throw TweakError("The choice must be A or B, not \"" + request.letter + "\".");
    const Presentation presentation = presentationFromText(function.property.presentation);
    PageInput input;
    input.pageMode = pageModeOf(presentation);
    switch (presentation) {
        case Presentation::Option:
            if (request.value)
                throw TweakError("\"" + function.function.name +
                                 "\" takes no value: choose A or B.");
            break;
        case Presentation::Slider: {
            if (!request.value) {
                if (request.letter == "A")
                    throw TweakError("\"" + function.function.name +
                                     "\" needs a value (--value) between " +
                                     std::to_string(function.property.sliderMin) + " and " +
                                     std::to_string(function.property.sliderMax) + ".");
                break;
            }
            if (!isWholeNumber(*request.value))
                throw TweakError("The value must be a whole number: " + *request.value);
            const long long position = std::stoll(*request.value);
            if (position < function.property.sliderMin || position > function.property.sliderMax)
                throw TweakError("The value " + *request.value + " lies outside " +
                                 std::to_string(function.property.sliderMin) + " to " +
                                 std::to_string(function.property.sliderMax) + ".");
            input.sliderPosition = position;
            break;
        }
        case Presentation::Text:
            input.text = request.value.value_or("");
            break;
        case Presentation::Unknown:
            throw TweakError("\"" + function.function.name + "\" has the unknown presentation \"" +
                             function.property.presentation + "\" and cannot be applied.");
    }
    return input;
}

}  // namespace

const char* driftName(Drift drift) {
    switch (drift) {
        case Drift::Default:
            return "default";
        case Drift::ChangedByVantix:
            return "changed by Vantix";
        case Drift::ChangedElsewhere:
            return "changed elsewhere";
        case Drift::NotReadable:
            return "not readable";
    }
    return "";
}

TweakSession::TweakSession(platform::Machine& machine, platform::Database& database,
                           std::filesystem::path programDir)
    : machine_(machine),
      database_(database),
      host_(machine, std::move(programDir)),
      journal_(machine.dir()) {
}

TweakSession::TweakSession(platform::Machine& machine, platform::Database& database,
                           std::filesystem::path programDir, lindrel32::IQVREG& registry,
                           lindrel32::IQVFKT& functions)
    : machine_(machine),
      database_(database),
      host_(machine, std::move(programDir), registry, functions),
      journal_(machine.dir()) {
}

int TweakSession::platformCode() {
    return static_cast<int>(machine_.platform());
}

OpenedFunction TweakSession::open(std::int64_t itemId) {
    return openHiddenFunction(database_, itemId);
}

PageState TweakSession::state(const OpenedFunction& function) {
    return readStateOf(function.property, host_, function.property.presentation);
}

bool TweakSession::atDefault(const OpenedFunction& function, const PageState& state) {
    switch (state.presentation) {
        case Presentation::Option:
            return state.selectedOption == roundHalfEven(std::get<double>(state.DefaultValue));
        case Presentation::Slider: {
            const std::int64_t wanted = roundHalfEven(std::get<double>(state.DefaultValue));
            return state.slider.position ==
                   std::clamp<std::int64_t>(wanted,
                                            std::min<std::int64_t>(function.property.sliderMin,
                                                                   function.property.sliderMax),
                                            function.property.sliderMax);
        }
        case Presentation::Text:
            return state.text == std::get<std::string>(state.DefaultValue);
        case Presentation::Unknown:
            return false;
    }
    return false;
}

Drift TweakSession::drift(const OpenedFunction& function, const PageState& state,
                          const std::optional<JournalEntry>& lastApply) {
    const std::string& kind = function.property.kind;
    const bool readable = kind == "REG" || kind == "INI";
    if (lastApply) {
        const bool valueAsLeft = !readable || state.currentValue == lastApply->valueAfter;
        return valueAsLeft && changedSince(*lastApply).empty() ? Drift::ChangedByVantix
                                                               : Drift::ChangedElsewhere;
    }
    if (!readable) return Drift::NotReadable;
    return atDefault(function, state) ? Drift::Default : Drift::ChangedElsewhere;
}

FileRoots TweakSession::fileRoots() const {
    return {machine_.dir(), host_.programDir()};
}

std::vector<UndoDifference> TweakSession::changedSince(const JournalEntry& entry) {
    return differencesSince(machine_.registry(), fileRoots(), entry.effect);
}

ApplyOutcome TweakSession::run(const OpenedFunction& function, const ApplyRequest& request,
                               bool dryRun) {
    const PageInput input = inputFor(function, request);
    ApplyOutcome outcome;
    outcome.letter = request.letter;
    outcome.restart = function.property.restart;
    std::optional<DryRun> dry;
    if (dryRun) dry.emplace(machine_.registry());
    ChangeRecorder recorder(machine_.registry());
    // One registry save for all commands instead of one per command. Each
    // command still succeeds or fails on its own: the body never fails the batch.
    const platform::RegStatus saved = machine_.registry().batch([&] {
        ApplyHiddenFunction(database_, host_, request.itemId, input, outcome.letter);
        return platform::RegStatus::ok();
    });
    if (!saved) outcome.registryProblem = saved.message;
    outcome.changes = recorder.changes();
    outcome.problems = host_.takeRefusals();
    return outcome;
}

ApplyOutcome TweakSession::preview(const ApplyRequest& request) {
    return run(open(request.itemId), request, true);
}

ApplyOutcome TweakSession::apply(const ApplyRequest& request) {
    const OpenedFunction function = open(request.itemId);
    ApplyOutcome outcome = run(function, request, false);
    // The net effect as the registry and the disk read now: a refused save or
    // an operation that changed nothing leaves nothing to journal or to show.
    ApplyEffect effect = effectOf(machine_.registry(), fileRoots(), outcome.changes);
    if (!outcome.registryProblem.empty())
        std::erase_if(outcome.changes,
                      [](const RecordedChange& c) { return c.registry.has_value(); });
    std::erase_if(outcome.changes, [&](const RecordedChange& c) {
        if (!c.file) return false;
        const auto& path = c.file->change.path;
        return std::none_of(effect.files.begin(), effect.files.end(), [&](const FileEffect& f) {
            const auto host = fileRoots().resolve(f, nullptr);
            return host && host->lexically_normal() == path.lexically_normal();
        });
    });
    outcome.problems.insert(outcome.problems.end(), effect.problems.begin(), effect.problems.end());
    if (effect.empty()) return outcome;
    JournalEntry entry;
    entry.itemId = request.itemId;
    entry.letter = outcome.letter;
    entry.input = request.value.value_or("");
    entry.valueAfter = readCurrentValue(function.property, host_);
    entry.effect = std::move(effect);
    journal_.append(entry);
    outcome.journalled = entry.sequence;
    return outcome;
}

UndoOutcome TweakSession::undo(std::int64_t itemId, UndoMode mode) {
    UndoOutcome outcome;
    std::optional<JournalEntry> entry;
    for (auto& file : journal_.files(itemId)) {
        if (file.entry)
            entry = std::move(file.entry), outcome.damagedEntries.clear();
        else
            outcome.damagedEntries.push_back(file.fileName + " (" + file.damage + ")");
    }
    if (!entry)
        throw TweakError("The journal holds no change of function " + std::to_string(itemId) +
                         " to undo.");
    outcome.differences = changedSince(*entry);
    if (!outcome.differences.empty() && mode == UndoMode::RefuseIfChanged) return outcome;
    outcome.problems = restoreEffect(machine_.registry(), fileRoots(), entry->effect);
    if (!outcome.problems.empty()) return outcome;
    // Later applies that started from what this one left now start from
    // what was there before it.
    for (auto& later : journal_.newerThan(entry->sequence))
        if (rebaseOnto(later.effect, entry->effect) && !journal_.rewrite(later))
            outcome.problems.push_back("the journal entry " +
                                       Journal::fileNameOf(later.sequence, later.itemId) +
                                       " could not be updated");
    journal_.remove(*entry);
    outcome.undone = true;
    return outcome;
}

}  // namespace vantix::tweaks
