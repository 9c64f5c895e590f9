#pragma once

#include <cstdint>
#include <vector>

namespace vantix::shell {

inline constexpr std::int32_t kDropDownStartTwips = 30;
inline constexpr std::int32_t kDropDownStepTwips = 200;

// The heights (twips) the drop-down pane takes while it grows: from 30 in steps
// of 200, the last one the largest not beyond `fullHeight`.
std::vector<std::int32_t> dropDownHeights(std::int32_t fullHeight);

}  // namespace vantix::shell
