#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// BOOT.INI of the Windows NT boot loader: its entries with the loader switches
// the boot options module edits, and the lines it writes back. Text is UTF-8;
// the file's bytes are decoded as the profile functions decode them.
namespace vantix::bootlam {

class BootIniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class EntryKind { WindowsNt = 1, Other = 2 };

struct BootEntry {
    EntryKind kind = EntryKind::Other;
    std::string path;  // left of the first "=", as read
    std::string name;  // between the first two double quotes, as read
    bool basevideo = false;
    bool crashdebug = false;
    bool debug = false;
    bool nodebug = false;
    bool sos = false;
    bool maxmem = false;
    int maxmemMegabytes = 0;
    bool noserialmice = false;
    // A "/NOSERIALMICE" without a port list as read: written back bare while
    // no port box has been changed, so nothing the user had is lost.
    bool bareNoSerialMice = false;
    std::array<bool, 4> com{};  // COM1..COM4
    std::string otherSwitches;  // upper case, joined without separator

    friend bool operator==(const BootEntry&, const BootEntry&) = default;
};

struct BootIni {
    static constexpr std::size_t kMaxBytes = 1 << 20;
    static constexpr std::size_t kMaxLineLength = 4096;
    static constexpr std::size_t kMaxEntries = 256;

    std::vector<BootEntry> entries;
    std::optional<std::string> defaultPath;  // "default" of [boot loader]; nullopt: absent or empty
    std::optional<std::string> timeout;      // "timeout" of [boot loader]; nullopt: absent or empty

    // Throws BootIniError for a file beyond kMaxBytes, a line beyond
    // kMaxLineLength or more than kMaxEntries entries: such a file is no boot
    // file, and writing back a part of it would lose the rest.
    static BootIni parse(std::string_view bytes);
    // The index of the default entry: the first whose path equals "default"
    // exactly, else 0; nullopt when there are no entries.
    std::optional<std::size_t> defaultIndex() const;
};

// An entry of the operating-systems section (trailing line ends already gone).
BootEntry parseEntry(std::string_view line);
// Sets the switch fields of `entry` from the text after the name.
void applySwitches(BootEntry& entry, std::string_view rest);
// path="name" and the switches in their fixed order.
std::string entryLine(const BootEntry& entry);
// The switch part of entryLine, each switch with its leading blank.
std::string switchText(const BootEntry& entry);
// "[boot loader]", "[Operating Systems]", the default entry, the others in order;
// CRLF line ends. "timeout" and "default" are added afterwards by the profile rules.
std::string entriesText(const std::vector<BootEntry>& entries, std::size_t defaultIndex);

}  // namespace vantix::bootlam
