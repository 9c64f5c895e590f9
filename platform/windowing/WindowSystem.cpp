#include "platform/windowing/WindowSystem.h"

#include <mutex>

namespace vantix::platform {
namespace {

// Without a GUI: no windows, no changes, a plain 96-dpi screen of no size.
class NoWindowSystem final : public WindowSystem {
public:
    std::vector<WindowHandle> topLevelWindows() override { return {}; }
    std::optional<std::string> title(WindowHandle) override { return std::nullopt; }
    std::optional<ShowState> showState(WindowHandle) override { return std::nullopt; }
    bool setShowState(WindowHandle, ShowState) override { return false; }
    std::optional<WindowRect> rect(WindowHandle) override { return std::nullopt; }
    bool move(WindowHandle, const WindowRect&) override { return false; }
    bool postClose(WindowHandle) override { return false; }
    bool setTopmost(WindowHandle, bool) override { return false; }
    bool raise(WindowHandle) override { return false; }
    WindowRect screen() override { return {}; }
    int logicalDpi() override { return 96; }
    void processEvents() override {}
};

struct Installed {
    std::mutex mutex;
    std::shared_ptr<WindowSystem> system;
};

Installed& installed() {
    static Installed state;
    return state;
}

}  // namespace

void installWindowSystem(std::shared_ptr<WindowSystem> system) {
    std::lock_guard lock(installed().mutex);
    installed().system = std::move(system);
}

WindowSystem& windowSystem() {
    static NoWindowSystem none;
    std::lock_guard lock(installed().mutex);
    return installed().system ? *installed().system : none;
}

bool windowSystemInstalled() {
    std::lock_guard lock(installed().mutex);
    return installed().system != nullptr;
}

}  // namespace vantix::platform
