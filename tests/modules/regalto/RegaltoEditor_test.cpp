#include "modules/regalto/RegaltoEditor.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"

namespace vantix::regalto {
namespace {

using testing::MemoryRegistry;
using testing::QueuedPrompter;

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.put("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool", "Name", 1, "Acme");
        registry.put("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool", "Count", 4, "16");
        registry.makeKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty");
        registry.makeKey("HKEY_LOCAL_MACHINE\\System");
    }
    KeyNode* select(const std::string& path) {
        KeyNode* node = editor.nodeForPath(path);
        editor.selectKey(node);
        return node;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& e : editor.entries()) result.push_back(e.name);
        return result;
    }

    MemoryRegistry registry;
    QueuedPrompter prompter;
    RegaltoEditor editor{registry, prompter};
};

TEST_F(EditorTest, TreeStartsWithFourRootsAndLoadsLazily) {
    const auto& roots = editor.tree().roots();
    ASSERT_EQ(roots.size(), 4u);
    const std::vector<std::string> texts = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                            "HKEY_USERS"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(roots[i]->text, texts[i]);
        EXPECT_EQ(roots[i]->key, "XX" + std::to_string(i));
        EXPECT_TRUE(roots[i]->isRoot());
        ASSERT_EQ(roots[i]->children.size(), 1u);
        EXPECT_EQ(roots[i]->children[0]->text, "&X");
    }
    KeyNode& machine = *roots[2];
    EXPECT_TRUE(editor.tree().expand(machine));
    EXPECT_FALSE(editor.tree().expand(machine));  // read once only
    ASSERT_EQ(machine.children.size(), 2u);
    KeyNode& software = *machine.children[0];
    EXPECT_EQ(software.text, "Software");
    EXPECT_FALSE(software.isRoot());
    EXPECT_TRUE(software.unread());  // has sub-keys: a placeholder until expanded
    EXPECT_TRUE(software.hasSubKeysPicture);
    EXPECT_FALSE(machine.children[1]->unread());  // "System" has none
    EXPECT_EQ(KeyTree::fullPath(software), "HKEY_LOCAL_MACHINE\\Software");
}

