#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;

namespace {

const std::string kAdvanced =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

std::string msdos(platform::Machine& machine, const std::string& key) {
    return lindrel32::QVFKT(machine).GET_Ini("C:\\MSDOS.SYS", "Options", key);
}

}  // namespace

// Two functions that write the same INI file: each undo puts back its own
// entry only, whichever order they are undone in, and both undos together
// bring back every byte.
TEST(ExactUndo, UndoRestoresOnlyWhatItsApplyChangedInEitherOrder) {
    for (const bool firstFirst : {true, false}) {
        ImageFixture image(WindowsPlatform::Win98);
        auto& session = *image.session;
        auto& machine = *image.machine;
        const auto before = image.snapshot();
        ASSERT_TRUE(session.apply({703, "B", std::nullopt}).journalled);  // BootGUI=0
        ASSERT_TRUE(session.apply({704, "B", std::nullopt}).journalled);  // Logo=0
        const std::int64_t first = firstFirst ? 703 : 704;
        const std::int64_t second = firstFirst ? 704 : 703;

        const UndoOutcome one = session.undo(first);
        EXPECT_TRUE(one.undone);
        EXPECT_TRUE(one.differences.empty());
        EXPECT_EQ(msdos(machine, first == 703 ? "BootGUI" : "Logo"), "1");
        EXPECT_EQ(msdos(machine, first == 703 ? "Logo" : "BootGUI"), "0")
            << "the other function's change survives";
        const UndoOutcome two = session.undo(second);
        EXPECT_TRUE(two.undone);
        EXPECT_TRUE(two.differences.empty());
        EXPECT_EQ(msdos(machine, "BootGUI"), "1");
        EXPECT_EQ(msdos(machine, "Logo"), "1");
        EXPECT_EQ(image.snapshot(), before) << (firstFirst ? "703 first" : "704 first");
    }
}

TEST(ExactUndo, UndoRefusesToOverwriteALaterChangeUnlessForced) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    lindrel32::QVREG reg(*image.machine);
    ASSERT_TRUE(session.apply({101, "A", std::nullopt}).journalled);
    reg.SetReg(kAdvanced, "HideFileExt", "5", "D");  // another program
    const auto changed = image.snapshot();

    const UndoOutcome refused = session.undo(101);
    EXPECT_FALSE(refused.undone);
    ASSERT_EQ(refused.differences.size(), 1u);
    const UndoDifference& d = refused.differences[0];
    EXPECT_EQ(d.what, "registry " + kAdvanced + " \"HideFileExt\"");
    EXPECT_EQ(d.left, "REG_DWORD 0 (0x00000000)");
    EXPECT_EQ(d.now, "REG_DWORD 5 (0x00000005)");
    EXPECT_EQ(d.undoWrites, "REG_DWORD 1 (0x00000001)");
    EXPECT_EQ(image.snapshot(), changed) << "a refused undo changes nothing";
    EXPECT_TRUE(session.journal().last(101)) << "and keeps its entry";

    const UndoOutcome forced = session.undo(101, UndoMode::Force);
    EXPECT_TRUE(forced.undone);
    EXPECT_EQ(forced.differences.size(), 1u);
    EXPECT_EQ(reg.GetReg(kAdvanced, "HideFileExt", "D"), "1");
    EXPECT_FALSE(session.journal().last(101));
}

TEST(ExactUndo, AnIniEntryChangedElsewhereIsADifference) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    ASSERT_TRUE(session.apply({704, "B", std::nullopt}).journalled);
    lindrel32::QVFKT(*image.machine).SET_Ini("C:\\MSDOS.SYS", "Options", "Logo", "2");
    const UndoOutcome refused = session.undo(704);
    EXPECT_FALSE(refused.undone);
    ASSERT_EQ(refused.differences.size(), 1u);
    EXPECT_EQ(refused.differences[0].left, "\"0\"");
    EXPECT_EQ(refused.differences[0].now, "\"2\"");
    EXPECT_EQ(refused.differences[0].undoWrites, "\"1\"");
    EXPECT_EQ(msdos(*image.machine, "Logo"), "2");
}

