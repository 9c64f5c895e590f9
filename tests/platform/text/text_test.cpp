#include "platform/text/Text.h"

#include <gtest/gtest.h>

using namespace vantix::text;

TEST(TextUtf, RoundTripsAllPlanes) {
    const std::string samples[] = {"", "plain", "Gr\xC3\xBC\xC3\x9F" "e", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
    for (const auto& s : samples) EXPECT_EQ(toUtf8(toUtf16(s)), s);
    EXPECT_EQ(toUtf16("\xF0\x9F\x98\x80").size(), 2u);  // surrogate pair
}

TEST(TextUtf, InvalidInputBecomesReplacementCharacter) {
    EXPECT_EQ(toUtf16("a\xFF" "b"), std::u16string(u"a\uFFFDb"));
    EXPECT_EQ(toUtf16("\xC3"), std::u16string(u"\uFFFD"));         // truncated sequence
    EXPECT_EQ(toUtf16("\xC0\xAF"), std::u16string(u"\uFFFD"));     // overlong "/"
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(TextCase, FoldsTheLettersWindowsFolds) {
    EXPECT_TRUE(equalsIgnoreCase("Software\\Microsoft", "SOFTWARE\\microsoft"));
    EXPECT_TRUE(equalsIgnoreCase("\xC3\x84RGER", "\xC3\xA4rger"));        // Ä / ä
    EXPECT_TRUE(equalsIgnoreCase("\xD0\x9C\xD0\x98\xD0\xA0", "\xD0\xBC\xD0\xB8\xD1\x80"));  // МИР / мир
    EXPECT_FALSE(equalsIgnoreCase("abc", "abd"));
    EXPECT_FALSE(equalsIgnoreCase("ab", "abc"));
}

TEST(TextCase, OrdersLikeWineSortsKeys) {
    // Shorter first on a tie, underscore before letters, folded comparison.
    EXPECT_LT(compareIgnoreCase("a", "a b"), 0);
    EXPECT_LT(compareIgnoreCase("a b", "ab"), 0);
    EXPECT_LT(compareIgnoreCase("ab", "B"), 0);
    EXPECT_LT(compareIgnoreCase("_x", "a"), 0);
    EXPECT_EQ(compareIgnoreCase("\xC3\x84x", "\xC3\xA4X"), 0);
}

TEST(TextCase, UpperCaseKeepsNonLetters) {
    EXPECT_EQ(toUpper("readme.txt 1"), "README.TXT 1");
    EXPECT_EQ(toUpper("\xC3\xA4\xC3\xB6"), "\xC3\x84\xC3\x96");
    EXPECT_EQ(toUpperAscii("\xC3\xA4x"), "\xC3\xA4X");
    EXPECT_EQ(trim("  a b \t"), "a b");
    EXPECT_EQ(trim("   "), "");
}

#include "platform/text/Windows1252.h"

TEST(TextWindows1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const auto back = toWindows1252(fromWindows1252(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(fromWindows1252("\x80\x9F"), "\xE2\x82\xAC\xC5\xB8");  // € Ÿ
    EXPECT_FALSE(toWindows1252("\xE2\x80\x8B").has_value());         // zero-width space
}
