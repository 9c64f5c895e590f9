#include "modules/regalto/RegistryFinder.h"

#include "modules/regalto/TextCompare.h"
#include "modules/regalto/ValueList.h"

namespace vantix::regalto {
namespace {
constexpr std::size_t kAllValues = static_cast<std::size_t>(-1);
}

RegistryFinder::RegistryFinder(RegistryPort& registry, FindOptions options, const std::string& startPath)
    : registry_(registry), options_(std::move(options)) {
    if (!options_.text.empty()) pending_.emplace_back(startPath, true);
}

void RegistryFinder::searchKey(const std::string& path, bool isStart) {
    found_.clear();
    nextFound_ = 0;
    const std::string name = path.substr(path.rfind('\\') == std::string::npos ? 0 : path.rfind('\\') + 1);
    if (!isStart && options_.keys && containsNoCase(name, options_.text)) found_.push_back({path, std::nullopt});
    if (options_.valueNames || options_.data) {
        for (const auto& value : registry_.values(path, kAllValues)) {
            const bool nameHit = options_.valueNames && containsNoCase(value.name, options_.text);
            const bool dataHit = !nameHit && options_.data && tagForType(value.type) != ValueTag::None &&
                                 containsNoCase(displayText(registry_, path, value.name, value.type), options_.text);
            if (nameHit || dataHit) found_.push_back({path, value.name});
        }
    }
    // Children are searched in the order the tree shows them, first child first.
    const auto children = registry_.subKeys(path);
    for (auto it = children.rbegin(); it != children.rend(); ++it) pending_.emplace_back(path + "\\" + *it, false);
}

std::optional<FindMatch> RegistryFinder::next(const Progress& progress) {
    while (!cancelled_) {
        if (nextFound_ < found_.size()) return found_[nextFound_++];
        if (pending_.empty()) return std::nullopt;
        auto [path, isStart] = pending_.back();
        pending_.pop_back();
        searchKey(path, isStart);
        ++keysSearched_;
        if (progress && !progress(keysSearched_)) cancelled_ = true;
    }
    return std::nullopt;
}

}  // namespace vantix::regalto