// A key the apply created is removed again only while nothing else was put into it.
TEST(ExactUndo, ACreatedKeyStaysWhenSomethingElseWasPutIntoIt) {
    ScratchDir dir;
    ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
    auto machine = platform::Machine::create(dir / "image", WindowsPlatform::Win98);
    auto db = makeCatalogue(dir / "QUORVIA.MDE", false);
    db->executeScript(
        "INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES (1, 'Test', 0);"
        "INSERT INTO HIDDEN_ITEMS VALUES (9, 1, 'Creates a key', 7);"
        "INSERT INTO HIDDEN_EIGENSCHAFT (ITEM_ID, TYP, MOM_Art, MOM_MainSubKey, MOM_ValueKey, "
        "MOM_ValueFormat, Wenn, Dann, Sonst, Standard) VALUES (9, 'OPTION', 'REG', "
        "'HKEY_CURRENT_USER\\Software\\VantixNew\\Sub', 'v', 'D', '1', 1, 2, '2');"
        "INSERT INTO HIDDEN_BEFEHLE VALUES (9, 'A', 'REGSET', '#', "
        "'HKEY_CURRENT_USER\\Software\\VantixNew\\Sub', 'v', '1', 'D');");
    TweakSession session(*machine, *db, VANTIX_PROGRAM_DIR);
    auto& registry = machine->registry();
    const auto userReg = ScratchDir::read(dir / "image" / "user.reg");

    ASSERT_TRUE(session.apply({9, "A", std::nullopt}).journalled);
    EXPECT_TRUE(session.undo(9).undone);
    EXPECT_FALSE(registry.keyExists(platform::Root::CurrentUser, "Software\\VantixNew"));
    EXPECT_EQ(ScratchDir::read(dir / "image" / "user.reg"), userReg);

    ASSERT_TRUE(session.apply({9, "A", std::nullopt}).journalled);
    ASSERT_TRUE(registry.setValue(platform::Root::CurrentUser, "Software\\VantixNew\\Sub",
                                  platform::RegValue::string("other", "someone else's")));
    const UndoOutcome undone = session.undo(9);
    EXPECT_TRUE(undone.undone);
    EXPECT_TRUE(undone.problems.empty());
    EXPECT_FALSE(registry.getValue(platform::Root::CurrentUser, "Software\\VantixNew\\Sub", "v"));
    EXPECT_EQ(
        registry.getValue(platform::Root::CurrentUser, "Software\\VantixNew\\Sub", "other")->text(),
        "someone else's");
}

TEST(ExactUndo, DriftSeesAnyChangeSinceTheLastApply) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    lindrel32::QVREG reg(*image.machine);
    const auto function = session.open(101);
    auto drift = [&] {
        return session.drift(function, session.state(function), session.journal().last(101));
    };
    session.apply({101, "A", std::nullopt});
    EXPECT_EQ(drift(), Drift::ChangedByVantix);
    reg.SetReg(kAdvanced, "HideFileExt", "5", "D");  // reads as the default option
    EXPECT_EQ(drift(), Drift::ChangedElsewhere);
    reg.SetReg(kAdvanced, "HideFileExt", "0", "D");
    EXPECT_EQ(drift(), Drift::ChangedByVantix);

    // A file function: its value cannot be read, but its files can.
    ASSERT_TRUE(session.apply({704, "B", std::nullopt}).journalled);
    const auto logo = session.open(704);
    lindrel32::QVFKT(*image.machine).SET_Ini("C:\\MSDOS.SYS", "Options", "Logo", "7");
    EXPECT_EQ(session.drift(logo, session.state(logo), session.journal().last(704)),
              Drift::ChangedElsewhere);
}
