#pragma once

#include <filesystem>

#include "platform/machine/Machine.h"

// Laying out a new machine image from the templates of the program folder's
// machine/ subfolder (common/ and one folder per platform).
namespace vantix::platform {

// Folders, drive link, boot and INI files, and empty Wine registry files (with
// NT 4's CurrentControlSet link). Throws MachineError.
void layOutImage(const std::filesystem::path& imageDir, WindowsPlatform platform,
                 const std::filesystem::path& templateDir);

// Imports the .reg templates of common/ and the platform's folder, in file-name
// order, into the image's registry as one change. Throws MachineError.
void importRegistryTemplates(Registry& registry, WindowsPlatform platform,
                             const std::filesystem::path& templateDir);

}  // namespace vantix::platform
