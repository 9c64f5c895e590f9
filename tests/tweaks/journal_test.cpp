#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "lindrel32/QVFKT.h"
#include "platform/files/DiskFaults.h"
#include "platform/files/DosAttributes.h"
#include "tweaks/Journal.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;
namespace fs = std::filesystem;

namespace {

JournalEntry sampleEntry() {
    JournalEntry e;
    e.itemId = 101;
    e.letter = "B";
    e.input = std::string("line one\nline two with \"quotes\" and a NUL \0 byte", 48);
    e.valueAfter = "";
    e.effect.values.push_back({"user.reg", "Software\\Key with blanks", "Name",
                               platform::RegValue::string("Name", "old"),
                               platform::RegValue::dword("Name", 7)});
    e.effect.keys.push_back({"user.reg", "Software\\Key with blanks", false, 0, true, 99});
    FileEffect f;
    f.relative = "drive_c/a b.sys";
    f.before = {std::string("\x00\xff", 2), 0x27};
    f.after = {std::nullopt, 0};
    e.effect.files.push_back(f);
    FileEffect ini;
    ini.root = FileRoot::Program;
    ini.relative = "VANTIX.INI";
    ini.before = {"[A]\r\nk=1\r\n", 0};
    ini.after = {"[A]\r\nk=2\r\n", 0};
    ini.entries = {{"A", "k", "1", "2"}, {"A", "new", std::nullopt, "x"}};
    e.effect.files.push_back(ini);
    return e;
}

std::int64_t idOf(platform::Database& db, const std::string& name, int platform) {
    for (const auto& f : listHiddenFunctions(db, platform))
        if (f.name == name) return f.id;
    ADD_FAILURE() << "no function " << name;
    return 0;
}

// The entry text with the path of its first file replaced.
std::string withPath(const std::string& text, const std::string& path) {
    const std::string hexOld = "x64726976655f632f6120622e737973";  // "drive_c/a b.sys"
    std::string hexNew = "x";
    for (unsigned char c : path) {
        static const char digits[] = "0123456789abcdef";
        hexNew += digits[c >> 4];
        hexNew += digits[c & 15];
    }
    std::string out = text;
    out.replace(out.find(hexOld), hexOld.size(), hexNew);
    return out;
}

}  // namespace

TEST(Journal, EntriesSurviveTheirTextFormExactly) {
    const JournalEntry e = sampleEntry();
    const auto back = Journal::parse(Journal::serialize(e));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->itemId, 101);
    EXPECT_EQ(back->input, e.input);
    ASSERT_EQ(back->effect.values.size(), 1u);
    EXPECT_EQ(back->effect.values[0].before, e.effect.values[0].before);
    EXPECT_EQ(back->effect.values[0].after, e.effect.values[0].after);
    EXPECT_EQ(back->effect.keys[0].existedBefore, false);
    EXPECT_EQ(back->effect.keys[0].timeAfter, 99u);
    ASSERT_EQ(back->effect.files.size(), 2u);
    EXPECT_EQ(back->effect.files[0].before, e.effect.files[0].before);
    EXPECT_EQ(back->effect.files[0].relative, "drive_c/a b.sys");
    EXPECT_FALSE(back->effect.files[0].after.content);
    EXPECT_EQ(back->effect.files[1].root, FileRoot::Program);
    ASSERT_EQ(back->effect.files[1].entries.size(), 2u);
    EXPECT_FALSE(back->effect.files[1].entries[1].before);
    EXPECT_EQ(back->effect.files[1].entries[1].after, "x");
}

