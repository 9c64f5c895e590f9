#include "tweaks/Undo.h"

#include <algorithm>
#include <cstdio>

#include "platform/files/DosAttributes.h"
#include "platform/files/FileIo.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/IniEncoding.h"
#include "platform/text/Text.h"
#include "tweaks/ChangeText.h"

namespace vantix::tweaks {

namespace {

namespace fs = std::filesystem;

std::string valueText(const std::optional<platform::RegValue>& value) {
    return value ? describeValue(*value) : "absent";
}

std::string entryText(const std::optional<std::string>& value) {
    return value ? "\"" + *value + "\"" : "absent";
}

std::string fileText(const FileState& state) {
    if (!state.content) return "absent";
    char attributes[16];
    std::snprintf(attributes, sizeof attributes, "0x%02x", state.attributes);
    return std::to_string(state.content->size()) + " bytes, attributes " + attributes;
}

FileState stateOf(const fs::path& host) {
    const FileBefore now = captureFile(host);
    return {now.content, now.attributes};
}

std::string displayName(const FileEffect& file) {
    return (file.root == FileRoot::Program ? "program folder: " : "") + file.relative.string();
}

bool sameKey(const std::string& hive, const std::string& key, const std::string& otherHive,
             const std::string& otherKey) {
    return hive == otherHive && text::equalsIgnoreCase(key, otherKey);
}

// ---- differences ---------------------------------------------------------

void registryDifferences(platform::Registry& registry, const ApplyEffect& effect,
                         std::vector<UndoDifference>& out) {
    for (const auto& value : effect.values) {
        const auto path = registryPathOf(value.hive, value.key);
        if (!path) continue;
        const auto now = registry.getValue(path->first, path->second, value.name);
        if (now == value.after) continue;
        out.push_back(
            {"registry " + rootedKeyName(value.hive, value.key) + " \"" + value.name + "\"",
             valueText(value.after), valueText(now), valueText(value.before)});
    }
    for (const auto& key : effect.keys) {
        if (key.existsAfter || !key.existedBefore) continue;
        const auto path = registryPathOf(key.hive, key.key);
        if (path && registry.keyExists(path->first, path->second))
            out.push_back({"registry key " + rootedKeyName(key.hive, key.key), "absent", "present",
                           "the key as it was"});
    }
}

void fileDifferences(const FileRoots& roots, const FileEffect& file,
                     std::vector<UndoDifference>& out) {
    std::string why;
    const auto host = roots.resolve(file, &why);
    if (!host) return;  // reported by the restore as a refusal
    const FileState now = stateOf(*host);
    if (now == file.after) return;
    if (!file.entries.empty() && now.content) {
        const auto document = platform::IniDocument::parse(platform::decodeIni(*now.content).text);
        for (const auto& entry : file.entries) {
            const auto current = document.rawValue(entry.section, entry.key);
            if (current != entry.after)
                out.push_back({"INI " + displayName(file) + " [" + entry.section + "] " + entry.key,
                               entryText(entry.after), entryText(current),
                               entryText(entry.before)});
        }
        return;
    }
    out.push_back(
        {"file " + displayName(file), fileText(file.after), fileText(now), fileText(file.before)});
}

// ---- restoring -----------------------------------------------------------

void note(const platform::RegStatus& status, const std::string& what,
          std::vector<std::string>& problems) {
    if (!status && status.code != platform::RegStatus::NotFound)
        problems.push_back(what + ": " + status.message);
}

std::size_t depth(const std::string& key) {
    return static_cast<std::size_t>(std::count(key.begin(), key.end(), '\\'));
}

void restoreRegistry(platform::Registry& registry, const ApplyEffect& effect,
                     std::vector<std::string>& problems) {
    std::vector<const KeyEffect*> keys;
    for (const auto& key : effect.keys) keys.push_back(&key);
    std::stable_sort(keys.begin(), keys.end(), [](const KeyEffect* a, const KeyEffect* b) {
        return depth(a->key) < depth(b->key);
    });
    // Keys the apply deleted come back, parents first.
    for (const KeyEffect* key : keys)
        if (key->existedBefore && !key->existsAfter)
            if (const auto path = registryPathOf(key->hive, key->key))
                note(registry.createKey(path->first, path->second), "recreating " + key->key,
                     problems);
    for (const auto& value : effect.values) {
        const auto path = registryPathOf(value.hive, value.key);
        if (!path) {
            problems.push_back("unknown registry file " + value.hive);
            continue;
        }
        if (value.before)
            note(registry.setValue(path->first, path->second, *value.before),
                 "restoring a value of " + value.key, problems);
        else
            note(registry.deleteValue(path->first, path->second, value.name),
                 "removing a value of " + value.key, problems);
    }
    // Keys the apply created go, deepest first, but only while they hold
    // nothing that something else put there since.
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        const KeyEffect* key = *it;
        if (key->existedBefore || !key->existsAfter) continue;
        const auto path = registryPathOf(key->hive, key->key);
        if (!path || registry.isLink(path->first, path->second)) continue;
        const auto info = registry.keyInfo(path->first, path->second);
        if (info && info->subKeyCount == 0 && info->valueCount == 0)
            note(registry.deleteKey(path->first, path->second), "removing " + key->key, problems);
    }
    for (const KeyEffect* key : keys) {
        if (!key->existedBefore) continue;
        const auto path = registryPathOf(key->hive, key->key);
        if (path && registry.keyExists(path->first, path->second))
            note(registry.setKeyTime(path->first, path->second, key->timeBefore),
                 "restoring the time of " + key->key, problems);
    }
}

void writeState(const fs::path& host, const FileState& wanted, const FileState& now,
                std::vector<std::string>& problems) {
    if (wanted.content) {
        if (now.content != wanted.content) {
            // A read-only file must become writable before it can be replaced.
            platform::setNormalAttributes(host);
            if (auto status = platform::replaceFile(host, *wanted.content, now.content); !status)
                return problems.push_back(status.message);
        }
        if (now.attributes != wanted.attributes || now.content != wanted.content)
            if (auto status = platform::setDosAttributes(host, wanted.attributes); !status)
                problems.push_back(status.message);
    } else if (now.content) {
        platform::setNormalAttributes(host);
        if (auto status = platform::removeWholeFile(host, now.content); !status)
            problems.push_back(status.message);
    }
}

void restoreFile(const FileRoots& roots, const FileEffect& file,
                 std::vector<std::string>& problems) {
    std::string why;
    const auto host = roots.resolve(file, &why);
    if (!host)
        return problems.push_back("refused to restore " + file.relative.string() + ": " + why);
    const FileState now = stateOf(*host);
    if (now == file.after || file.entries.empty() || !now.content)
        return writeState(*host, file.before, now, problems);
    // Something else changed the file since: only the apply's entries go back.
    auto decoded = platform::decodeIni(*now.content);
    auto document = platform::IniDocument::parse(decoded.text);
    for (const auto& entry : file.entries) {
        if (entry.before)
            document.setValue(entry.section, entry.key, *entry.before);
        else
            document.removeKey(entry.section, entry.key);
    }
    FileState wanted{
        platform::encodeIni(decoded.encoding, document.text(), decoded.tail),
        now.attributes == file.after.attributes ? file.before.attributes : now.attributes};
    writeState(*host, wanted, now, problems);
}

template <typename T>
bool replaceIfEqual(T& target, const T& match, const T& replacement) {
    if (target != match || target == replacement) return false;
    target = replacement;
    return true;
}

}  // namespace

