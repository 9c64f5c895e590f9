#include "catalogue/DesktopEntry.h"

namespace vantix::catalogue {

namespace {

// Escapes of string values: a value holds no line breaks, and "\" starts an escape.
std::string escapeValue(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string execArgument(const std::string& argument) {
    std::string doubledPercent;
    for (const char c : argument) {
        doubledPercent += c;
        if (c == '%') doubledPercent += '%';
    }
    bool needsQuotes = doubledPercent.empty();
    for (const char c : doubledPercent)
        needsQuotes = needsQuotes || std::string_view(" \t\n\"'\\><~|&;$*?#()`=").find(c) != std::string_view::npos;
    if (!needsQuotes) return doubledPercent;
    std::string quoted = "\"";
    for (const char c : doubledPercent) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string desktopEntry(const std::string& name, const std::vector<std::string>& command,
                         const std::string& comment) {
    std::string exec;
    for (const auto& argument : command) {
        if (!exec.empty()) exec += ' ';
        exec += execArgument(argument);
    }
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + escapeValue(name) + "\n";
    if (!comment.empty()) text += "Comment=" + escapeValue(comment) + "\n";
    text += "Exec=" + escapeValue(exec) + "\nTerminal=false\n";
    return text;
}

}  // namespace vantix::catalogue
