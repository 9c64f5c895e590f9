#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "lindrel32/QVFKT.h"
#include "platform/files/DosAttributes.h"
#include "tweaks/Journal.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;

namespace {

JournalEntry sampleEntry() {
    JournalEntry e;
    e.itemId = 101;
    e.letter = "B";
    e.input = std::string("line one\nline two with \"quotes\" and a NUL \0 byte", 48);
    e.valueAfter = "";
    platform::RegistryChange r;
    r.kind = platform::RegistryChange::SetValue;
    r.hive = "user.reg";
    r.key = "Software\\Key with blanks";
    r.keyExisted = true;
    r.keyTimeBefore = 0x01da1f2c3d4e5f60;
    r.before = platform::RegValue::string("Name", "old");
    r.after = platform::RegValue::dword("Name", 7);
    e.changes.push_back({r, std::nullopt});
    RecordedFileChange f;
    f.change.kind = platform::FileChange::Rename;
    f.before = {{"/img/drive_c/a b.sys", std::string("\x00\xff", 2), 0x27},
                {"/img/drive_c/old", std::nullopt, 0}};
    e.changes.push_back({std::nullopt, f});
    return e;
}

std::int64_t idOf(platform::Database& db, const std::string& name, int platform) {
    for (const auto& f : listHiddenFunctions(db, platform))
        if (f.name == name) return f.id;
    ADD_FAILURE() << "no function " << name;
    return 0;
}

}  // namespace

TEST(Journal, EntriesSurviveTheirTextFormExactly) {
    const JournalEntry e = sampleEntry();
    const auto back = Journal::parse(Journal::serialize(e));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->itemId, 101);
    EXPECT_EQ(back->input, e.input);
    ASSERT_EQ(back->changes.size(), 2u);
    EXPECT_EQ(back->changes[0].registry->before, e.changes[0].registry->before);
    EXPECT_EQ(back->changes[0].registry->after, e.changes[0].registry->after);
    EXPECT_EQ(back->changes[0].registry->keyTimeBefore, e.changes[0].registry->keyTimeBefore);
    EXPECT_EQ(back->changes[0].registry->key, e.changes[0].registry->key);
    EXPECT_EQ(back->changes[1].file->before[0].content, e.changes[1].file->before[0].content);
    EXPECT_EQ(back->changes[1].file->before[0].attributes, 0x27u);
    EXPECT_FALSE(back->changes[1].file->before[1].content);
}

TEST(Journal, DamagedEntriesAreNeverRestored) {
    const std::string text = Journal::serialize(sampleEntry());
    const std::string damaged[] = {
        text.substr(0, text.size() - 4),  // cut short: no end line
        text.substr(0, text.find("reg ")) +
            "reg 99 x x 1 0 x 0 x 0 x 0 x 0 x\nend\n",           // unknown kind
        "vantix-journal 2\nitem 1\nend\n",                       // another format
        text.substr(0, text.find("file ")) + "file 2 3\nend\n",  // too many befores
        std::string("vantix-journal 1\nitem 1\nletter xZZ\nend\n"),
        std::string(),
    };
    for (const auto& d : damaged) EXPECT_FALSE(Journal::parse(d)) << d;

    ScratchDir dir;
    Journal journal(dir.path());
    JournalEntry e = sampleEntry();
    journal.append(e);
    EXPECT_TRUE(journal.last(101));
    ScratchDir::write(journal.folder() / "0000000002-101.entry", text.substr(0, text.size() / 2));
    EXPECT_FALSE(journal.last(101)) << "the newest entry is damaged: nothing is restored";
    EXPECT_EQ(journal.lastOfEach().at(101).sequence, 1);
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
    session.apply({screens, "B", std::nullopt});
    EXPECT_FALSE(std::filesystem::exists(windows / "LOGOW.SYS"));
    EXPECT_EQ(ScratchDir::read(windows / "LOGOW.BAK"), "wait picture");
    EXPECT_TRUE(session.undo(screens).empty());
    EXPECT_EQ(image.snapshot(), before);
    EXPECT_EQ(
        platform::dosAttributes(windows / "LOGOW.SYS").value_or(0) & platform::dosattr::ReadOnly,
        platform::dosattr::ReadOnly);

    const auto recent = idOf(*image.database, "Recent documents list", 3);
    session.apply({recent, "B", std::nullopt});
    EXPECT_FALSE(std::filesystem::exists(windows / "RECENT" / "Letter.lnk"));
    EXPECT_TRUE(std::filesystem::exists(windows / "RECENT" / "keep.txt"));
    EXPECT_TRUE(session.undo(recent).empty());
    EXPECT_EQ(image.snapshot(), before);
}