std::vector<UndoDifference> differencesSince(platform::Registry& registry, const FileRoots& roots,
                                             const ApplyEffect& effect) {
    std::vector<UndoDifference> out;
    registryDifferences(registry, effect, out);
    for (const auto& file : effect.files) fileDifferences(roots, file, out);
    return out;
}

std::vector<std::string> restoreEffect(platform::Registry& registry, const FileRoots& roots,
                                       const ApplyEffect& effect) {
    std::vector<std::string> problems;
    if (!effect.values.empty() || !effect.keys.empty()) {
        const platform::RegStatus status = registry.batch([&] {
            restoreRegistry(registry, effect, problems);
            return platform::RegStatus::ok();
        });
        if (!status) problems.push_back("registry: " + status.message);
    }
    for (const auto& file : effect.files) restoreFile(roots, file, problems);
    return problems;
}

bool rebaseOnto(ApplyEffect& later, const ApplyEffect& undone) {
    bool changed = false;
    for (auto& value : later.values)
        for (const auto& old : undone.values)
            if (sameKey(value.hive, value.key, old.hive, old.key) &&
                text::equalsIgnoreCase(value.name, old.name))
                changed |= replaceIfEqual(value.before, old.after, old.before);
    for (const auto& old : undone.keys) {
        const auto match = std::find_if(
            later.keys.begin(), later.keys.end(),
            [&](const KeyEffect& k) { return sameKey(k.hive, k.key, old.hive, old.key); });
        if (match == later.keys.end()) continue;
        if (match->existedBefore && old.existsAfter && match->timeBefore == old.timeAfter) {
            match->existedBefore = old.existedBefore;
            match->timeBefore = old.timeBefore;
            changed = true;
            // A key the later apply now counts as its own creation changes
            // its parent's time when undo removes it: the parent's record
            // comes along.
            if (!old.existedBefore) {
                const auto cut = old.key.rfind('\\');
                const std::string parent = cut == std::string::npos ? "" : old.key.substr(0, cut);
                for (const auto& p : undone.keys)
                    if (sameKey(p.hive, p.key, old.hive, parent) &&
                        std::none_of(later.keys.begin(), later.keys.end(), [&](const KeyEffect& k) {
                            return sameKey(k.hive, k.key, p.hive, p.key);
                        })) {
                        later.keys.push_back(p);
                        break;
                    }
            }
        }
    }
    for (auto& file : later.files)
        for (const auto& old : undone.files) {
            if (file.root != old.root || file.relative != old.relative) continue;
            changed |= replaceIfEqual(file.before, old.after, old.before);
            for (auto& entry : file.entries)
                for (const auto& oldEntry : old.entries)
                    if (text::equalsIgnoreCase(entry.section, oldEntry.section) &&
                        text::equalsIgnoreCase(entry.key, oldEntry.key))
                        changed |= replaceIfEqual(entry.before, oldEntry.after, oldEntry.before);
        }
    return changed;
}

}  // namespace vantix::tweaks
