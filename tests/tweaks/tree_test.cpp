#include <gtest/gtest.h>

#include <algorithm>

#include "ImageFixture.h"
#include "catalogue/SettingsStoreAccess.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "tweaks/FunctionFilter.h"
#include "tweaks/HiddenTree.h"
#include "tweaks/HiddenTreeEdits.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;

namespace {

// An image with the default catalogue and the image's own settings store.
struct TreeFixture {
    explicit TreeFixture(WindowsPlatform platform = WindowsPlatform::Win98)
        : image(platform), reg(*image.machine), store(reg), settings(store) {}
    HiddenTreeContent fill(HiddenTreeOptions options = {}) {
        if (options.winVersion == 0)
            options.winVersion = static_cast<int>(image.machine->platform());
        if (options.groupId == 0) options.groupId = 2;
        return FillHiddenTree(*image.database, settings, options);
    }
    ImageFixture image;
    lindrel32::QVREG reg;
    lindrel32::SettingsStore store;
    catalogue::SettingsStoreAccess settings;
};

const HiddenNode* find(const HiddenTreeContent& content, const std::string& key) {
    auto it = std::find_if(content.nodes.begin(), content.nodes.end(),
                           [&](const auto& n) { return n.key == key; });
    return it == content.nodes.end() ? nullptr : &*it;
}

void addItem(platform::Database& db, std::int64_t id, std::int64_t folder, const std::string& name,
             int bs) {
    db.execute("INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (?, ?, ?, ?)",
               {platform::DbValue(id), platform::DbValue(folder), platform::DbValue(name),
                platform::DbValue(bs)});
}

}  // namespace

TEST(TreeKeys, KindAndIdComeFromTheKey) {
    EXPECT_EQ(nodeKindOf("12FID"), NodeKind::Folder);
    EXPECT_EQ(nodeKindOf("12FFID"), NodeKind::SubFolder);
    EXPECT_EQ(nodeKindOf("12IID"), NodeKind::Function);
    EXPECT_EQ(nodeKindOf("12CID"), NodeKind::None);
    EXPECT_TRUE(isFolderKey("3FFID"));
    EXPECT_EQ(keyId("104IID"), 104);
    EXPECT_EQ(keyId("IID"), 0);
    EXPECT_EQ(keyId("99999999999999999999FID"), 0) << "an overlong number is no ID";
}

TEST(TreeFill, FoldersThenFunctionsOfThePlatformWithTagsAndImages) {
    TreeFixture f;
    const auto content = f.fill();
    ASSERT_FALSE(content.nodes.empty());
    EXPECT_EQ(content.nodes.front().key, "1FID");
    EXPECT_EQ(content.nodes.front().text, "Explorer");
    const HiddenNode* sub = find(content, "10FFID");
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->tag, "1FID");
    const HiddenNode* fn = find(content, "101IID");
    ASSERT_TRUE(fn);
    EXPECT_EQ(fn->text, "File name extensions");
    EXPECT_EQ(fn->tag, "10FFID");
    EXPECT_EQ(fn->image, kActiveImage);
    EXPECT_EQ(fn->selectedImage, kSelectedFunctionImage);
    // Every folder comes before every function.
    auto firstFunction =
        std::find_if(content.nodes.begin(), content.nodes.end(),
                     [](const auto& n) { return nodeKindOf(n.key) == NodeKind::Function; });
    EXPECT_TRUE(std::none_of(firstFunction, content.nodes.end(),
                             [](const auto& n) { return isFolderKey(n.key); }));
}

TEST(TreeFill, TheMaskDecidesThePlatform) {
    TreeFixture f;
    addItem(*f.image.database, 9001, 10, "Nine-x only", 6);
    addItem(*f.image.database, 9002, 10, "NT only", 1);
    auto on = [&](int platform, const std::string& key) {
        return find(f.fill({platform, 0, false, ""}), key) != nullptr;
    };
    EXPECT_TRUE(on(2, "9001IID"));
    EXPECT_TRUE(on(3, "9001IID"));
    EXPECT_FALSE(on(1, "9001IID"));
    EXPECT_TRUE(on(1, "9002IID"));
    EXPECT_FALSE(on(3, "9002IID"));
}

