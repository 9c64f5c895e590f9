#include "shell/DropDownAnimation.h"

namespace vantix::shell {

std::vector<std::int32_t> dropDownHeights(std::int32_t fullHeight) {
    std::vector<std::int32_t> heights;
    for (std::int32_t height = kDropDownStartTwips; height <= fullHeight; height += kDropDownStepTwips)
        heights.push_back(height);
    return heights;
}

}  // namespace vantix::shell
