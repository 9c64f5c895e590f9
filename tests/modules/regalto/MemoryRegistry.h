#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "modules/regalto/Prompter.h"
#include "modules/regalto/RegistryPort.h"
#include "modules/regalto/TextCompare.h"

// An in-memory registry with the library's textual conventions, and a prompter
// answering from queues: what the editor's tests and benchmarks run against.
namespace vantix::regalto::testing {

class MemoryRegistry : public RegistryPort {
public:
    struct Value {
        std::string name;
        std::int32_t type;
        std::string text;  // string text, signed decimal or hex digit pairs by type
    };
    struct Key {
        std::string name;
        std::vector<Value> values;
        std::vector<std::unique_ptr<Key>> children;
    };

    MemoryRegistry() {
        for (const char* root : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"}) {
            auto key = std::make_unique<Key>();
            key->name = root;
            roots_.push_back(std::move(key));
        }
    }

    bool failWrites = false;
    int writes = 0;

    // Test set-up.
    Key& makeKey(const std::string& path) { return *find(path, true); }
    void put(const std::string& path, const std::string& name, std::int32_t type, const std::string& text) {
        Key& key = makeKey(path);
        for (auto& value : key.values) {
            if (equalsNoCase(value.name, name)) {
                value = {value.name, type, text};
                return;
            }
        }
        key.values.push_back({name, type, text});
    }
    bool hasKey(const std::string& path) { return find(path, false) != nullptr; }
    const Value* value(const std::string& path, const std::string& name) {
        Key* key = find(path, false);
        if (!key) return nullptr;
        for (auto& v : key->values) {
            if (equalsNoCase(v.name, name)) return &v;
        }
        return nullptr;
    }

    std::string getValue(const std::string& path, const std::string& name, const std::string& letter) override {
        const Value* v = value(path, name);
        if (!v) return kNoKey;
        if (letter == "B" && v->type != 3) return toHex(v->text);
        return v->text;
    }
    bool setValue(const std::string& path, const std::string& name, const std::string& text,
                  const std::string& letter) override {
        if (failWrites) return false;
        ++writes;
        const std::int32_t type = letter == "D" ? 4 : letter == "B" ? 3 : 1;
        put(path, name, type, text);
        return true;
    }
    bool deleteValue(const std::string& path, const std::string& name) override {
        if (failWrites) return false;
        ++writes;
        Key* key = find(path, false);
        if (!key) return false;
        auto& values = key->values;
        const auto before = values.size();
        values.erase(std::remove_if(values.begin(), values.end(), [&](const Value& v) { return equalsNoCase(v.name, name); }),
                     values.end());
        return values.size() != before;
    }
    bool deleteKey(const std::string& path) override {
        if (failWrites) return false;
        ++writes;
        return eraseKey(path);
    }
    bool renameValue(const std::string& path, const std::string& oldName, const std::string& newName,
                     const std::string&) override {
        if (failWrites) return false;
        ++writes;
        Key* key = find(path, false);
        if (!key) return false;
        for (auto& v : key->values) {
            if (equalsNoCase(v.name, oldName)) {
                v.name = newName;
                return true;
            }
        }
        return false;
    }
    std::vector<ValueName> values(const std::string& path, std::size_t limit) override {
        std::vector<ValueName> result;
        if (Key* key = find(path, false)) {
            for (const auto& v : key->values) {
                if (result.size() == limit) break;
                result.push_back({v.name, v.type});
            }
        }
        return result;
    }
    std::vector<std::string> subKeys(const std::string& path) override {
        std::vector<std::string> names;
        if (Key* key = find(path, false)) {
            for (const auto& child : key->children) names.push_back(child->name);
        }
        return names;
    }
    std::int32_t subKeyCount(const std::string& path) override {
        Key* key = find(path, false);
        return key ? static_cast<std::int32_t>(key->children.size()) : 0;
    }

