#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "lindrel32/QVREG.h"
#include "tweaks/ChangeText.h"
#include "tweaks/PropertyPage.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;

namespace {

const std::string kAdvanced =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kDesktop = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
constexpr std::int64_t kExtensions = 101;  // OPTION, Neustart 1
constexpr std::int64_t kBlinkRate = 113;   // SLIDER 200..1200, default 530
constexpr std::int64_t kWallpaper = 217;   // TEXT

struct PageFixture {
    PageFixture() : image(WindowsPlatform::Win98), page(*image.session), reg(*image.machine) {}
    void open(std::int64_t id) {
        page.load(id, "caption", "help");
        page.setVisible(true);
    }
    ImageFixture image;
    PropertyPage page;
    lindrel32::QVREG reg;
};

}  // namespace

TEST(Page, LoadingShowsTheStateWithoutMarkingThePageChanged) {
    PageFixture f;
    f.page.load(kExtensions, "File name extensions", "Explorer hides ...");
    EXPECT_EQ(f.page.PageMode, 1);
    EXPECT_EQ(f.page.RestartMode, 1);
    EXPECT_EQ(f.page.RestartRequest, 0);
    EXPECT_EQ(f.page.captionA, "Show the extensions of known file types");
    EXPECT_EQ(f.page.state().selectedOption, 2);
    EXPECT_EQ(f.page.state().ChoiceLetter, "B");
    EXPECT_EQ(f.page.HelpText, "Explorer hides ...");
    EXPECT_EQ(f.page.NotesText.rfind(std::string(kRestartNote) + "\r\nOn Windows 95", 0), 0u);
    f.page.clickOption(0);  // not visible yet: no change
    EXPECT_FALSE(f.page.applyEnabled());
    EXPECT_FALSE(f.page.restartBoxVisible());
    EXPECT_TRUE(f.page.changes().empty());
}

TEST(Page, FunctionsWithoutAPropertyRowAreRefused) {
    PageFixture f;
    f.image.database->execute(
        "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9100, 10, 'Bare', 7)");
    EXPECT_THROW(f.page.load(9100, "Bare", ""), TweakError);
}

TEST(Page, OkWithoutChangesAppliesNothingAndAsksNoRestart) {
    PageFixture f;
    f.open(kExtensions);
    f.page.tickRestart(true);
    const auto before = f.image.snapshot();
    EXPECT_TRUE(f.page.ok().changes.empty());
    EXPECT_EQ(f.image.snapshot(), before);
    EXPECT_EQ(f.page.RestartRequest, 1) << "the box was ticked, though hidden";
}

TEST(Page, ApplyThenOkAppliesOnceAndTheTickMadeBeforeCounts) {
    PageFixture f;
    f.open(kExtensions);
    f.page.clickOption(0);
    EXPECT_TRUE(f.page.applyEnabled());
    EXPECT_TRUE(f.page.restartBoxVisible());
    f.page.tickRestart(true);
    // The Changes list is what the engine's preview says, nothing written yet.
    const auto predicted = describeChanges(f.image.session->preview(f.page.request()).changes);
    EXPECT_EQ(f.page.changes(), predicted);
    ASSERT_EQ(predicted.size(), 1u);
    EXPECT_EQ(f.reg.GetReg(kAdvanced, "HideFileExt", "D"), "1");
    EXPECT_EQ(describeChanges(f.page.apply().changes), predicted);
    EXPECT_EQ(f.reg.GetReg(kAdvanced, "HideFileExt", "D"), "0");
    EXPECT_FALSE(f.page.applyEnabled());
    EXPECT_FALSE(f.page.restartBoxVisible());
    EXPECT_TRUE(f.page.restartTicked());
    EXPECT_TRUE(f.page.ok().changes.empty()) << "OK finds Apply disabled";
    EXPECT_EQ(f.page.RestartRequest, 1);
    EXPECT_EQ(f.image.session->journal().lastOfEach().size(), 1u) << "one apply journalled";

    f.page.load(kExtensions, "again", "");
    EXPECT_EQ(f.page.state().selectedOption, 1) << "a page opened again shows the new state";
    EXPECT_TRUE(f.page.undoAvailable());
}

TEST(Page, ClickingTheSelectedOptionChangesNothing) {
    PageFixture f;
    f.open(kExtensions);
    f.page.clickOption(1);
    EXPECT_FALSE(f.page.applyEnabled());
    f.page.clickOption(0);
    f.page.clickOption(1);
    EXPECT_EQ(f.page.state().ChoiceLetter, "B");
    EXPECT_TRUE(f.page.applyEnabled());
}

