#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Windows-form paths ("C:\WINDOWS\WIN.INI", "c:/x", "..\y" against a base)
// onto host paths of a machine image and back. Each component is matched
// case-insensitively against what exists: an exact match first, else the first
// case-insensitive match in name order; components that do not exist keep the
// spelling given.
namespace vantix::platform {

// The host path of `path`. Host-absolute paths ("/home/x") pass through.
// A relative path or one without a drive ("\WINDOWS") is taken against
// `base` (a Windows-form or host folder). nullopt: no such drive in the
// image, a UNC or device path, an empty path, or a relative one without base.
std::optional<std::filesystem::path> toHostPath(const std::filesystem::path& imageDir, std::string_view path,
                                                std::string_view base = {});

// Appends `relative` (components separated by '\' or '/') to `folder`,
// matching each component case-insensitively as above; "." and ".." are
// handled by name, never leaving `folder` upwards.
std::filesystem::path appendMatchingCase(const std::filesystem::path& folder, std::string_view relative);

// The Windows form ("C:\windows\win.ini") of a host path inside one of the
// image's drives (the drive with the longest matching folder wins); nullopt
// when it lies in none of them.
std::optional<std::string> toWindowsPath(const std::filesystem::path& imageDir, const std::filesystem::path& host);

}  // namespace vantix::platform
