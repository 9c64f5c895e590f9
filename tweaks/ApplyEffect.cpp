#include "tweaks/ApplyEffect.h"

#include <algorithm>
#include <map>

#include "platform/paths/Confinement.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/IniEncoding.h"
#include "platform/text/Text.h"

namespace vantix::tweaks {

namespace {

namespace fs = std::filesystem;

// `path` below `root` without leaving it, or nullopt.
std::optional<fs::path> below(const fs::path& path, const fs::path& root) {
    if (root.empty()) return std::nullopt;
    const fs::path relative = path.lexically_normal().lexically_relative(root.lexically_normal());
    if (relative.empty() || relative == "." || *relative.begin() == "..") return std::nullopt;
    return relative;
}

std::optional<std::pair<FileRoot, fs::path>> journalPathOf(const FileRoots& roots,
                                                           const fs::path& host) {
    for (const auto& [root, folder] :
         {std::pair{FileRoot::Image, roots.image}, std::pair{FileRoot::Program, roots.program}})
        if (auto relative = below(host, folder)) return std::pair{root, *relative};
    std::error_code error;
    const fs::path real = fs::weakly_canonical(host, error);
    if (error) return std::nullopt;
    for (const auto& [root, folder] :
         {std::pair{FileRoot::Image, roots.image}, std::pair{FileRoot::Program, roots.program}}) {
        std::error_code folderError;
        const fs::path realFolder = fs::weakly_canonical(folder, folderError);
        if (folderError) continue;
        if (auto relative = below(real, realFolder)) return std::pair{root, *relative};
    }
    return std::nullopt;
}

std::string keyId(const std::string& hive, const std::string& key) {
    return hive + '\n' + text::foldCase(key);
}

void addIniDifferences(FileEffect& file) {
    if (!file.before.content || !file.after.content) return;
    file.entries = iniDifferences(*file.before.content, *file.after.content);
}

}  // namespace

bool ApplyEffect::empty() const {
    return values.empty() && files.empty() &&
           std::none_of(keys.begin(), keys.end(),
                        [](const KeyEffect& k) { return k.existedBefore != k.existsAfter; });
}

std::optional<fs::path> FileRoots::resolve(const FileEffect& file, std::string* why) const {
    auto refuse = [&](std::string reason) -> std::optional<fs::path> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    const fs::path& relative = file.relative;
    if (relative.empty() || relative.is_absolute())
        return refuse("\"" + relative.string() + "\" is not a path inside the image");
    for (const auto& part : relative)
        if (part == ".." || part == ".")
            return refuse("\"" + relative.string() + "\" leaves the folder it belongs to");
    const fs::path host = (file.root == FileRoot::Image ? image : program) / relative;
    if (auto violation = platform::confinementViolation(image, program, host))
        return refuse(*violation);
    return host;
}

std::optional<std::pair<platform::Root, std::string>> registryPathOf(const std::string& hive,
                                                                     const std::string& key) {
    if (hive == "system.reg") return std::pair{platform::Root::LocalMachine, key};
    if (hive == "user.reg") return std::pair{platform::Root::CurrentUser, key};
    if (hive == "userdef.reg")
        return std::pair{platform::Root::Users, key.empty() ? ".Default" : ".Default\\" + key};
    return std::nullopt;
}

std::string rootedKeyName(const std::string& hive, const std::string& key) {
    const auto path = registryPathOf(hive, key);
    if (!path) return hive + ":" + key;
    const std::string root(platform::rootName(path->first));
    return path->second.empty() ? root : root + "\\" + path->second;
}

std::vector<IniEntryEffect> iniDifferences(const std::string& before, const std::string& after) {
    const auto oldDocument = platform::IniDocument::parse(platform::decodeIni(before).text);
    const auto newDocument = platform::IniDocument::parse(platform::decodeIni(after).text);
    std::vector<IniEntryEffect> entries;
    std::map<std::string, bool> seen;
    for (const auto* document : {&oldDocument, &newDocument})
        for (const auto& section : document->sectionNames())
            for (const auto& key : document->keyNames(section)) {
                if (!seen.emplace(text::foldCase(section) + '\n' + text::foldCase(key), true)
                         .second)
                    continue;
                auto old = oldDocument.rawValue(section, key);
                auto now = newDocument.rawValue(section, key);
                if (old != now) entries.push_back({section, key, std::move(old), std::move(now)});
            }
    return entries;
}

ApplyEffect effectOf(platform::Registry& registry, const FileRoots& roots,
                     const std::vector<RecordedChange>& changes) {
    ApplyEffect effect;
    std::map<std::string, std::size_t> valueAt;
    std::map<std::string, std::size_t> keyAt;
    std::map<std::string, std::size_t> fileAt;
    std::vector<fs::path> hostOfFile;
    using K = platform::RegistryChange;
    for (const auto& change : changes) {
        if (const auto& r = change.registry) {
            // The first report of a key or value holds its state before the apply.
            const std::string id = keyId(r->hive, r->key);
            if (!keyAt.count(id)) {
                keyAt[id] = effect.keys.size();
                KeyEffect key{r->hive, r->key, r->kind != K::CreateKey, r->keyTimeBefore};
                if (r->kind == K::CreateKey) key.timeBefore = 0;
                effect.keys.push_back(key);
            }
            if (r->kind == K::SetValue || r->kind == K::DeleteValue) {
                const std::string name = r->before ? r->before->name : r->after->name;
                const std::string valueId = id + '\n' + text::foldCase(name);
                if (!valueAt.count(valueId)) {
                    valueAt[valueId] = effect.values.size();
                    effect.values.push_back({r->hive, r->key, name, r->before, std::nullopt});
                }
            }
            // Key renames are never made by a function's commands; they are
            // not part of what an apply can change.
        }
        if (const auto& f = change.file) {
            for (const auto& before : f->before) {
                const std::string id = before.path.lexically_normal().string();
                if (fileAt.count(id)) continue;
                const auto where = journalPathOf(roots, before.path);
                if (!where) {
                    effect.problems.push_back(before.path.string() +
                                              " lies outside the image and the program folder "
                                              "and cannot be undone");
                    fileAt[id] = SIZE_MAX;
                    continue;
                }
                fileAt[id] = effect.files.size();
                FileEffect file;
                file.root = where->first;
                file.relative = where->second;
                file.before = {before.content, before.attributes};
                effect.files.push_back(std::move(file));
                hostOfFile.push_back(before.path);
            }
        }
    }

    // What the apply left, as it reads now: a refused save left the old state.
    std::vector<ValueEffect> values;
    for (auto& value : effect.values) {
        const auto path = registryPathOf(value.hive, value.key);
        if (path) value.after = registry.getValue(path->first, path->second, value.name);
        if (value.after != value.before) values.push_back(std::move(value));
    }
    effect.values = std::move(values);
    std::vector<KeyEffect> keys;
    for (auto& key : effect.keys) {
        const auto path = registryPathOf(key.hive, key.key);
        const auto info = path ? registry.keyInfo(path->first, path->second) : std::nullopt;
        key.existsAfter = info.has_value();
        key.timeAfter = info ? info->lastWriteTime : 0;
        if (key.existedBefore != key.existsAfter ||
            (key.existedBefore && key.timeAfter != key.timeBefore))
            keys.push_back(std::move(key));
    }
    effect.keys = std::move(keys);
    std::vector<FileEffect> files;
    for (std::size_t i = 0; i < effect.files.size(); ++i) {
        FileEffect& file = effect.files[i];
        const FileBefore now = captureFile(hostOfFile[i]);
        file.after = {now.content, now.attributes};
        if (file.after == file.before) continue;
        addIniDifferences(file);
        files.push_back(std::move(file));
    }
    effect.files = std::move(files);
    return effect;
}

}  // namespace vantix::tweaks
