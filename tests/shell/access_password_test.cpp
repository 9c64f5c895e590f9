#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "lindrel32/QVREG.h"
#include "platform/database/Scramble.h"
#include "shell/AccessPassword.h"

using namespace vantix::shell;

TEST(AccessPassword, EntryChecks) {
    struct Case {
        const char* entry;
        const char* confirmation;
        PasswordEntryCheck expected;
    } cases[] = {
        {"abc", "abc", PasswordEntryCheck::Valid},
        {"0123456789", "0123456789", PasswordEntryCheck::Valid},
        {"ab", "ab", PasswordEntryCheck::WrongLengthOrMismatch},
        {"01234567890", "01234567890", PasswordEntryCheck::WrongLengthOrMismatch},
        {"abcd", "abce", PasswordEntryCheck::WrongLengthOrMismatch},
        {"", "", PasswordEntryCheck::WrongLengthOrMismatch},
        {"abc\xc3\xa4", "abc\xc3\xa4", PasswordEntryCheck::NotStorable},  // non-ASCII
        {"ab\tc", "ab\tc", PasswordEntryCheck::NotStorable},
    };
    for (const Case& c : cases) EXPECT_EQ(checkPasswordEntry(c.entry, c.confirmation), c.expected) << c.entry;
    EXPECT_NE(passwordEntryError(PasswordEntryCheck::WrongLengthOrMismatch).find("\r\r"), std::string::npos);
}

TEST(AccessPassword, EveryPrintableCharacterIsStorable) {
    // A NUL inside the stored value would cut it short and lock the user out.
    for (char c = ' '; c < 0x7F; ++c) {
        const std::string entry(3, c);
        EXPECT_EQ(checkPasswordEntry(entry, entry), PasswordEntryCheck::Valid) << entry;
        EXPECT_EQ(vantix::platform::Scramble(entry).find('\0'), std::string::npos) << entry;
    }
}

TEST(AccessPassword, LowerCaseEntryIsStoredUpperCaseAndScrambledAndMatchesAnyCase) {
    ImageFixture image;
    lindrel32::QVREG registry(*image.machine);
    EXPECT_EQ(readStoredPassword(registry), kNoKey);
    EXPECT_FALSE(passwordIsSet(kNoKey));

    const std::string stored = storePassword(registry, "secret");
    EXPECT_EQ(stored, vantix::platform::Scramble("SECRET"));
    EXPECT_EQ(readStoredPassword(registry), stored);
    EXPECT_EQ(unscrambledPassword(stored), "SECRET");
    for (const char* typed : {"secret", "SECRET", "SeCrEt"}) EXPECT_TRUE(passwordMatches(typed, stored)) << typed;
    for (const char* typed : {"secre", "secrets", ""}) EXPECT_FALSE(passwordMatches(typed, stored)) << typed;

    clearPassword(registry);
    EXPECT_EQ(readStoredPassword(registry), kNoKey);
    EXPECT_FALSE(passwordMatches("NO Key", kNoKey));
}
