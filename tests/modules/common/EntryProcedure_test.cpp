#include "modules/common/EntryProcedure.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "modules/common/ProcessText.h"

namespace vantix::modules {
namespace {

struct Write {
    std::string key, name, value;
    friend bool operator==(const Write&, const Write&) = default;
};

// Records everything the procedure asks of its host.
class FakeHost : public ModuleHost {
public:
    std::vector<Write> writes;
    std::vector<std::pair<std::string, std::string>> messages;
    std::set<std::string> running;
    int version = 3;
    bool failWrites = false;

    bool writeString(const std::string& key, const std::string& name, const std::string& value) override {
        writes.push_back({key, name, value});
        return !failWrites;
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.emplace_back(text, caption);
    }
    bool claimSingleInstance(const std::string& executable) override { return running.insert(executable).second; }
    int windowsVersionCode() override { return version; }
    std::string executableFolder() override { return folder; }
    std::string folder = "C:\\VANTIX\\Module";
};

const std::string kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module\\";

TEST(ModuleInit, WritesEachRecordInOrderAndShowsNothing) {
    struct Case {
        ModuleId id;
        std::vector<Write> expected;
    };
    const std::string exe = "C:\\VANTIX\\Module\\";
    const std::vector<Case> cases = {
        {ModuleId::Regalto,
         {{kKey + "Regalto", "Name", "Registry Editor"}, {kKey + "Regalto", "BS", "7"},
          {kKey + "Regalto", "Icon", exe + "REGALTO.EXE"}, {kKey + "Regalto", "Modul", exe + "REGALTO.EXE"},
          {kKey + "Regalto", "Window", " Registry Editor Module"}}},
        {ModuleId::Traskel,
         {{kKey + "Traskel", "Name", "Taskbar"}, {kKey + "Traskel", "BS", "7"},
          {kKey + "Traskel", "Icon", exe + "TRASKEL.EXE"}, {kKey + "Traskel", "Modul", exe + "TRASKEL.EXE"},
          {kKey + "Traskel", "Window", " Taskbar Module"}}},
        {ModuleId::Drevion,
         {{kKey + "Drevion", "Name", "Drives"}, {kKey + "Drevion", "BS", "7"},
          {kKey + "Drevion", "Icon", exe + "DREVION.EXE"}, {kKey + "Drevion", "Modul", exe + "DREVION.EXE"},
          {kKey + "Drevion", "Window", " Drives Module"},
          {"HKEY_CLASSES_ROOT\\Drive\\shell\\Drives &Info\\command", "", exe + "DREVION.EXE %1"}}},
        {ModuleId::Bootlam,
         {{kKey + "Bootlam", "Name", "Boot Options"}, {kKey + "Bootlam", "BS", "1"},
          {kKey + "Bootlam", "Icon", exe + "BOOTLAM.EXE"}, {kKey + "Bootlam", "Modul", exe + "BOOTLAM.EXE"},
          {kKey + "Bootlam", "Window", " NT Boot Options Module"}}},
    };
    for (const auto& c : cases) {
        for (int version : {1, 2, 3}) {  // /INIT registers on every system, Bootlam's included
            FakeHost host;
            host.version = version;
            const auto decision = runEntryProcedure(moduleInfo(c.id), "/init", host);
            EXPECT_FALSE(decision.showWindow);
            EXPECT_EQ(host.writes, c.expected) << moduleInfo(c.id).keyName;
            EXPECT_TRUE(host.messages.empty());
            EXPECT_TRUE(host.running.empty()) << "/INIT must not hold the instance lock";
        }
    }
}

TEST(ModuleInit, FailedWritesAreIgnored) {
    FakeHost host;
    host.failWrites = true;
    const auto decision = runEntryProcedure(moduleInfo(ModuleId::Regalto), "/INIT", host);
    EXPECT_FALSE(decision.showWindow);
    EXPECT_EQ(host.writes.size(), 5u);
    EXPECT_TRUE(host.messages.empty());
}

TEST(ModuleStart, ArgumentIsComparedWholeAndWithoutCase) {
    const std::vector<std::tuple<std::string, bool>> cases = {
        {"/START", true}, {"/start", true}, {"/StArT", true}, {"/START now", false},
        {" /START", false}, {"", false}, {"START", false}, {"/INITX", false},
    };
    for (const auto& [arguments, starts] : cases) {
        FakeHost host;
        const auto decision = runEntryProcedure(moduleInfo(ModuleId::Regalto), arguments, host);
        EXPECT_EQ(decision.showWindow, starts) << '"' << arguments << '"';
        EXPECT_EQ(host.messages.size(), starts ? 0u : 1u) << '"' << arguments << '"';
        EXPECT_TRUE(host.writes.empty());
    }
}

TEST(ModuleStart, RefusalTextsAndCaption) {
    const std::vector<std::tuple<ModuleId, std::string>> cases = {
        {ModuleId::Regalto, "Sorry, this is a Vantix module - it can only be started from within Vantix 98!"},
        {ModuleId::Traskel, "Sorry, this is a Vantix module - it can only be started from within Vantix 98!"},
        {ModuleId::Drevion, "Sorry, this is a Vantix module - it cannot be started outside Vantix 98!"},
        {ModuleId::Bootlam, "Sorry, this is a Vantix module - it must be started from within Vantix 98!"},
    };
    for (const auto& [id, text] : cases) {
        FakeHost host;
        EXPECT_FALSE(runEntryProcedure(moduleInfo(id), "", host).showWindow);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].first, text);
        EXPECT_EQ(host.messages[0].second, "Vantix Server");
    }
}

