#include "modules/regalto/ValueList.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"

namespace vantix::regalto {
namespace {

using testing::MemoryRegistry;
const std::string kKey = "HKEY_LOCAL_MACHINE\\Software\\Test";

TEST(ValueDisplay, EachRegistryTypeShowsItsForm) {
    struct Case {
        std::int32_t type;
        std::string stored;
        std::string shown;
        ValueTag tag;
    };
    const std::vector<Case> cases = {
        {1, "hello", "hello", ValueTag::Expan},
        {2, "%SystemRoot%\\x", "%SystemRoot%\\x", ValueTag::Expan},
        {3, "00FF10", "00FF10", ValueTag::Binar},
        {7, "ab", "6162", ValueTag::Binar},
        {8, "A", "41", ValueTag::Binar},
        {9, "", "", ValueTag::Binar},
        {4, "16", "16  (10)", ValueTag::Dword},
        {4, "-1", "-1  (FFFFFFFF)", ValueTag::Dword},
        {4, "0", "0  (0)", ValueTag::Dword},
        {5, "2147483647", "2147483647  (7FFFFFFF)", ValueTag::Dword},
        {4, "-2147483648", "-2147483648  (80000000)", ValueTag::Dword},
        {11, "whatever", "", ValueTag::None},
        {0, "x", "", ValueTag::None},
    };
    for (const auto& c : cases) {
        MemoryRegistry registry;
        registry.put(kKey, "v", c.type, c.stored);
        const auto listing = listValues(registry, kKey);
        ASSERT_EQ(listing.entries.size(), 2u);
        EXPECT_EQ(listing.entries[1].name, "v");
        EXPECT_EQ(listing.entries[1].setting, c.shown) << "type " << c.type;
        EXPECT_EQ(listing.entries[1].tag, c.tag) << "type " << c.type;
    }
}

TEST(ValueDisplay, DwordFormatOfAReadNumber) {
    EXPECT_EQ(dwordDisplay("4294967295"), "4294967295  (FFFFFFFF)");
    EXPECT_EQ(dwordDisplay("-1"), "-1  (FFFFFFFF)");
    EXPECT_EQ(dwordDisplay("255"), "255  (FF)");
}

TEST(ValueList, DefaultComesFirstAndShowsNotSet) {
    MemoryRegistry registry;
    registry.makeKey(kKey);
    auto listing = listValues(registry, kKey);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name, "Default");
    EXPECT_EQ(listing.entries[0].setting, "(value not set)");
    EXPECT_TRUE(listing.entries[0].isDefault);

    // Values but an empty default: still "(value not set)".
    registry.put(kKey, "b", 1, "x");
    registry.put(kKey, "", 1, "");
    listing = listValues(registry, kKey);
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].setting, "(value not set)");
    EXPECT_EQ(listing.entries[1].name, "b");

    // A default value stored after others is still shown in the first entry.
    registry.put(kKey, "", 4, "7");
    listing = listValues(registry, kKey);
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].setting, "7  (7)");
    EXPECT_EQ(listing.entries[0].tag, ValueTag::Dword);
}

TEST(ValueList, CappedAt501AndSaysSo) {
    MemoryRegistry registry;
    for (int i = 0; i < 501; ++i) registry.put(kKey, "v" + std::to_string(i), 1, "x");
    auto listing = listValues(registry, kKey);
    EXPECT_EQ(listing.entries.size(), 502u);  // "Default" and 501 values
    EXPECT_FALSE(listing.truncated);

    registry.put(kKey, "v501", 1, "x");
    listing = listValues(registry, kKey);
    EXPECT_EQ(listing.entries.size(), 502u);
    EXPECT_TRUE(listing.truncated);
    EXPECT_EQ(listing.entries.back().name, "v500");
}

}  // namespace
}  // namespace vantix::regalto