TEST(Page, DefaultButtonRestoresTheDefaultOfEachPresentation) {
    PageFixture f;
    f.open(kExtensions);  // Standard "2", already selected
    f.page.pressDefault();
    EXPECT_FALSE(f.page.applyEnabled());
    f.page.clickOption(0);
    f.page.pressDefault();
    EXPECT_EQ(f.page.state().selectedOption, 2);

    f.image.database->execute("UPDATE HIDDEN_EIGENSCHAFT SET Standard = '7' WHERE ITEM_ID = 101");
    f.open(kExtensions);
    f.page.clickOption(0);
    f.page.pressDefault();
    EXPECT_EQ(f.page.state().selectedOption, 1) << "a default other than 1 or 2 selects nothing";

    f.open(kBlinkRate);
    f.page.moveSlider(900);
    f.page.pressDefault();
    EXPECT_EQ(f.page.state().slider.position, 530);
    EXPECT_EQ(f.page.state().slider.numberBox, "530");

    f.open(kWallpaper);
    f.page.changeText("C:\\WINDOWS\\CLOUDS.BMP");
    f.page.pressDefault();
    EXPECT_EQ(f.page.state().text, "(None)");
}

TEST(Page, NumberBoxIsClampedIntoTheSliderRange) {
    PageFixture f;
    f.open(kBlinkRate);
    f.page.typeNumber("5000");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.position, 1200);
    EXPECT_EQ(f.page.state().slider.numberBox, "1200");
    EXPECT_TRUE(f.page.applyEnabled());
    f.page.typeNumber("");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.numberBox, "200") << "an emptied box shows the minimum";
    f.page.typeNumber("12");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.position, 200);
    f.page.typeNumber("612.5");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.position, 612) << "halves to the even neighbour";
    f.page.typeNumber("abc");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.numberBox, "200")
        << "the box never shows what the slider is not";
    f.page.apply();
    EXPECT_EQ(f.reg.GetReg(kDesktop, "CursorBlinkRate", "T"), "200");
}

TEST(Page, SliderOfMaximum100ShowsTheMaximumFor500AndTheMinimumWhenEmptied) {
    PageFixture f;
    f.image.database->execute(
        "UPDATE HIDDEN_EIGENSCHAFT SET SliderMin = 0, SliderMax = 100, Standard = '50' WHERE "
        "ITEM_ID = 113");
    f.open(kBlinkRate);
    f.page.typeNumber("500");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.numberBox, "100");
    EXPECT_EQ(f.page.state().slider.position, 100);
    f.page.typeNumber("");
    f.page.leaveNumberBox();
    EXPECT_EQ(f.page.state().slider.numberBox, "0");
    EXPECT_EQ(f.page.state().slider.position, 0);
}

TEST(Page, AnEmptiedTextRunsTheBCommandsAndUndoReadsTheStateBack) {
    PageFixture f;
    f.open(kWallpaper);
    f.page.changeText("C:\\WINDOWS\\CLOUDS.BMP");
    f.page.apply();
    EXPECT_EQ(f.reg.GetReg(kDesktop, "Wallpaper", "T"), "C:\\WINDOWS\\CLOUDS.BMP");
    f.page.changeText("");
    f.page.apply();
    EXPECT_EQ(f.page.state().ChoiceLetter, "B");
    EXPECT_EQ(f.reg.GetReg(kDesktop, "Wallpaper", "T"), "(None)");
    ASSERT_TRUE(f.page.undoAvailable());
    const auto outcome = f.page.undo();
    EXPECT_TRUE(outcome.undone);
    EXPECT_TRUE(outcome.problems.empty());
    EXPECT_EQ(f.page.state().text, "C:\\WINDOWS\\CLOUDS.BMP");
    EXPECT_FALSE(f.page.applyEnabled());
}

TEST(Page, UndoOverALaterChangeRestoresNothingUntilForced) {
    PageFixture f;
    f.open(kExtensions);
    f.page.clickOption(0);
    f.page.apply();
    ASSERT_TRUE(f.reg.SetReg(kAdvanced, "HideFileExt", "5", "D"));  // another program
    const auto refused = f.page.undo();
    EXPECT_FALSE(refused.undone);
    ASSERT_EQ(refused.differences.size(), 1u);
    EXPECT_EQ(f.reg.GetReg(kAdvanced, "HideFileExt", "D"), "5");
    const auto forced = f.page.undo(UndoMode::Force);
    EXPECT_TRUE(forced.undone);
    EXPECT_EQ(f.reg.GetReg(kAdvanced, "HideFileExt", "D"), "1");
    EXPECT_EQ(f.page.state().selectedOption, 2) << "the state is read back";
}
