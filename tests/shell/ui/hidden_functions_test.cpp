#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "shell/ui/MainWindow.h"
#include "shell/ui/PictureButton.h"
#include "tests/shell/ui/ShellFixture.h"
#include "tweaks/ui/FilterBox.h"
#include "tweaks/ui/HiddenTreeView.h"

using namespace vantix::shell;
using vantix::tweaks::ui::HiddenTreeView;

// The function area of the main window on the shell's own catalogue and image.
class HiddenFunctionsTest : public QObject {
    Q_OBJECT

private slots:
    void theHiddGroupShowsTheTreeAndTheToolbarWorksOnIt() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("2CID");
        QCOMPARE(w->visibleArea(), MainWindow::Area::Functions);
        HiddenTreeView* tree = w->hiddenTreeView();
        QCOMPARE(tree->groupId(), std::int64_t(2));
        QVERIFY(tree->itemOfKey(QStringLiteral("101IID")));

        QTest::keyClicks(w->hiddenFilter(), QStringLiteral("extension"));
        QVERIFY(tree->itemOfKey(QStringLiteral("113IID"))->isHidden());
        QTest::keyClick(w->hiddenFilter(), Qt::Key_Escape);
        QVERIFY(!tree->itemOfKey(QStringLiteral("113IID"))->isHidden());

        tree->setCurrentItem(tree->itemOfKey(QStringLiteral("101IID")));
        tree->SetFunctionActive(false);
        QVERIFY(!tree->itemOfKey(QStringLiteral("101IID")));
        QSignalSpy reload(w, &MainWindow::showDeactivatedFunctions);
        w->ribbonButton(4, 0)->click();
        QCOMPARE(reload.count(), 1);
        QVERIFY(tree->showDeactivated());
        QVERIFY(tree->itemOfKey(QStringLiteral("101IID")));
        // The View menu reaches the tree directly; the button follows.
        tree->setShowDeactivated(false);
        QVERIFY(!w->ribbonButton(4, 0)->isChecked());
        tree->setSorted(true);
        QVERIFY(w->ribbonButton(4, 3)->isChecked());
        w->ribbonButton(4, 2)->click();
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        w->ribbonButton(4, 1)->click();
        QVERIFY(tree->topLevelItem(0)->isExpanded());
    }
};

QTEST_MAIN(HiddenFunctionsTest)
#include "hidden_functions_test.moc"
