#pragma once

#include <cstdint>

#include "shell/ShellSettings.h"

// Where the main window opens, in twips.
namespace vantix::shell {

inline constexpr std::int32_t kDefaultWindowWidth = 8800;
inline constexpr std::int32_t kDefaultWindowHeight = 7200;
inline constexpr std::int32_t kMinimumWindowSize = 3000;

std::int32_t MaxLong(std::int32_t a, std::int32_t b);

struct ScreenTwips {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// First start: the whole screen. Saved position wanted: the stored size (at
// least 3000 each way) and position, centred where no position is stored.
// Otherwise 8800 x 7200 centred.
WindowRectTwips placeMainWindow(bool firstStart, bool saveLastWinPos, const StoredWindowRect& stored,
                                ScreenTwips screen);

}  // namespace vantix::shell
