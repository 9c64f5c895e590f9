#include "modules/regalto/RegistryFinder.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"

namespace vantix::regalto {
namespace {

using testing::MemoryRegistry;

class FinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.put("HKEY_LOCAL_MACHINE\\Software\\Alpha", "Path", 1, "C:\\WINDOWS");
        registry.put("HKEY_LOCAL_MACHINE\\Software\\Alpha\\WinSub", "x", 4, "7");
        registry.put("HKEY_LOCAL_MACHINE\\Software\\Beta", "window", 1, "no");
        registry.makeKey("HKEY_LOCAL_MACHINE\\System\\Windows");
    }
    std::vector<FindMatch> all(FindOptions options, const std::string& start) {
        RegistryFinder finder(registry, std::move(options), start);
        std::vector<FindMatch> found;
        while (auto match = finder.next()) found.push_back(*match);
        return found;
    }
    MemoryRegistry registry;
};

TEST_F(FinderTest, FindsKeysValueNamesAndDataInTreeOrder) {
    const auto found = all({"win"}, "HKEY_LOCAL_MACHINE");
    const std::vector<FindMatch> expected = {
        {"HKEY_LOCAL_MACHINE\\Software\\Alpha", std::string("Path")},  // data
        {"HKEY_LOCAL_MACHINE\\Software\\Alpha\\WinSub", std::nullopt},
        {"HKEY_LOCAL_MACHINE\\Software\\Beta", std::string("window")},
        {"HKEY_LOCAL_MACHINE\\System\\Windows", std::nullopt},
    };
    EXPECT_EQ(found, expected);
}

TEST_F(FinderTest, OptionsLimitWhatIsSearched) {
    FindOptions keysOnly{"win", true, false, false};
    EXPECT_EQ(all(keysOnly, "HKEY_LOCAL_MACHINE").size(), 2u);
    FindOptions dataOnly{"7", false, false, true};
    const auto found = all(dataOnly, "HKEY_LOCAL_MACHINE\\Software");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].valueName, "x");
    EXPECT_TRUE(all({""}, "HKEY_LOCAL_MACHINE").empty());
}

TEST_F(FinderTest, ProgressCanCancelALongSearch) {
    for (int i = 0; i < 200; ++i) registry.makeKey("HKEY_USERS\\k" + std::to_string(i));
    RegistryFinder finder(registry, {"nothing-matches"}, "HKEY_USERS");
    std::size_t calls = 0;
    EXPECT_FALSE(finder.next([&](std::size_t searched) {
        ++calls;
        return searched < 50;
    }));
    EXPECT_TRUE(finder.cancelled());
    EXPECT_EQ(calls, 50u);
    EXPECT_FALSE(finder.next());  // stays cancelled
}

}  // namespace
}  // namespace vantix::regalto
