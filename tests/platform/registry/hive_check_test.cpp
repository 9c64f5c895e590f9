#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RegistryTestSupport.h"
#include "platform/registry/HiveCheck.h"
#include "platform/registry/HiveReader.h"
#include "platform/registry/PartialHive.h"

using namespace vantix::platform::reg;

namespace {

std::string hive(std::string_view body) {
    return "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n" +
           std::string(body);
}

}  // namespace

TEST(HiveCheck, WineFilesPassWithTheHeadersTheScanFinds) {
    for (const char* name : {"system.reg", "user.reg", "userdef.reg"}) {
        const std::string text = readFixture(name);
        HeaderPositions positions;
        ASSERT_TRUE(quickCheckHive(text, &positions)) << name;
        const HeaderIndex scanned(text);
        EXPECT_EQ(positions.starts, scanned.headers()) << name;
        ASSERT_EQ(positions.shared.size(), positions.starts.size()) << name;
        for (std::size_t h = 0; h < positions.shared.size(); ++h)
            EXPECT_EQ(positions.shared[h], scanned.sharedWithPrevious(h))
                << name << " header " << h;
        if (positions.inSaveOrder) {
            EXPECT_EQ(*positions.inSaveOrder, headersInSaveOrder(text, scanned)) << name;
        }
    }
}

TEST(HiveCheck, PassesWhatWineWrites) {
    for (const std::string& body : std::vector<std::string>{
             "[]\n\"Root\"=\"1\"\n",
             "[A\\\\B] 1700000000\n#time=1da1747c66d0000\n#class=\"Cls \\\"q\\\"\"\n"
             "@=\"C:\\\\windows\\\\system32\"\n\"Q\\\"uote\"=str(2):\"%SystemRoot%\"\n",
             "[A] "
             "1\n\"Bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\n"
             "  15,16,17,18,19,1a\n\"Multi\"=hex(7):41,00,00,00,00,00\n\"Short\"=hex:\n",
             "[A] 1\n\"Word\"=dword:0000000a\n\"Tiny\"=dword:1\n\"Three\"=hex(ffff0003):1,2,\\\n  "
             "\n",
             "[A] 1\n[A\\\\B] 2\n[A\\\\BC] 3\n[A\\\\BC\\\\D] 4\n[AB] 5\n[A\\\\B] 6\n",
             "\"Before\"=\"the first key\"\n;; a comment\n[A] 1\n#link\njunk line\n\n",
             // Escaped names, as Wine writes names beyond ASCII.
             "[Caf\\x00e9\\\\A\\]B\\\\\\x5cB] 1\n",
         }) {
        const std::string text = hive(body);
        EXPECT_TRUE(quickCheckHive(text)) << body;
        EXPECT_TRUE(parseHive(text, "t.reg").hive) << body;
    }
}

TEST(HiveCheck, NeverPassesWhatTheReaderRefuses) {
    const std::string longName(257, 'n');
    const std::string nearlyLong(250, 'n');
    for (const std::string& body : std::vector<std::string>{
             "[A\n",
             "[A\\\\]\n",
             "[\\\\A]\n",
             "[A\\\\\\\\B]\n",
             "[" + longName + "]\n",
             // A header that shares a valid start with the one before and goes wrong after it.
             "[A\\\\B] 1\n[A\\\\\\\\C] 2\n",
             "[A\\\\B] 1\n[A\\\\B\\\\] 2\n",
             "[A\\\\" + nearlyLong + "] 1\n[A\\\\" + nearlyLong + "yyyyyyyyyy] 2\n",
             "[A] 1\n\"v\"=hex:zz\n",
             "[A] 1\n\"v\"=hex:001\n",
             "[A] 1\n\"v\"=hex:00 01\n",
             "[A] 1\n\"v\"=hex:00,\\\n",
             "[A] 1\n\"v\"=hex:00,\\\n[B] 2\n",
             "[A] 1\n\"v\"=hex(123456789):00\n",
             "[A] 1\n\"v\"=dword:123456789\n",
             "[A] 1\n\"v\"=\"open\n",
             "[A] 1\n\"v\"=\"escape at the end\\\n",
             "[A] 1\n\"open=\"1\"\n",
             "[A] 1\n\"v\" \"1\"\n",
             "[A] 1\n\"v\"=qword:1\n",
             "[A] 1\n#class=unquoted\n",
             "[A\\x005c] 1\n",
             "[\xa6\x90\x99\x8b\x88\x9e\x8d\x9a\\\\A] 1\n",  // bytes that are no characters
             "[A\\\n",
         }) {
        const std::string text = hive(body);
        const auto whole = parseHive(text, "t.reg");
        ASSERT_FALSE(whole.hive) << "the reader reads it: " << body;
        EXPECT_FALSE(quickCheckHive(text)) << body;
        EXPECT_EQ(checkHive(text, "t.reg"), whole.error) << body;
    }
    EXPECT_FALSE(quickCheckHive("WINE REGISTRY Version 1\n[A]\n"));
    EXPECT_FALSE(quickCheckHive(hive("#arch=win16\n[A]\n")));
    EXPECT_FALSE(quickCheckHive(hive("[A] 1\n") + std::string(1, '\0')));
}

TEST(HiveCheck, LeavesUnusualButReadableTextToTheReader) {
    // Carriage returns, escapes that could stand for a backslash and names
    // not escaped beyond ASCII read; the quick check does not decide them.
    for (const std::string& body : std::vector<std::string>{
             "[A] 1\r\n\"v\"=hex:00,01\r\n",
             "[A\\134B] 1\n",
             "[Caf\xc3\xa9] 1\n",
             "[A\\x005c\\x42] 1\n",
         }) {
        const std::string text = hive(body);
        EXPECT_FALSE(quickCheckHive(text)) << body;
        EXPECT_EQ(checkHive(text, "t.reg"), "") << body;
    }
}

TEST(HiveCheck, TellsSaveOrderAsTheOrderCheckDoes) {
    struct Case {
        std::string body;
        std::optional<bool> inSaveOrder;
    };
    for (const Case& c : std::vector<Case>{
             {"[A] 1\n[A\\\\B] 2\n[A\\\\b\\\\C] 3\n[AB] 4\n[b] 5\n", true},
             {"[]\n[a] 1\n[B] 2\n[c\\\\x] 3\n[C\\\\Y] 4\n", true},
             {"[B] 1\n[a] 2\n", false},
             {"[A\\\\B] 1\n[A] 2\n", false},
             {"[AB] 1\n[A\\\\B] 2\n", false},
             {"[A] 1\n[a] 2\n", false},          // one key, two blocks
             {"[A] 1\n[Caf\\x00e9] 2\n", true},  // decided before the escape
             {"[Caf\\x00e9] 1\n[Caf\\x00e9\\\\B] 2\n", std::nullopt},
         }) {
        const std::string text = hive(c.body);
        HeaderPositions positions;
        ASSERT_TRUE(quickCheckHive(text, &positions)) << c.body;
        EXPECT_EQ(positions.inSaveOrder, c.inSaveOrder) << c.body;
        EXPECT_EQ(headersInSaveOrder(text, HeaderIndex(text)), c.inSaveOrder.value_or(true))
            << c.body;
    }
}
