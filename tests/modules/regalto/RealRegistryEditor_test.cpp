// The editor's value and key commands against the real library on a scratch
// image: the in-memory fake once renamed in place where the real port lost
// the value, so the cases that touch names are run here too.
#include <gtest/gtest.h>

#include <map>

#include "../../lindrel32/BareImage.h"
#include "MemoryRegistry.h"
#include "lindrel32/QVREG.h"
#include "modules/regalto/RegaltoEditor.h"
#include "modules/regalto/host/LibraryRegistryPort.h"

namespace vantix::regalto {
namespace {

using platform::RegValue;
using platform::Root;
namespace regtype = platform::regtype;

class RealEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Acme",
                                        RegValue::string("Title", "Acme")));
        ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Acme",
                                        RegValue::string("Path", "%WINDIR%", regtype::ExpandSz)));
    }
    platform::Registry& registry() { return image.machine->registry(); }
    void select(const std::string& path) { editor.selectKey(editor.nodeForPath(path)); }
    std::size_t indexOf(const std::string& name) {
        for (std::size_t i = 0; i < editor.entries().size(); ++i)
            if (editor.entries()[i].name == name) return i;
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }

    BareImage image;
    LibraryRegistryPort port{*image.machine};
    testing::QueuedPrompter prompter;
    RegaltoEditor editor{port, prompter};
};

TEST_F(RealEditorTest, ACaseOnlyRenameKeepsTheValueWithItsNewSpelling) {
    select("HKEY_CURRENT_USER\\Software\\Acme");
    ASSERT_TRUE(editor.renameValue(indexOf("Title"), "TITLE"));
    ASSERT_TRUE(editor.renameValue(indexOf("Path"), "PATH"));
    auto names = [&] {
        std::map<std::string, RegValue> byName;
        const auto all = registry().values(Root::CurrentUser, "Software\\Acme");
        for (const auto& value : *all) byName[value.name] = value;
        return byName;
    };
    auto values = names();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values["TITLE"].text(), "Acme");
    EXPECT_EQ(values["PATH"].type, regtype::ExpandSz);
    EXPECT_EQ(values["PATH"].text(), "%WINDIR%");
    // The library's own rename does the same.
    lindrel32::QVREG reg(*image.machine);
    EXPECT_TRUE(reg.RenameReg("HKEY_CURRENT_USER\\Software\\Acme", "TITLE", "title"));
    EXPECT_EQ(names().count("title"), 1u);
}

TEST_F(RealEditorTest, AValueNamedRootIsDeletedAloneNotItsKey) {
    ASSERT_TRUE(
        registry().setValue(Root::CurrentUser, "Software\\Acme", RegValue::dword("%ROOT%", 1)));
    select("HKEY_CURRENT_USER\\Software\\Acme");
    prompter.confirmations = {true};
    ASSERT_TRUE(editor.deleteValue(indexOf("%ROOT%")));
    EXPECT_TRUE(registry().keyExists(Root::CurrentUser, "Software\\Acme"));
    EXPECT_FALSE(registry().getValue(Root::CurrentUser, "Software\\Acme", "%ROOT%"));
    EXPECT_EQ(registry().values(Root::CurrentUser, "Software\\Acme")->size(), 2u);
}

TEST_F(RealEditorTest, ANewKeyMatchingAnExistingOneInUnicodeCaseChangesNothing) {
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Acme\\Ärger",
                                    RegValue::string("", "keep me")));
    select("HKEY_CURRENT_USER\\Software\\Acme");
    prompter.keyNames = {"ärger"};
    editor.newKey();
    EXPECT_EQ(registry().getValue(Root::CurrentUser, "Software\\Acme\\Ärger", "")->text(),
              "keep me")
        << "the existing key's default value survives";
    EXPECT_EQ(registry().subKeyNames(Root::CurrentUser, "Software\\Acme")->size(), 1u);
}

TEST_F(RealEditorTest, AnEmptyBinaryDefaultCanBeEdited) {
    ASSERT_TRUE(
        registry().setValue(Root::CurrentUser, "Software\\Acme\\Bin", RegValue::binary("", {})));
    select("HKEY_CURRENT_USER\\Software\\Acme\\Bin");
    ASSERT_EQ(editor.entries()[0].tag, ValueTag::Binar);
    EXPECT_EQ(editor.entries()[0].setting, "");
    prompter.textResults = {"0A0B"};
    ASSERT_TRUE(editor.editValue(0));
    EXPECT_EQ(prompter.shownTexts.back(), "");
    const auto value = registry().getValue(Root::CurrentUser, "Software\\Acme\\Bin", "");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, regtype::Binary);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0x0A, 0x0B}));
}

TEST_F(RealEditorTest, AnUnreadableDwordIsNotOverwrittenByCancellingItsEditor) {
    ASSERT_TRUE(registry().setValue(Root::CurrentUser, "Software\\Acme",
                                    RegValue{"Odd", regtype::Dword, {1, 2, 3, 4, 5, 6}}));
    select("HKEY_CURRENT_USER\\Software\\Acme");
    prompter.dwordResults = {""};  // what the dialog's OK gives for text that is no number
    EXPECT_FALSE(editor.editValue(indexOf("Odd")));
    EXPECT_EQ(registry().getValue(Root::CurrentUser, "Software\\Acme", "Odd")->data,
              (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace vantix::regalto
