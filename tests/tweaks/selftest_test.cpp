#include <gtest/gtest.h>

#include <stdlib.h>

#include "../support/ScratchDir.h"
#include "CatalogueFixture.h"
#include "tweaks/SelfTest.h"

using namespace vantix;
using platform::WindowsPlatform;

TEST(SelfTest, TheDefaultCataloguePassesOnEveryPlatform) {
    ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
    ScratchDir dir;
    makeCatalogue(dir / "QUORVIA.MDE", true);
    const auto report = tweaks::runSelfTest(
        dir / "QUORVIA.MDE", VANTIX_PROGRAM_DIR,
        {WindowsPlatform::Win95, WindowsPlatform::Win98, WindowsPlatform::Nt4}, dir / "images");
    EXPECT_GE(report.checked, 3 * 80);
    EXPECT_GT(report.pairs, 3 * 5) << "functions sharing keys and files are undone in pairs";
    for (const auto& failure : report.failures)
        ADD_FAILURE() << platform::platformName(failure.platform) << " " << failure.itemId << " "
                      << failure.name << ": " << failure.problem;
}

TEST(SelfTest, ABrokenFunctionIsReportedWithItsIdAndName) {
    ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
    ScratchDir dir;
    {
        auto db = makeCatalogue(dir / "QUORVIA.MDE", false);
        db->executeScript(
            "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (1, 'Test', 0);"
            "INSERT INTO HIDDEN_ITEMS VALUES (7, 1, 'Writes elsewhere', 4);"
            "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP, MOM_Art, MOM_MainSubKey, MOM_ValueKey, "
            "MOM_ValueFormat, Wenn, "
            "Dann, Sonst, Standard) VALUES (7, 'OPTION', 'REG', "
            "'HKEY_CURRENT_USER\\Software\\Test', 'Read', 'T', '1', 1, 2, '2');"
            "INSERT INTO HIDDEN_BEFEHLE VALUES (7, 'A', 'REGSET', '#', "
            "'HKEY_CURRENT_USER\\Software\\Test', 'Written', '1', 'T');"
            "INSERT INTO HIDDEN_ITEMS VALUES (8, 1, 'No property row', 4);");
    }
    const auto report = tweaks::runSelfTest(dir / "QUORVIA.MDE", VANTIX_PROGRAM_DIR,
                                            {WindowsPlatform::Win98}, dir / "images");
    EXPECT_EQ(report.checked, 2);
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].itemId, 7);
    EXPECT_EQ(report.failures[0].name, "Writes elsewhere");
    EXPECT_NE(report.failures[0].problem.find("does not read back as option 1"), std::string::npos);
    EXPECT_EQ(report.failures[1].itemId, 8);
    EXPECT_NE(report.failures[1].problem.find("no property row"), std::string::npos);
}
