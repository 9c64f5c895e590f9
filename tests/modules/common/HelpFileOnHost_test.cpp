#include <gtest/gtest.h>

#include <filesystem>

#include <stdlib.h>
#include <unistd.h>

#include "modules/common/ProcessText.h"
#include "platform/machine/Machine.h"

namespace vantix::modules {
namespace {

namespace fs = std::filesystem;

// The help file reads from the module's own folder, wherever that lies.
TEST(HelpFileOnHost, WindowsFormThroughTheDrivesHostFolderWithItsSeparatorMended) {
    const fs::path dir = fs::temp_directory_path() / ("help-file-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "program");
    fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine", dir / "program" / "machine");
    ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
    {
        auto machine = platform::Machine::create(dir / "image", platform::WindowsPlatform::Win98);
        fs::create_directories(dir / "image/drive_c/Vantix/Module");
        setHelpFile("C:\\Vantix\\Module\\QVMODULE.HLP");
        EXPECT_EQ(helpFileOnHost(*machine), dir / "image/drive_c/Vantix/Module/QVMODULE.HLP");
        setHelpFile("/opt/vantix/Module\\DREVION.HLP");
        EXPECT_EQ(helpFileOnHost(*machine), fs::path("/opt/vantix/Module/DREVION.HLP"));
    }
    ::unsetenv("VANTIX_PROGRAM_DIR");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantix::modules
