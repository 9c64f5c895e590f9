#include "modules/regalto/Settings.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "modules/regalto/RegaltoEditor.h"

namespace vantix::regalto {
namespace {

using testing::MemoryRegistry;

TEST(RegaltoSettings, FirstRunHasDefaultSizeCentredAndNoBookmarks) {
    MemoryRegistry registry;
    const auto stored = loadSettings(registry);
    EXPECT_TRUE(stored.bookmarks.empty());
    ASSERT_TRUE(stored.placement);
    EXPECT_EQ(stored.placement->width, 8000);
    EXPECT_EQ(stored.placement->height, 7000);
    EXPECT_FALSE(stored.placement->left);
    EXPECT_FALSE(stored.placement->top);
}

TEST(RegaltoSettings, PlacementAndBookmarksSurviveARestart) {
    MemoryRegistry registry;
    testing::QueuedPrompter prompter;
    {
        RegaltoEditor editor(registry, prompter);
        registry.makeKey("HKEY_LOCAL_MACHINE\\Software\\A");
        editor.selectKey(editor.nodeForPath("HKEY_LOCAL_MACHINE\\Software\\A"));
        editor.insertBookmark();
        editor.selectKey(editor.tree().roots()[1].get());
        editor.insertBookmark();
        saveSettings(registry, editor.bookmarks(), Placement{9000, 6500, 300, 450});
    }
    const std::string section = kSettingsPath;
    EXPECT_EQ(registry.value(section, "Combo Anz")->text, "2");
    EXPECT_EQ(registry.value(section, "Combo0")->text, "HKEY_LOCAL_MACHINE\\Software\\A");
    EXPECT_EQ(registry.value(section, "Dummy"), nullptr);

    RegaltoEditor restarted(registry, prompter);
    const auto stored = loadSettings(registry);
    restarted.setBookmarks(stored.bookmarks);
    EXPECT_EQ(restarted.bookmarks(),
              (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\A", "HKEY_CURRENT_USER"}));
    ASSERT_TRUE(stored.placement);
    EXPECT_EQ(stored.placement->width, 9000);
    EXPECT_EQ(stored.placement->height, 6500);
    EXPECT_EQ(stored.placement->left, 300);
    EXPECT_EQ(stored.placement->top, 450);
}

TEST(RegaltoSettings, SectionIsRewrittenWhole) {
    MemoryRegistry registry;
    const std::string section = kSettingsPath;
    saveSettings(registry, {"A", "B", "C"}, Placement{});
    registry.put(section, "Stray", 1, "old");
    saveSettings(registry, {}, Placement{8000, 7000, 1, 2});
    EXPECT_EQ(registry.value(section, "Combo0"), nullptr);
    EXPECT_EQ(registry.value(section, "Combo Anz"), nullptr);
    EXPECT_EQ(registry.value(section, "Stray"), nullptr);
    EXPECT_EQ(registry.value(section, "Left")->text, "1");
    EXPECT_TRUE(loadSettings(registry).bookmarks.empty());
}

TEST(RegaltoSettings, StoredWidthOfZeroLeavesThePlacementAlone) {
    MemoryRegistry registry;
    registry.put(kSettingsPath, "Width", 1, "0");
    EXPECT_FALSE(loadSettings(registry).placement);
}

}  // namespace
}  // namespace vantix::regalto