TEST(ModuleStart, VersionRules) {
    struct Case {
        ModuleId id;
        int version;
        bool starts;
        bool message;
    };
    const std::vector<Case> cases = {
        {ModuleId::Regalto, 0, false, false}, {ModuleId::Regalto, 1, true, false},
        {ModuleId::Regalto, 2, true, false},  {ModuleId::Traskel, 0, false, false},
        {ModuleId::Traskel, 3, true, false},  {ModuleId::Drevion, 0, true, false},
        {ModuleId::Bootlam, 1, true, false},  {ModuleId::Bootlam, 2, false, true},
        {ModuleId::Bootlam, 3, false, true},  {ModuleId::Bootlam, 0, false, true},
    };
    for (const auto& c : cases) {
        FakeHost host;
        host.version = c.version;
        const auto decision = runEntryProcedure(moduleInfo(c.id), "/START", host);
        EXPECT_EQ(decision.showWindow, c.starts) << moduleInfo(c.id).keyName << " on " << c.version;
        EXPECT_EQ(decision.versionCode, c.version);
        ASSERT_EQ(host.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(host.messages[0].first, "Sorry, this Vantix module will only run under Windows NT.");
            EXPECT_EQ(host.messages[0].second, "Vantix Server");
        }
    }
}

TEST(ModuleStart, SecondStartEndsSilently) {
    FakeHost host;
    ASSERT_TRUE(runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START", host).showWindow);
    const auto second = runEntryProcedure(moduleInfo(ModuleId::Regalto), "/START", host);
    EXPECT_FALSE(second.showWindow);
    EXPECT_TRUE(host.messages.empty());
    // Another module is a different executable and still starts.
    EXPECT_TRUE(runEntryProcedure(moduleInfo(ModuleId::Traskel), "/START", host).showWindow);
}

TEST(ModuleStart, DriveArgumentOfTheDrivesModule) {
    struct Case {
        std::string arguments;
        bool starts;
        std::optional<char> drive;
        bool message;
    };
    const std::vector<Case> cases = {
        {"C:\\", true, 'C', false},  {"c:\\", false, std::nullopt, false}, {"", false, std::nullopt, true},
        {"Z:", true, 'Z', false},    {"1:\\", false, std::nullopt, false}, {"/START", true, 'C', false},
        {"/start", true, 'C', false},
    };
    for (const auto& c : cases) {
        FakeHost host;
        const auto decision = runEntryProcedure(moduleInfo(ModuleId::Drevion), c.arguments, host);
        EXPECT_EQ(decision.showWindow, c.starts) << c.arguments;
        EXPECT_EQ(decision.drive, c.drive) << c.arguments;
        EXPECT_EQ(host.messages.size(), c.message ? 1u : 0u) << c.arguments;
    }
}

TEST(ModuleStart, DrivesModuleInAHostFolderPreselectsNoDrive) {
    FakeHost host;
    host.folder = "/opt/vantix/Module";
    const auto decision = runEntryProcedure(moduleInfo(ModuleId::Drevion), "/START", host);
    EXPECT_TRUE(decision.showWindow);
    EXPECT_FALSE(decision.drive);
}

TEST(ModuleStart, SetsHelpFileAndLineBreaks) {
    const std::vector<std::tuple<ModuleId, std::string>> cases = {
        {ModuleId::Regalto, "C:\\VANTIX\\Module\\QVMODULE.HLP"},
        {ModuleId::Drevion, "C:\\VANTIX\\Module\\DREVION.HLP"},
        {ModuleId::Bootlam, "C:\\VANTIX\\Module\\BOOTLAM.HLP"},
    };
    for (const auto& [id, help] : cases) {
        FakeHost host;
        host.version = 1;
        ASSERT_TRUE(runEntryProcedure(moduleInfo(id), "/START", host).showWindow);
        EXPECT_EQ(helpFile(), help);
        EXPECT_EQ(lineBreaks().cr, "\r");
        EXPECT_EQ(lineBreaks().crlf, "\r\n");
    }
}

}  // namespace
}  // namespace vantix::modules
