#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tweaks/ChangeRecorder.h"

namespace vantix::platform {
class Registry;
}

// The undo journal of a machine image: one file per apply in the image's
// folder "vantix-journal", holding everything the apply changed as it was
// before. It survives restarts; undo restores an entry and removes it.
namespace vantix::tweaks {

struct JournalEntry {
    std::int64_t sequence = 0;  // order of the applies, assigned on append
    std::int64_t itemId = 0;
    std::string letter;
    std::string input;
    // The function's current value right after the apply: while it still reads
    // so, the function is as Vantix left it.
    std::string valueAfter;
    std::vector<RecordedChange> changes;
};

class Journal {
public:
    explicit Journal(const std::filesystem::path& imageDir);

    // Writes the entry (atomically) and gives it the next sequence number.
    // Throws std::runtime_error when the folder cannot be written.
    void append(JournalEntry& entry);
    // The newest entry of a function; nullopt when it has none or the entry
    // cannot be read (a damaged entry is never restored).
    std::optional<JournalEntry> last(std::int64_t itemId) const;
    // The newest entry of every function.
    std::map<std::int64_t, JournalEntry> lastOfEach() const;
    void remove(const JournalEntry& entry);

    const std::filesystem::path& folder() const { return folder_; }

    // Text form of an entry (exposed for tests of damaged entries).
    static std::string serialize(const JournalEntry& entry);
    static std::optional<JournalEntry> parse(const std::string& text);

private:
    std::filesystem::path fileOf(const JournalEntry& entry) const;
    std::vector<std::filesystem::path> entryFiles() const;
    std::filesystem::path folder_;
};

// Puts back what `changes` changed, newest first, so every key, value and file
// ends as it was before the first change: values and files with their exact
// bytes, key timestamps, attributes; what did not exist is removed again.
// Returns the problems met (empty: restored completely).
std::vector<std::string> restoreChanges(platform::Registry& registry,
                                        const std::vector<RecordedChange>& changes);

}  // namespace vantix::tweaks
