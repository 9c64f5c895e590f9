#include "shell/WindowPlacement.h"

namespace vantix::shell {

std::int32_t MaxLong(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

WindowRectTwips placeMainWindow(bool firstStart, bool saveLastWinPos, const StoredWindowRect& stored,
                                ScreenTwips screen) {
    WindowRectTwips rect;
    auto centre = [&] {
        rect.Left = static_cast<float>(screen.Width - rect.Width) / 2;
        rect.Top = static_cast<float>(screen.Height - rect.Height) / 2;
    };
    if (firstStart) {
        rect.Width = static_cast<float>(screen.Width);
        rect.Height = static_cast<float>(screen.Height);
    } else if (saveLastWinPos) {
        rect.Width = static_cast<float>(MaxLong(stored.Width.value_or(kDefaultWindowWidth), kMinimumWindowSize));
        rect.Height = static_cast<float>(MaxLong(stored.Height.value_or(kDefaultWindowHeight), kMinimumWindowSize));
        centre();
        if (stored.Left) rect.Left = *stored.Left;
        if (stored.Top) rect.Top = *stored.Top;
    } else {
        rect.Width = kDefaultWindowWidth;
        rect.Height = kDefaultWindowHeight;
        centre();
    }
    return rect;
}

}  // namespace vantix::shell
