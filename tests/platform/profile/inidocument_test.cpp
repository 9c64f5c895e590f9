#include "platform/profile/IniDocument.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Text.h"

using vantix::platform::IniDocument;

namespace {

struct ReadCase {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniDocumentRead, FollowsTheProfileStringRules) {
    const ReadCase cases[] = {
        {"[Sec]\r\nKey=Value\r\n", "sec", "KEY", "Value"},                  // case-insensitive names
        {"[Sec]\r\nKey=Value\r\n", "  Sec ", "\tKey ", "Value"},            // blanks around requests
        {"  [ Sec ]  trailing\r\n  Key  =  spaced value  \r\n", "Sec", "Key", "spaced value"},
        {"[Sec]\r\nKey=\r\n", "Sec", "Key", ""},                            // present and empty
        {"[Sec]\r\nKey\r\n", "Sec", "Key", std::nullopt},                   // no '=': no value
        {"[Sec]\r\nKey=\"quoted\"\r\n", "Sec", "Key", "quoted"},
        {"[Sec]\r\nKey='single'\r\n", "Sec", "Key", "single"},
        {"[Sec]\r\nKey=\"mismatched'\r\n", "Sec", "Key", "\"mismatched'"},
        {"[Sec]\r\nKey=\"\r\n", "Sec", "Key", "\""},                        // one quote is no pair
        {"[Sec]\r\nKey=v ; not a comment\r\n", "Sec", "Key", "v ; not a comment"},
        {"[Sec]\r\nKey=a=b\r\n", "Sec", "Key", "a=b"},                      // first '=' splits
        {"[Sec]\r\nKey=first\r\nkey=second\r\n", "Sec", "Key", "first"},    // first key wins
        {"[Sec]\r\nA=1\r\n[sec]\r\nB=2\r\n", "Sec", "B", std::nullopt},    // later duplicate hidden
        {"[Sec]\r\n;Key=commented\r\n", "Sec", ";Key", std::nullopt},
        {"Loose=1\r\n[Sec]\r\n", "", "Loose", "1"},                          // nameless section
        {"[Sec\r\nKey=1\r\n", "Sec", "Key", std::nullopt},                  // '[' without ']'
        {"[A]x]\r\nKey=1\r\n", "A]x", "Key", "1"},                          // up to the last ']'
        {"[Sec]\nKey=lf\n", "Sec", "Key", "lf"},
        {"[Sec]\rKey=cr\r", "Sec", "Key", "cr"},
        {"[Sec]\r\n\r\n\r\nKey=after blanks", "Sec", "Key", "after blanks"},  // no final newline
        {"[Sec]\r\nKey=tail\x1a", "Sec", "Key", "tail"},                    // ^Z trimmed
        {"[Other]\r\nKey=1\r\n", "Sec", "Key", std::nullopt},
        {"", "Sec", "Key", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto doc = IniDocument::parse(c.text);
        EXPECT_EQ(doc.value(c.section, c.key), c.expected) << "text: " << c.text;
    }
}

TEST(IniDocumentRead, EnumeratesSectionsAndKeys) {
    const auto doc = IniDocument::parse(
        "top=1\r\n[One]\r\n; note\r\nA=1\r\nbare\r\n=empty name\r\n[Two]\r\nB=2\r\n[one]\r\nC=3\r\n");
    EXPECT_EQ(doc.sectionNames(), (std::vector<std::string>{"One", "Two", "one"}));
    EXPECT_EQ(doc.keyNames("ONE"), (std::vector<std::string>{"A", ""}));
    EXPECT_EQ(doc.sectionEntries("one"), (std::vector<std::string>{"A=1", "bare", "=empty name"}));
    EXPECT_TRUE(doc.keyNames("Missing").empty());
}

TEST(IniDocumentWrite, UnchangedDocumentGivesBackItsExactText) {
    const char* texts[] = {
        "", "\r\n", "no newline", "[A]\r\n  x = 1 \r\n\r\n; c\r\n[B]\nmixed\rendings\r\n",
        "\xEF\xBB\xBF[weird]\x1a\r\n\t\v\f", "[=]\r\n=\r\n==\r\n[[]]\r\n",
    };
    for (const char* text : texts) EXPECT_EQ(IniDocument::parse(text).text(), text);
}

struct WriteCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(IniDocumentWrite, ChangesOnlyTheLineItMustChange) {
    const WriteCase cases[] = {
        // Update keeps the stored spelling, spacing and every other byte.
        {"; head\r\n[Sec]\r\n  MyKey = old  \r\nOther=1\r\n", "sec", "mykey", "new",
         "; head\r\n[Sec]\r\n  MyKey = new  \r\nOther=1\r\n"},
        {"[Sec]\nKey=\nX=1\n", "Sec", "Key", "v", "[Sec]\nKey=v\nX=1\n"},
        {"[Sec]\r\nBare\r\n", "Sec", "bare", "1", "[Sec]\r\nBare=1\r\n"},
        // New key after the section's last non-blank line, in the file's line ending.
        {"[A]\nx=1\n; c\n\n[B]\ny=2\n", "a", "New", "v", "[A]\nx=1\n; c\nNew=v\n\n[B]\ny=2\n"},
        {"[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        // New section at the end; a new file uses CRLF.
        {"[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"", "Sec", "Key", "Value", "[Sec]\r\nKey=Value\r\n"},
        {"[A]\n", " Spaced ", " key ", "  lead", "[A]\n[Spaced]\nkey=lead\n"},
        // The first of two same-named sections takes the key.
        {"[A]\nx=1\n[a]\n", "A", "y", "2", "[A]\nx=1\ny=2\n[a]\n"},
        // Into the nameless part before the first header.
        {"top=1\n[A]\n", "", "more", "2", "top=1\nmore=2\n[A]\n"},
    };
    for (const auto& c : cases) {
        auto doc = IniDocument::parse(c.before);
        EXPECT_TRUE(doc.setValue(c.section, c.key, c.value)) << c.before;
        EXPECT_EQ(doc.text(), c.after) << c.before;
        EXPECT_EQ(IniDocument::parse(doc.text()).value(c.section, c.key),
                  std::string(vantix::text::trim(c.value)))
            << c.before;
    }
}

TEST(IniDocumentWrite, WritingTheStoredValueChangesNothing) {
    auto doc = IniDocument::parse("[A]\r\nk = \"same\" \r\n");
    EXPECT_FALSE(doc.setValue("A", "K", "\"same\""));
    EXPECT_TRUE(doc.setValue("A", "K", "same"));  // quotes are part of what is stored
    EXPECT_EQ(doc.text(), "[A]\r\nk = same \r\n");
}

TEST(IniDocumentWrite, RemovesFirstKeyAndWholeFirstSection) {
    auto doc = IniDocument::parse("[A]\r\nx=1\r\nX=2\r\n; about B\r\n[B]\r\n; c\r\ny=1\r\n\r\n[b]\r\nz=1\r\n");
    EXPECT_TRUE(doc.removeKey("a", "x"));
    EXPECT_EQ(doc.value("A", "x"), "2");
    EXPECT_TRUE(doc.removeSection("B"));
    EXPECT_EQ(doc.text(), "[A]\r\nX=2\r\n; about B\r\n[b]\r\nz=1\r\n");
    EXPECT_FALSE(doc.removeKey("A", "missing"));
    EXPECT_FALSE(doc.removeSection("missing"));
}

TEST(IniDocumentWrite, RefusesEntriesThatWouldNotReadBackAsThemselves) {
    const char* bad[][3] = {
        {"A", "k", "line\r\n[Injected]"}, {"A\n", "k", "v"}, {"A", "k\r", "v"},
        {"A", "a=b", "v"}, {"A", "[k]", "v"}, {"A", ";k", "v"}, {"A]", "k", "v"},
    };
    for (const auto& entry : bad)
        EXPECT_TRUE(IniDocument::invalidEntry(entry[0], entry[1], entry[2]).has_value()) << entry[1] << entry[2];
    EXPECT_TRUE(IniDocument::invalidEntry("A", "k", std::string_view("a\0b", 3)).has_value());
    EXPECT_FALSE(IniDocument::invalidEntry("Sec Name", "Key Name", "C:\\x=y ; z").has_value());
    EXPECT_FALSE(IniDocument::invalidEntry("", "", "").has_value());
}

TEST(IniDocumentRead, SurvivesHostileText) {
    std::string text(200000, '[');
    text += "]\n";
    text += std::string(100000, '=') + "\n" + std::string(50000, '\r') + std::string("\0\0\0", 3);
    const auto doc = IniDocument::parse(text);
    EXPECT_EQ(doc.text(), text);
    EXPECT_EQ(doc.sectionNames().size(), 1u);
    auto copy = doc;
    EXPECT_TRUE(copy.setValue("x", "y", "z"));
    EXPECT_EQ(IniDocument::parse(copy.text()).value("x", "y"), "z");
}

}  // namespace
