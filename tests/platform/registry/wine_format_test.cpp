#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/HiveWriter.h"
#include "platform/registry/ValueData.h"
#include "platform/registry/WineEscape.h"

using namespace vantix::platform::reg;

namespace {

std::string escaped(std::u16string_view units, char open = '"', char close = '"') {
    std::string out;
    appendEscaped(out, units, open, close);
    return out;
}

std::u16string unescaped(std::string_view text, char close = '"') {
    std::u16string out;
    std::string line = std::string(text) + close;
    std::size_t pos = 0;
    EXPECT_TRUE(parseEscaped(line, pos, close, out)) << text;
    return out;
}

std::string valueLine(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data) {
    std::string out;
    appendWineValue(out, name, type, data);
    return out;
}

std::vector<std::uint8_t> utf16z(std::u16string_view units) {
    std::vector<std::uint8_t> data;
    appendUnits(data, units);
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::string rewrite(std::string text) {
    auto parsed = parseHive(std::move(text), "test.reg");
    EXPECT_TRUE(parsed.hive) << parsed.error;
    if (!parsed.hive) return {};
    return writeHive(*parsed.hive, "");
}

}  // namespace

TEST(WineEscape, WritesEachUnitTheWayWineserverDoes) {
    struct Case {
        std::u16string units;
        std::string text;
    } cases[] = {
        {u"plain", "plain"},
        {u"a\\b\"c", "a\\\\b\\\"c"},
        {u"caf\u00e9", "caf\\xe9"},
        {u"\u00e9f", "\\x00e9f"},          // a hex digit follows: four digits
        {u"\u00e9g", "\\xe9g"},
        {u"\u20ac", "\\x20ac"},
        {u"\U0001F600", "\\xd83d\\xde00"},  // surrogate halves separately
        {u"\a\b\t\n\v\f\r\x1b", "\\a\\b\\t\\n\\v\\f\\r\\e"},
        {std::u16string(u"\x01z", 2), "\\1z"},
        {std::u16string(u"\x02" u"7", 2), "\\0027"},  // an octal digit follows: three digits
        {std::u16string(u"a\0b", 3), "a\\0b"},
        {u"\x7f", "\x7f"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escaped(c.units), c.text);
        EXPECT_EQ(unescaped(c.text), c.units) << c.text;
    }
}

TEST(WineEscape, KeyNamesEscapeBracketsButNotQuotes) {
    EXPECT_EQ(escaped(u"sub[1]\"", '[', ']'), "sub\\[1\\]\"");
    EXPECT_EQ(unescaped("sub\\[1\\]", ']'), u"sub[1]");
}

TEST(WineEscape, ReaderAcceptsWhatWineserverAccepts) {
    struct Case {
        std::string text;
        std::u16string units;
    } cases[] = {
        {"\\x", u"x"},                 // no digit after \x
        {"\\x41414", u"\x4141" u"4"},  // at most four digits
        {"\\101", u"A"},
        {"\\q", u"q"},
        {"caf\xc3\xa9", u"caf\u00e9"},  // raw UTF-8
        {"a\xff" "b", u"ab"},           // invalid UTF-8 dropped
    };
    for (const auto& c : cases) EXPECT_EQ(unescaped(c.text), c.units) << c.text;
    std::u16string out;
    std::size_t pos = 0;
    EXPECT_FALSE(parseEscaped("no end", pos, '"', out));
    EXPECT_FALSE(parseEscaped("ends in \\", pos = 0, '"', out));
}

TEST(WineValueLines, EveryTypeIsWrittenInWineserversForm) {
    struct Case {
        std::string name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::string line;
    } cases[] = {
        {"", 1, utf16z(u"x"), "@=\"x\"\n"},
        {"s", 1, utf16z(u""), "\"s\"=\"\"\n"},
        {"e", 2, utf16z(u"%WINDIR%"), "\"e\"=str(2):\"%WINDIR%\"\n"},
        {"m", 7, utf16z(std::u16string(u"one\0two\0", 8)), "\"m\"=str(7):\"one\\0two\\0\"\n"},
        {"d", 4, {0xef, 0xbe, 0xad, 0xde}, "\"d\"=dword:deadbeef\n"},
        {"d2", 4, {1, 2}, "\"d2\"=hex(4):01,02\n"},
        {"b", 3, {}, "\"b\"=hex:\n"},
        {"b", 3, {0, 0xff}, "\"b\"=hex:00,ff\n"},
        {"n", 0, {}, "\"n\"=hex(0):\n"},
        {"z", 1, {}, "\"z\"=hex(1):\n"},                 // empty REG_SZ has no terminator
        {"z", 1, {0x41, 0, 0x42}, "\"z\"=hex(1):41,00,42\n"},  // odd length
        {"z", 1, {0x41, 0}, "\"z\"=hex(1):41,00\n"},     // not NUL-terminated
        {"q", 11, {1, 2, 3, 4, 5, 6, 7, 8}, "\"q\"=hex(b):01,02,03,04,05,06,07,08\n"},
        {"u", 0x1234, {0xab}, "\"u\"=hex(1234):ab\n"},
        {"caf\xc3\xa9", 4, {0, 0, 0, 0}, "\"caf\\xe9\"=dword:00000000\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(valueLine(c.name, c.type, c.data), c.line);
        // and the line reads back as the same data
        const std::string_view line(c.line);
        const std::size_t eq = line.find("\"=") != std::string_view::npos ? line.find("\"=") + 2 : 2;
        std::uint32_t type = 99;
        std::vector<std::uint8_t> data;
        std::string reason;
        ASSERT_TRUE(parseWineData(line.substr(eq, line.size() - eq - 1), [](std::string_view&) { return false; }, type,
                                  data, reason))
            << c.line << reason;
        EXPECT_EQ(type, c.type) << c.line;
        EXPECT_EQ(data, c.data) << c.line;
    }
}

TEST(WineValueLines, HexWrapsAtWineserversColumns) {
    std::vector<std::uint8_t> bytes(60);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    // The same line wineserver wrote into the fixture.
    const std::string expected =
        "\"bin\"=hex:00,07,0e,15,1c,23,2a,31,38,3f,46,4d,54,5b,62,69,70,77,7e,85,8c,93,9a,\\\n"
        "  a1,a8,af,b6,bd,c4,cb,d2,d9,e0,e7,ee,f5,fc,03,0a,11,18,1f,26,2d,34,3b,42,49,\\\n"
        "  50,57,5e,65,6c,73,7a,81,88,8f,96,9d\n";
    EXPECT_EQ(valueLine("bin", 3, bytes), expected);
    EXPECT_NE(readFixture("system.reg").find(expected), std::string::npos);
}

TEST(WineFiles, WineWrittenFilesRewriteByteForByte) {
    for (const char* name : {"system.reg", "user.reg", "userdef.reg"}) {
        const std::string text = readFixture(name);
        auto parsed = parseHive(text, name);
        ASSERT_TRUE(parsed.hive) << parsed.error;
        parsed.hive->changed = true;
        EXPECT_EQ(writeHive(*parsed.hive, ""), text) << name;
    }
}

TEST(WineFiles, RegeneratedKeysMatchWhatWineWrote) {
    // Marking every key changed regenerates all blocks: they must equal Wine's own.
    for (const char* name : {"system.reg", "user.reg", "userdef.reg"}) {
        const std::string text = readFixture(name);
        auto parsed = parseHive(text, name);
        ASSERT_TRUE(parsed.hive) << parsed.error;
        std::function<void(HiveKey&)> mark = [&](HiveKey& k) {
            k.dirty = true;
            for (auto& c : k.children) mark(*c);
        };
        mark(*parsed.hive->root);
        EXPECT_EQ(writeHive(*parsed.hive, ""), text) << name;
    }
}

TEST(WineFiles, ReadsTheExoticParts) {
    auto parsed = parseHive(readFixture("system.reg"), "system.reg");
    ASSERT_TRUE(parsed.hive);
    HiveKey* software = parsed.hive->root->child("software");
    ASSERT_TRUE(software);
    HiveKey* exotic = software->child("vantixfixture")->child("exotic")->child("sub[1]");
    ASSERT_TRUE(exotic);
    EXPECT_EQ(exotic->className, "Fixture \"class\"");
    EXPECT_EQ(exotic->time, 0x1da1747c66d0000ULL);
    EXPECT_EQ(unitsOf(exotic->value("str")->data),
              std::u16string(u"tab\there\nnewline \"quoted\" back\\slash caf\u00e9 \u00e9f euro\u20ac") + u'\0');
    EXPECT_EQ(exotic->value("ctl")->data, utf16z(u"\x01\x02" u"7\x1b"));
    EXPECT_EQ(exotic->values.front().name, "");  // default value sorts first
    EXPECT_TRUE(software->child("vantixfixture")->child("caf\xc3\xa9"));
    HiveKey* wow = software->child("wow6432node");
    ASSERT_TRUE(wow);
    bool sawLink = false;
    std::function<void(HiveKey&)> scan = [&](HiveKey& k) {
        if (k.isLink && k.value("symboliclinkvalue") && k.value("symboliclinkvalue")->type == 6) sawLink = true;
        for (auto& c : k.children) scan(*c);
    };
    scan(*wow);
    EXPECT_TRUE(sawLink);
}

TEST(WineFiles, ChangedKeyIsRegeneratedAndItsNeighboursKeepTheirBytes) {
    const std::string text = std::string(kHeader) +
                             "\n[A] 1700000000\n#time=1da1747c66d0000\n\"v\"=str:\"old\"\n; a comment Wine skips\n"
                             "\n[B] 1700000000\njunk line\n\"w\"  =  dword:1\n";
    auto parsed = parseHive(text, "t.reg");
    ASSERT_TRUE(parsed.hive) << parsed.error;
    HiveKey* a = parsed.hive->root->child("a");
    a->putValue(HiveValue{"x", "x", 4, {1, 0, 0, 0}});
    a->dirty = true;
    parsed.hive->changed = true;
    EXPECT_EQ(writeHive(*parsed.hive, ""),
              std::string(kHeader) +
                  "\n[A] 1700000000\n#time=1da1747c66d0000\n\"v\"=\"old\"\n\"x\"=dword:00000001\n"
                  "\n[B] 1700000000\njunk line\n\"w\"  =  dword:1\n");
}

TEST(WineFiles, NewKeysGoInSortOrderAndImplicitKeysStayImplicit) {
    const std::string text = std::string(kHeader) + "\n[a\\\\b] 1\n#time=1\n\"v\"=\"1\"\n\n[c] 2\n#time=2\n";
    auto parsed = parseHive(text, "t.reg");
    ASSERT_TRUE(parsed.hive);
    HiveKey& root = *parsed.hive->root;
    HiveKey& bb = root.addChild("B b", "b b", 0x10);
    bb.dirty = true;
    bb.addChild("inner", "inner", 0x20).dirty = true;
    parsed.hive->changed = true;
    EXPECT_EQ(writeHive(*parsed.hive, ""), std::string(kHeader) +
                                               "\n[a\\\\b] 1\n#time=1\n\"v\"=\"1\"\n"
                                               "\n[B b\\\\inner] 1240428289\n#time=000000020\n"  // before 1970: wraps like Wine
                                               "\n[c] 2\n#time=2\n");
}

TEST(WineFiles, RepeatedKeysMergeAndCrlfLoads) {
    const std::string text = std::string(kHeader) + "\r\n[K] 5\r\n\"a\"=\"1\"\r\n[k] 6\r\n\"A\"=\"2\"\r\n\"b\"=hex:01,\\\r\n  02\r\n";
    auto parsed = parseHive(text, "t.reg");
    ASSERT_TRUE(parsed.hive) << parsed.error;
    HiveKey* k = parsed.hive->root->child("k");
    ASSERT_TRUE(k);
    EXPECT_EQ(k->values.size(), 2u);
    EXPECT_EQ(k->value("a")->data, utf16z(u"2"));
    EXPECT_EQ(k->value("b")->data, (std::vector<std::uint8_t>{1, 2}));
    parsed.hive->changed = true;
    EXPECT_EQ(writeHive(*parsed.hive, ""), text);
}

TEST(WineFiles, CorruptAndHostileInputGivesLineAndReason) {
    struct Case {
        std::string text;
        std::size_t line;
        std::string reason;
    } cases[] = {
        {"WINE REGISTRY Version 1\n", 1, "not a Wine registry file"},
        {"", 1, "not a Wine registry file"},
        {std::string("\xff\xfeW\0", 4), 1, "NUL byte"},
        {std::string(kHeader) + "[Open\n", 3, "key name not closed"},
        {std::string(kHeader) + "[a\\\\\\\\b]\n", 3, "empty name in key path"},
        {std::string(kHeader) + "[" + std::string(257, 'k') + "]\n", 3, "longer than 256"},
        {std::string(kHeader) + "[k]\n\"v\"=dword:123456789\n", 4, "dword longer"},
        {std::string(kHeader) + "[k]\n\"v\"=hex:1,zz\n", 4, "bad hex"},
        {std::string(kHeader) + "[k]\n\"v\"=hex:100\n", 4, "bad hex"},
        {std::string(kHeader) + "[k]\n\"v\"=hex:01,\\\n", 4, "past the end"},
        {std::string(kHeader) + "[k]\n\"v\"=\"open\n", 4, "string not closed"},
        {std::string(kHeader) + "[k]\n\"v\"=dwrd:1\n", 4, "unknown value type"},
        {std::string(kHeader) + "[k]\n\"v\"\n", 4, "= missing"},
        {std::string(kHeader) + "[k]\n\"v=\"x\"\n", 4, "= missing"},
        {std::string(kHeader) + "[k]\n\"v\"=hex(zz):\n", 4, "bad hex(N)"},
        {std::string(kHeader) + "[k]\n#class=\"open\n", 4, "class name not closed"},
        {std::string(kHeader) + "#arch=win16\n", 3, "unknown #arch"},
    };
    for (const auto& c : cases) {
        const auto parsed = parseHive(c.text, "bad.reg");
        EXPECT_FALSE(parsed.hive) << c.text;
        EXPECT_EQ(parsed.errorLine, c.line) << c.text << " -> " << parsed.error;
        EXPECT_NE(parsed.error.find("bad.reg: line " + std::to_string(c.line) + ": "), std::string::npos) << parsed.error;
        EXPECT_NE(parsed.error.find(c.reason), std::string::npos) << parsed.error;
    }
    std::string deep = std::string(kHeader) + "[k";
    for (int i = 0; i < 600; ++i) deep += "\\\\k";
    EXPECT_NE(parseHive(deep + "]\n", "deep.reg").error.find("too deep"), std::string::npos);
}

TEST(WineFiles, LinesWineSkipsAreKeptAndIgnored) {
    const std::string text = std::string(kHeader) + "\"orphan\"=\"before any key\"\n#anything\n\n[k] 1\n  \"v\" = \"x\"\n; c\nwhat\n";
    auto parsed = parseHive(text, "t.reg");
    ASSERT_TRUE(parsed.hive) << parsed.error;
    EXPECT_TRUE(parsed.hive->root->values.empty());
    EXPECT_EQ(parsed.hive->root->child("k")->values.size(), 1u);
    EXPECT_EQ(rewrite(text), text);
}

TEST(WineFiles, HandWrittenOrderIsKeptAndNewKeysFollowTheirPredecessor) {
    const std::string text = std::string(kHeader) + "[b] 1\n\"v\"=\"1\"\n[a] 2\n\"w\"=\"2\"\n";
    auto parsed = parseHive(text, "t.reg");
    ASSERT_TRUE(parsed.hive);
    parsed.hive->changed = true;
    EXPECT_EQ(writeHive(*parsed.hive, ""), text);
    HiveKey& root = *parsed.hive->root;
    root.addChild("a0", "a0", kUnixEpochFileTime).dirty = true;  // sorts after a, before b
    EXPECT_EQ(writeHive(*parsed.hive, ""),
              std::string(kHeader) + "[b] 1\n\"v\"=\"1\"\n[a] 2\n\"w\"=\"2\"\n\n[a0] 0\n#time=19db1ded53e8000\n");
}