    // Files are the library's business: the in-memory registry only records the request.
    std::vector<std::string> fileRequests;
    std::string fileFailure;
    std::string exportKey(const std::string& path, const std::filesystem::path& file) override {
        fileRequests.push_back("export " + path + " " + file.string());
        return fileFailure;
    }
    std::string importFile(const std::filesystem::path& file) override {
        fileRequests.push_back("import " + file.string());
        if (fileFailure.empty()) makeKey("HKEY_CURRENT_USER\\Imported");
        return fileFailure;
    }

private:
    static std::string toHex(const std::string& text) {
        static const char* digits = "0123456789ABCDEF";
        std::string hex;
        for (unsigned char c : text) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        return hex;
    }
    static std::vector<std::string> parts(const std::string& path) {
        std::vector<std::string> result;
        std::size_t start = 0;
        while (true) {
            const auto end = path.find('\\', start);
            result.push_back(path.substr(start, end - start));
            if (end == std::string::npos) return result;
            start = end + 1;
        }
    }
    Key* find(const std::string& path, bool create) {
        const auto names = parts(path);
        Key* key = nullptr;
        for (auto& root : roots_) {
            if (root->name == names[0]) key = root.get();
        }
        for (std::size_t i = 1; key && i < names.size(); ++i) {
            Key* next = nullptr;
            for (auto& child : key->children) {
                if (equalsNoCase(child->name, names[i])) next = child.get();
            }
            if (!next && create) {
                auto child = std::make_unique<Key>();
                child->name = names[i];
                next = child.get();
                key->children.push_back(std::move(child));
            }
            key = next;
        }
        return key;
    }
    bool eraseKey(const std::string& path) {
        const auto slash = path.rfind('\\');
        if (slash == std::string::npos) return false;
        Key* parent = find(path.substr(0, slash), false);
        if (!parent) return false;
        auto& children = parent->children;
        const auto before = children.size();
        const std::string name = path.substr(slash + 1);
        children.erase(std::remove_if(children.begin(), children.end(),
                                      [&](const auto& c) { return equalsNoCase(c->name, name); }),
                       children.end());
        return children.size() != before;
    }
    std::vector<std::unique_ptr<Key>> roots_;
};

// Answers every question from what the test queued; records what was asked.
class QueuedPrompter : public Prompter {
public:
    std::vector<std::string> keyNames;
    std::vector<NewValueRequest> newValues;
    std::vector<std::string> dwordResults;
    std::vector<std::string> textResults;
    std::vector<bool> confirmations;
    std::vector<std::string> asked;     // confirmation texts and editor captions
    std::vector<std::string> messages;  // information messages
    std::vector<std::string> shownTexts;  // what each editor opened with

    std::string askKeyName() override { return take(keyNames, std::string()); }
    NewValueRequest askNewValue() override { return take(newValues, NewValueRequest{}); }
    std::string editDword(const std::string&, const std::string& decimal) override {
        shownTexts.push_back(decimal);
        return take(dwordResults, std::string());
    }
    std::string editText(const std::string& caption, const std::string&, const std::string& text) override {
        asked.push_back(caption);
        shownTexts.push_back(text);
        return take(textResults, std::string(kCancelled));
    }
    bool confirm(const std::string& text, const std::string& caption) override {
        asked.push_back(caption + ": " + text);
        return take(confirmations, false);
    }
    void inform(const std::string& text) override { messages.push_back(text); }
    std::optional<FindOptions> askFind(const FindOptions&) override {
        return take(finds, std::optional<FindOptions>());
    }
    std::vector<std::optional<FindOptions>> finds;
    std::vector<std::optional<std::string>> files;
    std::vector<std::string> warnings;
    std::optional<std::string> chooseExportFile(const std::string& suggested) override {
        asked.push_back("export as " + suggested);
        return take(files, std::optional<std::string>());
    }
    std::optional<std::string> chooseImportFile() override { return take(files, std::optional<std::string>()); }
    void warn(const std::string& text) override { warnings.push_back(text); }

private:
    template <typename T>
    static T take(std::vector<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T front = queue.front();
        queue.erase(queue.begin());
        return front;
    }
};

}  // namespace vantix::regalto::testing
