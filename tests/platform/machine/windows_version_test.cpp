#include "platform/machine/WindowsVersion.h"

#include <gtest/gtest.h>

using namespace vantix::platform;

namespace {

TEST(WindowsVersion, NamesNumbersAndPlatformCodes) {
    EXPECT_EQ(versionFromWineName("win98")->number, 410);
    EXPECT_EQ(versionFromWineName("nt40")->family, WindowsVersion::Family::Nt);
    EXPECT_FALSE(versionFromWineName("Win98"));
    EXPECT_EQ(versionNumberFromText("4.10.2222"), 410);
    EXPECT_EQ(versionNumberFromText("4.0"), 400);
    EXPECT_EQ(versionNumberFromText("6.1"), 601);
    EXPECT_FALSE(versionNumberFromText("four"));
    EXPECT_FALSE(versionNumberFromText("4"));
    using F = WindowsVersion::Family;
    EXPECT_EQ(platformOf({F::Win9x, 400}), WindowsPlatform::Win95);
    EXPECT_EQ(platformOf({F::Win9x, 401}), WindowsPlatform::Win98);
    EXPECT_EQ(platformOf({F::Nt, 351}), WindowsPlatform::Other);
    EXPECT_EQ(platformOf({F::Nt, 352}), WindowsPlatform::Nt4);
    EXPECT_EQ(platformOf({F::Win16, 310}), WindowsPlatform::Other);
    EXPECT_EQ(platformFromName("nt4"), WindowsPlatform::Nt4);
    EXPECT_FALSE(platformFromName("NT4"));
}

}  // namespace
