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
#include "tweaks/Undo.h"

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
    // Commands that were refused (a rename, a delete) and journal problems:
    // the apply is then not complete.
    std::vector<std::string> problems;
    // The apply's journal entry; nullopt when it changed nothing (or for a preview).
    std::optional<std::int64_t> journalled;
};

enum class UndoMode {
    RefuseIfChanged,  // change nothing when anything the apply changed reads differently now
    Force,            // restore even over later changes
};

struct UndoOutcome {
    bool undone = false;
    // Why a careful undo was refused: each place that changed since the apply.
    // With Force they are listed too, and overwritten.
    std::vector<UndoDifference> differences;
    std::vector<std::string> problems;  // met while restoring
    // Newer entries of the function that cannot be read (file names): never
    // restored, and they do not hide the entry that was undone.
    std::vector<std::string> damagedEntries;
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
    // Through the program's library objects (see LibraryHost).
    TweakSession(platform::Machine& machine, platform::Database& database,
                 std::filesystem::path programDir, lindrel32::IQVREG& registry,
                 lindrel32::IQVFKT& functions);

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
    // Restores what the function's last apply changed, and only that. By
    // default it refuses (changing nothing) when any of it was changed since,
    // by another function or another program, and lists the differences.
    // Throws TweakError when the journal holds no readable apply of it.
    UndoOutcome undo(std::int64_t itemId, UndoMode mode = UndoMode::RefuseIfChanged);
    // What reads differently now than `entry` left it (empty: nothing).
    std::vector<UndoDifference> changedSince(const JournalEntry& entry);
    // Default, as the last apply left it (its value and everything it changed
    // read as it left them), or changed elsewhere; the same rule as undo's.
    Drift drift(const OpenedFunction& function, const PageState& state,
                const std::optional<JournalEntry>& lastApply);
    // The folders journalled file paths are relative to.
    FileRoots fileRoots() const;

    Journal& journal() { return journal_; }
    LibraryHost& host() { return host_; }
    platform::Database& database() { return database_; }

private:
    ApplyOutcome run(const OpenedFunction& function, const ApplyRequest& request, bool dryRun);

    platform::Machine& machine_;
    platform::Database& database_;
    LibraryHost host_;
    Journal journal_;
};

}  // namespace vantix::tweaks
