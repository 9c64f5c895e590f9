#include "platform/registry/HiveFile.h"
#include "platform/registry/RegFile.h"
#include "platform/registry/ValueData.h"
#include "platform/text/Text.h"
#include "platform/text/Windows1252.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kRegedit4 = "REGEDIT4";
constexpr std::string_view kVersion5 = "Windows Registry Editor Version 5.00";

struct BadLine {
    std::string reason;
};

std::string_view trimmed(std::string_view s) {
    return vantix::text::trim(s, " \t");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The file as UTF-8, and whether hex(1/2/7) bytes are ANSI (REGEDIT4) or UTF-16LE.
bool decode(std::string_view bytes, std::string& text, bool& ansi) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8));
        text = vantix::text::toUtf8(units);
        ansi = false;
        return text.starts_with(kVersion5);
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (bytes.starts_with(kRegedit4)) {
        text = text::fromWindows1252(bytes);
        ansi = true;
        return true;
    }
    text = std::string(bytes);
    ansi = false;
    return bytes.starts_with(kVersion5);
}

class Importer {
public:
    Importer(Registry& registry, std::string_view text, bool ansi)
        : registry_(registry), text_(text), ansi_(ansi) {}

    RegStatus run() {
        std::string_view line;
        nextLine(line);  // the header, already checked
        try {
            while (nextLine(line)) handle(trimmed(line));
        } catch (const BadLine& bad) {
            return RegStatus{RegStatus::InvalidArgument,
                             "line " + std::to_string(lineNo_) + ": " + bad.reason};
        }
        return RegStatus::ok();
    }

private:
    bool nextLine(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        ++lineNo_;
        return true;
    }

    void check(const RegStatus& st, RegStatus::Code tolerated = RegStatus::Ok) {
        if (!st && st.code != tolerated) {
            if (st.code == RegStatus::ServerRunning || st.code == RegStatus::IoError ||
                st.code == RegStatus::Corrupt)
                throw st;
            throw BadLine{st.message};
        }
    }

    void handle(std::string_view line) {
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') return keyLine(line);
        if (line.front() == '@' || line.front() == '"') return valueLine(line);
        throw BadLine{"unrecognised line"};
    }

    void keyLine(std::string_view line) {
        const std::size_t close = line.rfind(']');
        if (close == std::string_view::npos) throw BadLine{"key name not closed by ]"};
        std::string_view path = line.substr(1, close - 1);
        const bool remove = path.starts_with("-");
        if (remove) path.remove_prefix(1);
        const std::size_t cut = path.find('\\');
        const std::string rootText(path.substr(0, cut));
        const auto root = rootFromName(vantix::text::toUpperAscii(rootText));
        if (!root) throw BadLine{"unknown root key \"" + rootText + "\""};
        const std::string_view sub =
            cut == std::string_view::npos ? std::string_view{} : path.substr(cut + 1);
        root_ = *root;
        key_ = std::string(sub);
        inKey_ = !remove;
        if (remove)
            check(registry_.deleteTree(*root, sub), RegStatus::NotFound);
        else if (sub.empty() && registry_.keyExists(*root, sub))
            return;  // a root itself, such as [HKEY_USERS], always exists
        else
            check(registry_.createKey(*root, sub));
    }

