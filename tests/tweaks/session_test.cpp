#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "ImageFixture.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "tweaks/ChangeText.h"

using namespace vantix;
using namespace vantix::tweaks;
using platform::WindowsPlatform;

namespace {

const std::string kAdvanced =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

std::int64_t idOf(platform::Database& db, const std::string& name, int platform) {
    for (const auto& f : listHiddenFunctions(db, platform))
        if (f.name == name) return f.id;
    ADD_FAILURE() << "no function " << name;
    return 0;
}

// Counts the opens of one file (any process, read or write) through inotify.
class OpenCount {
public:
    explicit OpenCount(const std::filesystem::path& file)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        watching_ = fd_ >= 0 && ::inotify_add_watch(fd_, file.c_str(), IN_OPEN) >= 0;
    }
    ~OpenCount() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenCount(const OpenCount&) = delete;
    OpenCount& operator=(const OpenCount&) = delete;
    bool watching() const { return watching_; }
    // The opens since the last call.
    int take() {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->mask & IN_OPEN) ++opens;
                at += sizeof(inotify_event) + event->len;
            }
        return opens;
    }

private:
    int fd_;
    bool watching_ = false;
};

}  // namespace

TEST(Session, AnApplyOpensOnlyTheHivesItsCommandsName) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    OpenCount systemHive(image.scratch / "image" / "system.reg");
    OpenCount userHive(image.scratch / "image" / "user.reg");
    ASSERT_TRUE(systemHive.watching() && userHive.watching());

    // "File name extensions": one value in user.reg, no placeholder.
    const auto extensions = idOf(*image.database, "File name extensions", 3);
    const auto function = session.open(extensions);
    EXPECT_EQ(session.state(function).currentValue, "1");
    ASSERT_TRUE(session.apply({extensions, "A", std::nullopt}).journalled);
    EXPECT_EQ(session.state(function).currentValue, "0");
    EXPECT_TRUE(session.undo(extensions).undone);
    EXPECT_GT(userHive.take(), 0);
    EXPECT_EQ(systemHive.take(), 0) << "the machine's hive is named by no command";

    // A function of the machine's settings does read it, so the watch sees opens.
    const auto writeBehind = idOf(*image.database, "Write-behind caching", 3);
    ASSERT_TRUE(session.apply({writeBehind, "B", std::nullopt}).journalled);
    EXPECT_GT(systemHive.take(), 0);
}

TEST(Session, AFreshImageShowsTheDefaultAndApplyChangesWhatThePreviewSaid) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    const auto id = idOf(*image.database, "File name extensions", 3);
    const auto function = session.open(id);
    PageState state = session.state(function);
    EXPECT_EQ(state.currentValue, "1");
    EXPECT_EQ(state.selectedOption, 2);
    EXPECT_EQ(session.drift(function, state, std::nullopt), Drift::Default);

    const auto before = image.snapshot();
    const ApplyOutcome preview = session.preview({id, "A", std::nullopt});
    EXPECT_EQ(image.snapshot(), before) << "a preview writes nothing";
    const auto previewText = describeChanges(preview.changes);
    ASSERT_EQ(previewText.size(), 1u);
    EXPECT_EQ(previewText[0],
              "registry " + kAdvanced +
                  " \"HideFileExt\": REG_DWORD 1 (0x00000001) -> REG_DWORD 0 (0x00000000)");

    const ApplyOutcome applied = session.apply({id, "A", std::nullopt});
    EXPECT_EQ(describeChanges(applied.changes), previewText);
    EXPECT_EQ(lindrel32::QVREG(*image.machine).GetReg(kAdvanced, "HideFileExt", "D"), "0");
    state = session.state(function);
    EXPECT_EQ(state.selectedOption, 1);
    EXPECT_EQ(session.drift(function, state, session.journal().last(id)), Drift::ChangedByVantix);

    EXPECT_TRUE(session.undo(id).undone);
    EXPECT_EQ(image.snapshot(), before) << "undo restores every byte";
    EXPECT_THROW(session.undo(id), TweakError);
}

TEST(Session, UndoRemovesWhatDidNotExistAndDriftSeesOtherChanges) {
    ImageFixture image(WindowsPlatform::Win95);
    auto& session = *image.session;
    const auto id = idOf(*image.database, "Run command", 2);
    const auto before = image.snapshot();
    session.apply({id, "B", std::nullopt});  // the policy value is created
    lindrel32::QVREG reg(*image.machine);
    const std::string policies =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    EXPECT_EQ(reg.GetReg(policies, "NoRun", "D"), "1");
    EXPECT_TRUE(session.undo(id).undone);
    EXPECT_EQ(reg.GetReg(policies, "NoRun", "D"), "NO Key");
    EXPECT_EQ(image.snapshot(), before);

    const auto blink = idOf(*image.database, "Cursor blink rate", 2);
    const auto function = session.open(blink);
    session.apply({blink, "A", std::string("600")});
    auto drift = [&] {
        return session.drift(function, session.state(function), session.journal().last(blink));
    };
    EXPECT_EQ(drift(), Drift::ChangedByVantix);
    const std::string desktop = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
    reg.SetReg(desktop, "CursorBlinkRate", "700");  // someone else
    EXPECT_EQ(drift(), Drift::ChangedElsewhere);
    reg.SetReg(desktop, "CursorBlinkRate", "530");
    EXPECT_EQ(drift(), Drift::ChangedElsewhere)
        << "not as the last apply left it, even at the default";
}

TEST(Session, IniAndFileFunctionsAreUndoneByteForByte) {
    ImageFixture image(WindowsPlatform::Win98);
    auto& session = *image.session;
    const auto menu = idOf(*image.database, "Start-up menu", 3);
    const auto before = image.snapshot();
    const auto preview = describeChanges(session.preview({menu, "B", std::nullopt}).changes);
    session.apply({menu, "B", std::nullopt});
    EXPECT_EQ(lindrel32::QVFKT(*image.machine).GET_Ini("C:\\MSDOS.SYS", "Options", "BootMenu"),
              "1");
    EXPECT_TRUE(lindrel32::QVFKT(*image.machine).GET_FileExist("C:\\MSDOS.VTX"));
    EXPECT_EQ(session.state(session.open(menu)).selectedOption, 2);
    EXPECT_FALSE(preview.empty());
    EXPECT_TRUE(session.undo(menu).undone);
    EXPECT_EQ(image.snapshot(), before);
}

TEST(Session, RequestsThePageCouldNotMakeAreRefused) {
    ImageFixture image(WindowsPlatform::Nt4);
    auto& session = *image.session;
    const auto slider = idOf(*image.database, "Cursor blink rate", 1);
    EXPECT_THROW(session.preview({slider, "A", std::nullopt}), TweakError);
    EXPECT_THROW(session.preview({slider, "A", std::string("5000")}), TweakError);
    EXPECT_THROW(session.preview({slider, "A", std::string("12x")}), TweakError);
    EXPECT_THROW(session.preview({slider, "C", std::string("600")}), TweakError);
    const auto option = idOf(*image.database, "Window animation", 1);
    EXPECT_THROW(session.preview({option, "A", std::string("1")}), TweakError);
    session.apply({slider, "A", std::string("600")});
    EXPECT_EQ(session.state(session.open(slider)).slider.position, 600);
}
