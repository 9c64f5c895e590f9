#include "modules/common/host/LibraryModuleHost.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <stdlib.h>
#include <unistd.h>

#include "lindrel32/QVREG.h"
#include "modules/common/EntryProcedure.h"
#include "platform/machine/Machine.h"

namespace vantix::modules {
namespace {

namespace fs = std::filesystem;

TEST(LibraryModuleHost, InitWritesTheRecordIntoTheImage) {
    const fs::path dir = fs::temp_directory_path() / ("module-host-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    // The image templates of the build, without its module programs.
    fs::create_directories(dir / "program");
    fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine", dir / "program" / "machine");
    ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
    {
        auto machine = platform::Machine::create(dir / "image", platform::WindowsPlatform::Nt4);
        // A program folder inside drive C reads in Windows form, without a trailing backslash.
        const fs::path programFolder = dir / "image" / "drive_c" / "Vantix" / "Module";
        fs::create_directories(programFolder);
        std::vector<std::string> shown;
        LibraryModuleHost host(*machine, programFolder,
                               [&](const std::string& text, const std::string&) { shown.push_back(text); });
        EXPECT_EQ(host.executableFolder(), "C:\\Vantix\\Module");
        EXPECT_EQ(host.windowsVersionCode(), 1);
        EXPECT_FALSE(runEntryProcedure(moduleInfo(ModuleId::Drevion), "/INIT", host).showWindow);

        lindrel32::QVREG registry(*machine);
        const std::string key =
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module\\Drevion";
        EXPECT_EQ(registry.GetReg(key, "Name"), "Drives");
        EXPECT_EQ(registry.GetReg(key, "Modul"), "C:\\Vantix\\Module\\DREVION.EXE");
        EXPECT_EQ(registry.GetReg("HKEY_CLASSES_ROOT\\Drive\\shell\\Drives &Info\\command", ""),
                  "C:\\Vantix\\Module\\DREVION.EXE %1");
        EXPECT_TRUE(shown.empty());

        runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START now", host);
        EXPECT_EQ(shown, std::vector<std::string>{
                             "Sorry, this is a Vantix module - it can only be started from within Vantix 98!"});
    }
    fs::remove_all(dir);
}

TEST(LibraryModuleHost, OneRunningInstancePerModule) {
    const fs::path dir = fs::temp_directory_path() / ("module-instance-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "program");
    fs::create_directory_symlink(fs::path(VANTIX_PROGRAM_DIR) / "machine", dir / "program" / "machine");
    ::setenv("VANTIX_PROGRAM_DIR", (dir / "program").c_str(), 1);
    {
        auto machine = platform::Machine::create(dir / "image", platform::WindowsPlatform::Win98);
        std::vector<std::string> shown;
        const auto messages = [&](const std::string& text, const std::string&) { shown.push_back(text); };
        auto first = std::make_unique<LibraryModuleHost>(*machine, dir, messages);
        EXPECT_TRUE(runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START", *first).showWindow);
        LibraryModuleHost second(*machine, dir, messages);
        EXPECT_FALSE(runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START", second).showWindow);
        EXPECT_TRUE(runEntryProcedure(moduleInfo(ModuleId::Traskel), "/START", second).showWindow);
        EXPECT_TRUE(shown.empty());
        first.reset();  // the first instance ends: the next start runs
        LibraryModuleHost third(*machine, dir, messages);
        EXPECT_TRUE(runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START", third).showWindow);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantix::modules