TEST(TreeFill, SubfoldersWithoutATopLevelParentAreSkipped) {
    TreeFixture f;
    auto& db = *f.image.database;
    db.execute("INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (900, 'Orphan', 777)");
    db.execute(
        "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (901, 'Third level', 10)");
    addItem(db, 9003, 901, "Deep function", 7);
    const auto content = f.fill();
    EXPECT_FALSE(find(content, "900FFID"));
    EXPECT_FALSE(find(content, "901FFID"));
    EXPECT_FALSE(find(content, "9003IID"));
}

TEST(TreeFill, DeactivationIsPerGroupAndHidesUnlessShown) {
    TreeFixture f;
    SetFunctionActive(f.settings, 2, "101IID", false);
    EXPECT_EQ(f.store.Get("HiddenItems\\Control_ID2", "101IID", ""), "0");
    EXPECT_FALSE(find(f.fill({0, 2, false, ""}), "101IID"));
    const auto shown = f.fill({0, 2, true, ""});
    ASSERT_TRUE(find(shown, "101IID"));
    EXPECT_EQ(find(shown, "101IID")->image, kDeactivatedImage);
    EXPECT_EQ(find(f.fill({0, 5, false, ""}), "101IID")->image, kActiveImage)
        << "other groups keep it active";
    SetFunctionActive(f.settings, 2, "101IID", true);
    EXPECT_EQ(f.store.Get("HiddenItems\\Control_ID2", "101IID", "<none>"), "<none>");
    EXPECT_TRUE(find(f.fill({0, 2, false, ""}), "101IID"));
}

TEST(TreeFill, TheFunctionOpenedLastIsSelectedAgain) {
    TreeFixture f;
    EXPECT_EQ(f.fill({0, 2, false, "113IID"}).selectedKey, "113IID");
    EXPECT_EQ(f.fill({0, 2, false, "424242IID"}).selectedKey, "");
}

TEST(TreeNames, EmptyNumericAndOverlongNamesAreRefused) {
    for (const char* refused : {"", "123", " 12 ", "-1.5", "1e3", "&H1F", "&o17"})
        EXPECT_FALSE(isAcceptableNodeName(refused)) << refused;
    for (const char* accepted : {"12 tweaks", "Tweaks", "1e", "&HZZ", "-", "."})
        EXPECT_TRUE(isAcceptableNodeName(accepted)) << accepted;
    EXPECT_TRUE(isAcceptableNodeName(std::string(59, 'x')));
    EXPECT_FALSE(isAcceptableNodeName(std::string(60, 'x')));
    // Characters count, not bytes: 59 umlauts are 118 bytes and still fit.
    std::string umlauts;
    for (int i = 0; i < 59; ++i) umlauts += "\xC3\xA4";
    EXPECT_TRUE(isAcceptableNodeName(umlauts));
}

TEST(TreeNames, RenamingWritesTheRowOfTheKeysKind) {
    TreeFixture f;
    auto& db = *f.image.database;
    EXPECT_TRUE(RenameHiddenNode(db, "101IID", "Extensions"));
    EXPECT_TRUE(RenameHiddenNode(db, "10FFID", "Files"));
    EXPECT_FALSE(RenameHiddenNode(db, "1FID", "123"));
    EXPECT_FALSE(RenameHiddenNode(db, "4242IID", "Nothing"));
    EXPECT_EQ(db.scalar("select ItemName from HIDDEN_ITEMS where ID = 101")->toText(),
              "Extensions");
    EXPECT_EQ(db.scalar("select FolderName from HIDDEN_FOLDERS where ID = 10")->toText(), "Files");
    EXPECT_EQ(db.scalar("select FolderName from HIDDEN_FOLDERS where ID = 1")->toText(),
              "Explorer");
}

TEST(TreeMove, OnlyFunctionsOntoOtherFoldersAndTheRowFollows) {
    EXPECT_FALSE(canDropOn("101IID", "10FFID", "102IID")) << "onto a function";
    EXPECT_FALSE(canDropOn("101IID", "10FFID", "10FFID")) << "onto its own folder";
    EXPECT_FALSE(canDropOn("10FFID", "1FID", "2FID")) << "folders are not dragged";
    EXPECT_TRUE(canDropOn("101IID", "10FFID", "20FFID"));
    EXPECT_TRUE(canDropOn("101IID", "10FFID", "1FID"));
    TreeFixture f;
    ASSERT_TRUE(MoveHiddenItem(*f.image.database, "101IID", "20FFID"));
    EXPECT_EQ(find(f.fill(), "101IID")->tag, "20FFID");
}

