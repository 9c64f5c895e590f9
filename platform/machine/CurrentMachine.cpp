#include <cstdlib>
#include <mutex>

#include "platform/machine/Machine.h"
#include "platform/machine/WinePrefix.h"

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

namespace {

bool missing(const fs::path& dir) {
    std::error_code error;
    return !fs::exists(dir / "system.reg", error) &&
           (!fs::exists(dir, error) || fs::is_empty(dir, error));
}

// Only the default image is made on first use; a folder named on purpose must exist.
void createDefault(const fs::path& dir, const ImageOptions& options) {
    try {
        Machine::create(dir, WindowsPlatform::Win98, options);
    } catch (const MachineError&) {
        // Another process may have made it meanwhile.
        std::error_code error;
        if (!fs::exists(dir / "system.reg", error)) throw;
    }
}

bool defaultSelected() {
    const char* env = std::getenv("VANTIX_MACHINE");
    return !selected && !(env && *env);
}

}  // namespace

Machine& currentMachine() {
    std::lock_guard lock(currentMutex);
    if (current) return *current;
    if (selected) {
        current = Machine::open(*selected);
    } else if (const char* env = std::getenv("VANTIX_MACHINE"); env && *env) {
        current = Machine::open(env);
    } else {
        const fs::path dir = Machine::defaultDir();
        if (missing(dir)) createDefault(dir, defaultImageOptions());
        current = Machine::open(dir);
    }
    return *current;
}

bool defaultImageMissing() {
    std::lock_guard lock(currentMutex);
    return !current && defaultSelected() && missing(Machine::defaultDir());
}

ImageOptions defaultImageOptions() {
    ImageOptions options;
    const char* choice = std::getenv("VANTIX_WINE");
    options.wine = !(choice && std::string_view(choice) == "0") && wineInstalled();
    return options;
}

void createDefaultImage(const ImageOptions& options) {
    std::lock_guard lock(currentMutex);
    if (current || !defaultSelected()) return;
    const fs::path dir = Machine::defaultDir();
    if (missing(dir)) createDefault(dir, options);
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
