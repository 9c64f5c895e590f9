#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/windowing/WindowSystem.h"

// The windowing interface over X11 through xcb and the window manager's EWMH
// hints: the windows of our programs and those of Windows programs under Wine
// (X11 windows too), found by title, raised, placed, shown, minimised and
// closed. Works without a window manager as well (a bare X server), where the
// server's own stacking order and geometry stand in for the manager's.
namespace vantix::platform {

class XcbWindowSystem final : public WindowSystem {
public:
    struct Options {
        std::string display;                  // "" : $DISPLAY
        std::function<void()> processEvents;  // the caller's event loop (may be empty)
        std::function<int()> logicalDpi;  // the toolkit's logical DPI (empty: from the screen size)
    };
    // nullptr (logged) when no X server can be reached.
    static std::unique_ptr<XcbWindowSystem> connect(Options options);
    ~XcbWindowSystem() override;

    // Top-level windows topmost first: the managed clients in stacking order,
    // then the unmapped ones (hidden windows, which Windows lists too).
    std::vector<WindowHandle> topLevelWindows() override;
    // _NET_WM_NAME, else WM_NAME.
    std::optional<std::string> title(WindowHandle window) override;
    std::optional<ShowState> showState(WindowHandle window) override;
    bool setShowState(WindowHandle window, ShowState state) override;
    // The outer rectangle, frame included, in root coordinates.
    std::optional<WindowRect> rect(WindowHandle window) override;
    bool move(WindowHandle window, const WindowRect& rect) override;
    // WM_DELETE_WINDOW when the window takes it, else _NET_CLOSE_WINDOW through
    // the window manager; never a kill. False when neither can be asked.
    bool postClose(WindowHandle window) override;
    bool setTopmost(WindowHandle window, bool topmost) override;
    bool raise(WindowHandle window) override;
    WindowRect screen() override;
    int logicalDpi() override;
    void processEvents() override;

    // True while an EWMH window manager runs on the screen.
    bool windowManagerRunning();

private:
    struct Impl;
    explicit XcbWindowSystem(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace vantix::platform
