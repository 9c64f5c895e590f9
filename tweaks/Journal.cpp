#include "tweaks/Journal.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "platform/files/DosAttributes.h"
#include "platform/files/FileIo.h"
#include "platform/log/Log.h"
#include "platform/registry/Registry.h"

namespace vantix::tweaks {

namespace {

constexpr const char* kFolderName = "vantix-journal";
constexpr const char* kMagic = "vantix-journal 1";
constexpr std::size_t kMaxEntryBytes = 256 * 1024 * 1024;

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

std::string bytesOf(const std::vector<std::uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

struct HiveRoot {
    platform::Root root;
    std::string prefix;
};

std::optional<HiveRoot> rootOfHive(const std::string& hive) {
    if (hive == "system.reg") return HiveRoot{platform::Root::LocalMachine, ""};
    if (hive == "user.reg") return HiveRoot{platform::Root::CurrentUser, ""};
    if (hive == "userdef.reg") return HiveRoot{platform::Root::Users, ".Default\\"};
    return std::nullopt;
}

std::string parentOf(const std::string& key) {
    const auto at = key.rfind('\\');
    return at == std::string::npos ? std::string() : key.substr(0, at);
}

std::string lastNameOf(const std::string& key) {
    const auto at = key.rfind('\\');
    return at == std::string::npos ? key : key.substr(at + 1);
}

void restoreRegistryChange(platform::Registry& registry, const platform::RegistryChange& c,
                           std::vector<std::string>& problems) {
    const auto hive = rootOfHive(c.hive);
    if (!hive) {
        problems.push_back("unknown registry file " + c.hive);
        return;
    }
    const std::string key = hive->prefix + c.key;
    auto note = [&](const platform::RegStatus& status, const std::string& what) {
        if (!status && status.code != platform::RegStatus::NotFound)
            problems.push_back(what + ": " + status.message);
    };
    using K = platform::RegistryChange;
    switch (c.kind) {
        case K::SetValue:
        case K::DeleteValue:
            if (c.before)
                note(registry.setValue(hive->root, key, *c.before), "restoring a value of " + key);
            else if (c.after)
                note(registry.deleteValue(hive->root, key, c.after->name),
                     "removing a value of " + key);
            note(registry.setKeyTime(hive->root, key, c.keyTimeBefore),
                 "restoring the time of " + key);
            break;
        case K::CreateKey:
            note(registry.deleteTree(hive->root, key), "removing " + key);
            break;
        case K::DeleteKey:
            note(registry.createKey(hive->root, key), "recreating " + key);
            note(registry.setKeyTime(hive->root, key, c.keyTimeBefore),
                 "restoring the time of " + key);
            break;
        case K::SetKeyTime:
            note(registry.setKeyTime(hive->root, key, c.keyTimeBefore),
                 "restoring the time of " + key);
            break;
        case K::RenameKey: {
            const std::string parent = parentOf(key);
            const std::string renamed = parent.empty() ? c.newName : parent + "\\" + c.newName;
            note(registry.renameKey(hive->root, renamed, lastNameOf(key)),
                 "renaming " + renamed + " back");
            note(registry.setKeyTime(hive->root, key, c.keyTimeBefore),
                 "restoring the time of " + key);
            break;
        }
    }
}

void restoreFile(const FileBefore& before, std::vector<std::string>& problems) {
    const FileBefore now = captureFile(before.path);
    if (before.content) {
        if (now.content != before.content) {
            // A read-only file must become writable before it can be replaced.
            platform::setNormalAttributes(before.path);
            if (auto status = platform::replaceFile(before.path, *before.content, now.content);
                !status)
                problems.push_back(status.message);
        }
        if (now.attributes != before.attributes || now.content != before.content)
            if (auto status = platform::setDosAttributes(before.path, before.attributes); !status)
                problems.push_back(status.message);
    } else if (now.content) {
        platform::setNormalAttributes(before.path);
        if (auto status = platform::removeWholeFile(before.path, now.content); !status)
            problems.push_back(status.message);
    }
}

}  // namespace

std::vector<std::string> restoreChanges(platform::Registry& registry,
                                        const std::vector<RecordedChange>& changes) {
    std::vector<std::string> problems;
    const bool anyRegistry =
        std::any_of(changes.begin(), changes.end(),
                    [](const RecordedChange& c) { return c.registry.has_value(); });
    if (anyRegistry) {
        const platform::RegStatus status = registry.batch([&] {
            for (auto it = changes.rbegin(); it != changes.rend(); ++it)
                if (it->registry) restoreRegistryChange(registry, *it->registry, problems);
            return platform::RegStatus::ok();
        });
        if (!status) problems.push_back("registry: " + status.message);
    }
    for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
        if (!it->file) continue;
        const auto& before = it->file->before;
        // For a rename the source goes back first, then the target's old state.
        for (auto b = before.rbegin(); b != before.rend(); ++b) restoreFile(*b, problems);
    }
    return problems;
}

Journal::Journal(const std::filesystem::path& imageDir) : folder_(imageDir / kFolderName) {
}

std::string Journal::serialize(const JournalEntry& e) {
    std::ostringstream out;
    out << kMagic << "\n"
        << "item " << e.itemId << "\n"
        << "letter " << hex(e.letter) << "\n"
        << "input " << hex(e.input) << "\n"
        << "after " << hex(e.valueAfter) << "\n";
    for (const auto& change : e.changes) {
        if (const auto& r = change.registry) {
            out << "reg " << static_cast<int>(r->kind) << " " << hex(r->hive) << " " << hex(r->key)
                << " " << (r->keyExisted ? 1 : 0) << " " << r->keyTimeBefore << " "
                << hex(r->newName);
            for (const auto* value : {&r->before, &r->after}) {
                if (*value)
                    out << " 1 " << hex((*value)->name) << " " << (*value)->type << " "
                        << hex(bytesOf((*value)->data));
                else
                    out << " 0 x 0 x";
            }
            out << "\n";
        }
        if (const auto& f = change.file) {
            out << "file " << static_cast<int>(f->change.kind) << " " << f->before.size() << "\n";
            for (const auto& b : f->before)
                out << "before " << hex(b.path.string()) << " " << (b.content ? 1 : 0) << " "
                    << b.attributes << " " << hex(b.content.value_or("")) << "\n";
        }
    }
    out << "end\n";
    return out.str();
}

std::optional<JournalEntry> Journal::parse(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kMagic) return std::nullopt;
    JournalEntry e;
    bool ended = false;
    auto word = [](std::istringstream& fields) -> std::optional<std::string> {
        std::string w;
        if (!(fields >> w)) return std::nullopt;
        return unhex(w);
    };
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string tag;
        fields >> tag;
        if (tag == "item") {
            if (!(fields >> e.itemId)) return std::nullopt;
        } else if (tag == "letter" || tag == "input" || tag == "after") {
            auto value = word(fields);
            if (!value) return std::nullopt;
            (tag == "letter" ? e.letter : tag == "input" ? e.input : e.valueAfter) = *value;
        } else if (tag == "reg") {
            platform::RegistryChange r;
            int kind = 0;
            int existed = 0;
            if (!(fields >> kind) || kind < 0 || kind > platform::RegistryChange::RenameKey)
                return std::nullopt;
            r.kind = static_cast<platform::RegistryChange::Kind>(kind);
            auto hive = word(fields);
            auto key = word(fields);
            if (!hive || !key || !(fields >> existed >> r.keyTimeBefore)) return std::nullopt;
            auto newName = word(fields);
            if (!newName) return std::nullopt;
            r.hive = *hive;
            r.key = *key;
            r.keyExisted = existed != 0;
            r.newName = *newName;
            for (auto* value : {&r.before, &r.after}) {
                int present = 0;
                std::uint32_t type = 0;
                if (!(fields >> present)) return std::nullopt;
                auto name = word(fields);
                if (!name || !(fields >> type)) return std::nullopt;
                auto data = word(fields);
                if (!data) return std::nullopt;
                if (present)
                    *value = platform::RegValue{
                        *name, type, std::vector<std::uint8_t>(data->begin(), data->end())};
            }
            e.changes.push_back({r, std::nullopt});
        } else if (tag == "file") {
            RecordedFileChange f;
            int kind = 0;
            std::size_t count = 0;
            if (!(fields >> kind >> count) || kind < 0 || kind > platform::FileChange::Attributes ||
                count > 2)
                return std::nullopt;
            f.change.kind = static_cast<platform::FileChange::Kind>(kind);
            for (std::size_t i = 0; i < count; ++i) {
                if (!std::getline(in, line)) return std::nullopt;
                std::istringstream b(line);
                std::string beforeTag;
                int present = 0;
                FileBefore before;
                b >> beforeTag;
                auto path = word(b);
                if (beforeTag != "before" || !path || !(b >> present >> before.attributes))
                    return std::nullopt;
                auto content = word(b);
                if (!content) return std::nullopt;
                before.path = *path;
                if (present) before.content = *content;
                f.before.push_back(std::move(before));
            }
            if (!f.before.empty()) f.change.path = f.before.front().path;
            e.changes.push_back({std::nullopt, std::move(f)});
        } else if (tag == "end") {
            ended = true;
            break;
        } else {
            return std::nullopt;
        }
    }
    // An entry cut short (a crash while writing it) is not trusted.
    if (!ended) return std::nullopt;
    return e;
}

