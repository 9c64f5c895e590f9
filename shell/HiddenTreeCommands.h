#pragma once

// What the View menu does to the function tree of a "HIDD" group. The main
// window implements it over its tree; a test may hand it another.
namespace vantix::shell {

class HiddenTreeCommands {
public:
    virtual ~HiddenTreeCommands() = default;
    virtual void expandAll() = 0;              // "STRUCT_OPEN"
    virtual void collapseAll() = 0;            // "STRUCT_CLOSE"
    virtual void toggleShowDeactivated() = 0;  // "OBJ_VIEW": reloads the tree
    virtual void toggleSorted() = 0;           // "OBJ_SORT"
};

}  // namespace vantix::shell
