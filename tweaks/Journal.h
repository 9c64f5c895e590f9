#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tweaks/ApplyEffect.h"

// The undo journal of a machine image: one file per apply in the image's
// folder "vantix-journal", holding the net effect of the apply (each value,
// INI entry and file it changed, before and after). It survives restarts;
// undo restores an entry and removes it.
namespace vantix::tweaks {

struct JournalEntry {
    std::int64_t sequence = 0;  // order of the applies, assigned on append
    std::int64_t itemId = 0;
    std::string letter;
    std::string input;
    // The function's current value right after the apply: while it still reads
    // so, the function is as Vantix left it.
    std::string valueAfter;
    ApplyEffect effect;
};

// One file of the journal, readable or not.
struct JournalFile {
    std::string fileName;  // "0000000007-101.entry"
    std::int64_t sequence = 0;
    std::int64_t itemId = 0;  // from the file name, so a damaged entry still names its function
    std::optional<JournalEntry> entry;  // nullopt: damaged
    std::string damage;                 // why it cannot be read
};

class Journal {
public:
    explicit Journal(const std::filesystem::path& imageDir);

    // Writes the entry durably (flushed, then linked into place under a new
    // name: two processes appending at once never share a sequence number and
    // no entry is ever overwritten) and gives it that sequence number.
    // Throws std::runtime_error when the folder cannot be written.
    void append(JournalEntry& entry);
    // Every file of the journal, oldest first (of one function when `itemId` is given).
    std::vector<JournalFile> files(std::optional<std::int64_t> itemId = std::nullopt) const;
    // The newest readable entry of a function: a damaged newer one is never
    // restored and does not hide it.
    std::optional<JournalEntry> last(std::int64_t itemId) const;
    // The newest readable entry of every function.
    std::map<std::int64_t, JournalEntry> lastOfEach() const;
    // Entries newer than `sequence` (readable ones), oldest first.
    std::vector<JournalEntry> newerThan(std::int64_t sequence) const;
    // Replaces an entry's file with its new content (durably); false on failure.
    bool rewrite(const JournalEntry& entry);
    void remove(const JournalEntry& entry);
    // Removes the entry file `fileName` (as `files` names it). Throws
    // std::invalid_argument when no such entry exists.
    void drop(const std::string& fileName);

    const std::filesystem::path& folder() const { return folder_; }
    static std::string fileNameOf(std::int64_t sequence, std::int64_t itemId);

    // Text form of an entry (exposed for tests of damaged entries). parse()
    // refuses anything that is not exactly that form, and any path that is
    // absolute or leaves its folder.
    static std::string serialize(const JournalEntry& entry);
    static std::optional<JournalEntry> parse(const std::string& text, std::string* why = nullptr);

private:
    std::vector<std::filesystem::path> entryPaths() const;
    JournalFile load(const std::filesystem::path& file) const;
    std::filesystem::path folder_;
};

}  // namespace vantix::tweaks
