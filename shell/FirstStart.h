#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The default entries a first start offers to the utility group 195; the
// catalogue stores only those whose file is an existing executable.
namespace vantix::shell {

inline constexpr std::int32_t kFirstStartUtilityGroup = 195;

struct UtilityRow {
    std::string Name;
    std::string File;
    std::string WorkFolder;
    std::string IconFile;
    std::string Parameter = " ";
    std::int16_t Style = 1;
};

// The rows for platform code `winVersion` (1 NT, 2 Windows 95, 3 Windows 98), in
// order. The folders end in their separator, as ShellState keeps them.
std::vector<UtilityRow> firstStartUtilities(std::int32_t winVersion, const std::string& appDir,
                                            const std::string& systemDir, const std::string& windowsDir);

}  // namespace vantix::shell
