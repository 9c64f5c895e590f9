#include "platform/profile/IniFile.h"
#include "platform/profile/IniFileMapping.h"
#include "platform/profile/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScratchDir.h"

using namespace vantix::platform;
namespace fs = std::filesystem;

namespace {

constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

// An image whose registry maps WIN.INI as a stock Wine prefix does, plus a
// per-entry mapping for SYSTEM.INI [boot] and a catch-all for CONTROL.INI.
class MappedProfiles : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDir::write(scratch / "system.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n");
        ScratchDir::write(scratch / "user.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n");
        registry = std::make_unique<Registry>(scratch.path());
        const std::string map = std::string(kIniFileMappingKey);
        set(Root::LocalMachine, map + "\\win.ini", "windows", std::string("USR:") + kWindowsKey);
        set(Root::LocalMachine, map + "\\win.ini", "desktop", "USR:Control Panel\\Desktop");
        set(Root::LocalMachine, map + "\\win.ini", "Mirror", "!USR:Software\\Mirror");
        set(Root::LocalMachine, map + "\\win.ini", "Strict", "@SYS:Strict");
        set(Root::LocalMachine, map + "\\system.ini\\boot", "shell", "SYS:Microsoft\\Windows NT\\CurrentVersion\\Winlogon");
        set(Root::LocalMachine, map + "\\control.ini", "", "USR:Control Panel");
        winIni = scratch / "drive_c" / "windows" / "WIN.INI";
        ScratchDir::write(winIni, "[windows]\r\nload=from file\r\n[MyApp]\r\nx=1\r\n[Strict]\r\nk=file only\r\n");
    }
    void set(Root root, const std::string& key, const char* name, const std::string& text) {
        ASSERT_TRUE(registry->setValue(root, key, RegValue::string(name, text)));
    }
    std::optional<std::string> userText(const std::string& key, const char* name) {
        auto value = registry->getValue(Root::CurrentUser, key, name);
        return value ? std::optional(value->text()) : std::nullopt;
    }

    ScratchDir scratch;
    std::unique_ptr<Registry> registry;
    fs::path winIni;
};

TEST_F(MappedProfiles, FindsWhereASectionLives) {
    EXPECT_EQ(findIniMapping(*registry, "WIN.INI", "Windows"), (IniMapping{Root::CurrentUser, kWindowsKey}));
    EXPECT_FALSE(findIniMapping(*registry, "win.ini", "MyApp"));
    EXPECT_FALSE(findIniMapping(*registry, "other.ini", "windows"));
    EXPECT_EQ(findIniMapping(*registry, "system.ini", "boot", "Shell"),
              (IniMapping{Root::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"}));
    EXPECT_FALSE(findIniMapping(*registry, "system.ini", "boot", "drivers"));  // no default in the section key
    EXPECT_EQ(findIniMapping(*registry, "CONTROL.INI", "Colors"), (IniMapping{Root::CurrentUser, "Control Panel\\Colors"}));
}

TEST_F(MappedProfiles, MappedEntriesGoToTheRegistryAndTheRestToTheFile) {
    const std::string fileBefore = ScratchDir::read(winIni);
    ASSERT_TRUE(writeProfileString(registry.get(), winIni, "windows", "Load", "notepad.exe"));
    EXPECT_EQ(userText(kWindowsKey, "Load"), "notepad.exe");
    EXPECT_EQ(ScratchDir::read(winIni), fileBefore);
    EXPECT_EQ(readProfileString(registry.get(), winIni, "WINDOWS", "load"), "notepad.exe");
    // Absent in the registry: the file still answers, unless the mapping says "@".
    EXPECT_EQ(readProfileString(registry.get(), winIni, "windows", "run"), std::nullopt);
    EXPECT_EQ(readProfileString(registry.get(), winIni, "Strict", "k"), std::nullopt);
    EXPECT_EQ(readProfileString(nullptr, winIni, "Strict", "k"), "file only");

    ASSERT_TRUE(writeProfileString(registry.get(), winIni, "MyApp", "x", "2"));
    EXPECT_EQ(readIniValue(winIni, "MyApp", "x"), "2");
    ASSERT_TRUE(writeProfileString(registry.get(), winIni, "Mirror", "m", "both"));
    EXPECT_EQ(userText("Software\\Mirror", "m"), "both");
    EXPECT_EQ(readIniValue(winIni, "Mirror", "m"), "both");

    ASSERT_TRUE(writeProfileString(registry.get(), winIni, "desktop", "Wallpaper", "x.bmp"));
    EXPECT_EQ(profileKeyNames(registry.get(), winIni, "Desktop"), (std::vector<std::string>{"Wallpaper"}));
    ASSERT_TRUE(deleteProfileKey(registry.get(), winIni, "desktop", "wallpaper"));
    EXPECT_FALSE(userText("Control Panel\\Desktop", "Wallpaper"));
    ASSERT_TRUE(deleteProfileKey(registry.get(), winIni, "desktop", "never there"));

    ASSERT_TRUE(deleteProfileSection(registry.get(), winIni, "windows"));
    EXPECT_FALSE(userText(kWindowsKey, "Load"));
    EXPECT_TRUE(registry->keyExists(Root::CurrentUser, kWindowsKey));
    EXPECT_EQ(readIniValue(winIni, "windows", "load"), "from file");  // the file's section is not the mapped one
}

TEST_F(MappedProfiles, RefusesEntriesThatCannotBeStored) {
    EXPECT_EQ(writeProfileString(registry.get(), winIni, "windows", "a=b", "v").code, FileStatus::InvalidArgument);
    EXPECT_FALSE(userText(kWindowsKey, "a=b"));
}

}  // namespace
