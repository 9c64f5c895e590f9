#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vantix::shell {

inline constexpr const char* kSoundGroupClick = "CTRL_KLICK.WAV";
inline constexpr const char* kSoundFolderClick = "FLDR_KLICK.WAV";
inline constexpr const char* kSoundOverItem = "OVER_ITEM.WAV";
inline constexpr const char* kSoundDrop = "DROP.WAV";

// The file to play for effect `file`: the program folder's "Sound" subfolder,
// when sound is on and the file exists there; nullopt otherwise.
std::optional<std::string> soundEffectPath(bool soundOn, const std::string& appDir, const std::string& file,
                                           const std::function<bool(const std::string&)>& exists);

}  // namespace vantix::shell
