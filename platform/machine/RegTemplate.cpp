#include "platform/machine/RegTemplate.h"

#include <charconv>

#include "platform/machine/Machine.h"

namespace vantix::platform {

namespace {

class TemplateParser {
public:
    TemplateParser(std::string_view text, std::string_view origin) : text_(text), origin_(origin) {}

    std::vector<TemplateChange> parse() {
        std::string line;
        bool header = false;
        while (nextLogicalLine(line)) {
            const std::string_view content = trimmed(line);
            if (content.empty() || content.front() == ';') continue;
            if (!header) {
                if (content != "REGEDIT4") fail("the first line is not REGEDIT4");
                header = true;
            } else if (content.front() == '[') {
                keyLine(content);
            } else {
                valueLine(content);
            }
        }
        if (!header) fail("the file is empty");
        return std::move(changes_);
    }

private:
    [[noreturn]] void fail(std::string_view why) const {
        throw MachineError(std::string(origin_) + ":" + std::to_string(lineNumber_) + ": " + std::string(why));
    }

    static std::string_view trimmed(std::string_view text) {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
            text.remove_suffix(1);
        return text;
    }

    // A line, with hex data continued ("...,\" then an indented line) joined on.
    bool nextLogicalLine(std::string& line) {
        line.clear();
        if (position_ >= text_.size()) return false;
        bool more = true;
        while (more && position_ < text_.size()) {
            const auto end = text_.find('\n', position_);
            std::string_view piece = text_.substr(position_, end == std::string_view::npos ? end : end - position_);
            position_ = end == std::string_view::npos ? text_.size() : end + 1;
            ++lineNumber_;
            piece = trimmed(piece);
            more = !piece.empty() && piece.back() == '\\' &&
                   (line + std::string(piece)).find("=hex") != std::string::npos;
            if (more) piece.remove_suffix(1);
            line += piece;
        }
        return true;
    }

    void splitPath(std::string_view path, TemplateChange& change) {
        const auto slash = path.find('\\');
        const auto root = rootFromName(path.substr(0, slash));
        if (!root) fail("unknown root key");
        change.root = *root;
        change.key = slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1));
    }

    void keyLine(std::string_view content) {
        if (content.back() != ']') fail("a key line must end with ]");
        std::string_view path = content.substr(1, content.size() - 2);
        TemplateChange change;
        change.kind = TemplateChange::CreateKey;
        if (!path.empty() && path.front() == '-') {
            change.kind = TemplateChange::DeleteKey;
            path.remove_prefix(1);
        }
        splitPath(path, change);
        if (change.kind == TemplateChange::DeleteKey && change.key.empty()) fail("a root key cannot be deleted");
        currentRoot_ = change.root;
        currentKey_ = change.key;
        inKey_ = change.kind == TemplateChange::CreateKey;
        changes_.push_back(std::move(change));
    }

