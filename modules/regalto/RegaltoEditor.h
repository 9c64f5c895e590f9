#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "modules/regalto/KeyTree.h"
#include "modules/regalto/Prompter.h"
#include "modules/regalto/RegistryPort.h"
#include "modules/regalto/ValueList.h"

// The registry editor's behaviour: the selected key and its value list, the
// key and value commands, and the bookmarks. The main window turns controls
// into these calls and shows the results.
namespace vantix::regalto {

inline constexpr const char* kConfirmCaption = "Registry";
inline constexpr const char* kReallyDelete = " Really delete?";
inline constexpr const char* kBookmarkGone = "Selected bookmark no longer exists!";

class RegaltoEditor {
public:
    RegaltoEditor(RegistryPort& registry, Prompter& prompter);

    KeyTree& tree() { return tree_; }
    RegistryPort& registry() { return registry_; }
    Prompter& prompter() { return prompter_; }

    // Selecting a key: its path goes to status panel 1, its values into the list.
    void selectKey(KeyNode* node);
    KeyNode* selectedKey() const { return selected_; }
    const std::string& statusPath() const { return statusPath_; }
    // Status panel 2: says when the key holds more values than the list shows.
    std::string statusNote() const;
    void refresh();

    const std::vector<ValueEntry>& entries() const { return listing_.entries; }
    std::size_t selectedEntry() const { return selectedEntry_; }
    void selectEntry(std::size_t index);

    // Key commands; each returns the node to select afterwards (nullptr: nothing changed).
    KeyNode* newKey();
    KeyNode* deleteKey(KeyNode* node);

    // Value commands; true when the list changed.
    bool newValue();
    bool editValue(std::size_t index);
    bool deleteValue(std::size_t index);
    // After the in-place edit of an entry's name; false: the edit is undone.
    bool renameValue(std::size_t index, const std::string& newName);
    static bool canRename(const ValueEntry& entry) { return !entry.isDefault; }

    // Export of the selected key with its subtree, import of a .reg file
    // (after which the tree is read anew and the same key selected again).
    bool exportSelected();
    KeyNode* importFile();

    // Bookmarks: full key paths, no duplicates, in the order they were added.
    const std::vector<std::string>& bookmarks() const { return bookmarks_; }
    void setBookmarks(std::vector<std::string> bookmarks);
    // Appends the selected key's path; false when nothing is selected or it is listed already.
    bool insertBookmark();
    void clearBookmarks() { bookmarks_.clear(); }
    // Follows the path as far as it exists, selects the deepest node reached and
    // tells the user when the whole path no longer exists. Returns that node.
    KeyNode* goToBookmark(const std::string& path);
    // Finds the node of a key path (reading nodes on the way); nullptr when any part is missing.
    KeyNode* nodeForPath(const std::string& path);

private:
    std::optional<std::size_t> entryNamed(const std::string& name) const;
    bool editString(ValueEntry& entry);
    bool editBinary(ValueEntry& entry);
    bool editDwordEntry(ValueEntry& entry);
    std::string valueNameOf(const ValueEntry& entry) const { return entry.isDefault ? "" : entry.name; }
    // Follows the parts from the roots; returns the deepest node and whether every part was found.
    std::pair<KeyNode*, bool> follow(const std::string& path);

    RegistryPort& registry_;
    Prompter& prompter_;
    KeyTree tree_;
    KeyNode* selected_ = nullptr;
    std::string statusPath_;
    ValueListing listing_;
    std::size_t selectedEntry_ = 0;
    std::vector<std::string> bookmarks_;
};

}  // namespace vantix::regalto
