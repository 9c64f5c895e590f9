#include "platform/registry/HiveReader.h"

#include "platform/registry/HiveCheck.h"
#include "platform/registry/ValueData.h"
#include "platform/registry/WineEscape.h"
#include "platform/text/Text.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vantix::platform::reg {
namespace {

struct Failure {
    std::string reason;
};

class Reader {
public:
    // Checking only: every line is read as for loading, but no tree is built.
    enum class Mode { Load, Check };
    Reader(Hive& hive, std::string_view text, std::string_view source, Mode mode)
        : hive_(hive), text_(text), source_(source), mode_(mode) {}

    HiveParse run() {
        HiveParse result;
        if (text_.size() > kMaxHiveBytes) return fail(result, 0, "file too large");
        if (std::memchr(text_.data(), 0, text_.size()))
            return fail(result, lineOfNul(), "NUL byte in file");
        std::string_view line;
        if (!nextLine(line) || line != kHiveSignature)
            return fail(
                result, 1,
                "not a Wine registry file (first line must be \"WINE REGISTRY Version 2\")");
        hive_.preambleEnd = static_cast<std::uint32_t>(text_.size());
        try {
            while (nextLine(line)) handleLine(line);
        } catch (const Failure& f) {
            return fail(result, lineNo_, f.reason);
        }
        closeBlock(text_.size());
        return result;
    }

private:
    HiveParse fail(HiveParse& result, std::size_t line, std::string_view reason) {
        result.errorLine = line;
        result.error =
            std::string(source_) + ": line " + std::to_string(line) + ": " + std::string(reason);
        return std::move(result);
    }

    std::size_t lineOfNul() const {
        const std::size_t at = text_.find('\0');
        std::size_t line = 1;
        for (std::size_t i = 0; i < at; ++i) line += text_[i] == '\n';
        return line;
    }

    // The next line without its LF and a CR before it.
    bool nextLine(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        lineStart_ = pos_;
        const char* begin = text_.data() + pos_;
        const void* nl = std::memchr(begin, '\n', text_.size() - pos_);
        const std::size_t end =
            nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data())
               : text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = nl ? end + 1 : end;
        ++lineNo_;
        return true;
    }

    static std::string_view skipBlanks(std::string_view s) {
        std::size_t i = 0;
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        return s.substr(i);
    }

    void handleLine(std::string_view raw) {
        const std::string_view line = skipBlanks(raw);
        if (line.empty()) return;
        switch (line.front()) {
            case '[':
                return keyHeader(line);
            case '@':
            case '"':
                if (key_) valueLine(line);
                return;  // values before the first key are skipped
            case '#':
                return option(line);
            default:
                return;  // comments and junk lines are kept in the text, unread
        }
    }

    void closeBlock(std::size_t end) {
        if (key_ && mode_ == Mode::Load) key_->blocks.back().end = static_cast<std::uint32_t>(end);
    }

    void keyHeader(std::string_view line) {
        closeBlock(lineStart_);
        if (!key_) hive_.preambleEnd = static_cast<std::uint32_t>(lineStart_);
        std::size_t pos = 1;
        units_.clear();
        if (!plainKeyPath(line, pos) && !parseEscaped(line, pos = 1, ']', units_))
            throw Failure{"key name not closed by ]"};
        std::uint64_t time = 0;
        std::string_view rest = skipBlanks(line.substr(pos));
        if (!rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
            std::uint64_t seconds = 0;
            for (std::size_t i = 0; i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; ++i)
                seconds = (seconds * 10 + static_cast<unsigned>(rest[i] - '0')) & 0xFFFFFFFFu;
            time = kUnixEpochFileTime + seconds * 10000000ULL;
        } else {
            time = now();
        }
        HiveKey* key = hive_.root.get();
        const bool build = mode_ == Mode::Load;
        std::size_t depth = 0;
        std::size_t start = 0;
        std::size_t chainIndex = 0;
        bool chainValid = true;
        if (!units_.empty()) {
            for (std::size_t i = 0; i <= units_.size(); ++i) {
                if (i < units_.size() && units_[i] != u'\\') continue;
                const std::u16string_view component(units_.data() + start, i - start);
                start = i + 1;
                if (component.empty()) throw Failure{"empty name in key path"};
                if (component.size() > kMaxKeyNameUnits)
                    throw Failure{"key name longer than 256 characters"};
                if (++depth > kMaxKeyDepth) throw Failure{"keys nested too deep"};
                if (build) key = descend(key, component, time, chainIndex, chainValid);
                ++chainIndex;
            }
        }
        key_ = key;
        if (!build) return;
        chain_.resize(chainIndex);
        key->time = time;
        key->blocks.push_back(
            {static_cast<std::uint32_t>(lineStart_), static_cast<std::uint32_t>(text_.size())});
    }

