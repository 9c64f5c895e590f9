#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tweaks/HiddenTree.h"

namespace vantix::platform {
class Database;
}

// The filter box above the function tree: the functions whose name or help
// text contains every typed word (case-insensitively), with the folders on
// the path to them.
namespace vantix::tweaks {

class TweakSession;

// The Hilfe text of every function (its first property row).
std::map<std::int64_t, std::string> loadHelpTexts(platform::Database& database);

class FunctionFilter {
public:
    explicit FunctionFilter(const std::string& typed);
    bool empty() const { return words_.empty(); }
    bool matches(const std::string& name, const std::string& help) const;
    // The keys of `nodes` that stay visible: matching functions and their
    // folders. An empty filter keeps every node.
    std::set<std::string> visibleKeys(const std::vector<HiddenNode>& nodes,
                                      const std::map<std::int64_t, std::string>& helpTexts) const;

private:
    std::vector<std::string> words_;  // case-folded
};

// The functions that something other than Vantix changed since Vantix last
// applied them (the journal's drift). Functions that cannot be read are left out.
std::set<std::int64_t> functionsChangedElsewhere(TweakSession& session);
inline constexpr const char* kChangedElsewhereNote =
    "This setting was changed by another program since Vantix last applied it.";

}  // namespace vantix::tweaks