    std::string quotedText(std::string_view line, std::size_t& i) {
        std::string out;
        for (++i; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                ++i;
                return out;
            }
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"')) {
                out.push_back(line[++i]);
            } else if (c == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                out.push_back('\n');
                ++i;
            } else {
                out.push_back(c);
            }
        }
        throw BadLine{"text not closed by \""};
    }

    std::string hexBytes(std::string_view data) {
        std::string bytes;
        std::string joined(data);
        // A trailing backslash continues the list on the next line.
        while (!trimmed(joined).empty() && trimmed(joined).back() == '\\') {
            joined = std::string(trimmed(joined));
            joined.pop_back();
            std::string_view next;
            if (!nextLine(next)) throw BadLine{"hex data continued past the end of the file"};
            joined += trimmed(next);
        }
        std::string_view rest = trimmed(joined);
        while (!rest.empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = trimmed(rest.substr(0, comma));
            if (item.empty() && comma == std::string_view::npos) break;  // a trailing comma
            if (item.empty() || item.size() > 2 || hexDigit(item[0]) < 0 ||
                (item.size() == 2 && hexDigit(item[1]) < 0))
                throw BadLine{"bad hex byte \"" + std::string(item) + "\""};
            bytes.push_back(static_cast<char>(
                item.size() == 1 ? hexDigit(item[0]) : hexDigit(item[0]) * 16 + hexDigit(item[1])));
            if (comma == std::string_view::npos) break;
            rest = rest.substr(comma + 1);
        }
        return bytes;
    }

    void valueLine(std::string_view line) {
        if (!inKey_) {
            if (key_.has_value()) return;  // values of a deleted key are ignored
            throw BadLine{"value before any key"};
        }
        std::size_t i = 0;
        std::string name;
        if (line.front() == '@') {
            i = 1;
        } else {
            name = quotedText(line, i);
        }
        std::string_view rest = trimmed(line.substr(i));
        if (rest.empty() || rest.front() != '=') throw BadLine{"= missing after the value name"};
        rest = trimmed(rest.substr(1));
        if (rest == "-")
            return check(registry_.deleteValue(root_, *key_, name), RegStatus::NotFound);
        RegValue value;
        value.name = name;
        if (rest.starts_with("\"")) {
            std::size_t at = 0;
            std::string textValue = quotedText(rest, at);
            const std::string_view after = trimmed(rest.substr(at));
            if (!after.empty() && after.front() != ';')
                throw BadLine{"text after the closing quote"};
            value = RegValue::string(name, textValue);
        } else if (rest.starts_with("dword:")) {
            const std::string_view digits = trimmed(rest.substr(6));
            if (digits.empty() || digits.size() > 8) throw BadLine{"dword needs 1 to 8 hex digits"};
            std::uint32_t number = 0;
            for (const char c : digits) {
                if (hexDigit(c) < 0) throw BadLine{"dword needs 1 to 8 hex digits"};
                number = number * 16 + static_cast<std::uint32_t>(hexDigit(c));
            }
            value = RegValue::dword(name, number);
        } else if (rest.starts_with("hex:")) {
            const std::string bytes = hexBytes(rest.substr(4));
            value = RegValue::binary(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        } else if (rest.starts_with("hex(")) {
            const std::size_t close = rest.find("):");
            std::uint32_t type = 0;
            if (close == std::string_view::npos || close == 4 || close > 12)
                throw BadLine{"bad hex(N): type"};
            for (std::size_t k = 4; k < close; ++k) {
                if (hexDigit(rest[k]) < 0) throw BadLine{"bad hex(N): type"};
                type = type * 16 + static_cast<std::uint32_t>(hexDigit(rest[k]));
            }
            const std::string bytes = hexBytes(rest.substr(close + 2));
            value.type = type;
            const bool stringType =
                type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz;
            if (ansi_ && stringType) {
                // REGEDIT4 keeps string types as ANSI bytes.
                std::u16string units;
                for (const char b : bytes)
                    units.push_back(text::unitFrom1252(static_cast<unsigned char>(b)));
                reg::appendUnits(value.data, units);
            } else {
                value.data.assign(bytes.begin(), bytes.end());
            }
        } else {
            throw BadLine{"unrecognised value data"};
        }
        check(registry_.setValue(root_, *key_, value));
    }

    Registry& registry_;
    std::string_view text_;
    bool ansi_;
    std::size_t pos_ = 0;
    std::size_t lineNo_ = 0;
    Root root_ = Root::LocalMachine;
    std::optional<std::string> key_;
    bool inKey_ = false;
};

}  // namespace

RegStatus importRegText(Registry& registry, std::string_view bytes) {
    std::string text;
    bool ansi = true;
    if (!decode(bytes, text, ansi))
        return RegStatus{RegStatus::InvalidArgument,
                         "line 1: not a registration file (expected REGEDIT4 or Windows Registry "
                         "Editor Version 5.00)"};
    const std::string_view firstLine = std::string_view(text).substr(0, text.find('\n'));
    if (trimmed(firstLine.ends_with('\r') ? firstLine.substr(0, firstLine.size() - 1)
                                          : firstLine) != (ansi ? kRegedit4 : kVersion5))
        return RegStatus{RegStatus::InvalidArgument,
                         "line 1: unexpected text after the file's header"};
    return registry.batch([&]() -> RegStatus {
        try {
            return Importer(registry, text, ansi).run();
        } catch (const RegStatus& st) {
            return st;
        }
    });
}

RegStatus importRegFile(Registry& registry, const std::filesystem::path& file) {
    reg::FileStamp stamp;
    std::string error;
    const auto bytes = reg::readWholeFile(file, stamp, error);
    if (!bytes)
        return RegStatus{RegStatus::IoError,
                         error.empty() ? "cannot open " + file.string() : error};
    return importRegText(registry, *bytes);
}

}  // namespace vantix::platform