    // A quoted text from `text` (at its opening quote); `\\` and `\"` are escapes.
    std::string quoted(std::string_view& text) {
        std::string out;
        std::size_t i = 1;
        for (; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                ++i;
                out += text[i] == 'n' ? '\n' : text[i];
            } else {
                out += text[i];
            }
        }
        if (i >= text.size()) fail("a quoted text has no closing quote");
        text.remove_prefix(i + 1);
        return out;
    }

    // ANSI text as UTF-16LE with its terminating NUL (Windows-1252 is Latin-1 here:
    // the templates keep to ASCII).
    static std::vector<std::uint8_t> ansiToUtf16(std::string_view ansi) {
        std::vector<std::uint8_t> bytes;
        for (const char c : ansi) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(0);
        }
        return bytes;
    }

    std::vector<std::uint8_t> hexBytes(std::string_view text) {
        std::vector<std::uint8_t> bytes;
        while (!text.empty()) {
            text = trimmed(text);
            const auto comma = text.find(',');
            const std::string_view item = trimmed(text.substr(0, comma));
            if (!item.empty()) {
                unsigned value = 0;
                const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value, 16);
                if (error != std::errc() || end != item.data() + item.size() || value > 0xFF)
                    fail("hex data must be bytes of two hexadecimal digits");
                bytes.push_back(static_cast<std::uint8_t>(value));
            } else if (comma != std::string_view::npos) {
                fail("an empty item in hex data");
            }
            if (comma == std::string_view::npos) break;
            text.remove_prefix(comma + 1);
        }
        return bytes;
    }

    void valueLine(std::string_view content) {
        if (!inKey_) fail("a value outside a key");
        TemplateChange change;
        change.root = currentRoot_;
        change.key = currentKey_;
        if (content.front() == '@') {
            content.remove_prefix(1);
        } else if (content.front() == '"') {
            change.value.name = quoted(content);
        } else {
            fail("a value line must start with @ or a quoted name");
        }
        content = trimmed(content);
        if (content.empty() || content.front() != '=') fail("a value name must be followed by =");
        content = trimmed(content.substr(1));
        if (content == "-") {
            change.kind = TemplateChange::DeleteValue;
        } else {
            change.kind = TemplateChange::SetValue;
            readData(content, change.value);
        }
        changes_.push_back(std::move(change));
    }

    void readData(std::string_view content, RegValue& value) {
        if (!content.empty() && content.front() == '"') {
            value.type = regtype::Sz;
            value.data = ansiToUtf16(quoted(content));
            value.data.insert(value.data.end(), {0, 0});
            if (!trimmed(content).empty()) fail("text after a quoted value");
        } else if (content.starts_with("dword:")) {
            const std::string_view digits = content.substr(6);
            std::uint32_t number = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
            if (digits.empty() || digits.size() > 8 || error != std::errc() || end != digits.data() + digits.size())
                fail("dword: needs up to eight hexadecimal digits");
            value = RegValue::dword(std::move(value.name), number);
        } else if (content.starts_with("hex:")) {
            value.type = regtype::Binary;
            value.data = hexBytes(content.substr(4));
        } else if (content.starts_with("hex(")) {
            const auto close = content.find("):");
            if (close == std::string_view::npos) fail("hex( needs a type and ):");
            const std::string_view digits = content.substr(4, close - 4);
            std::uint32_t type = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), type, 16);
            if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
                fail("hex( needs a hexadecimal type");
            value.type = type;
            value.data = hexBytes(content.substr(close + 2));
            // REGEDIT4 keeps expandable and multi-strings as ANSI bytes; the registry holds UTF-16.
            if (type == regtype::ExpandSz || type == regtype::MultiSz)
                value.data = ansiToUtf16(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                                          value.data.size()));
        } else {
            fail("unknown value data");
        }
    }

    std::string_view text_;
    std::string_view origin_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
    Root currentRoot_ = Root::LocalMachine;
    std::string currentKey_;
    bool inKey_ = false;
    std::vector<TemplateChange> changes_;
};

}  // namespace

std::vector<TemplateChange> parseRegTemplate(std::string_view text, std::string_view origin) {
    return TemplateParser(text, origin).parse();
}

RegStatus applyRegTemplate(Registry& registry, const std::vector<TemplateChange>& changes) {
    return registry.batch([&]() -> RegStatus {
        for (const auto& change : changes) {
            RegStatus status;
            switch (change.kind) {
                case TemplateChange::CreateKey: status = registry.createKey(change.root, change.key); break;
                case TemplateChange::SetValue: status = registry.setValue(change.root, change.key, change.value); break;
                case TemplateChange::DeleteValue:
                    status = registry.deleteValue(change.root, change.key, change.value.name);
                    if (status.code == RegStatus::NotFound) status = RegStatus::ok();
                    break;
                case TemplateChange::DeleteKey:
                    status = registry.deleteTree(change.root, change.key);
                    if (status.code == RegStatus::NotFound) status = RegStatus::ok();
                    break;
            }
            if (!status) return status;
        }
        return RegStatus::ok();
    });
}

}  // namespace vantix::platform