TEST(Journal, DamagedOrForeignEntriesAreNeverRestored) {
    const std::string text = Journal::serialize(sampleEntry());
    const std::string damaged[] = {
        text.substr(0, text.size() - 4),  // cut short: no end line
        text.substr(0, text.find("value ")) + "value x x x 2 0 x 0 0 x\nend\n",  // bad flag
        "vantix-journal 1\nitem 1\nend\n",                                       // older format
        text.substr(0, text.find("key ")) + "key x7573657222 x 1 0 1 0\nend\n",  // bad hive
        std::string("vantix-journal 2\nitem 1\nletter xZZ\nend\n"),
        text.substr(0, text.find("file ")) + "ini x41 x6b 1 x31 1 x32\nend\n",  // no file
        withPath(text, "/home/user/.bashrc"),                                   // absolute
        withPath(text, "drive_c/../../victim"),                                 // climbs out
        std::string(),
    };
    for (const auto& d : damaged) EXPECT_FALSE(Journal::parse(d)) << d;
}

TEST(Journal, ADamagedNewestEntryIsReportedByNameAndDoesNotHideTheOlderOne) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    const auto before = image.snapshot();
    const auto extensions = idOf(*image.database, "File name extensions", 3);
    ASSERT_TRUE(session.apply({extensions, "A", std::nullopt}).journalled);
    const std::string damagedName = Journal::fileNameOf(7, extensions);
    ScratchDir::write(session.journal().folder() / damagedName, "vantix-journal 2\nitem 101\n");

    const auto files = session.journal().files(extensions);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_FALSE(files[1].entry);
    EXPECT_EQ(files[1].fileName, damagedName);
    EXPECT_EQ(session.journal().last(extensions)->sequence, 1);
    EXPECT_EQ(session.journal().lastOfEach().at(extensions).sequence, 1);
    EXPECT_EQ(session.drift(session.open(extensions), session.state(session.open(extensions)),
                            session.journal().last(extensions)),
              Drift::ChangedByVantix);

    const UndoOutcome undone = session.undo(extensions);
    EXPECT_TRUE(undone.undone);
    ASSERT_EQ(undone.damagedEntries.size(), 1u);
    EXPECT_EQ(undone.damagedEntries[0].rfind(damagedName, 0), 0u) << undone.damagedEntries[0];
    EXPECT_EQ(image.snapshot(), before);
    EXPECT_TRUE(fs::exists(session.journal().folder() / damagedName)) << "kept until dropped";
    session.journal().drop(damagedName);
    EXPECT_TRUE(session.journal().files().empty());
    EXPECT_THROW(session.journal().drop("../system.reg"), std::invalid_argument);
}

TEST(Journal, EachFunctionsNewestReadableEntryWinsAcrossInterleavedFunctions) {
    ScratchDir dir;
    Journal journal(dir.path());
    const auto add = [&](std::int64_t item, const std::string& after) {
        JournalEntry e = sampleEntry();
        e.itemId = item;
        e.valueAfter = after;
        journal.append(e);
        return e.sequence;
    };
    add(101, "first of 101");
    const auto only202 = add(202, "only readable of 202");
    const auto newest101 = add(101, "newest of 101");
    // Damaged entries: the newest of 202 (cut short) and the only one of 303
    // (a folder where a file belongs); a stray file that is no entry at all.
    ScratchDir::write(journal.folder() / Journal::fileNameOf(4, 202),
                      "vantix-journal 2\nitem 202\n");
    fs::create_directory(journal.folder() / Journal::fileNameOf(5, 303));
    ScratchDir::write(journal.folder() / "notes.entry", "not an entry");

    const auto last = journal.lastOfEach();
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last.at(101).sequence, newest101);
    EXPECT_EQ(last.at(101).valueAfter, "newest of 101");
    EXPECT_EQ(last.at(202).sequence, only202);
    EXPECT_EQ(last.at(202).valueAfter, "only readable of 202");

    // One function's files: its own entries only, the damaged ones included.
    const auto of202 = journal.files(202);
    ASSERT_EQ(of202.size(), 2u);
    EXPECT_TRUE(of202[0].entry);
    EXPECT_FALSE(of202[1].entry);
    EXPECT_EQ(journal.files(303).size(), 1u);
    EXPECT_EQ(journal.files().size(), 6u);
}

