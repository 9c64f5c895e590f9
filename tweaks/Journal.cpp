#include "tweaks/Journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/files/DiskFaults.h"
#include "platform/files/FileIo.h"
#include "platform/log/Log.h"

namespace vantix::tweaks {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "vantix-journal";
constexpr const char* kMagic = "vantix-journal 2";
constexpr std::size_t kMaxEntryBytes = 256 * 1024 * 1024;
constexpr const char* kSuffix = ".entry";

// Strings are written as "x" followed by hex digits, so every field is one
// word whatever it holds (blanks, line breaks, NUL bytes).
std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "x";
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::optional<std::string> unhex(const std::string& word) {
    if (word.empty() || word[0] != 'x' || word.size() % 2 == 0) return std::nullopt;
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 1; i + 1 < word.size(); i += 2) {
        const int high = value(word[i]);
        const int low = value(word[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

// ---- writing -------------------------------------------------------------

void writeValue(std::ostream& out, const std::optional<platform::RegValue>& value) {
    if (value)
        out << " 1 " << value->type << " "
            << hex(std::string(value->data.begin(), value->data.end()));
    else
        out << " 0 0 x";
}

void writeText(std::ostream& out, const std::optional<std::string>& text) {
    out << (text ? " 1 " : " 0 ") << hex(text.value_or(""));
}

void writeFileState(std::ostream& out, const FileState& state) {
    out << (state.content ? " 1 " : " 0 ") << state.attributes << " "
        << hex(state.content.value_or(""));
}

// ---- reading -------------------------------------------------------------

// One line's fields, read in order; any failure marks the whole entry damaged.
class Fields {
public:
    explicit Fields(const std::string& line) : in_(line) {}
    bool ok() const { return ok_; }
    std::string word() {
        std::string w;
        if (!(in_ >> w)) return fail<std::string>();
        return w;
    }
    std::string text() {
        std::string word;
        if (!(in_ >> word)) return fail<std::string>();
        auto value = unhex(word);
        return value ? *value : fail<std::string>();
    }
    template <typename T>
    T number() {
        T value{};
        if (!(in_ >> value)) return fail<T>();
        return value;
    }
    bool flag() {
        const int value = number<int>();
        if (value != 0 && value != 1) return fail<bool>();
        return value == 1;
    }
    std::optional<platform::RegValue> value(const std::string& name) {
        const bool present = flag();
        const auto type = number<std::uint32_t>();
        const std::string data = text();
        if (!present) return std::nullopt;
        return platform::RegValue{name, type, std::vector<std::uint8_t>(data.begin(), data.end())};
    }
    std::optional<std::string> optionalText() {
        const bool present = flag();
        std::string value = text();
        if (!present) return std::nullopt;
        return value;
    }
    FileState fileState() {
        FileState state;
        const bool present = flag();
        state.attributes = number<std::uint32_t>();
        std::string content = text();
        if (present) state.content = std::move(content);
        return state;
    }
    bool atEnd() {
        std::string rest;
        return !(in_ >> rest);
    }

private:
    template <typename T>
    T fail() {
        ok_ = false;
        return T{};
    }
    std::istringstream in_;
    bool ok_ = true;
};

bool plainRelative(const fs::path& path) {
    if (path.empty() || path.is_absolute() || path.has_root_name()) return false;
    for (const auto& part : path)
        if (part == ".." || part == "." || part.empty()) return false;
    return true;
}

std::optional<std::pair<std::int64_t, std::int64_t>> namedNumbers(const std::string& name) {
    // "<10 digits>-<item>.entry"
    if (name.size() < 18 || name.compare(name.size() - 6, 6, kSuffix) != 0 || name[10] != '-')
        return std::nullopt;
    const std::string sequence = name.substr(0, 10);
    const std::string item = name.substr(11, name.size() - 17);
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 18 &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(sequence) || !digits(item)) return std::nullopt;
    return std::pair{std::stoll(sequence), std::stoll(item)};
}

std::string errnoText(const std::string& what, const fs::path& path) {
    return what + " " + path.string() + ": " + std::strerror(errno);
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes `text` to a new temporary file in `folder`, flushed to disk.
fs::path writeTemporary(const fs::path& folder, const std::string& text) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const fs::path temporary = folder / (".entry-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(random() % 1000000000ULL));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error(errnoText("cannot write the undo journal in", folder));
    std::string_view rest = text;
    bool written = !platform::injectedDiskFault(platform::DiskStep::Write);
    while (written && !rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            written = false;
        else
            rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (!written || ::fsync(fd) != 0) {
        const std::string message = errnoText("cannot write the undo journal in", folder);
        ::close(fd);
        ::unlink(temporary.c_str());
        throw std::runtime_error(message);
    }
    ::close(fd);
    return temporary;
}

}  // namespace

Journal::Journal(const fs::path& imageDir) : folder_(imageDir / kFolderName) {
}

std::string Journal::fileNameOf(std::int64_t sequence, std::int64_t itemId) {
    char name[64];
    std::snprintf(name, sizeof name, "%010lld-%lld%s", static_cast<long long>(sequence),
                  static_cast<long long>(itemId), kSuffix);
    return name;
}

std::string Journal::serialize(const JournalEntry& e) {
    std::ostringstream out;
    out << kMagic << "\n"
        << "item " << e.itemId << "\n"
        << "letter " << hex(e.letter) << "\n"
        << "input " << hex(e.input) << "\n"
        << "after " << hex(e.valueAfter) << "\n";
    for (const auto& v : e.effect.values) {
        out << "value " << hex(v.hive) << " " << hex(v.key) << " " << hex(v.name);
        writeValue(out, v.before);
        writeValue(out, v.after);
        out << "\n";
    }
    for (const auto& k : e.effect.keys)
        out << "key " << hex(k.hive) << " " << hex(k.key) << " " << (k.existedBefore ? 1 : 0) << " "
            << k.timeBefore << " " << (k.existsAfter ? 1 : 0) << " " << k.timeAfter << "\n";
    for (const auto& f : e.effect.files) {
        out << "file " << (f.root == FileRoot::Image ? "image" : "program") << " "
            << hex(f.relative.generic_string());
        writeFileState(out, f.before);
        writeFileState(out, f.after);
        out << "\n";
        for (const auto& entry : f.entries) {
            out << "ini " << hex(entry.section) << " " << hex(entry.key);
            writeText(out, entry.before);
            writeText(out, entry.after);
            out << "\n";
        }
    }
    out << "end\n";
    return out.str();
}

std::optional<JournalEntry> Journal::parse(const std::string& text, std::string* why) {
    auto damaged = [&](const std::string& reason) -> std::optional<JournalEntry> {
        if (why) *why = reason;
        return std::nullopt;
    };
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kMagic)
        return damaged("not a journal entry of this form");
    JournalEntry e;
    bool ended = false;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        const std::string tag = line.substr(0, space);
        Fields fields(space == std::string::npos ? std::string() : line.substr(space + 1));
        if (tag == "item") {
            e.itemId = fields.number<std::int64_t>();
        } else if (tag == "letter") {
            e.letter = fields.text();
        } else if (tag == "input") {
            e.input = fields.text();
        } else if (tag == "after") {
            e.valueAfter = fields.text();
        } else if (tag == "value") {
            ValueEffect v;
            v.hive = fields.text();
            v.key = fields.text();
            v.name = fields.text();
            v.before = fields.value(v.name);
            v.after = fields.value(v.name);
            if (!registryPathOf(v.hive, v.key)) return damaged("unknown registry file");
            e.effect.values.push_back(std::move(v));
        } else if (tag == "key") {
            KeyEffect k;
            k.hive = fields.text();
            k.key = fields.text();
            k.existedBefore = fields.flag();
            k.timeBefore = fields.number<std::uint64_t>();
            k.existsAfter = fields.flag();
            k.timeAfter = fields.number<std::uint64_t>();
            if (!registryPathOf(k.hive, k.key)) return damaged("unknown registry file");
            e.effect.keys.push_back(std::move(k));
        } else if (tag == "file") {
            FileEffect f;
            const std::string root = fields.word();
            if (root != "image" && root != "program") return damaged("unknown file root " + root);
            f.root = root == "image" ? FileRoot::Image : FileRoot::Program;
            f.relative = fs::path(fields.text());
            f.before = fields.fileState();
            f.after = fields.fileState();
            // A journal copied in from elsewhere must not reach outside this image.
            if (fields.ok() && !plainRelative(f.relative))
                return damaged("the path \"" + f.relative.string() + "\" leads outside the image");
            e.effect.files.push_back(std::move(f));
        } else if (tag == "ini") {
            if (e.effect.files.empty()) return damaged("an INI entry without its file");
            IniEntryEffect entry;
            entry.section = fields.text();
            entry.key = fields.text();
            entry.before = fields.optionalText();
            entry.after = fields.optionalText();
            e.effect.files.back().entries.push_back(std::move(entry));
        } else if (tag == "end") {
            ended = true;
            break;
        } else {
            return damaged("unknown line: " + tag);
        }
        if (!fields.ok() || !fields.atEnd()) return damaged("malformed line: " + tag);
    }
    // An entry cut short (a crash while writing it) is not trusted.
    if (!ended) return damaged("cut short");
    return e;
}

std::vector<fs::path> Journal::entryPaths() const {
    std::vector<fs::path> paths;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == kSuffix) paths.push_back(it->path());
    std::sort(paths.begin(), paths.end());  // zero-padded sequence numbers sort in order
    return paths;
}

JournalFile Journal::load(const fs::path& file) const {
    JournalFile f;
    f.fileName = file.filename().string();
    const auto numbers = namedNumbers(f.fileName);
    if (!numbers) {
        f.damage = "not an entry name";
        return f;
    }
    f.sequence = numbers->first;
    f.itemId = numbers->second;
    platform::FileStatus status;
    const auto text = platform::readWholeFile(file, kMaxEntryBytes, &status);
    if (!text) {
        f.damage = status.message;
        return f;
    }
    f.entry = parse(*text, &f.damage);
    if (f.entry && f.entry->itemId != f.itemId) {
        f.entry.reset();
        f.damage = "the entry names another function than its file";
    }
    if (f.entry) f.entry->sequence = f.sequence;
    return f;
}

std::vector<JournalFile> Journal::files(std::optional<std::int64_t> itemId) const {
    std::vector<JournalFile> out;
    for (const auto& path : entryPaths()) {
        // The name tells the function: other functions' entries are not read.
        if (const auto numbers = namedNumbers(path.filename().string());
            itemId && numbers && numbers->second != *itemId)
            continue;
        JournalFile f = load(path);
        if (!itemId || f.itemId == *itemId) out.push_back(std::move(f));
    }
    return out;
}

void Journal::append(JournalEntry& entry) {
    fs::create_directories(folder_);
    const fs::path temporary = writeTemporary(folder_, serialize(entry));
    const auto paths = entryPaths();
    std::int64_t sequence = 1;
    for (const auto& path : paths)
        if (auto numbers = namedNumbers(path.filename().string()))
            sequence = std::max(sequence, numbers->first + 1);
    // link() never replaces an existing name: a concurrent writer that took
    // this number makes us try the next one.
    for (int attempt = 0;; ++attempt, ++sequence) {
        const fs::path file = folder_ / fileNameOf(sequence, entry.itemId);
        const bool injected = platform::injectedDiskFault(platform::DiskStep::Rename);
        if (!injected && ::link(temporary.c_str(), file.c_str()) == 0) break;
        if (injected || errno != EEXIST || attempt > 1000) {
            const std::string message = errnoText("cannot add to the undo journal", file);
            ::unlink(temporary.c_str());
            throw std::runtime_error(message);
        }
    }
    ::unlink(temporary.c_str());
    syncFolder(folder_);
    entry.sequence = sequence;
}

std::optional<JournalEntry> Journal::last(std::int64_t itemId) const {
    auto all = files(itemId);
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->entry) return std::move(it->entry);
        log::warning("tweaks", "damaged journal entry skipped: " + it->fileName);
    }
    return std::nullopt;
}