TEST(TreeFolders, DeletionIsRefusedWhileFunctionsOfThisPlatformRemain) {
    TreeFixture f;
    auto& db = *f.image.database;
    EXPECT_FALSE(folderIsEmpty(db, "1FID", true, 3)) << "a node with children";
    const std::string key = NewHiddenFolder(db, "");
    EXPECT_EQ(nodeKindOf(key), NodeKind::Folder);
    EXPECT_EQ(
        db.scalar("select FolderName from HIDDEN_FOLDERS where ID = " + std::to_string(keyId(key)))
            ->toText(),
        kNewFolderName);
    addItem(db, 9010, keyId(key), "Deactivated here", 7);
    SetFunctionActive(f.settings, 2, "9010IID", false);
    EXPECT_FALSE(find(f.fill(), "9010IID"));
    EXPECT_FALSE(folderIsEmpty(db, key, false, 3)) << "a hidden deactivated function still blocks";
    db.execute("UPDATE HIDDEN_ITEMS SET BS = 1 WHERE ID = 9010");
    EXPECT_TRUE(folderIsEmpty(db, key, false, 3)) << "functions of other platforms do not";
    EXPECT_TRUE(deleteFolderRow(db, key));
    EXPECT_FALSE(deleteFolderRow(db, key));
    EXPECT_EQ(db.scalar("select Folder_ID from HIDDEN_ITEMS where ID = 9010")->toInteger(),
              keyId(key));
}

TEST(TreeFolders, NewFoldersNestTwoLevelsDeepAtMost) {
    TreeFixture f;
    auto& db = *f.image.database;
    const std::string sub = NewHiddenFolder(db, "1FID");
    EXPECT_EQ(nodeKindOf(sub), NodeKind::SubFolder);
    EXPECT_EQ(find(f.fill(), sub)->tag, "1FID");
    EXPECT_THROW(NewHiddenFolder(db, sub), TweakError);
    EXPECT_THROW(NewHiddenFolder(db, "101IID"), TweakError);
    EXPECT_NE(NewHiddenFolder(db, ""), NewHiddenFolder(db, "")) << "the database assigns each ID";
}

TEST(TreeHelp, HelpOfTheFirstPropertyRow) {
    TreeFixture f;
    EXPECT_EQ(ShowHiddenHelp(*f.image.database, 101)->substr(0, 24), "Explorer hides extension");
    EXPECT_FALSE(ShowHiddenHelp(*f.image.database, 4242));
    EXPECT_EQ(folderDescription("Boot"), "Function folder 'Boot'");
}

TEST(TreeFilter, WordsNarrowToFunctionsAndKeepTheirFolders) {
    TreeFixture f;
    const auto content = f.fill();
    const auto help = loadHelpTexts(*f.image.database);
    const auto visible = FunctionFilter("EXTENSION").visibleKeys(content.nodes, help);
    EXPECT_TRUE(visible.contains("101IID"));
    EXPECT_TRUE(visible.contains("10FFID"));
    EXPECT_TRUE(visible.contains("1FID"));
    EXPECT_FALSE(visible.contains("113IID"));
    EXPECT_FALSE(visible.contains("7FID"));
    // Every word must be found, in the name or in the help.
    const auto both = FunctionFilter("tricked  extensions").visibleKeys(content.nodes, help);
    EXPECT_TRUE(both.contains("101IID"));
    EXPECT_FALSE(
        FunctionFilter("extension zebra").visibleKeys(content.nodes, help).contains("101IID"));
    EXPECT_EQ(FunctionFilter("  ").visibleKeys(content.nodes, help).size(), content.nodes.size());
}

TEST(TreeDrift, OnlyFunctionsChangedElsewhereSinceTheirApply) {
    TreeFixture f;
    auto& session = *f.image.session;
    EXPECT_TRUE(functionsChangedElsewhere(session).empty());
    session.apply({113, "A", std::string("900")});
    EXPECT_TRUE(functionsChangedElsewhere(session).empty());
    f.reg.SetReg("HKEY_CURRENT_USER\\Control Panel\\Desktop", "CursorBlinkRate", "700", "T");
    EXPECT_EQ(functionsChangedElsewhere(session), std::set<std::int64_t>{113});
}
