#include "platform/log/Log.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace vantix::log {
namespace {

Level thresholdFromEnvironment() {
    const char* value = std::getenv("VANTIX_LOG");
    if (!value) return Level::Warning;
    const std::string text(value);
    if (text == "debug") return Level::Debug;
    if (text == "info") return Level::Info;
    if (text == "error") return Level::Error;
    return Level::Warning;
}

std::atomic<Level>& threshold() {
    static std::atomic<Level> level{thresholdFromEnvironment()};
    return level;
}

const char* levelName(Level level) {
    switch (level) {
        case Level::Debug: return "debug";
        case Level::Info: return "info";
        case Level::Warning: return "warning";
        case Level::Error: return "error";
    }
    return "?";
}

}  // namespace

bool enabled(Level level) { return level >= threshold().load(); }

void setThreshold(Level level) { threshold().store(level); }

void write(Level level, std::string_view category, std::string_view message) {
    if (!enabled(level)) return;
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    std::fprintf(stderr, "vantix [%s] %.*s: %.*s\n", levelName(level), static_cast<int>(category.size()),
                 category.data(), static_cast<int>(message.size()), message.data());
}

}  // namespace vantix::log
