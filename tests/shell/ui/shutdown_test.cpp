#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <cstdlib>
#include <string>

#include "shell/ui/LogoWindow.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/Twips.h"
#include "tests/shell/ui/ShellFixture.h"

using namespace vantix::shell;

class ShutdownTest : public QObject {
    Q_OBJECT

private slots:
    void closeSavesTheWindowAndTheControls() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow* w = f.shell->mainWindow();
        w->move(twipsToPixelsX(600, w), twipsToPixelsY(300, w));
        w->ribbonButton(3, 2)->click();  // list mode
        w->ribbonButton(2, 0)->click();  // along the left edge
        f.shell->openGroup("195CID");
        w->close();
        QCOMPARE(QString::fromStdString(f.setting("ListViewView")), QStringLiteral("2"));
        QCOMPARE(QString::fromStdString(f.setting("ListViewArrange")), QStringLiteral("1"));
        QCOMPARE(QString::fromStdString(f.setting("LastCtrl")), QStringLiteral("195CID"));
        // Twips of whole pixels: within one pixel of what start-up asked for.
        QVERIFY(std::abs(std::stoi(f.setting("Width")) - 8800) < 1440 / w->logicalDpiX() + 1);
        QCOMPARE(QString::fromStdString(f.setting("Left")), QStringLiteral("600"));
        QCOMPARE(QString::fromStdString(f.setting("CaptionBackColor")), QStringLiteral("-2147483633"));
    }

    void minimisedWindowKeepsTheSavedPosition() {
        ShellFixture f;
        f.ordinaryStart();
        f.setSetting("Left", "1500");
        f.setSetting("Top", "900");
        f.setSetting("Width", "9000");
        f.setSetting("Height", "8000");
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow* w = f.shell->mainWindow();
        w->resize(twipsToPixelsX(4500, w), twipsToPixelsY(4500, w));
        w->showMinimized();
        QVERIFY(w->isMinimized());
        w->close();
        QCOMPARE(QString::fromStdString(f.setting("Left")), QStringLiteral("1500"));
        QCOMPARE(QString::fromStdString(f.setting("Width")), QStringLiteral("9000"));
        QCOMPARE(QString::fromStdString(f.setting("Height")), QStringLiteral("8000"));
        QCOMPARE(QString::fromStdString(f.setting("DropDown_Ani")), QStringLiteral("True"));  // the rest is saved
    }

    void noSavedPositionWhenSwitchedOff() {
        ShellFixture f;
        f.ordinaryStart();
        f.setSetting("SaveLastWinPos", "False");
        QCOMPARE(f.start(), StartupOutcome::Running);
        f.shell->mainWindow()->close();
        QCOMPARE(QString::fromStdString(f.setting("Width")), QStringLiteral("<absent>"));
        QCOMPARE(QString::fromStdString(f.setting("SaveLastWinPos")), QStringLiteral("False"));
    }

    void closingUnloadsTheOtherWindows() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        QWidget other;
        other.show();
        f.shell->mainWindow()->close();
        QVERIFY(!other.isVisible());
    }
};

QTEST_MAIN(ShutdownTest)
#include "shutdown_test.moc"
