#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "platform/registry/RegFile.h"

using namespace vantix::platform;

namespace {

std::string exported(Registry& r, Root root, std::string_view key) {
    const RegExport e = exportRegedit4(r, root, key);
    EXPECT_TRUE(e.status) << e.status.message;
    return e.bytes;
}

RegValue withType(std::string name, std::uint32_t type, std::vector<std::uint8_t> data) {
    return RegValue{std::move(name), type, std::move(data)};
}

}  // namespace

TEST(RegFile, ExportsEachTypeInTheRegedit4Form) {
    ScratchDir dir;
    Registry r(dir.path());
    struct Case {
        RegValue value;
        std::string line;
    } cases[] = {
        {RegValue::string("", "default"), "@=\"default\""},
        {RegValue::string("quote", "say \"hi\" C:\\dir"), "\"quote\"=\"say \\\"hi\\\" C:\\\\dir\""},
        {RegValue::string("ansi", "caf\u00e9 \u20ac"), "\"ansi\"=\"caf\xe9 \x80\""},
        {RegValue::string("lines", "a\nb"), "\"lines\"=hex(1):61,0a,62,00"},
        {RegValue::string("exp", "%WINDIR%", regtype::ExpandSz), "\"exp\"=hex(2):25,57,49,4e,44,49,52,25,00"},
        {RegValue::string("multi", std::string("a\0b\0", 4), regtype::MultiSz), "\"multi\"=hex(7):61,00,62,00,00"},
        {RegValue::dword("dw", 0xDEADBEEF), "\"dw\"=dword:deadbeef"},
        {RegValue::binary("bin", {0x0a, 0x00, 0xff}), "\"bin\"=hex:0a,00,ff"},
        {RegValue::binary("empty", {}), "\"empty\"=hex:"},
        {withType("short", regtype::Dword, {1, 2}), "\"short\"=hex(4):01,02"},
        {withType("q", regtype::Qword, {1, 2, 3, 4, 5, 6, 7, 8}), "\"q\"=hex(b):01,02,03,04,05,06,07,08"},
        {withType("none", regtype::None, {}), "\"none\"=hex(0):"},
        {withType("odd", 0x1234, {0xab}), "\"odd\"=hex(1234):ab"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(r.deleteTree(Root::CurrentUser, "T") || true);
        ASSERT_TRUE(r.setValue(Root::CurrentUser, "T", c.value));
        EXPECT_EQ(exported(r, Root::CurrentUser, "T"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\T]\r\n" + c.line + "\r\n\r\n");
    }
}

TEST(RegFile, LongHexWrapsLikeTheExporters) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "W", RegValue::binary("bin", std::vector<std::uint8_t>(60, 0x11))));
    const std::string text = exported(r, Root::LocalMachine, "W");
    const std::string first = "\"bin\"=hex:" + [] {
        std::string s;
        for (int i = 0; i < 23; ++i) s += "11,";
        return s;
    }() + "\\\r\n";
    EXPECT_NE(text.find(first), std::string::npos) << text;
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 7u);  // header, blank, key, 3 value lines, blank
}

TEST(RegFile, RoundTripIsByteStableAndRestoresTheData) {
    ScratchDir source;
    copyWineHives(source);
    Registry a(source.path());
    const std::string first = exported(a, Root::LocalMachine, "Software\\VantixFixture");
    EXPECT_NE(first.find("[HKEY_LOCAL_MACHINE\\Software\\VantixFixture\\Caf\xe9]\r\n\"n\xe4me\"=\"v\xe4lue\"\r\n"),
              std::string::npos);

    ScratchDir target;
    Registry b(target.path());
    ASSERT_TRUE(importRegText(b, first));
    EXPECT_EQ(exported(b, Root::LocalMachine, "Software\\VantixFixture"), first);
    for (const char* name : {"str", "ctl", "multi", "expand", "qw", "odd", "bin", "dw2"})
        EXPECT_EQ(b.getValue(Root::LocalMachine, "Software\\VantixFixture\\Exotic\\sub[1]", name),
                  a.getValue(Root::LocalMachine, "Software\\VantixFixture\\Exotic\\sub[1]", name))
            << name;
}

TEST(RegFile, ExportSkipsLinksAndRefusesTextOutsideTheCodePage) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    const std::string wow = exported(r, Root::LocalMachine, "Software\\Wow6432Node");
    EXPECT_EQ(wow.find("SymbolicLinkValue"), std::string::npos);
    EXPECT_EQ(wow.find("[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Classes]"), std::string::npos);

    ASSERT_TRUE(r.setValue(Root::CurrentUser, "Greek", RegValue::string("name", "\u03b1\u03b2")));
    const RegExport refused = exportRegedit4(r, Root::CurrentUser, "Greek");
    EXPECT_EQ(refused.status.code, RegStatus::InvalidArgument);
    EXPECT_NE(refused.status.message.find("HKEY_CURRENT_USER\\Greek value \"name\""), std::string::npos)
        << refused.status.message;
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(exportRegedit4(r, Root::CurrentUser, "Missing").status.code, RegStatus::NotFound);
}

