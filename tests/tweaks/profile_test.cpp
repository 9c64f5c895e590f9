#include "tweaks/Profile.h"

#include <gtest/gtest.h>

using namespace vantix::tweaks;

TEST(Profile, FormatsAndParsesBackWhatAPersonCanEdit) {
    const std::vector<ProfileEntry> entries{
        {801, "Virtual desktop", "B", std::nullopt},
        {802, "Virtual desktop size", "A", "1000x600"},
        {501, "Workgroup", "A", " A = B "},
        {825, "Audio driver", "A", ""},
    };
    const std::string text = formatProfile(entries, "/images/a");
    EXPECT_EQ(text.rfind("; Vantix settings profile of /images/a\n", 0), 0u);
    EXPECT_NE(text.find("[801]\n; Virtual desktop\nChoice=B\n\n[802]"), std::string::npos) << text;
    const auto parsed = parseProfile(text);
    ASSERT_EQ(parsed.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(parsed[i].id, entries[i].id);
        EXPECT_EQ(parsed[i].letter, entries[i].letter);
        // The value is kept as written after '=', blanks and all; the line's end is trimmed.
        EXPECT_EQ(parsed[i].value, i == 2 ? std::optional<std::string>(" A = B") : entries[i].value)
            << i;
    }
    // Hand edits: CRLF, lower-case keys and letters, comments anywhere.
    const auto edited = parseProfile("; mine\r\n[ 101 ]\r\n# note\r\nchoice = b\r\n");
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0].id, 101);
    EXPECT_EQ(edited[0].letter, "B");
}

TEST(Profile, RefusesTextThatIsNoProfileWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"Choice=A\n", "line 1: an entry before the first [ID] section"},
        {"[abc]\nChoice=A\n", "line 1: a section must name a function ID"},
        {"[1]\nChoice=A\n[1]\nChoice=B\n", "line 3: function 1 comes twice"},
        {"[1]\nChoice=C\n", "line 2: the choice must be A or B"},
        {"[1]\nColour=red\n", "line 2: unknown key 'Colour'"},
        {"[1]\njust text\n", "line 2: expected Choice=... or Value=..."},
        {"[1\nChoice=A\n", "line 1: a section header must end with ']'"},
        {"[1]\nValue=3\n", "function 1 has no Choice"},
    };
    for (const auto& [text, message] : cases) {
        try {
            parseProfile(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ProfileError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(message, 0), 0u) << error.what();
        }
    }
    EXPECT_TRUE(parseProfile("; only comments\n\n").empty());
}
