#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/FileStatus.h"
#include "platform/registry/Registry.h"

// The profile-string operations of the Windows platform: the INI file rules of
// IniFile.h, with the image's IniFileMapping honoured when a registry is given
// (a mapped entry is read from and written to the registry; "!" mappings
// write the file too, "@" mappings never read the file).
namespace vantix::platform {

std::optional<std::string> readProfileString(Registry* registry, const std::filesystem::path& file,
                                             std::string_view section, std::string_view key);
FileStatus writeProfileString(Registry* registry, const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view value);
FileStatus deleteProfileKey(Registry* registry, const std::filesystem::path& file, std::string_view section,
                            std::string_view key);
// A mapped section loses every value of its registry key (the key itself stays).
FileStatus deleteProfileSection(Registry* registry, const std::filesystem::path& file, std::string_view section);
// Key names of the section: the registry's first for a mapped section, then
// the file's that the registry lacks (unless "@").
std::vector<std::string> profileKeyNames(Registry* registry, const std::filesystem::path& file,
                                         std::string_view section);

}  // namespace vantix::platform