TEST(RegFile, ImportCreatesDeletesAndContinuesLines) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\Gone\\Deep", RegValue::dword("x", 1)));
    ASSERT_TRUE(r.setValue(Root::LocalMachine, "Software\\Keep", RegValue::dword("drop", 1)));
    const std::string file =
        "REGEDIT4\r\n\r\n"
        "; a comment\r\n"
        "[-HKEY_LOCAL_MACHINE\\Software\\Gone]\r\n"
        "\"ignored\"=\"values of a deleted key\"\r\n"
        "[-HKEY_LOCAL_MACHINE\\Software\\NeverWas]\r\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Keep]\r\n"
        "\"drop\"=-\r\n"
        "\"absent\"=-\r\n"
        "  @ = \"spaced\"\r\n"
        "\"bin\"=hex:01,02,\\\r\n"
        "    03,04\r\n"
        "\"exp\"=hex(2):25,57,49,4e,44,49,52,25,00\r\n"
        "\"dw\"=dword:FF\r\n"
        "\"nl\"=\"a\\nb\"\r\n"
        "[HKEY_CLASSES_ROOT\\.vtx]\r\n"
        "@=\"vtxfile\"\r\n";
    ASSERT_TRUE(importRegText(r, file)) << r.lastError();
    EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\Gone"));
    EXPECT_FALSE(r.getValue(Root::LocalMachine, "Software\\Keep", "drop"));
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\Keep", "")->text(), "spaced");
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\Keep", "bin")->data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(*r.getValue(Root::LocalMachine, "Software\\Keep", "exp"), RegValue::string("exp", "%WINDIR%", regtype::ExpandSz));
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\Keep", "dw")->data, (std::vector<std::uint8_t>{0xff, 0, 0, 0}));
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\Keep", "nl")->text(), "a\nb");
    EXPECT_EQ(r.getValue(Root::LocalMachine, "Software\\Classes\\.vtx", "")->text(), "vtxfile");
}

TEST(RegFile, ImportReadsVersion5Files) {
    ScratchDir dir;
    Registry r(dir.path());
    const std::u16string text =
        u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\V5]\r\n\"s\"=\"\u03b1\"\r\n"
        u"\"e\"=hex(2):25,00,41,00,25,00,00,00\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t u : text) {
        bytes.push_back(static_cast<char>(u & 0xFF));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    ASSERT_TRUE(importRegText(r, bytes)) << r.lastError();
    EXPECT_EQ(r.getValue(Root::CurrentUser, "V5", "s")->text(), "\u03b1");
    EXPECT_EQ(*r.getValue(Root::CurrentUser, "V5", "e"), RegValue::string("e", "%A%", regtype::ExpandSz));
    ASSERT_TRUE(importRegText(r, "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\V5]\n\"u\"=\"\xce\xb2\"\n"));
    EXPECT_EQ(r.getValue(Root::CurrentUser, "V5", "u")->text(), "\u03b2");
}

TEST(RegFile, AFaultyImportChangesNothingAndNamesTheLine) {
    ScratchDir dir;
    copyWineHives(dir);
    Registry r(dir.path());
    struct Case {
        std::string body;
        std::string message;
    } cases[] = {
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\"=\"1\"\r\n\"b\"=dword:123456789\r\n", "line 6: dword"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\"=hex:1,2g\r\n", "line 5: bad hex byte"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\"=hex:01,\\\r\n", "line 5: hex data continued"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\"=\"open\r\n", "line 5: text not closed"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\"=str:\"x\"\r\n", "line 5: unrecognised value data"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n\"a\" \"x\"\r\n", "line 5: = missing"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\n[HKEY_NOWHERE\\x]\r\n", "line 5: unknown root key"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New\r\n", "line 4: key name not closed"},
        {"[HKEY_LOCAL_MACHINE\\Software\\New]\r\ngarbage\r\n", "line 5: unrecognised line"},
        {"[HKEY_DYN_DATA\\PerfStats]\r\n", "line 4: HKEY_DYN_DATA"},
    };
    for (const auto& c : cases) {
        const RegStatus st = importRegText(r, "REGEDIT4\r\n\r\n[-HKEY_LOCAL_MACHINE\\Software\\VantixFixture]\r\n" + c.body);
        EXPECT_EQ(st.code, RegStatus::InvalidArgument) << c.body;
        EXPECT_NE(st.message.find(c.message), std::string::npos) << st.message;
        EXPECT_TRUE(r.keyExists(Root::LocalMachine, "Software\\VantixFixture"));
        EXPECT_FALSE(r.keyExists(Root::LocalMachine, "Software\\New"));
    }
    EXPECT_EQ(ScratchDir::read(dir / "system.reg"), readFixture("system.reg"));
    EXPECT_NE(importRegText(r, "REGEDIT4\r\n\"a\"=\"1\"\r\n").message.find("line 2: value before any key"), std::string::npos);
    EXPECT_NE(importRegText(r, "REGEDIT5\r\n").message.find("line 1"), std::string::npos);
    EXPECT_FALSE(importRegText(r, ""));
}

TEST(RegFile, ExportFileIsWrittenWhole) {
    ScratchDir dir;
    Registry r(dir.path());
    ASSERT_TRUE(r.setValue(Root::CurrentUser, "E", RegValue::dword("d", 1)));
    ASSERT_TRUE(exportRegFile(r, Root::CurrentUser, "E", dir / "out.reg"));
    EXPECT_EQ(ScratchDir::read(dir / "out.reg"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\E]\r\n\"d\"=dword:00000001\r\n\r\n");
    ASSERT_TRUE(r.deleteTree(Root::CurrentUser, "E"));
    ASSERT_TRUE(importRegFile(r, dir / "out.reg"));
    EXPECT_TRUE(r.getValue(Root::CurrentUser, "E", "d"));
    EXPECT_EQ(importRegFile(r, dir / "missing.reg").code, RegStatus::IoError);
}
