#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QLineEdit>

#include "catalogue/Utilities.h"
#include "platform/database/Scramble.h"
#include "shell/AccessPassword.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/Twips.h"
#include "tests/shell/ui/ShellFixture.h"

using namespace vantix::shell;
namespace fs = std::filesystem;

class StartupTest : public QObject {
    Q_OBJECT

private:
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static void touch(const fs::path& file) { ScratchDir::write(file, "MZ"); }

    // Types into the logo window's prompt once start-up waits for it.
    static void typeAtPrompt(ShellFixture& f, const QString& text, int finalKey = 0) {
        QTimer::singleShot(20, [&f, text, finalKey] {
            QLineEdit* entry = f.shell->logoWindow()->passwordEntry();
            QTest::keyClicks(entry, text);
            if (finalKey) QTest::keyClick(entry, static_cast<Qt::Key>(finalKey));
        });
    }

    static fs::path userCopy(ShellFixture& f) {
        return f.image.scratch / "data" / "vantix" / "QUORVIA.MDE";
    }

    // The b-tree header of the page holding the root of `table` overwritten, as a bad sector would.
    static void overwriteRootPage(const fs::path& file, const std::string& table) {
        std::int64_t page = 0, pageSize = 0;
        {
            auto db = vantix::platform::Database::open(file, {.readOnly = true});
            page = db->scalar("SELECT rootpage FROM sqlite_master WHERE name = ?", {table})
                       ->toInteger();
            pageSize = db->scalar("PRAGMA page_size")->toInteger();
        }
        std::string bytes = ScratchDir::read(file);
        for (std::int64_t i = (page - 1) * pageSize; i < (page - 1) * pageSize + 12; ++i)
            bytes[static_cast<std::size_t>(i)] = '\x7f';
        ScratchDir::write(file, bytes);
    }

