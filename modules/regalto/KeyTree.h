#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "modules/regalto/RegistryPort.h"

// The key tree: the four roots, children read only when a node is first
// expanded. An unread node holds one placeholder child "&X".
namespace vantix::regalto {

inline constexpr const char* kPlaceholder = "&X";

struct KeyNode {
    std::string text;  // the key's own name ("HKEY_..." for a root)
    std::string key;   // "XX0".."XX3" for the roots, empty otherwise
    KeyNode* parent = nullptr;
    std::vector<std::unique_ptr<KeyNode>> children;
    bool hasSubKeysPicture = false;
    // Unique for the tree's lifetime: a view can tell a node from a later one
    // that happens to reuse the memory of a removed node.
    std::uint64_t serial = 0;

    bool isRoot() const { return key.starts_with("XX"); }
    bool isPlaceholder() const { return text == kPlaceholder && key.empty(); }
    bool unread() const { return !children.empty() && children.front()->isPlaceholder(); }
};

class KeyTree {
public:
    explicit KeyTree(RegistryPort& registry);

    const std::vector<std::unique_ptr<KeyNode>>& roots() const { return roots_; }
    // The node's texts joined by "\": the registry path of its key.
    static std::string fullPath(const KeyNode& node);

    // Forgets everything read below the roots (after a change from outside).
    void reload();
    // Reads the children of an unread node; false when it was read already.
    bool expand(KeyNode& node);
    // Adds a child (the parent is read first), keeps the children sorted and
    // returns the new node; an existing child of that name (any case) is returned instead.
    KeyNode* addChild(KeyNode& parent, const std::string& name);
    // Removes a non-root node; the parent loses its sub-key picture when it has no children left.
    void remove(KeyNode& node);
    // The child with exactly this text, or nullptr.
    static KeyNode* childNamed(const KeyNode& parent, const std::string& text);
    const std::vector<std::unique_ptr<KeyNode>>& siblingsOf(const KeyNode* parent) const;

private:
    std::unique_ptr<KeyNode> newNode(std::string text, KeyNode* parent);
    void addPlaceholder(KeyNode& node);
    RegistryPort& registry_;
    std::vector<std::unique_ptr<KeyNode>> roots_;
    std::uint64_t nextSerial_ = 1;
};

}  // namespace vantix::regalto
