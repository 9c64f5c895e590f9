#include "platform/machine/RegTemplate.h"

#include <gtest/gtest.h>

#include "platform/machine/Machine.h"
#include "platform/machine/WindowsVersion.h"

using namespace vantix::platform;

namespace {

std::vector<std::uint8_t> utf16z(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

TEST(RegTemplate, ReadsEveryKindOfLine) {
    const auto changes = parseRegTemplate(
        "REGEDIT4\r\n\r\n"
        "; a comment\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\A b]\r\n"
        "@=\"C:\\\\WINDOWS \\\"x\\\"\"\r\n"
        "\"Count\"=dword:0000002A\r\n"
        "\"Bytes\"=hex:01,ff,\\\r\n"
        "  10\r\n"
        "\"Path\"=hex(2):25,41,25,00\r\n"
        "\"List\"=hex(7):61,00,62,00,00\r\n"
        "\"Gone\"=-\r\n"
        "[-HKEY_CURRENT_USER\\Old]\r\n",
        "t.reg");
    ASSERT_EQ(changes.size(), 8u);
    EXPECT_EQ(changes[0].kind, TemplateChange::CreateKey);
    EXPECT_EQ(changes[0].root, Root::LocalMachine);
    EXPECT_EQ(changes[0].key, "Software\\A b");
    EXPECT_EQ(changes[1].value, RegValue::string("", "C:\\WINDOWS \"x\""));
    EXPECT_EQ(changes[2].value, RegValue::dword("Count", 42));
    EXPECT_EQ(changes[3].value, RegValue::binary("Bytes", {0x01, 0xFF, 0x10}));
    // REGEDIT4 holds expandable and multi-strings as ANSI; the registry as UTF-16.
    EXPECT_EQ(changes[4].value.type, regtype::ExpandSz);
    EXPECT_EQ(changes[4].value.data, utf16z(u"%A%"));
    EXPECT_EQ(changes[5].value.type, regtype::MultiSz);
    EXPECT_EQ(changes[5].value.data.size(), 10u);
    EXPECT_EQ(changes[6].kind, TemplateChange::DeleteValue);
    EXPECT_EQ(changes[6].value.name, "Gone");
    EXPECT_EQ(changes[7].kind, TemplateChange::DeleteKey);
    EXPECT_EQ(changes[7].root, Root::CurrentUser);
}

TEST(RegTemplate, NamesFileAndLineOfWhatItCannotRead) {
    struct Case {
        const char* text;
        const char* where;
    };
    const Case cases[] = {
        {"", "t.reg:0"},
        {"Windows Registry Editor Version 5.00\r\n", "t.reg:1"},
        {"REGEDIT4\r\n\"x\"=\"1\"\r\n", "t.reg:2"},                       // value before any key
        {"REGEDIT4\r\n[hkey_local_machine\\x]\r\n", "t.reg:2"},           // roots are exact
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x\r\n", "t.reg:2"},            // no ]
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"open\r\n", "t.reg:3"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:123456789\r\n", "t.reg:3"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:1,zz\r\n", "t.reg:3"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:100\r\n", "t.reg:3"},
        {"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=wat\r\n", "t.reg:3"},
        {"REGEDIT4\r\n[-HKEY_CURRENT_USER]\r\n", "t.reg:2"},              // a root is never deleted
    };
    for (const auto& c : cases) {
        try {
            parseRegTemplate(c.text, "t.reg");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const MachineError& error) {
            EXPECT_NE(std::string(error.what()).find(c.where), std::string::npos) << error.what();
        }
    }
}

TEST(WindowsVersion, NamesNumbersAndPlatformCodes) {
    EXPECT_EQ(versionFromWineName("win98")->number, 410);
    EXPECT_EQ(versionFromWineName("nt40")->family, WindowsVersion::Family::Nt);
    EXPECT_FALSE(versionFromWineName("Win98"));
    EXPECT_EQ(versionNumberFromText("4.10.2222"), 410);
    EXPECT_EQ(versionNumberFromText("4.0"), 400);
    EXPECT_EQ(versionNumberFromText("6.1"), 601);
    EXPECT_FALSE(versionNumberFromText("four"));
    EXPECT_FALSE(versionNumberFromText("4"));
    using F = WindowsVersion::Family;
    EXPECT_EQ(platformOf({F::Win9x, 400}), WindowsPlatform::Win95);
    EXPECT_EQ(platformOf({F::Win9x, 401}), WindowsPlatform::Win98);
    EXPECT_EQ(platformOf({F::Nt, 351}), WindowsPlatform::Other);
    EXPECT_EQ(platformOf({F::Nt, 352}), WindowsPlatform::Nt4);
    EXPECT_EQ(platformOf({F::Win16, 310}), WindowsPlatform::Other);
    EXPECT_EQ(platformFromName("nt4"), WindowsPlatform::Nt4);
    EXPECT_FALSE(platformFromName("NT4"));
}

}  // namespace
