#include "modules/bootlam/BootIni.h"

#include <gtest/gtest.h>

using namespace vantix::bootlam;

namespace {

constexpr const char* kNt = "multi(0)disk(0)rdisk(0)partition(1)\\WINNT";

TEST(BootIniReading, EntriesAfterTheHeaderInAnyCase) {
    const auto ini = BootIni::parse(
        "[boot loader]\r\ntimeout=30\r\ndefault=scsi(0)disk(0)rdisk(0)partition(2)\\WINNT\r\n"
        "[Operating Systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT\" /sos\r\n"
        "scsi(0)disk(0)rdisk(0)partition(2)\\WINNT=\"Second\"\r\nabc\r\nC:\\=\"MS-DOS\" /x "
        "/y\r\n[debug]\r\n");
    ASSERT_EQ(ini.entries.size(), 4u) << "short lines skipped, no later header ends the entries";
    EXPECT_EQ(ini.timeout, "30");
    EXPECT_EQ(ini.defaultIndex(), 1u);
    EXPECT_EQ(ini.entries[0].kind, EntryKind::WindowsNt);
    EXPECT_TRUE(ini.entries[0].sos);
    EXPECT_EQ(ini.entries[1].kind, EntryKind::WindowsNt) << "SCSI paths are NT entries";
    EXPECT_EQ(ini.entries[2].kind, EntryKind::Other);
    EXPECT_EQ(ini.entries[2].name, "MS-DOS");
    EXPECT_EQ(ini.entries[2].otherSwitches, "/X/Y") << "kind 2 keeps every switch as other";
    EXPECT_EQ(ini.entries[3].path, "") << "a line without \"=\" has an empty path";
    EXPECT_TRUE(BootIni::parse("[boot loader]\ntimeout=5\nmulti(0)=\"x\"\n").entries.empty())
        << "no operating-systems header: no entries";
    EXPECT_EQ(BootIni::parse("[OPERATING systems]\nmulti(0)disk(0)=\"A\"\n").entries.size(), 1u);
}

TEST(BootIniReading, SwitchesByExactTextOrContainment) {
    const auto e = parseEntry(
        std::string(kNt) +
        "=\"NT\" /basevideo /maxmem:64 /NoSerialMice:COM1,COM3 /DEBUGPORT=COM2 /crashdebug");
    EXPECT_TRUE(e.basevideo);
    EXPECT_TRUE(e.crashdebug);
    EXPECT_FALSE(e.debug) << "/DEBUGPORT is no /DEBUG";
    EXPECT_TRUE(e.maxmem);
    EXPECT_EQ(e.maxmemMegabytes, 64);
    EXPECT_TRUE(e.noserialmice);
    EXPECT_EQ(e.com, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_EQ(e.otherSwitches, "/DEBUGPORT=COM2");
    const auto noEquals = parseEntry("\"name only\" /sos");
    EXPECT_EQ(noEquals.path, "");
    EXPECT_EQ(noEquals.name, "name only");
    const auto huge = parseEntry(std::string(kNt) + "=\"NT\" /MAXMEM:99999");
    EXPECT_FALSE(huge.maxmem) << "a limit beyond 16 bits stays as written";
    EXPECT_EQ(huge.otherSwitches, "/MAXMEM:99999");
}

TEST(BootIniWriting, DefaultFirstFixedOrderUpperCase) {
    std::vector<BootEntry> entries{
        parseEntry("C:\\=\"MS-DOS\""),
        parseEntry(std::string(kNt) + "=\"NT\" /fastdetect /sos /noguiboot /maxmem:48 "
                                      "/nodebug /basevideo /noserialmice:com4")};
    EXPECT_EQ(entriesText(entries, 1), "[boot loader]\r\n[Operating Systems]\r\n" +
                                           std::string(kNt) +
                                           "=\"NT\" /BASEVIDEO /NODEBUG /SOS /MAXMEM:48 "
                                           "/NOSERIALMICE:COM4 /FASTDETECT/NOGUIBOOT\r\n"
                                           "C:\\=\"MS-DOS\"\r\n");
}

TEST(BootIniWriting, LongSwitchLinesAreNotCut) {
    std::string switches;
    for (int i = 0; i < 12; ++i) switches += " /OPTION" + std::to_string(i) + "=VALUE";
    const auto e = parseEntry(std::string(kNt) + "=\"NT\"" + switches);
    ASSERT_GT(switches.size(), 100u);
    std::string joined;
    for (int i = 0; i < 12; ++i) joined += "/OPTION" + std::to_string(i) + "=VALUE";
    EXPECT_EQ(e.otherSwitches, joined) << "every switch is kept, not the first 100 characters";
}

TEST(BootIniWriting, BareNoSerialMiceSurvivesUntilAPortIsChosen) {
    auto e = parseEntry(std::string(kNt) + "=\"NT\" /NOSERIALMICE");
    EXPECT_TRUE(e.bareNoSerialMice);
    EXPECT_EQ(switchText(e), " /NOSERIALMICE");
    e.com[1] = true;
    EXPECT_EQ(switchText(e), " /NOSERIALMICE:COM2");
}

TEST(BootIniReading, LimitsRefuseWhatIsNoBootFile) {
    EXPECT_THROW(BootIni::parse(std::string(BootIni::kMaxBytes + 1, 'x')), BootIniError);
    EXPECT_THROW(
        BootIni::parse("[operating systems]\n" + std::string(BootIni::kMaxLineLength + 1, 'x')),
        BootIniError);
    std::string many = "[operating systems]\n";
    for (std::size_t i = 0; i <= BootIni::kMaxEntries; ++i)
        many += "C:\\=\"" + std::to_string(i) + "\"\n";
    EXPECT_THROW(BootIni::parse(many), BootIniError);
    EXPECT_NO_THROW(BootIni::parse(std::string("\0\xFF\xFE[\r\r\n\"", 8)));
}

TEST(BootIniReading, NamesInTheAnsiCodePage) {
    const auto ini = BootIni::parse(
        "[operating systems]\r\nC:\\=\"Gr\xFC\xDF"
        "e\"\r\n");
    ASSERT_EQ(ini.entries.size(), 1u);
    EXPECT_EQ(ini.entries[0].name,
              "Gr\xC3\xBC\xC3\x9F"
              "e");
}

}  // namespace
