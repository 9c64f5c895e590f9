#include "modules/regalto/KeyTree.h"

#include <algorithm>
#include <array>

#include "modules/regalto/TextCompare.h"

namespace vantix::regalto {

KeyTree::KeyTree(RegistryPort& registry) : registry_(registry) {
    // HKEY_CURRENT_CONFIG is known to the root list but never shown.
    static constexpr std::array<const char*, 5> kRootNames = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                             "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                                             "HKEY_CURRENT_CONFIG"};
    for (int i = 0; i < 4; ++i) {
        auto root = newNode(kRootNames[static_cast<std::size_t>(i)], nullptr);
        root->key = "XX" + std::to_string(i);
        root->hasSubKeysPicture = true;
        addPlaceholder(*root);
        roots_.push_back(std::move(root));
    }
}

std::unique_ptr<KeyNode> KeyTree::newNode(std::string text, KeyNode* parent) {
    auto node = std::make_unique<KeyNode>();
    node->text = std::move(text);
    node->parent = parent;
    node->serial = nextSerial_++;
    return node;
}

void KeyTree::addPlaceholder(KeyNode& node) { node.children.push_back(newNode(kPlaceholder, &node)); }

std::string KeyTree::fullPath(const KeyNode& node) {
    std::string path = node.text;
    for (const KeyNode* up = node.parent; up; up = up->parent) path = up->text + "\\" + path;
    return path;
}

void KeyTree::reload() {
    for (auto& root : roots_) {
        root->children.clear();
        addPlaceholder(*root);
    }
}

bool KeyTree::expand(KeyNode& node) {
    if (!node.unread()) return false;
    node.children.clear();
    const std::string path = fullPath(node);
    for (const auto& name : registry_.subKeys(path)) {
        auto child = newNode(name, &node);
        if (registry_.subKeyCount(path + "\\" + name) > 0) {
            addPlaceholder(*child);
            child->hasSubKeysPicture = true;
        }
        node.children.push_back(std::move(child));
    }
    return true;
}

KeyNode* KeyTree::addChild(KeyNode& parent, const std::string& name) {
    expand(parent);
    for (auto& child : parent.children) {
        if (equalsNoCase(child->text, name)) return child.get();
    }
    auto child = newNode(name, &parent);
    KeyNode* added = child.get();
    parent.children.push_back(std::move(child));
    std::stable_sort(parent.children.begin(), parent.children.end(),
                     [](const auto& a, const auto& b) { return lessNoCase(a->text, b->text); });
    parent.hasSubKeysPicture = true;
    return added;
}

void KeyTree::remove(KeyNode& node) {
    KeyNode* parent = node.parent;
    if (!parent || node.isRoot()) return;
    auto& siblings = parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == &node; }),
                   siblings.end());
    if (siblings.empty() && !parent->isRoot()) parent->hasSubKeysPicture = false;
}

KeyNode* KeyTree::childNamed(const KeyNode& parent, const std::string& text) {
    for (const auto& child : parent.children) {
        if (!child->isPlaceholder() && child->text == text) return child.get();
    }
    return nullptr;
}

const std::vector<std::unique_ptr<KeyNode>>& KeyTree::siblingsOf(const KeyNode* parent) const {
    return parent ? parent->children : roots_;
}

}  // namespace vantix::regalto
