#include "platform/profile/IniDocument.h"

#include "platform/text/Text.h"

namespace vantix::platform {
namespace {

// What Windows trims from lines, names and values: blanks, control characters of
// the line-end family and ^Z.
constexpr std::string_view kTrimmed = " \t\r\n\v\f\x1a";

std::string_view trimmed(std::string_view text) { return vantix::text::trim(text, kTrimmed); }

bool sameName(std::string_view stored, std::string_view requested) {
    return vantix::text::equalsIgnoreCase(stored, trimmed(requested));
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

IniDocument::Line IniDocument::classify(std::string content, std::string ending) {
    Line line;
    line.content = std::move(content);
    line.ending = std::move(ending);
    const std::string_view text = trimmed(line.content);
    if (text.empty()) return line;
    if (text.front() == '[') {
        const std::size_t close = text.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = Line::Header;
            line.name = std::string(trimmed(text.substr(1, close - 1)));
            return line;
        }
    }
    if (text.front() == ';') {
        line.kind = Line::Comment;
        return line;
    }
    const std::size_t equals = line.content.find('=');
    if (equals == std::string::npos) {
        line.kind = Line::Bare;
        line.name = std::string(text);
        return line;
    }
    line.kind = Line::Entry;
    line.name = std::string(trimmed(std::string_view(line.content).substr(0, equals)));
    const std::string_view rest = std::string_view(line.content).substr(equals + 1);
    const std::string_view value = trimmed(rest);
    line.valueStart = value.empty() ? line.content.size() : static_cast<std::size_t>(value.data() - line.content.data());
    line.valueEnd = line.valueStart + value.size();
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    bool endingSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            doc.lines_.push_back(classify(std::string(text.substr(pos)), {}));
            break;
        }
        std::size_t next = stop + 1;
        if (text[stop] == '\r' && next < text.size() && text[next] == '\n') ++next;
        std::string ending(text.substr(stop, next - stop));
        if (!endingSeen) {
            doc.newline_ = ending;
            endingSeen = true;
        }
        doc.lines_.push_back(classify(std::string(text.substr(pos, stop - pos)), std::move(ending)));
        pos = next;
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.content;
        out += line.ending;
    }
    return out;
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
    const std::string_view wanted = trimmed(section);
    std::optional<Range> found;
    if (wanted.empty()) found = Range{std::string::npos, 0, lines_.size()};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Header) continue;
        if (found) {
            found->end = i;
            return found;
        }
        if (vantix::text::equalsIgnoreCase(lines_[i].name, wanted)) found = Range{i, i + 1, lines_.size()};
    }
    return found;
}

std::optional<std::size_t> IniDocument::findKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const Line& line = lines_[i];
        if ((line.kind == Line::Entry || line.kind == Line::Bare) && sameName(line.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::rawValue(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index || lines_[*index].kind != Line::Entry) return std::nullopt;
    const Line& line = lines_[*index];
    return line.content.substr(line.valueStart, line.valueEnd - line.valueStart);
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    auto raw = rawValue(section, key);
    if (!raw) return std::nullopt;
    return std::string(unquoted(*raw));
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section).has_value(); }

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == Line::Header) names.push_back(line.name);
    }
    return names;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto range = findSection(section)) {
        for (std::size_t i = range->begin; i < range->end; ++i) {
            if (lines_[i].kind == Line::Entry) names.push_back(lines_[i].name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::sectionEntries(std::string_view section) const {
    std::vector<std::string> entries;
    if (const auto range = findSection(section)) {
        for (std::size_t i = range->begin; i < range->end; ++i) {
            const Line& line = lines_[i];
            if (line.kind == Line::Entry)
                entries.push_back(line.name + "=" + line.content.substr(line.valueStart, line.valueEnd - line.valueStart));
            else if (line.kind == Line::Bare)
                entries.push_back(line.name);
        }
    }
    return entries;
}

void IniDocument::insertLine(std::size_t at, std::string content) {
    // The line before the new one may be the file's last, without an ending.
    // A new line ends like its predecessor; that may be the file's last line, without an ending.
    std::string ending = newline_;
    if (at > 0) {
        if (lines_[at - 1].ending.empty())
            lines_[at - 1].ending = newline_;
        else
            ending = lines_[at - 1].ending;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), classify(std::move(content), std::move(ending)));
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = trimmed(key);
    const std::string_view stored = trimmed(value);
    auto range = findSection(section);
    if (!range) {
        insertLine(lines_.size(), "[" + std::string(trimmed(section)) + "]");
        insertLine(lines_.size(), std::string(name) + "=" + std::string(stored));
        return true;
    }
    if (const auto index = findKey(*range, key)) {
        Line& line = lines_[*index];
        if (line.kind == Line::Entry) {
            if (std::string_view(line.content).substr(line.valueStart, line.valueEnd - line.valueStart) == stored)
                return false;
            // Keep the name, its spacing and anything after the value as they were.
            std::string content = line.content.substr(0, line.valueStart) + std::string(stored) +
                                  line.content.substr(line.valueEnd);
            line = classify(std::move(content), std::move(line.ending));
        } else {
            const std::size_t nameEnd = line.content.find_last_not_of(kTrimmed) + 1;
            std::string content = line.content.substr(0, nameEnd) + "=" + std::string(stored);
            line = classify(std::move(content), std::move(line.ending));
        }
        return true;
    }
    std::size_t at = range->begin;
    for (std::size_t i = range->begin; i < range->end; ++i) {
        if (!trimmed(lines_[i].content).empty()) at = i + 1;
    }
    insertLine(at, std::string(name) + "=" + std::string(stored));
    return true;
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    const auto range = findSection(section);
    if (!range) return false;
    const auto index = findKey(*range, key);
    if (!index) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

bool IniDocument::removeSection(std::string_view section) {
    const auto range = findSection(section);
    if (!range) return false;
    const std::size_t first = range->header == std::string::npos ? range->begin : range->header;
    if (first == range->end) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

std::optional<std::string> IniDocument::invalidEntry(std::string_view section, std::string_view key,
                                                     std::string_view value) {
    const auto hasBreak = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value))
        return "line breaks and NUL characters cannot be stored in an INI file";
    const std::string_view sectionName = trimmed(section);
    if (!sectionName.empty() && sectionName.back() == ']')
        return "a section name cannot end with ']'";
    const std::string_view keyName = trimmed(key);
    if (keyName.find('=') != std::string_view::npos) return "a key name cannot contain '='";
    if (!keyName.empty() && (keyName.front() == '[' || keyName.front() == ';'))
        return "a key name cannot start with '[' or ';'";
    return std::nullopt;
}

}  // namespace vantix::platform
