#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <thread>

#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/traskel/TraskelEditor.h"
#include "modules/traskel/host/LibraryTrayLink.h"
#include "modules/traskel/tray/TrayProgram.h"
#include "platform/dde/DdeChannel.h"
#include "platform/windowing/ui/InstallWindowing.h"
#include "tests/lindrel32/BareImage.h"

using namespace vantix;
using namespace vantix::traskel;

namespace {

// The module's side of the conversation: its own view of the same image, as
// TRASKEL.EXE has in its own process.
struct ModuleSide {
    explicit ModuleSide(const std::filesystem::path& image)
        : machine(platform::Machine::open(image)),
          registry(*machine),
          functions(*machine),
          link(*machine, "/nonexistent/QVDDESVR.EXE"),
          editor(registry, functions, link, machine.get()) {}
    std::unique_ptr<platform::Machine> machine;
    lindrel32::QVREG registry;
    lindrel32::QVFKT functions;
    LibraryTrayLink link;
    TraskelEditor editor;
};

}  // namespace

class TrayConversationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::ui::installWindowing(); }

    void traskelsSaveRebuildsTheTrayAndEndEndsIt() {
        BareImage image;
        ScratchDir::write(image.driveC() / "Tools" / "EDIT.EXE", "MZ");
        tray::TrayProgram program(*image.machine);
        QVERIFY(program.listen());
        program.rebuild();
        QVERIFY(program.entries().empty());
        QVERIFY(!program.strip().isVisible());

        ModuleSide module(image.dir());
        QVERIFY(module.editor.addProgram("C:\\Tools\\EDIT.EXE"));
        QVERIFY(module.editor.addSpacer());
        QVERIFY(module.editor.addModule(
            {"Registry Editor", "C:\\VANTIX\\REGALTO.EXE", " Registry Editor Module"}));
        std::atomic<bool> saved{false};
        std::thread save([&] {
            module.editor.save();
            saved = true;
        });
        QTRY_VERIFY(saved);
        save.join();
        QCOMPARE(program.entries().size(), std::size_t{3});
        QVERIFY(program.strip().isVisible());
        QCOMPARE(program.strip().button(0)->toolTip(), QStringLiteral("Edit"));
        QVERIFY(!program.strip().button(1));  // the spacer is a gap
        QCOMPARE(program.strip().button(2)->toolTip(), QStringLiteral("Registry Editor (Modul)"));
        const auto actions = program.menu().actions();
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), QStringLiteral("Registry Editor (Modul)"));

        // A command the tray does not know is answered as not done.
        std::atomic<int> unknown{-1};
        std::thread ask([&] {
            unknown =
                platform::ddeExecute(*platform::ddeSocketPath(image.dir(), kTrayLink), "{REBOOT}")
                    ? 1
                    : 0;
        });
        QTRY_VERIFY(unknown != -1);
        ask.join();
        QCOMPARE(unknown.load(), 0);

        QSignalSpy ended(&program, &tray::TrayProgram::endRequested);
        std::atomic<bool> off{false};
        std::thread end([&] {
            module.editor.setTaskbarActive(false);
            off = true;
        });
        QTRY_VERIFY(off);
        end.join();
        QTRY_COMPARE(ended.count(), 1);
    }

    void anEntryWhoseWindowRunsIsRaisedInsteadOfStartedAgain() {
        BareImage image;
        lindrel32::QVREG registry(*image.machine);
        const std::string key(kTrayKey);
        registry.SetReg(key, "01 Datei", "C:\\VANTIX\\MISSING.EXE");  // starting it would fail
        registry.SetReg(key, "01 Name", "Registry Editor (Modul)");
        registry.SetReg(key, "01 Param", "/START");
        registry.SetReg(key, "01 Window", " Registry Editor Module");
        registry.SetReg(key, "02 Datei", "C:\\VANTIX\\MISSING.EXE");
        tray::TrayProgram program(*image.machine);
        program.rebuild();
        QVERIFY(!program.startEntry(1));  // not running, and its program is missing
        QWidget module;
        module.setWindowTitle(" Registry Editor Module");
        module.showMinimized();
        QTRY_VERIFY(module.isMinimized());
        QVERIFY(program.startEntry(0));
        QTRY_VERIFY(!module.isMinimized());
        // Its hidden form carries the caption the module looks for.
        lindrel32::QVFKT functions(*image.machine);
        std::int32_t start = 0;
        std::string caption(kTrayCaption);
        QVERIFY(functions.GET_TaskHandle(start, caption) != 0);
        QVERIFY(!program.form().isVisible());
    }

    void theTrayProgramRunsOncePerImageAndEndsOnEnd() {
        BareImage image;
        const QString tray = QStringLiteral(VANTIX_PROGRAM_DIR "/Module/QVDDESVR.EXE");
        const QStringList arguments{"--machine", QString::fromStdString(image.dir().string()),
                                    "/START"};
        QProcess first;
        first.start(tray, arguments);
        QVERIFY(first.waitForStarted());
        const auto socket = *platform::ddeSocketPath(image.dir(), kTrayLink);
        QTRY_VERIFY_WITH_TIMEOUT(platform::ddeExecute(socket, "{UPDATE_TRAY}"), 30000);

        QProcess second;
        second.start(tray, arguments);
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);  // silently: the first serves this image
        QCOMPARE(first.state(), QProcess::Running);

        QProcess init;  // the set-up step runs it with "/INIT": nothing to do
        init.start(tray, {"--machine", QString::fromStdString(image.dir().string()), "/INIT"});
        QVERIFY(init.waitForFinished(30000));
        QCOMPARE(init.exitCode(), 0);

        QVERIFY(platform::ddeExecute(socket, "{END}"));
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(!platform::ddeExecute(socket, "{UPDATE_TRAY}"));
    }
};

QTEST_MAIN(TrayConversationTest)
#include "TrayConversation_test.moc"
