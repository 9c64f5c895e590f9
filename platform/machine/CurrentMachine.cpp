#include <cstdlib>
#include <mutex>

#include "platform/machine/Machine.h"

namespace vantix::platform {

namespace fs = std::filesystem;

namespace {

std::mutex currentMutex;
std::unique_ptr<Machine> current;
std::optional<fs::path> selected;

}  // namespace

fs::path programDir() {
    if (const char* dir = std::getenv("VANTIX_PROGRAM_DIR"); dir && *dir) return fs::path(dir);
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path();
    return exe.parent_path();
}

Machine& currentMachine() {
    std::lock_guard lock(currentMutex);
    if (current) return *current;
    if (selected) {
        current = Machine::open(*selected);
    } else if (const char* env = std::getenv("VANTIX_MACHINE"); env && *env) {
        current = Machine::open(env);
    } else {
        const fs::path dir = Machine::defaultDir();
        std::error_code error;
        // Only the default image is made on first use; a folder named on purpose must exist.
        if (!fs::exists(dir / "system.reg", error) &&
            (!fs::exists(dir, error) || fs::is_empty(dir, error))) {
            try {
                current = Machine::create(dir, WindowsPlatform::Win98);
            } catch (const MachineError&) {
                // Another process may have made it meanwhile.
                if (!fs::exists(dir / "system.reg", error)) throw;
            }
        }
        if (!current) current = Machine::open(dir);
    }
    return *current;
}

void selectMachine(const fs::path& dir) {
    std::lock_guard lock(currentMutex);
    selected = dir;
    current.reset();
}

void resetCurrentMachine() {
    std::lock_guard lock(currentMutex);
    current.reset();
}

}  // namespace vantix::platform
