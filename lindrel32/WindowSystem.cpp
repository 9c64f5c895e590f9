#include "lindrel32/WindowSystem.h"

#include <atomic>

namespace lindrel32 {

namespace {
std::atomic<WindowSystem*> installed{nullptr};
}

void installWindowSystem(WindowSystem* system) {
    installed = system;
}
WindowSystem* installedWindowSystem() {
    return installed;
}

}  // namespace lindrel32
