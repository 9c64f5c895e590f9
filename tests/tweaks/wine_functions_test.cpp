#include <gtest/gtest.h>

#include <stdlib.h>

#include "../support/ScratchDir.h"
#include "CatalogueFixture.h"
#include "tweaks/SelfTest.h"

using namespace vantix;
using platform::WindowsPlatform;

namespace {

// The "Wine" folder alone, so that a failure names one of its functions.
TEST(WineFunctions, PassTheSelfTestOnEveryPlatform) {
    ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
    ScratchDir dir;
    {
        auto db = makeCatalogue(dir / "QUORVIA.MDE", false);
        const auto source = catalogueSourceDir();
        db->executeScript(readSql(source / "sidebar.sql"));
        db->executeScript(readSql(source / "functions" / "80-wine.sql"));
        EXPECT_EQ(
            db->scalar(
                  "SELECT COUNT(*) FROM HIDDEN_FOLDERS WHERE FolderName = 'Wine' AND UF_FID = 0")
                ->toInteger(),
            1);
    }
    const auto report = tweaks::runSelfTest(
        dir / "QUORVIA.MDE", VANTIX_PROGRAM_DIR,
        {WindowsPlatform::Win95, WindowsPlatform::Win98, WindowsPlatform::Nt4}, dir / "images");
    EXPECT_EQ(report.checked, 3 * 12);
    for (const auto& failure : report.failures)
        ADD_FAILURE() << platform::platformName(failure.platform) << " " << failure.itemId << " "
                      << failure.name << ": " << failure.problem;
}

}  // namespace
