#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One INI file in memory with the Windows profile-string rules: sections and
// keys match case-insensitively with blanks around names ignored, the first
// matching section and the first matching key in it win. Every line is kept
// as it was; an edit touches only the line it changes, so unchanged lines
// are written back byte for byte.
namespace vantix::platform {

class IniDocument {
public:
    // `text` is UTF-8 (the decoded file). A new line ends like the line before
    // it, else like the file's first line, else with CRLF.
    static IniDocument parse(std::string_view text);

    // The whole text again: unchanged documents give back exactly what was parsed.
    std::string text() const;

    // The value of `key` in `section`, trimmed, with one pair of surrounding
    // quotes (' or ") removed. nullopt: no such section or key, or the key's
    // line has no '='. "k=" gives "".
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // As stored: trimmed, quotes kept.
    std::optional<std::string> rawValue(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // Section names in file order, duplicates included, the nameless part
    // before the first header left out.
    std::vector<std::string> sectionNames() const;
    // Names of the entries with '=' in the first matching section (an empty
    // name from "=value" included); empty when there is no such section.
    std::vector<std::string> keyNames(std::string_view section) const;
    // "name=value" entries and bare lines of the first matching section, no comments.
    std::vector<std::string> sectionEntries(std::string_view section) const;

    // Sets `key` to `value`, creating section and key as needed: the first
    // matching key keeps its name's spelling, a new key goes after the last
    // non-blank line of its section, a new section to the end of the text.
    // False (and nothing changed) when the stored value already equals `value`.
    // Callers check names and values with validEntry() first.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first matching key; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);
    // Removes the first matching section: its header and every line up to the
    // next header. False when there was none.
    bool removeSection(std::string_view section);

    // Why `section`, `key` and `value` cannot be written so that they read back
    // as themselves (a line break, a NUL, '=' in a key, a key that would read
    // as a header or comment, ']' ending a section name...); nullopt when they can.
    static std::optional<std::string> invalidEntry(std::string_view section, std::string_view key,
                                                   std::string_view value);

private:
    struct Line {
        enum Kind { Other, Header, Entry, Bare, Comment };
        std::string content;     // without its line ending
        std::string ending;      // "\r\n", "\n", "\r" or "" (last line)
        Kind kind = Other;
        std::string name;        // section name (Header) or key name (Entry, Bare), trimmed
        std::size_t valueStart = 0;  // Entry: offset of the trimmed value in `content`
        std::size_t valueEnd = 0;
    };
    struct Range {
        std::size_t header;  // index of the header line, or npos for the nameless part
        std::size_t begin;   // first line after the header
        std::size_t end;     // one past the last line of the section
    };

    static Line classify(std::string content, std::string ending);
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;
    void insertLine(std::size_t at, std::string content);

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";
};

}  // namespace vantix::platform
