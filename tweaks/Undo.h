#pragma once

#include <string>
#include <vector>

#include "tweaks/ApplyEffect.h"

// Undoing one apply: what has changed since it, and putting back exactly what
// it changed while leaving everything else as it is now.
namespace vantix::tweaks {

// Something the apply changed that reads differently now.
struct UndoDifference {
    std::string what;        // the value, INI entry or file
    std::string left;        // what the apply left there
    std::string now;         // what is there now
    std::string undoWrites;  // what undo would put there
};

// Every place where the registry or the disk no longer holds what the apply left.
std::vector<UndoDifference> differencesSince(platform::Registry& registry, const FileRoots& roots,
                                             const ApplyEffect& effect);

// Puts back the state before the apply, for the values, INI entries and files
// it changed only: INI files keep every other line as it is now, a key the
// apply created goes only when nothing else was put into it. Registry changes
// are saved as one change. Returns the problems met (empty: restored).
std::vector<std::string> restoreEffect(platform::Registry& registry, const FileRoots& roots,
                                       const ApplyEffect& effect);

// After `undone` was undone, a later apply that started from a state `undone`
// left now starts from the state before it, so that undoing the later one
// too brings back the bytes from before both. True when `later` changed.
bool rebaseOnto(ApplyEffect& later, const ApplyEffect& undone);

}  // namespace vantix::tweaks