    // A path of plain ASCII names joined by "\\\\", widened without decoding.
    bool plainKeyPath(std::string_view line, std::size_t& pos) {
        for (std::size_t i = pos; i < line.size(); ++i) {
            const char c = line[i];
            if (c == ']') {
                for (std::size_t k = pos; k < i; ++k) {
                    if (line[k] == '\\') ++k;  // an escaped backslash: one separator
                    units_.push_back(static_cast<unsigned char>(line[k]));
                }
                pos = i + 1;
                return true;
            }
            if (static_cast<unsigned char>(c) >= 0x80 || c == '[') return false;
            if (c == '\\') {
                if (i + 1 >= line.size() || line[i + 1] != '\\') return false;
                ++i;
            }
        }
        return false;
    }

    // One level of a header's path; reuses the previous header's chain while it matches.
    HiveKey* descend(HiveKey* parent, std::u16string_view component, std::uint64_t time,
                     std::size_t index, bool& chainValid) {
        if (std::all_of(component.begin(), component.end(), [](char16_t u) { return u < 0x80; }))
            name_.assign(component.begin(), component.end());
        else
            name_ = vantix::text::toUtf8(component);
        if (chainValid && index < chain_.size() && chain_[index].first == name_)
            return chain_[index].second;
        chainValid = false;
        std::string folded = vantix::text::foldCase(name_);
        HiveKey* child = parent->child(folded);
        if (!child) child = &parent->addChild(name_, std::move(folded), time);
        if (index < chain_.size())
            chain_[index] = {name_, child};
        else
            chain_.emplace_back(name_, child);
        return child;
    }

    void valueLine(std::string_view line) {
        HiveValue value;
        std::size_t pos = 1;
        if (line.front() == '"') {
            if (const auto end = plainAsciiUntil(line, 1, '"')) {
                value.name.assign(line.substr(1, *end - 1));
                value.folded = vantix::text::toLowerAscii(value.name);
                pos = *end + 1;
            } else {
                parseName(line, pos, value);
            }
        }
        std::string_view rest = skipBlanks(line.substr(pos));
        if (rest.empty() || rest.front() != '=') throw Failure{"= missing after the value name"};
        rest = skipBlanks(rest.substr(1));
        std::string reason;
        const auto more = [this](std::string_view& next) {
            if (!nextLine(next)) return false;
            next = skipBlanks(next);
            return true;
        };
        if (!parseWineData(rest, more, value.type, value.data, reason)) throw Failure{reason};
        if (mode_ == Mode::Load) key_->putValue(std::move(value));
    }

    void parseName(std::string_view line, std::size_t& pos, HiveValue& value) {
        units_.clear();
        if (!parseEscaped(line, pos, '"', units_)) throw Failure{"value name not closed by \""};
        if (units_.size() > kMaxValueNameUnits)
            throw Failure{"value name longer than 16383 characters"};
        value.name = vantix::text::toUtf8(units_);
        value.folded = vantix::text::foldCase(value.name);
    }

    void option(std::string_view line) {
        if (!key_) {
            if (line.starts_with("#arch=")) {
                const std::string_view arch = line.substr(6);
                if (arch != "win32" && arch != "win64") throw Failure{"unknown #arch"};
            }
            return;
        }
        if (line.starts_with("#time=")) {
            std::uint64_t time = 0;
            for (std::size_t i = 6; i < line.size(); ++i) {
                const char c = line[i];
                int digit;
                if (c >= '0' && c <= '9')
                    digit = c - '0';
                else if (c >= 'a' && c <= 'f')
                    digit = c - 'a' + 10;
                else if (c >= 'A' && c <= 'F')
                    digit = c - 'A' + 10;
                else
                    break;
                time = (time << 4) | static_cast<unsigned>(digit);
            }
            key_->time = time;
        } else if (line.starts_with("#class=")) {
            if (line.size() < 8 || line[7] != '"') throw Failure{"#class without a quoted name"};
            std::size_t pos = 8;
            units_.clear();
            if (!parseEscaped(line, pos, '"', units_)) throw Failure{"class name not closed by \""};
            key_->className = vantix::text::toUtf8(units_);
        } else if (line.starts_with("#link")) {
            key_->isLink = true;
        }
    }

    std::uint64_t now() {
        if (!now_) now_ = fileTimeNow();
        return now_;
    }

    Hive& hive_;
    std::string_view text_;
    std::string_view source_;
    Mode mode_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    std::size_t lineNo_ = 0;
    HiveKey* key_ = nullptr;
    std::uint64_t now_ = 0;
    std::u16string units_;
    std::string name_;
    std::vector<std::pair<std::string, HiveKey*>> chain_;
};

}  // namespace

HiveParse parseHive(std::string text, std::string_view source) {
    auto hive = std::make_unique<Hive>();
    hive->text = std::move(text);
    HiveParse result = Reader(*hive, hive->text, source, Reader::Mode::Load).run();
    if (result.error.empty()) result.hive = std::move(hive);
    return result;
}

std::string checkHive(std::string_view text, std::string_view source) {
    return quickCheckHive(text) ? std::string() : checkHiveByReading(text, source);
}

std::string checkHiveByReading(std::string_view text, std::string_view source) {
    Hive scratch;
    return Reader(scratch, text, source, Reader::Mode::Check).run().error;
}

}  // namespace vantix::platform::reg