std::vector<std::filesystem::path> Journal::entryFiles() const {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error))
        if (it->path().extension() == ".entry") files.push_back(it->path());
    std::sort(files.begin(), files.end());  // zero-padded sequence numbers sort in order
    return files;
}

std::filesystem::path Journal::fileOf(const JournalEntry& entry) const {
    char name[64];
    std::snprintf(name, sizeof name, "%010lld-%lld.entry", static_cast<long long>(entry.sequence),
                  static_cast<long long>(entry.itemId));
    return folder_ / name;
}

void Journal::append(JournalEntry& entry) {
    std::filesystem::create_directories(folder_);
    const auto files = entryFiles();
    entry.sequence = files.empty() ? 1 : std::atoll(files.back().filename().string().c_str()) + 1;
    const auto file = fileOf(entry);
    const auto temporary = folder_ / (".entry-" + std::to_string(::getpid()));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << serialize(entry);
        out.flush();
        if (!out) throw std::runtime_error("cannot write the undo journal in " + folder_.string());
    }
    std::filesystem::rename(temporary, file);
}

std::optional<JournalEntry> Journal::last(std::int64_t itemId) const {
    const auto files = entryFiles();
    const std::string suffix = "-" + std::to_string(itemId) + ".entry";
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        const std::string name = it->filename().string();
        if (name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        auto text = platform::readWholeFile(*it, kMaxEntryBytes);
        auto entry = text ? parse(*text) : std::nullopt;
        if (!entry || entry->itemId != itemId) {
            log::warning("tweaks", "damaged journal entry ignored: " + it->string());
            return std::nullopt;
        }
        entry->sequence = std::atoll(name.c_str());
        return entry;
    }
    return std::nullopt;
}

std::map<std::int64_t, JournalEntry> Journal::lastOfEach() const {
    std::map<std::int64_t, JournalEntry> result;
    for (const auto& file : entryFiles()) {
        auto text = platform::readWholeFile(file, kMaxEntryBytes);
        auto entry = text ? parse(*text) : std::nullopt;
        if (!entry) continue;
        entry->sequence = std::atoll(file.filename().string().c_str());
        result[entry->itemId] = std::move(*entry);
    }
    return result;
}

void Journal::remove(const JournalEntry& entry) {
    std::error_code error;
    std::filesystem::remove(fileOf(entry), error);
}

}  // namespace vantix::tweaks