    // Start-up ends with one message, shows no main window, and leaves `file` as it was.
    static QString failedStartMessage(ShellFixture& f, const fs::path& file) {
        const std::string before = ScratchDir::read(file);
        Dialogs::setNextAnswer(Dialogs::Answer::Ok);
        const StartupOutcome outcome = f.start();
        [&] {
            QCOMPARE(outcome, StartupOutcome::DatabaseFailed);
            QCOMPARE(Dialogs::shownMessages().size(), 1);
            QVERIFY(!f.shell->mainWindow()->isVisible());
            QVERIFY(ScratchDir::read(file) == before);
        }();
        return Dialogs::shownMessages().isEmpty() ? QString() : Dialogs::shownMessages()[0].text;
    }

private slots:
    void emptyStoreOpensDefaultWindow() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow* w = f.shell->mainWindow();
        QVERIFY(w->isVisible());
        QCOMPARE(w->width(), twipsToPixelsX(8800, w));
        QCOMPARE(w->height(), twipsToPixelsY(7200, w));
        QCOMPARE(w->x(), twipsToPixelsX(pixelsToTwipsX(available().width(), w) / 2 - 4400, w));
        QCOMPARE(w->listView()->viewMode(), QListView::IconMode);
        QCOMPARE(w->listView()->flow(), QListView::LeftToRight);  // arranged along the top
        QVERIFY(!w->listView()->isSortingEnabled());
        QCOMPARE(w->infoFeld()->font().pointSize(), 8);
        QVERIFY(w->infoFeld()->font().bold());
        QVERIFY(!f.state.Starting);
        QVERIFY(f.shell->logoWindow() == nullptr);  // unloaded at the end of start-up
    }

    void storedWidthBelowMinimumGivesThreeThousand() {
        ShellFixture f;
        f.ordinaryStart();
        f.setSetting("Width", "1000");
        f.setSetting("Height", "9000");
        QCOMPARE(f.start(), StartupOutcome::Running);
        QCOMPARE(f.shell->mainWindow()->width(), twipsToPixelsX(3000, f.shell->mainWindow()));
        QCOMPARE(f.shell->mainWindow()->height(), twipsToPixelsY(9000, f.shell->mainWindow()));
    }

    void firstStartSeedsUtilitiesOnceAndCoversTheScreen_data() {
        QTest::addColumn<int>("platform");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<int>("missing");
        const QStringList win9x{"DEFRAG.EXE", "SCANDSKW.EXE", "CALC.EXE", "CHARMAP.EXE", "TASKMAN.EXE",
                                "NOTEPAD.EXE", "EXPLORER.EXE"};
        QTest::newRow("Windows 98, all present") << 3 << (win9x + QStringList{"TUNEUP.EXE", "SCANREGW.EXE"}) << 0;
        QTest::newRow("Windows 95, all present") << 2 << win9x << 0;
        QTest::newRow("Windows 98, two missing") << 3 << win9x << 2;
        QTest::newRow("NT 4, all present")
            << 1
            << QStringList{"WINMSD.EXE", "WINDISK.EXE", "TASKMGR.EXE", "RDISK.EXE", "PERFMON.EXE", "NTBACKUP.EXE",
                           "MUSRMGR.EXE", "DRWTSN32.EXE"}
            << 0;
    }
    void firstStartSeedsUtilitiesOnceAndCoversTheScreen() {
        QFETCH(int, platform);
        QFETCH(QStringList, programs);
        QFETCH(int, missing);
        ShellFixture f(static_cast<vantix::platform::WindowsPlatform>(platform));
        const std::string folder = platform == 1 ? f.image.machine->systemDir() : f.image.machine->windowsDir();
        for (const QString& program : programs)
            touch(*f.image.machine->hostPath(folder + "\\" + program.toStdString()));
        touch(f.image.program() / "DATABASE" / "DATABASE.EXE");
        const std::filesystem::path installed = f.image.program() / "QUORVIA.MDE";
        const std::string installedBefore = ScratchDir::read(installed);

        QCOMPARE(f.start(), StartupOutcome::Running);
        // The rows go into the user's copy; the program folder's catalogue is shared and only read.
        QVERIFY(ScratchDir::read(installed) == installedBefore);
        QCOMPARE(vantix::catalogue::groupUtilities(*vantix::platform::openCatalogue(installed), 195).size(), 0u);
        const std::size_t expected = platform == 1 ? 9 : platform == 2 ? 8 : 10;
        QCOMPARE(vantix::catalogue::groupUtilities(*f.state.Database, 195).size(), expected - missing);
        QCOMPARE(QString::fromStdString(f.store.Get("Settings", "FirstStart", "<gone>")), QStringLiteral("<gone>"));
        QCOMPARE(f.shell->mainWindow()->width(), twipsToPixelsX(pixelsToTwipsX(available().width())));
    }

    void passwordTypedInMixedCaseGrantsWithoutEnter() {
        ShellFixture f;
        f.ordinaryStart();
        storePassword(f.registry, "abc");
        typeAtPrompt(f, QStringLiteral("aBc"));
        QCOMPARE(f.start(), StartupOutcome::Running);
        QVERIFY(f.state.AccessGranted);
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void wrongPasswordWithEnterEndsWithTheMessage() {
        ShellFixture f;
        f.ordinaryStart();
        storePassword(f.registry, "abc");
        Dialogs::setNextAnswer(Dialogs::Answer::Ok);
        typeAtPrompt(f, QStringLiteral("ab"), Qt::Key_Return);
        QCOMPARE(f.start(), StartupOutcome::AccessDenied);
        QCOMPARE(Dialogs::shownMessages().size(), 1);
        QCOMPARE(Dialogs::shownMessages()[0].text, QStringLiteral("Sorry, wrong password!"));
        QCOMPARE(Dialogs::shownMessages()[0].icon, Dialogs::Icon::Information);
        QVERIFY(f.shell->mainWindow() == nullptr);
    }

    void escapeAtThePromptEndsSilently() {
        ShellFixture f;
        f.ordinaryStart();
        storePassword(f.registry, "abc");
        typeAtPrompt(f, QStringLiteral("a"), Qt::Key_Escape);
        QCOMPARE(f.start(), StartupOutcome::AccessDenied);
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void startSwitchOpensItsGroup_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("five digits") << QStringLiteral("/DS:00012");
        QTest::newRow("short number then more") << QStringLiteral("/DS:12 /X");
    }
    void startSwitchOpensItsGroup() {
        QFETCH(QString, commandLine);
        ShellFixture f;
        f.ordinaryStart();
        f.catalogue()->execute(
            "INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, CTRL_Info, CTRL_Icon, CTRL_Color, Mode) "
            "VALUES (12, 2, 2, 'Twelve', '*', 'Default Icon', 0, 'UTIL')");
        f.setSetting("LastCtrl", "3CID");
        QCOMPARE(f.start(commandLine.toStdString()), StartupOutcome::Running);
        QCOMPARE(f.shell->mainWindow()->openGroup(), QStringLiteral("12CID"));
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }

    void lastGroupComesBackWithoutSwitch() {
        ShellFixture f;
        f.ordinaryStart();
        f.setSetting("LastCtrl", "3CID");
        QCOMPARE(f.start(), StartupOutcome::Running);
        QCOMPARE(f.shell->mainWindow()->openGroup(), QStringLiteral("3CID"));
    }

    void foreignCatalogueEndsWithTheEnginesMessage() {
        ShellFixture f;
        f.ordinaryStart();
        ScratchDir::write(f.image.program() / "QUORVIA.MDE", "not a database at all, but long enough to look like one");
        Dialogs::setNextAnswer(Dialogs::Answer::Ok);
        QCOMPARE(f.start(), StartupOutcome::DatabaseFailed);
        QCOMPARE(Dialogs::shownMessages().size(), 1);
        QVERIFY(!Dialogs::shownMessages()[0].text.isEmpty());
        QVERIFY(!f.shell->mainWindow()->isVisible());
        QCOMPARE(QString::fromStdString(f.setting("DropDown_Ani")), QStringLiteral("<absent>"));
    }

    // The open reads only a few pages; the sidebar's table is damaged where it does not look.
    void damagedCopyFoundOnTheFirstReadEndsWithWhatTheFullCheckFound() {
        ShellFixture f;
        f.ordinaryStart();
        f.catalogue();  // the user's copy, made as the first start makes it
        overwriteRootPage(userCopy(f), "BAR_CONTROL");
        const QString message = failedStartMessage(f, userCopy(f));
        QVERIFY2(message.contains(QString::fromStdString("database disk image is malformed: " +
                                                         userCopy(f).string())),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Page ")), qPrintable(message));
    }

    void damagedCopyFoundAtOpenNamesTheFileAndThePage() {
        ShellFixture f;
        f.ordinaryStart();
        f.catalogue();
        overwriteRootPage(userCopy(f), "CATALOGUE_ACCESS");
        const QString message = failedStartMessage(f, userCopy(f));
        QVERIFY2(message.contains(QString::fromStdString("database disk image is malformed: " +
                                                         userCopy(f).string())),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Page ")), qPrintable(message));
    }

    // No copy yet: the installed file is the one that failed, and the one checked.
    void truncatedInstalledCatalogueIsNamedAtTheFirstStart() {
        ShellFixture f;
        f.ordinaryStart();
        const fs::path installed = f.image.program() / "QUORVIA.MDE";
        ScratchDir::write(installed, ScratchDir::read(installed).substr(0, 5000));
        const QString message = failedStartMessage(f, installed);
        QVERIFY2(message.contains(QString::fromStdString("database disk image is malformed: " +
                                                         installed.string())),
                 qPrintable(message));
        QVERIFY(!fs::exists(userCopy(f)));
    }

    // An intact database of another program passes the full check: its one message stays.
    void foreignDatabaseAsTheInstalledCatalogueKeepsItsOneMessage() {
        ShellFixture f;
        f.ordinaryStart();
        const fs::path installed = f.image.program() / "QUORVIA.MDE";
        fs::remove(installed);
        vantix::platform::Database::open(installed, {.create = true})
            ->executeScript("CREATE TABLE t (a);");
        const QString message = failedStartMessage(f, installed);
        QCOMPARE(message,
                 QString::fromStdString("Unrecognized database format '" + installed.string() +
                                        "': not a Vantix catalogue."));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
