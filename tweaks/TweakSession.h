#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tweaks/ChangeRecorder.h"
#include "tweaks/HiddenCatalogue.h"
#include "tweaks/Journal.h"
#include "tweaks/LibraryHost.h"
#include "tweaks/PageState.h"

namespace vantix::platform {
class Database;
class Machine;
}  // namespace vantix::platform

// The hidden functions of one machine image: their state, applying a choice
// (or previewing it: the same code path, run against the registry's and the
// file layer's dry run), the undo journal and drift.
namespace vantix::tweaks {

struct ApplyRequest {
    std::int64_t itemId = 0;
    std::string letter = "A";
    // SLIDER: the position (required for "A"); TEXT: the text (absent = empty).
    std::optional<std::string> value;
};

struct ApplyOutcome {
    std::string letter;  // after the empty-text rule
    std::vector<RecordedChange> changes;
    int restart = 0;  // the function's Neustart
    // Why the registry refused the whole apply (a Wine server running on the
    // image, a file that cannot be written); empty when it did not.
    std::string registryProblem;
};

enum class Drift {
    Default,           // reads as Windows' default
    ChangedByVantix,   // reads as the last apply recorded in the journal left it
    ChangedElsewhere,  // neither: something else changed it
    NotReadable,       // the function has no readable current value
};
const char* driftName(Drift drift);

class TweakSession {
public:
    TweakSession(platform::Machine& machine, platform::Database& database,
                 std::filesystem::path programDir);

    int platformCode();
    // Throws TweakError for an unknown function or one without a property row.
    OpenedFunction open(std::int64_t itemId);
    PageState state(const OpenedFunction& function);
    bool atDefault(const OpenedFunction& function, const PageState& state);

    // What applying would change, computed by applying against the dry runs;
    // nothing reaches the disk. Throws TweakError for a request the page could
    // not make (no such letter, a slider value that is not a whole number in range).
    ApplyOutcome preview(const ApplyRequest& request);
    // Applies and records the before-image in the journal (when anything changed).
    ApplyOutcome apply(const ApplyRequest& request);
    // Restores the function's last apply; returns the problems met (empty:
    // restored exactly). Throws TweakError when the journal holds no apply of it.
    std::vector<std::string> undo(std::int64_t itemId);
    Drift drift(const OpenedFunction& function, const PageState& state,
                const std::optional<JournalEntry>& lastApply);

    Journal& journal() { return journal_; }
    LibraryHost& host() { return host_; }
    platform::Database& database() { return database_; }

private:
    ApplyOutcome run(const ApplyRequest& request, bool dryRun);

    platform::Machine& machine_;
    platform::Database& database_;
    LibraryHost host_;
    Journal journal_;
};

}  // namespace vantix::tweaks
