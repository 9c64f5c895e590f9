#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

// Registration files (.reg) in the REGEDIT4 form of Windows 95 and NT 4.
namespace vantix::platform {

struct RegExport {
    RegStatus status;
    std::string bytes;  // the file: Windows-1252, CRLF
};

// A key and everything below it, values in the registry's order. Symbolic
// links below the key are left out (the format cannot say what they are).
// Text that Windows-1252 cannot hold fails the export (InvalidArgument, naming
// the key) rather than being written as something else.
RegExport exportRegedit4(Registry& registry, Root root, std::string_view subKey);
// The same, written to `file` atomically.
RegStatus exportRegFile(Registry& registry, Root root, std::string_view subKey,
                        const std::filesystem::path& file);

// Imports a REGEDIT4 file (Windows-1252) or a "Windows Registry Editor Version
// 5.00" file (UTF-16LE with BOM, or UTF-8) as one change: all of it or, on the
// first bad line, nothing ("line N: reason" in the message).
RegStatus importRegText(Registry& registry, std::string_view bytes);
RegStatus importRegFile(Registry& registry, const std::filesystem::path& file);

}  // namespace vantix::platform
