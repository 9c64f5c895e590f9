#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/files/FileStatus.h"

// DOS file attributes on a host file system, kept as Wine keeps them: read-only
// is the lack of write permission, hidden/system/archive live in the extended
// attribute "user.DOSATTRIB" ("0x" and hex digits).
namespace vantix::platform {

namespace dosattr {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
constexpr std::uint32_t Normal = 0x80;  // only ever reported alone
}  // namespace dosattr

// The attributes of `path`; nullopt when it does not exist. Where the file
// system keeps no extended attributes, only read-only and directory are known.
std::optional<std::uint32_t> dosAttributes(const std::filesystem::path& path);

// Sets read-only, hidden, system and archive as given (other bits ignored).
// Where extended attributes are unsupported, hidden/system/archive cannot be
// kept: setting them then fails with a reason, clearing them succeeds.
// In dry-run mode the change is reported but not kept: reads show the disk.
FileStatus setDosAttributes(const std::filesystem::path& path, std::uint32_t attributes);
// Clears every attribute (the file becomes writable, the extended attribute goes).
FileStatus setNormalAttributes(const std::filesystem::path& path);

}  // namespace vantix::platform