TEST_F(EditorTest, SelectingAKeyListsItsValuesAndPath) {
    select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    EXPECT_EQ(editor.statusPath(), "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    EXPECT_EQ(names(), (std::vector<std::string>{"Default", "Name", "Count"}));
    EXPECT_EQ(editor.entries()[2].setting, "16  (10)");
    EXPECT_EQ(editor.selectedEntry(), 0u);
    EXPECT_EQ(editor.statusNote(), "");
}

TEST_F(EditorTest, NewKeyIsCreatedSortedSelectedAndLeftWithoutValues) {
    KeyNode* acme = select("HKEY_LOCAL_MACHINE\\Software\\Acme");
    prompter.keyNames = {"Beta"};
    KeyNode* added = editor.newKey();
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(registry.hasKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Beta"));
    EXPECT_EQ(registry.value("HKEY_LOCAL_MACHINE\\Software\\Acme\\Beta", ""), nullptr);  // DUMMY removed again
    ASSERT_EQ(acme->children.size(), 3u);
    EXPECT_EQ(acme->children[0]->text, "Beta");
    EXPECT_EQ(acme->children[1]->text, "Empty");
    EXPECT_EQ(editor.selectedKey(), added);
    EXPECT_EQ(names(), std::vector<std::string>{"Default"});

    // Cancelled or a name with a backslash: nothing happens.
    editor.selectKey(acme);
    const int writes = registry.writes;
    prompter.keyNames = {"", "a\\b"};
    EXPECT_EQ(editor.newKey(), nullptr);
    EXPECT_EQ(editor.newKey(), nullptr);
    EXPECT_EQ(registry.writes, writes);
}

TEST_F(EditorTest, NewKeyThatExistsKeepsItsDefaultValue) {
    registry.put("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool", "", 1, "keep me");
    select("HKEY_LOCAL_MACHINE\\Software\\Acme");
    prompter.keyNames = {"TOOL"};
    KeyNode* node = editor.newKey();
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->text, "Tool");
    EXPECT_EQ(registry.value("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool", "")->text, "keep me");
    EXPECT_EQ(editor.entries()[0].setting, "keep me");
}

TEST_F(EditorTest, DeleteKeyAsksAndSelectsTheParent) {
    KeyNode* empty = select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty");
    KeyNode* acme = empty->parent;
    prompter.confirmations = {false, true};
    EXPECT_EQ(editor.deleteKey(empty), nullptr);  // No
    EXPECT_TRUE(registry.hasKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty"));
    EXPECT_EQ(editor.deleteKey(empty), acme);  // Yes
    EXPECT_FALSE(registry.hasKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty"));
    EXPECT_EQ(prompter.asked.back(), "Registry: 'Empty' Really delete?");
    EXPECT_EQ(editor.selectedKey(), acme);
    EXPECT_EQ(editor.statusPath(), "HKEY_LOCAL_MACHINE\\Software\\Acme");

    // The last child gone: the parent loses its sub-key picture.
    KeyNode* tool = editor.nodeForPath("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    prompter.confirmations = {true};
    editor.deleteKey(tool);
    EXPECT_TRUE(acme->children.empty());
    EXPECT_FALSE(acme->hasSubKeysPicture);

    // Roots are refused without a question.
    const auto asked = prompter.asked.size();
    EXPECT_EQ(editor.deleteKey(editor.tree().roots()[2].get()), nullptr);
    EXPECT_EQ(prompter.asked.size(), asked);
}

TEST_F(EditorTest, FailedDeleteKeepsTheNode) {
    KeyNode* empty = select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty");
    registry.failWrites = true;
    prompter.confirmations = {true};
    EXPECT_EQ(editor.deleteKey(empty), nullptr);
    EXPECT_EQ(editor.nodeForPath("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty"), empty);
}

TEST_F(EditorTest, NewValueOfEachKind) {
    select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty");
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Empty";
    prompter.newValues = {{"S", NewValueKind::String}, {"B", NewValueKind::Binary}, {"D", NewValueKind::Dword}};
    ASSERT_TRUE(editor.newValue());
    ASSERT_TRUE(editor.newValue());
    ASSERT_TRUE(editor.newValue());
    const auto& e = editor.entries();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(std::tie(e[1].name, e[1].setting, e[1].tag), std::make_tuple(std::string("S"), std::string(""), ValueTag::Expan));
    EXPECT_EQ(std::tie(e[2].setting, e[2].tag), std::make_tuple(std::string("00000000"), ValueTag::Binar));
    EXPECT_EQ(std::tie(e[3].setting, e[3].tag), std::make_tuple(std::string("0 (0)"), ValueTag::Dword));
    EXPECT_EQ(registry.value(key, "B")->type, 3);
    EXPECT_EQ(registry.value(key, "D")->text, "0");
}

TEST_F(EditorTest, NewValueThatExistsInAnyCaseDoesNothing) {
    select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    const int writes = registry.writes;
    prompter.newValues = {{"NAME", NewValueKind::Dword}, {"count", NewValueKind::String}, {"", NewValueKind::String},
                          {"a\\b", NewValueKind::String}};
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(editor.newValue());
    EXPECT_EQ(registry.writes, writes);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(registry.value("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool", "Name")->text, "Acme");
}

TEST_F(EditorTest, NewValueNeverOverwritesAValueBeyondTheCap) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Big";
    for (int i = 0; i < 520; ++i) registry.put(key, "v" + std::to_string(i), 1, "keep");
    select(key);
    EXPECT_NE(editor.statusNote(), "");
    prompter.newValues = {{"v510", NewValueKind::Dword}};
    EXPECT_FALSE(editor.newValue());
    EXPECT_EQ(registry.value(key, "v510")->text, "keep");
}

TEST_F(EditorTest, EditingStringsAndTheDefault) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool";
    select(key);
    prompter.textResults = {"Widget", "ABBRUCH", "Set", ""};
    ASSERT_TRUE(editor.editValue(1));
    EXPECT_EQ(prompter.asked.back(), "Edit string");
    EXPECT_EQ(prompter.shownTexts.back(), "Acme");
    EXPECT_EQ(registry.value(key, "Name")->text, "Widget");
    EXPECT_EQ(editor.entries()[1].setting, "Widget");
    EXPECT_FALSE(editor.editValue(1));  // cancelled
    EXPECT_EQ(registry.value(key, "Name")->text, "Widget");

    // The default value: "(value not set)" opens as an empty box, empty text deletes it.
    ASSERT_TRUE(editor.editValue(0));
    EXPECT_EQ(prompter.shownTexts.back(), "");
    EXPECT_EQ(registry.value(key, "")->text, "Set");
    ASSERT_TRUE(editor.editValue(0));
    EXPECT_EQ(registry.value(key, ""), nullptr);
    EXPECT_EQ(editor.entries()[0].setting, "(value not set)");
}

TEST_F(EditorTest, EditingBinaryAndDwordValues) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool";
    registry.put(key, "Bin", 3, "0102");
    select(key);
    prompter.textResults = {"", "A0B1"};
    ASSERT_TRUE(editor.editValue(3));
    EXPECT_EQ(prompter.asked.back(), "Edit binary value");
    EXPECT_EQ(registry.value(key, "Bin")->text, "00");
    EXPECT_EQ(editor.entries()[3].setting, "00");
    ASSERT_TRUE(editor.editValue(3));
    EXPECT_EQ(editor.entries()[3].setting, "A0B1");

    prompter.dwordResults = {"31", ""};
    ASSERT_TRUE(editor.editValue(2));
    EXPECT_EQ(prompter.shownTexts.back(), "16");  // the part before the first blank
    EXPECT_EQ(registry.value(key, "Count")->text, "31");
    EXPECT_EQ(editor.entries()[2].setting, "31  (1F)");
    EXPECT_FALSE(editor.editValue(2));  // cancelled
    EXPECT_EQ(registry.value(key, "Count")->text, "31");

    // A failed write leaves the list as it was.
    registry.failWrites = true;
    prompter.dwordResults = {"5"};
    EXPECT_FALSE(editor.editValue(2));
    EXPECT_EQ(editor.entries()[2].setting, "31  (1F)");
}

TEST_F(EditorTest, DeleteValueAsksAndNeverDeletesDefault) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool";
    select(key);
    editor.selectEntry(2);
    prompter.confirmations = {true};
    EXPECT_FALSE(editor.deleteValue(0));
    EXPECT_TRUE(prompter.asked.empty());
    ASSERT_TRUE(editor.deleteValue(1));
    EXPECT_EQ(prompter.asked.back(), "Registry: 'Name' Really delete?");
    EXPECT_EQ(registry.value(key, "Name"), nullptr);
    EXPECT_EQ(names(), (std::vector<std::string>{"Default", "Count"}));
    EXPECT_EQ(editor.selectedEntry(), 0u);
}