TEST(Journal, AppendTakesAFreshNumberAndNeverOverwritesAnEntry) {
    ScratchDir dir;
    Journal journal(dir.path());
    JournalEntry first = sampleEntry();
    journal.append(first);
    EXPECT_EQ(first.sequence, 1);
    // Another process took number 2 meanwhile (its entry is not even finished).
    const auto taken = journal.folder() / Journal::fileNameOf(2, 555);
    ScratchDir::write(taken, "another writer's entry");
    JournalEntry second = sampleEntry();
    journal.append(second);
    EXPECT_EQ(second.sequence, 3);
    EXPECT_EQ(ScratchDir::read(taken), "another writer's entry");
    EXPECT_EQ(journal.files().size(), 3u);
    for (const auto& entry : fs::directory_iterator(journal.folder()))
        EXPECT_EQ(entry.path().extension(), ".entry") << "no temporary file is left";
}

TEST(Journal, AFailedWriteOrLinkLeavesNoEntryAndSaysSo) {
    ScratchDir dir;
    Journal journal(dir.path());
    JournalEntry kept = sampleEntry();
    journal.append(kept);
    const std::string keptText = ScratchDir::read(journal.folder() / Journal::fileNameOf(1, 101));
    for (const auto step : {platform::DiskStep::Write, platform::DiskStep::Rename}) {
        platform::failDiskStep(step, 1);
        JournalEntry e = sampleEntry();
        EXPECT_THROW(journal.append(e), std::runtime_error);
        platform::failDiskStep(step, 0);
        EXPECT_EQ(journal.files().size(), 1u);
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(journal.folder())) ++count;
        EXPECT_EQ(count, 1u) << "no temporary file is left";
        // A rewrite that fails keeps the entry as it was.
        platform::failDiskStep(step, 1);
        JournalEntry changed = *journal.last(101);
        changed.valueAfter = "changed";
        EXPECT_FALSE(journal.rewrite(changed));
        platform::failDiskStep(step, 0);
        EXPECT_EQ(ScratchDir::read(journal.folder() / Journal::fileNameOf(1, 101)), keptText);
    }
}

