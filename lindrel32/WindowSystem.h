#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lindrel32/Export.h"

namespace lindrel32 {

// What QVFKT's window helpers need of the windowing system. The GUI installs an
// implementation; without one no window is found and nothing is changed.
class LINDREL32_API WindowSystem {
public:
    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;  // pixels
    };
    virtual ~WindowSystem() = default;
    // `handle` and the windows after it at its z-order level, starting with the first of that
    // level.
    virtual std::vector<std::int32_t> windowsOfLevel(std::int32_t handle) = 0;
    virtual std::string title(std::int32_t window) = 0;
    virtual std::optional<Rect> rect(std::int32_t window) = 0;
    virtual void moveTo(std::int32_t window, int left, int top) = 0;  // pixels
    virtual Rect screen() = 0;
    virtual int twipsPerPixelX() = 0;
    virtual int twipsPerPixelY() = 0;
    virtual void show(std::int32_t window, int command) = 0;  // 1 normal, 3 maximise, 6 minimise
    virtual void postClose(std::int32_t window) = 0;
    // Topmost above all others, or to the top of its current band.
    virtual void raise(std::int32_t window, bool topmost) = 0;
    virtual void processEvents() = 0;
};

// Installs the window system for every QVFKT (nullptr removes it).
LINDREL32_API void installWindowSystem(WindowSystem* system);
LINDREL32_API WindowSystem* installedWindowSystem();

}  // namespace lindrel32