TEST_F(EditorTest, RenameRules) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool";
    select(key);
    struct Case {
        std::size_t index;
        std::string newName;
        bool renamed;
    };
    const std::vector<Case> cases = {
        {0, "Other", false},   // "Default" cannot be renamed
        {1, "", false},        {1, "a\\b", false},
        {1, "count", false},   // another entry's name in any case
        {1, "COUNT", false},   {1, "default", false},
        {1, "Title", true},    {1, "TITLE", true},  // its own name in another case is fine
    };
    for (const auto& c : cases) {
        const std::string before = editor.entries()[c.index].name;
        EXPECT_EQ(editor.renameValue(c.index, c.newName), c.renamed) << c.newName;
        if (!c.renamed) {
            EXPECT_EQ(editor.entries()[c.index].name, before);
        }
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"Default", "TITLE", "Count"}));
    EXPECT_EQ(registry.value(key, "TITLE")->text, "Acme");
    EXPECT_EQ(registry.value(key, "Count")->text, "16");
}

TEST_F(EditorTest, BookmarksKeepOneOfEachPath) {
    EXPECT_FALSE(editor.insertBookmark());  // nothing selected
    select("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    EXPECT_TRUE(editor.insertBookmark());
    EXPECT_FALSE(editor.insertBookmark());
    select("HKEY_LOCAL_MACHINE\\System");
    EXPECT_TRUE(editor.insertBookmark());
    EXPECT_EQ(editor.bookmarks(), (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool",
                                                            "HKEY_LOCAL_MACHINE\\System"}));
    editor.clearBookmarks();
    EXPECT_TRUE(editor.bookmarks().empty());
}

