#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "modules/regalto/RegistryPort.h"

// Find: walks the keys below a start key depth first (in the tree's order) and
// stops at each key name, value name or value data that contains the text,
// without regard to case. The walk resumes where it stopped ("find next").
namespace vantix::regalto {

struct FindOptions {
    std::string text;
    bool keys = true;
    bool valueNames = true;
    bool data = true;
};

struct FindMatch {
    std::string keyPath;
    std::optional<std::string> valueName;  // nullopt: the key itself matched
    friend bool operator==(const FindMatch&, const FindMatch&) = default;
};

class RegistryFinder {
public:
    // Called with the number of keys searched so far; returning false cancels.
    using Progress = std::function<bool(std::size_t keysSearched)>;

    RegistryFinder(RegistryPort& registry, FindOptions options, const std::string& startPath);

    // The next match, or nullopt when the walk is done or was cancelled.
    std::optional<FindMatch> next(const Progress& progress = {});
    bool cancelled() const { return cancelled_; }
    std::size_t keysSearched() const { return keysSearched_; }

private:
    void searchKey(const std::string& path, bool isStart);

    RegistryPort& registry_;
    FindOptions options_;
    std::vector<std::pair<std::string, bool>> pending_;  // key path, is the start key
    std::vector<FindMatch> found_;                        // matches of the current key, in order
    std::size_t nextFound_ = 0;
    std::size_t keysSearched_ = 0;
    bool cancelled_ = false;
};

}  // namespace vantix::regalto
