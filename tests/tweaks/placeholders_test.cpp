#include <gtest/gtest.h>

#include "tweaks/Numbers.h"
#include "tweaks/Placeholders.h"

using namespace vantix::tweaks;

namespace {
const PlaceholderDirectories kDirs{"C:\\", "C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM\\",
                                   "/opt/vantix/"};
}

TEST(FieldText, OnlyASingleHashIsEmpty) {
    EXPECT_EQ(FieldText("#"), "");
    EXPECT_EQ(FieldText("##"), "##");
    EXPECT_EQ(FieldText(" #"), " #");
    EXPECT_EQ(FieldText(""), "");
    EXPECT_EQ(FieldText("HideFileExt"), "HideFileExt");
}

TEST(ExpandPlaceholders, ReplacesEveryOccurrenceInTheFixedOrder) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"%WD%%SD%X", "C:\\WINDOWS\\C:\\WINDOWS\\SYSTEM\\X"},
        {"%wd%SYSTEM.INI", "%wd%SYSTEM.INI"},
        {"no placeholders", "no placeholders"},
        {"%BD%MSDOS.SYS", "C:\\MSDOS.SYS"},
        {"%PD%RESTART.EXE and %PD%x", "/opt/vantix/RESTART.EXE and /opt/vantix/x"},
        {"%WD", "%WD"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(ExpandPlaceholders(text, kDirs), c.out) << c.in;
        EXPECT_EQ(text, c.out) << "expanded in place: " << c.in;
    }
}

TEST(ExpandPlaceholders, LaterPlaceholdersProducedByEarlierValuesAreExpanded) {
    PlaceholderDirectories dirs = kDirs;
    dirs.bootDir = "%WD%BOOT\\";  // a %BD% value that holds %WD%
    std::string text = "%BD%X";
    EXPECT_EQ(ExpandPlaceholders(text, dirs), "C:\\WINDOWS\\BOOT\\X");
    // An absent BootDir reads "NO Key" and is pasted as it is.
    dirs.bootDir = "NO Key";
    text = "%BD%MSDOS.SYS";
    EXPECT_EQ(ExpandPlaceholders(text, dirs), "NO KeyMSDOS.SYS");
}

TEST(ExpandPlaceholders, AValueHoldingItsOwnPlaceholderEnds) {
    PlaceholderDirectories dirs = kDirs;
    dirs.windowsDir = "C:\\%WD%\\";  // would loop for ever if searched from the start each time
    std::string text = "%WD%a%WD%";
    EXPECT_EQ(ExpandPlaceholders(text, dirs), "C:\\%WD%\\aC:\\%WD%\\");
}

TEST(Numbers, LeadingNumberReadsWhatAStoredTextStartsWith) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"50", 50},
        {"  12abc", 12},
        {"-3.5", -3.5},
        {"+7", 7},
        {"&H1F", 31},
        {"&hff", 255},
        {"&O17", 15},
        {"abc", 0},
        {"", 0},
        {"1e3", 1000},
        {"1e", 1},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {".5", 0.5},
        {"\t8", 8},
        {"&", 0},
        {"&Z1", 0},
        {"95000000", 95000000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.number) << c.text;
}

TEST(Numbers, RoundHalfEvenLikeThePage) {
    const struct {
        double in;
        std::int64_t out;
    } cases[] = {{0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {3.5, 4},
                 {-0.5, 0},
                 {-1.5, -2},
                 {10.4, 10},
                 {10.6, 11},
                 {5 * 0.1, 0},
                 {100 * 0.03, 3},
                 {100 * 0.008, 1},
                 {1e300, 2147483647},
                 {-1e300, -2147483648}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(formatNumber(50), "50");
    EXPECT_EQ(formatNumber(2.5), "2.5");
}
