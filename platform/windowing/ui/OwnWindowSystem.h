#pragma once

#include "platform/windowing/WindowSystem.h"

// The windowing interface over the program's own top-level widgets, for Qt
// platforms without a shared window system (offscreen in tests, a lone
// framebuffer): the callers' lookups, moves and close requests then act on the
// windows of this process. Handles are numbers given out per window; the
// newest or most recently raised window counts as the topmost.
namespace vantix::platform::ui {

class OwnWindowSystem final : public WindowSystem {
public:
    std::vector<WindowHandle> topLevelWindows() override;
    std::optional<std::string> title(WindowHandle window) override;
    std::optional<ShowState> showState(WindowHandle window) override;
    bool setShowState(WindowHandle window, ShowState state) override;
    std::optional<WindowRect> rect(WindowHandle window) override;
    bool move(WindowHandle window, const WindowRect& rect) override;
    // Posts a close to the window's event queue; its closeEvent decides.
    bool postClose(WindowHandle window) override;
    bool setTopmost(WindowHandle window, bool topmost) override;
    bool raise(WindowHandle window) override;
    WindowRect screen() override;
    int logicalDpi() override;
    void processEvents() override;
};

}  // namespace vantix::platform::ui
