#pragma once

#include <string_view>

// One small logging facility for every layer. Messages go to stderr when their
// level reaches the threshold, which VANTIX_LOG sets ("debug", "info",
// "warning", "error"; default "warning"). Failures that the system swallows by
// design still leave their reason here at debug level.
namespace vantix::log {

enum class Level { Debug = 0, Info = 1, Warning = 2, Error = 3 };

void write(Level level, std::string_view category, std::string_view message);
bool enabled(Level level);
void setThreshold(Level level);

inline void debug(std::string_view category, std::string_view message) {
    write(Level::Debug, category, message);
}
inline void info(std::string_view category, std::string_view message) {
    write(Level::Info, category, message);
}
inline void warning(std::string_view category, std::string_view message) {
    write(Level::Warning, category, message);
}
inline void error(std::string_view category, std::string_view message) {
    write(Level::Error, category, message);
}

}  // namespace vantix::log
