#include "platform/windowing/WindowSystem.h"

#include <gtest/gtest.h>

#include <map>

using namespace vantix::platform;

namespace {

// Two windows, 7 above 3.
class FakeWindows final : public WindowSystem {
public:
    std::vector<WindowHandle> topLevelWindows() override { return {7, 3}; }
    std::optional<std::string> title(WindowHandle w) override {
        if (!rects.count(w)) return std::nullopt;
        return w == 7 ? "Editor" : "Windows Quorvia";
    }
    std::optional<ShowState> showState(WindowHandle w) override {
        return states.count(w) ? std::optional(states[w]) : std::nullopt;
    }
    bool setShowState(WindowHandle w, ShowState s) override { return states.count(w) && (states[w] = s, true); }
    std::optional<WindowRect> rect(WindowHandle w) override {
        return rects.count(w) ? std::optional(rects[w]) : std::nullopt;
    }
    bool move(WindowHandle w, const WindowRect& r) override { return rects.count(w) && (rects[w] = r, true); }
    bool postClose(WindowHandle w) override { return closed.emplace_back(w), true; }
    bool setTopmost(WindowHandle, bool) override { return true; }
    bool raise(WindowHandle) override { return true; }
    WindowRect screen() override { return {0, 0, 1024, 768}; }
    int logicalDpi() override { return 120; }
    void processEvents() override {}

    std::map<WindowHandle, WindowRect> rects{{7, {10, 20, 300, 200}}, {3, {0, 0, 1024, 768}}};
    std::map<WindowHandle, ShowState> states{{7, ShowState::Normal}, {3, ShowState::Maximised}};
    std::vector<WindowHandle> closed;
};

TEST(WindowSystem, WithoutAGuiFindsNothingAndChangesNothing) {
    installWindowSystem(nullptr);
    EXPECT_FALSE(windowSystemInstalled());
    WindowSystem& none = windowSystem();
    EXPECT_TRUE(none.topLevelWindows().empty());
    EXPECT_FALSE(none.title(1));
    EXPECT_FALSE(none.rect(1));
    EXPECT_FALSE(none.setShowState(1, ShowState::Minimised));
    EXPECT_FALSE(none.move(1, {1, 2, 3, 4}));
    EXPECT_FALSE(none.postClose(1));
    EXPECT_FALSE(none.setTopmost(1, true));
    EXPECT_EQ(none.logicalDpi(), 96);
}

TEST(WindowSystem, TheInstalledImplementationAnswersUntilRemoved) {
    auto fake = std::make_shared<FakeWindows>();
    installWindowSystem(fake);
    ASSERT_TRUE(windowSystemInstalled());
    EXPECT_EQ(windowSystem().topLevelWindows(), (std::vector<WindowHandle>{7, 3}));
    EXPECT_EQ(windowSystem().title(3), "Windows Quorvia");
    EXPECT_TRUE(windowSystem().setShowState(7, ShowState::Minimised));
    EXPECT_EQ(fake->states[7], ShowState::Minimised);
    EXPECT_TRUE(windowSystem().postClose(3));
    EXPECT_EQ(fake->closed, (std::vector<WindowHandle>{3}));
    installWindowSystem(nullptr);
    EXPECT_TRUE(windowSystem().topLevelWindows().empty());
    EXPECT_EQ(fake.use_count(), 1);  // the process no longer holds it
}

}  // namespace
