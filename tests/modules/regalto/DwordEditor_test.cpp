#include "modules/regalto/DwordEditor.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantix::regalto {
namespace {

TEST(DwordEditor, DecimalTabRestoresLastAcceptedText) {
    const std::vector<std::tuple<std::string, std::string>> cases = {
        {"-1", "12"}, {"2147483648", "12"},  {"", "12"},
        {"1a", "12"}, {"99999999999", "12"}, {"2147483647", "2147483647"},
        {"0", "0"},   {"+5", "12"},          {" 5", "12"},
    };
    for (const auto& [typed, shown] : cases) {
        DwordEditor editor("7");
        editor.edit("12");
        EXPECT_EQ(editor.edit(typed), shown) << '"' << typed << '"';
    }
}

TEST(DwordEditor, HexTabAcceptsOnlyHexDigits) {
    DwordEditor editor("31");
    editor.switchTo(DwordEditor::Tab::Hex);
    EXPECT_EQ(editor.text(), "1F");
    EXPECT_EQ(editor.edit("1FG"), "1F");
    EXPECT_EQ(editor.edit("ff"), "ff");
    EXPECT_EQ(editor.edit("FFFFFFFF"), "FFFFFFFF");
    // Nine significant digits would not fit a DWORD.
    EXPECT_EQ(editor.edit("1FFFFFFFF"), "FFFFFFFF");
    EXPECT_EQ(editor.edit("0000000012"), "0000000012");
}

TEST(DwordEditor, OkReturnsDecimalFromEitherTab) {
    DwordEditor editor("0");
    editor.switchTo(DwordEditor::Tab::Hex);
    editor.edit("1F");
    EXPECT_EQ(editor.result(), "31");
    editor.edit("FFFFFFFF");
    EXPECT_EQ(editor.result(), "-1");  // DWORDs are written as signed decimal
    editor.switchTo(DwordEditor::Tab::Decimal);
    EXPECT_EQ(editor.text(), "-1");

    DwordEditor decimal("16");
    EXPECT_EQ(decimal.result(), "16");
    decimal.switchTo(DwordEditor::Tab::Hex);
    EXPECT_EQ(decimal.text(), "10");
    decimal.switchTo(DwordEditor::Tab::Decimal);
    EXPECT_EQ(decimal.text(), "16");
}

TEST(DwordEditor, OpeningOnANegativeValueKeepsItUntilReplaced) {
    DwordEditor editor("-1");
    EXPECT_EQ(editor.edit("x"), "-1");
    editor.switchTo(DwordEditor::Tab::Hex);
    EXPECT_EQ(editor.text(), "FFFFFFFF");
}

}  // namespace
}  // namespace vantix::regalto

namespace vantix::regalto {
namespace {

// A DWORD that cannot be read opens with the text shown for it: OK must not
// turn that into 0 and write it over the value.
TEST(DwordEditor, AnUnreadableValueGivesNoResultUntilANumberIsTyped) {
    DwordEditor editor("NO");
    EXPECT_EQ(editor.result(), "");
    editor.switchTo(DwordEditor::Tab::Hex);
    EXPECT_EQ(editor.result(), "") << "nor after switching tabs";
    editor.switchTo(DwordEditor::Tab::Decimal);
    editor.edit("5");
    EXPECT_EQ(editor.result(), "5");
}

}  // namespace
}  // namespace vantix::regalto
