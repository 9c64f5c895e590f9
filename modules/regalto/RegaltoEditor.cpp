#include "modules/regalto/RegaltoEditor.h"

#include <algorithm>

#include "modules/regalto/TextCompare.h"

namespace vantix::regalto {
namespace {

// "a\b\c" as its parts; the part after a trailing "\" ends the path.
std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string rest = path + "\\";
    std::size_t start = 0;
    for (std::size_t end = rest.find('\\'); end != std::string::npos; end = rest.find('\\', start)) {
        parts.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    while (!parts.empty() && parts.back().empty()) parts.pop_back();
    return parts;
}

}  // namespace

RegaltoEditor::RegaltoEditor(RegistryPort& registry, Prompter& prompter)
    : registry_(registry), prompter_(prompter), tree_(registry) {}

void RegaltoEditor::selectKey(KeyNode* node) {
    selected_ = node;
    statusPath_ = node ? KeyTree::fullPath(*node) : std::string();
    refresh();
}

void RegaltoEditor::refresh() {
    listing_ = statusPath_.empty() ? ValueListing{} : listValues(registry_, statusPath_);
    selectedEntry_ = 0;
}

std::string RegaltoEditor::statusNote() const {
    if (!listing_.truncated) return "";
    return "More values exist: only the first " + std::to_string(kValueListCap) + " are shown";
}

void RegaltoEditor::selectEntry(std::size_t index) {
    if (index < listing_.entries.size()) selectedEntry_ = index;
}

std::optional<std::size_t> RegaltoEditor::entryNamed(const std::string& name) const {
    for (std::size_t i = 0; i < listing_.entries.size(); ++i) {
        if (equalsNoCase(listing_.entries[i].name, name)) return i;
    }
    return std::nullopt;
}

KeyNode* RegaltoEditor::newKey() {
    if (!selected_) return nullptr;
    const std::string name = acceptedName(prompter_.askKeyName());
    if (name.empty()) return nullptr;
    const std::string path = KeyTree::fullPath(*selected_) + "\\" + name;
    tree_.expand(*selected_);
    const bool exists = std::any_of(selected_->children.begin(), selected_->children.end(),
                                    [&](const auto& child) { return equalsNoCase(child->text, name); });
    // A key is made by writing its default value and deleting it again; done on
    // a key that exists already, that would delete its default value.
    if (!exists) {
        if (!registry_.setValue(path, "", "DUMMY", "")) return nullptr;
        registry_.deleteValue(path, "");
    }
    KeyNode* node = tree_.addChild(*selected_, name);
    selectKey(node);
    return node;
}

KeyNode* RegaltoEditor::deleteKey(KeyNode* node) {
    if (!node || node->isRoot() || node->isPlaceholder()) return nullptr;
    if (!prompter_.confirm("'" + node->text + "'" + kReallyDelete, kConfirmCaption)) return nullptr;
    KeyNode* parent = node->parent;
    if (!registry_.deleteKey(KeyTree::fullPath(*node))) return nullptr;
    tree_.remove(*node);
    selectKey(parent);
    return parent;
}

bool RegaltoEditor::newValue() {
    if (statusPath_.empty()) return false;
    NewValueRequest request = prompter_.askNewValue();
    request.name = acceptedName(request.name);
    if (request.name.empty() || request.kind == NewValueKind::None) return false;
    if (entryNamed(request.name)) return false;
    // A list cut at its cap does not show every value: never write over an unlisted one.
    if (registry_.getValue(statusPath_, request.name, "B") != kNoKey) return false;
    ValueEntry entry{request.name, "", ValueTag::Expan, false};
    bool written = false;
    switch (request.kind) {
        case NewValueKind::String:
            written = registry_.setValue(statusPath_, request.name, "", "");
            break;
        case NewValueKind::Binary:
            written = registry_.setValue(statusPath_, request.name, "00000000", "B");
            entry = {request.name, "00000000", ValueTag::Binar, false};
            break;
        case NewValueKind::Dword:
            written = registry_.setValue(statusPath_, request.name, "0", "D");
            entry = {request.name, "0 (0)", ValueTag::Dword, false};
            break;
        case NewValueKind::None:
            break;
    }
    if (!written) return false;
    listing_.entries.push_back(entry);
    selectedEntry_ = listing_.entries.size() - 1;
    return true;
}

bool RegaltoEditor::editValue(std::size_t index) {
    if (index >= listing_.entries.size()) return false;
    selectedEntry_ = index;
    ValueEntry& entry = listing_.entries[index];
    switch (entry.tag) {
        case ValueTag::Expan: return editString(entry);
        case ValueTag::Binar: return editBinary(entry);
        case ValueTag::Dword: return editDwordEntry(entry);
        case ValueTag::None: break;
    }
    return false;
}

bool RegaltoEditor::editString(ValueEntry& entry) {
    const std::string current = entry.isDefault && entry.setting == kValueNotSet ? "" : entry.setting;
    const std::string text = prompter_.editText("Edit string", entry.name, current);
    if (text == kCancelled) return false;
    if (entry.isDefault && text.empty()) {
        // An empty default value is no default value.
        if (!registry_.deleteValue(statusPath_, "")) return false;
        entry.setting = kValueNotSet;
        return true;
    }
    if (!registry_.setValue(statusPath_, valueNameOf(entry), text, "")) return false;
    entry.setting = text;
    return true;
}

bool RegaltoEditor::editBinary(ValueEntry& entry) {
    std::string text = prompter_.editText("Edit binary value", entry.name, entry.setting);
    if (text == kCancelled) return false;
    if (text.empty()) text = "00";
    if (!registry_.setValue(statusPath_, valueNameOf(entry), text, "B")) return false;
    entry.setting = text;
    return true;
}

bool RegaltoEditor::editDwordEntry(ValueEntry& entry) {
    const std::string decimal = entry.setting.substr(0, entry.setting.find(' '));
    const std::string result = prompter_.editDword(entry.name, decimal);
    if (result.empty()) return false;
    if (!registry_.setValue(statusPath_, valueNameOf(entry), result, "D")) return false;
    entry.setting = dwordDisplay(result);
    return true;
}

bool RegaltoEditor::deleteValue(std::size_t index) {
    if (index >= listing_.entries.size() || listing_.entries[index].isDefault) return false;
    const std::string name = listing_.entries[index].name;
    if (!prompter_.confirm("'" + name + "'" + kReallyDelete, kConfirmCaption)) return false;
    if (!registry_.deleteValue(statusPath_, name)) return false;
    listing_.entries.erase(listing_.entries.begin() + static_cast<std::ptrdiff_t>(index));
    selectedEntry_ = 0;
    return true;
}

bool RegaltoEditor::renameValue(std::size_t index, const std::string& newName) {
    if (index >= listing_.entries.size()) return false;
    ValueEntry& entry = listing_.entries[index];
    if (!canRename(entry) || newName.empty() || newName.find('\\') != std::string::npos) return false;
    if (newName == entry.name) return false;
    for (std::size_t i = 0; i < listing_.entries.size(); ++i) {
        if (i != index && equalsNoCase(listing_.entries[i].name, newName)) return false;
    }
    // The list may be cut at its cap: a clash with an unlisted value must be refused too.
    if (!equalsNoCase(entry.name, newName) && registry_.getValue(statusPath_, newName, "B") != kNoKey) return false;
    if (!registry_.renameValue(statusPath_, entry.name, newName, renameLetter(entry.tag))) return false;
    entry.name = newName;
    return true;
}

bool RegaltoEditor::exportSelected() {
    if (!selected_) return false;
    const auto file = prompter_.chooseExportFile(selected_->text + ".reg");
    if (!file) return false;
    const std::string failure = registry_.exportKey(KeyTree::fullPath(*selected_), *file);
    if (!failure.empty()) prompter_.warn("Export failed: " + failure);
    return failure.empty();
}

KeyNode* RegaltoEditor::importFile() {
    const auto file = prompter_.chooseImportFile();
    if (!file) return nullptr;
    const std::string failure = registry_.importFile(*file);
    if (!failure.empty()) {
        prompter_.warn("Import failed: " + failure);
        return nullptr;
    }
    const std::string path = statusPath_;
    tree_.reload();
    selected_ = nullptr;
    KeyNode* reached = follow(path).first;
    selectKey(reached);
    return reached;
}

void RegaltoEditor::setBookmarks(std::vector<std::string> bookmarks) {
    bookmarks_.clear();
    for (auto& path : bookmarks) {
        if (std::find(bookmarks_.begin(), bookmarks_.end(), path) == bookmarks_.end()) {
            bookmarks_.push_back(std::move(path));
        }
    }
}

bool RegaltoEditor::insertBookmark() {
    if (!selected_) return false;
    const std::string path = KeyTree::fullPath(*selected_);
    if (std::find(bookmarks_.begin(), bookmarks_.end(), path) != bookmarks_.end()) return false;
    bookmarks_.push_back(path);
    return true;
}

std::pair<KeyNode*, bool> RegaltoEditor::follow(const std::string& path) {
    KeyNode* reached = nullptr;
    // Every part is followed, however deep the path: a fixed-size split would
    // stop short of a deep key and land on one of its ancestors.
    for (const auto& part : splitPath(path)) {
        KeyNode* next = nullptr;
        for (const auto& sibling : tree_.siblingsOf(reached)) {
            if (!sibling->isPlaceholder() && sibling->text == part) {
                next = sibling.get();
                break;
            }
        }
        if (!next) return {reached, false};
        tree_.expand(*next);
        reached = next;
    }
    return {reached, reached != nullptr};
}

KeyNode* RegaltoEditor::goToBookmark(const std::string& path) {
    auto [reached, complete] = follow(path);
    if (reached) selectKey(reached);
    if (!complete) prompter_.inform(kBookmarkGone);
    return reached;
}

KeyNode* RegaltoEditor::nodeForPath(const std::string& path) {
    auto [reached, complete] = follow(path);
    return complete ? reached : nullptr;
}

}  // namespace vantix::regalto
