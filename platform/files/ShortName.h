#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// 8.3 short names the way Windows forms them for long names (PROGRA~1).
namespace vantix::platform {

// True when `name` already is a valid 8.3 name (then it is its own short name).
bool isShortName(std::string_view name);

// The short name of `name` among the names of its folder (`siblings`, which
// may include `name` itself). Names already 8.3 stay as they are. For a long
// name: blanks and leading dots dropped, upper case, characters a short name
// cannot hold replaced by '_', the base cut so that "~N" fits into eight, the
// extension cut to three. The numbers go to the colliding long names in name
// order, skipping numbers an existing short name already takes, so every
// entry of a folder gets a distinct short name and the answer is stable.
std::string shortName(std::string_view name, const std::vector<std::string>& siblings);

// The short form of a Windows path ("C:\PROGRA~1\ACME\README.TXT") of the
// image: every component that exists gets its short name. nullopt when the
// path does not map onto the image or the file does not exist.
std::optional<std::string> shortWindowsPath(const std::filesystem::path& imageDir, std::string_view windowsPath);

}  // namespace vantix::platform