TEST(Journal, UndoInACopiedImageChangesOnlyTheCopy) {
    ImageFixture image(WindowsPlatform::Win98);
    const auto logo = idOf(*image.database, "Start-up logo", 3);
    ASSERT_TRUE(image.session->apply({logo, "B", std::nullopt}).journalled);
    const auto original = image.snapshot();

    const fs::path copy = image.scratch / "copy";
    fs::copy(image.scratch / "image", copy,
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    auto machine = platform::Machine::open(copy);
    TweakSession session(*machine, *image.database, VANTIX_PROGRAM_DIR);
    const UndoOutcome undone = session.undo(logo);
    EXPECT_TRUE(undone.undone);
    EXPECT_TRUE(undone.problems.empty());
    EXPECT_EQ(image.snapshot(), original) << "the original image is untouched";
    EXPECT_EQ(lindrel32::QVFKT(*machine).GET_Ini("C:\\MSDOS.SYS", "Options", "Logo"), "1");
}

TEST(Journal, AnEntryThatLeadsOutThroughALinkIsRefused) {
    ImageFixture image(WindowsPlatform::Win98);
    ScratchDir outside;
    ScratchDir::write(outside / "victim.txt", "the user's file");
    fs::create_directory_symlink(outside.path(), image.scratch / "image" / "drive_c" / "escape");
    JournalEntry e;
    e.itemId = 101;
    FileEffect f;
    f.relative = "drive_c/escape/victim.txt";
    f.before = {std::nullopt, 0};
    f.after = {"the user's file", 0};
    e.effect.files.push_back(f);
    image.session->journal().append(e);

    const UndoOutcome undone = image.session->undo(101, UndoMode::Force);
    EXPECT_FALSE(undone.undone);
    ASSERT_EQ(undone.problems.size(), 1u);
    EXPECT_NE(undone.problems[0].find("outside"), std::string::npos) << undone.problems[0];
    EXPECT_EQ(ScratchDir::read(outside / "victim.txt"), "the user's file");
}

TEST(Journal, RenamedAndDeletedFilesComeBackWithTheirAttributes) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    const auto windows = *image.machine->hostPath("C:\\WINDOWS");
    ScratchDir::write(windows / "LOGOW.SYS", "wait picture");
    ScratchDir::write(windows / "LOGOS.SYS", "safe picture");
    ScratchDir::write(windows / "RECENT" / "Letter.lnk", "shortcut 1");
    ScratchDir::write(windows / "RECENT" / "Notes.LNK", "shortcut 2");
    ScratchDir::write(windows / "RECENT" / "keep.txt", "not a shortcut");
    platform::setDosAttributes(windows / "LOGOW.SYS", platform::dosattr::ReadOnly);
    const auto before = image.snapshot();

    const auto screens = idOf(*image.database, "Shut-down screens", 3);
    EXPECT_TRUE(session.apply({screens, "B", std::nullopt}).problems.empty());
    EXPECT_FALSE(fs::exists(windows / "LOGOW.SYS"));
    EXPECT_EQ(ScratchDir::read(windows / "LOGOW.BAK"), "wait picture");
    EXPECT_TRUE(session.undo(screens).undone);
    EXPECT_EQ(image.snapshot(), before);
    EXPECT_EQ(
        platform::dosAttributes(windows / "LOGOW.SYS").value_or(0) & platform::dosattr::ReadOnly,
        platform::dosattr::ReadOnly);

    const auto recent = idOf(*image.database, "Recent documents list", 3);
    session.apply({recent, "B", std::nullopt});
    EXPECT_FALSE(fs::exists(windows / "RECENT" / "Letter.lnk"));
    EXPECT_TRUE(fs::exists(windows / "RECENT" / "keep.txt"));
    EXPECT_TRUE(session.undo(recent).undone);
    EXPECT_EQ(image.snapshot(), before);
}

TEST(Journal, AnApplyThatChangedNothingOrWasRefusedIsNotJournalled) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    // No shortcut to delete: clearing the attributes of a missing file is no change.
    const auto recent = idOf(*image.database, "Recent documents list", 3);
    EXPECT_FALSE(session.apply({recent, "B", std::nullopt}).journalled);
    // Applying what is already there.
    const auto extensions = idOf(*image.database, "File name extensions", 3);
    EXPECT_FALSE(session.apply({extensions, "B", std::nullopt}).journalled);
    // A registry save that fails.
    const auto before = image.snapshot();
    platform::failDiskStep(platform::DiskStep::Rename, 1);
    const ApplyOutcome refused = session.apply({extensions, "A", std::nullopt});
    platform::failDiskStep(platform::DiskStep::Rename, 0);
    EXPECT_FALSE(refused.registryProblem.empty());
    EXPECT_FALSE(refused.journalled);
    EXPECT_TRUE(refused.changes.empty()) << "nothing is shown as made";
    // A rename onto an existing file.
    const auto windows = *image.machine->hostPath("C:\\WINDOWS");
    ScratchDir::write(windows / "LOGOW.SYS", "wait picture");
    ScratchDir::write(windows / "LOGOW.BAK", "older backup");
    const auto screens = idOf(*image.database, "Shut-down screens", 3);
    const ApplyOutcome renamed = session.apply({screens, "B", std::nullopt});
    EXPECT_FALSE(renamed.problems.empty());
    EXPECT_EQ(ScratchDir::read(windows / "LOGOW.BAK"), "older backup");
    EXPECT_TRUE(session.journal().files().empty());
    fs::remove(windows / "LOGOW.SYS");
    fs::remove(windows / "LOGOW.BAK");
    EXPECT_EQ(image.snapshot(), before);
}
