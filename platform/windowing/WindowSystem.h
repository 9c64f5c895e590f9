#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The windowing interface of the platform. A GUI installs its implementation
// (one per process); without one every lookup finds nothing and every change
// does nothing, so cores and command-line tools run unchanged.
namespace vantix::platform {

using WindowHandle = std::int32_t;  // 0: no window

enum class ShowState { Normal, Minimised, Maximised };

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;  // pixels
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Top-level windows, topmost first (z-order).
    virtual std::vector<WindowHandle> topLevelWindows() = 0;
    // nullopt for a handle that names no window.
    virtual std::optional<std::string> title(WindowHandle window) = 0;
    virtual std::optional<ShowState> showState(WindowHandle window) = 0;
    virtual bool setShowState(WindowHandle window, ShowState state) = 0;
    virtual std::optional<WindowRect> rect(WindowHandle window) = 0;
    virtual bool move(WindowHandle window, const WindowRect& rect) = 0;
    // Asks the window to close; the window decides.
    virtual bool postClose(WindowHandle window) = 0;
    // Topmost above all others, or back among the ordinary windows.
    virtual bool setTopmost(WindowHandle window, bool topmost) = 0;
    // To the top of its current band: a topmost window stays topmost.
    virtual bool raise(WindowHandle window) = 0;
    // The screen in pixels and its logical resolution (dots per inch).
    virtual WindowRect screen() = 0;
    virtual int logicalDpi() = 0;
    // Lets pending window events run (long loops call it between steps).
    virtual void processEvents() = 0;
};

// Installs `system` for the whole process (nullptr: back to none).
void installWindowSystem(std::shared_ptr<WindowSystem> system);
// The installed system, or the one that finds nothing; never null.
WindowSystem& windowSystem();
bool windowSystemInstalled();

}  // namespace vantix::platform