TEST_F(EditorTest, GoingToABookmarkWhoseKeyWasDeleted) {
    KeyNode* node = editor.goToBookmark("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(editor.statusPath(), "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    EXPECT_TRUE(prompter.messages.empty());

    RegaltoEditor fresh(registry, prompter);
    registry.deleteKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    KeyNode* deepest = fresh.goToBookmark("HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool");
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(fresh.statusPath(), "HKEY_LOCAL_MACHINE\\Software\\Acme");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Selected bookmark no longer exists!"});

    // Names compare exactly along the way.
    prompter.messages.clear();
    fresh.goToBookmark("HKEY_LOCAL_MACHINE\\software");
    EXPECT_EQ(fresh.statusPath(), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(EditorTest, DeepBookmarkIsFollowedToItsEnd) {
    std::string path = "HKEY_CURRENT_USER";
    for (int i = 0; i < 40; ++i) path += "\\k" + std::to_string(i);
    registry.makeKey(path);
    editor.goToBookmark(path);
    EXPECT_EQ(editor.statusPath(), path);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EditorTest, ExportAndImportReportFailuresAndReloadTheTree) {
    EXPECT_FALSE(editor.exportSelected());  // nothing selected
    select("HKEY_LOCAL_MACHINE\\Software\\Acme");
    prompter.files = {std::nullopt, std::string("/tmp/acme.reg")};
    EXPECT_FALSE(editor.exportSelected());  // chooser cancelled
    EXPECT_TRUE(editor.exportSelected());
    EXPECT_EQ(prompter.asked.back(), "export as Acme.reg");
    EXPECT_EQ(registry.fileRequests, std::vector<std::string>{"export HKEY_LOCAL_MACHINE\\Software\\Acme /tmp/acme.reg"});

    registry.fileFailure = "line 3: bad value";
    prompter.files = {std::string("/tmp/in.reg"), std::string("/tmp/out.reg")};
    EXPECT_EQ(editor.importFile(), nullptr);
    EXPECT_FALSE(editor.exportSelected());
    EXPECT_EQ(prompter.warnings,
              (std::vector<std::string>{"Import failed: line 3: bad value", "Export failed: line 3: bad value"}));

    // A successful import reads the tree anew and keeps the selected key.
    KeyNode* user = editor.tree().roots()[1].get();
    editor.tree().expand(*user);
    ASSERT_TRUE(user->children.empty());
    registry.fileFailure.clear();
    prompter.files = {std::string("/tmp/in.reg")};
    KeyNode* reselected = editor.importFile();
    ASSERT_NE(reselected, nullptr);
    EXPECT_EQ(KeyTree::fullPath(*reselected), "HKEY_LOCAL_MACHINE\\Software\\Acme");
    EXPECT_EQ(editor.selectedKey(), reselected);
    EXPECT_TRUE(user->unread());
    editor.tree().expand(*user);
    ASSERT_EQ(user->children.size(), 1u);
    EXPECT_EQ(user->children[0]->text, "Imported");
}

}  // namespace
}  // namespace vantix::regalto
