#include "platform/profile/IniFileMapping.h"

#include <gtest/gtest.h>

using namespace vantix::platform;

namespace {

TEST(IniMappingText, ParsesPrefixesAndRoots) {
    const struct {
        const char* text;
        std::optional<IniMapping> expected;
    } cases[] = {
        {"USR:Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows",
         IniMapping{Root::CurrentUser, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", false, false}},
        {"SYS:Microsoft\\Windows NT\\CurrentVersion\\WOW\\boot",
         IniMapping{Root::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\WOW\\boot", false, false}},
        {"#usr:Control Panel\\Desktop\\", IniMapping{Root::CurrentUser, "Control Panel\\Desktop", false, false}},
        {"!SYS:X", IniMapping{Root::LocalMachine, "Software\\X", true, false}},
        {"@!USR:Y", IniMapping{Root::CurrentUser, "Y", true, true}},
        {"HKLM:X", std::nullopt},
        {"", std::nullopt},
        {"!#@", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseIniMapping(c.text), c.expected) << c.text;
}

}  // namespace