std::map<std::int64_t, JournalEntry> Journal::lastOfEach() const {
    std::map<std::int64_t, JournalEntry> result;
    // Newest first, so that each function's older entries are not read at all.
    const auto paths = entryPaths();
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        const auto numbers = namedNumbers(path->filename().string());
        if (!numbers || result.contains(numbers->second)) continue;
        if (JournalFile f = load(*path); f.entry) result.emplace(f.itemId, std::move(*f.entry));
    }
    return result;
}

std::vector<JournalEntry> Journal::newerThan(std::int64_t sequence) const {
    std::vector<JournalEntry> out;
    for (auto& f : files())
        if (f.entry && f.sequence > sequence) out.push_back(std::move(*f.entry));
    return out;
}

bool Journal::rewrite(const JournalEntry& entry) {
    const fs::path file = folder_ / fileNameOf(entry.sequence, entry.itemId);
    try {
        const fs::path temporary = writeTemporary(folder_, serialize(entry));
        if (platform::injectedDiskFault(platform::DiskStep::Rename) ||
            ::rename(temporary.c_str(), file.c_str()) != 0) {
            log::warning("tweaks", errnoText("cannot rewrite", file));
            ::unlink(temporary.c_str());
            return false;
        }
    } catch (const std::runtime_error& error) {
        log::warning("tweaks", error.what());
        return false;
    }
    syncFolder(folder_);
    return true;
}

void Journal::remove(const JournalEntry& entry) {
    std::error_code error;
    fs::remove(folder_ / fileNameOf(entry.sequence, entry.itemId), error);
    syncFolder(folder_);
}

void Journal::drop(const std::string& fileName) {
    const auto paths = entryPaths();
    const auto match = std::find_if(paths.begin(), paths.end(), [&](const fs::path& p) {
        return p.filename().string() == fileName;
    });
    if (match == paths.end())
        throw std::invalid_argument("no journal entry named '" + fileName + "'");
    std::error_code error;
    fs::remove(*match, error);
    if (error)
        throw std::runtime_error("cannot remove " + match->string() + ": " + error.message());
    syncFolder(folder_);
}

}  // namespace vantix::tweaks
