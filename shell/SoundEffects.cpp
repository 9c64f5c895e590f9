#include "shell/SoundEffects.h"

namespace vantix::shell {

std::optional<std::string> soundEffectPath(bool soundOn, const std::string& appDir, const std::string& file,
                                           const std::function<bool(const std::string&)>& exists) {
    if (!soundOn) return std::nullopt;
    const char separator = (!appDir.empty() && appDir.back() == '/') ? '/' : '\\';
    std::string path = appDir + "Sound" + separator + file;
    if (!exists(path)) return std::nullopt;
    return path;
}

}  // namespace vantix::shell
