#include <QCheckBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "catalogue/ui/SideBar.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PicturePane.h"
#include "shell/ui/SoundPlayer.h"
#include "tests/shell/ui/ShellFixture.h"
#include "tweaks/ui/HiddenTreeView.h"

using namespace vantix::shell;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    static void started(ShellFixture& f) {
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
    }

private slots:
    void dropDownGrowsInStepsOrAtOnce() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        w->ShowDropDown(true);
        QVERIFY(w->dropDownShown());
        const auto& steps = w->lastDropDownSteps();
        QVERIFY(steps.size() > 1);
        for (std::size_t i = 0; i < steps.size(); ++i)
            QCOMPARE(steps[i], std::int32_t(30 + 200 * i));
        // Folders as roots with their groups, the open group selected.
        QTreeWidget* tree = w->dropDownView();
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->data(0, Qt::UserRole).toString(), QStringLiteral("1GID"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->data(0, Qt::UserRole).toString(),
                 QStringLiteral("1CID"));
        QCOMPARE(tree->currentItem()->data(0, Qt::UserRole).toString(), w->openGroup());
        w->ShowDropDown(false);
        QVERIFY(!w->dropDownShown());
        QVERIFY(w->listView()->isVisible());

        f.state.Settings.DropDown_Ani = false;
        w->ShowDropDown(true);
        QVERIFY(w->lastDropDownSteps().empty());
        QVERIFY(tree->isVisible());
    }

    void navigationTreeOpensAGroupAndGoesAway() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        w->ShowDropDown(true);
        QTreeWidgetItem* tools = w->dropDownView()->topLevelItem(2);
        QTreeWidgetItem* group195 = nullptr;
        for (int i = 0; i < tools->childCount(); ++i)
            if (tools->child(i)->data(0, Qt::UserRole).toString() == QLatin1String("195CID"))
                group195 = tools->child(i);
        QVERIFY(group195);
        emit w->dropDownView()->itemClicked(group195, 0);
        QCOMPARE(w->openGroup(), QStringLiteral("195CID"));
        QVERIFY(!w->dropDownShown());
        QCOMPARE(f.shell->sideBar()->selectedGroup(), QStringLiteral("195CID"));
    }

    void titlePanelClickTogglesTheTree() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        f.state.Settings.DropDown_Ani = false;
        QTest::mouseClick(w->titlePanel(), Qt::LeftButton);
        QVERIFY(w->dropDownShown());
        QTest::mouseClick(w->titlePanel(), Qt::LeftButton);
        QVERIFY(!w->dropDownShown());
    }

    void statusBarShowsDescriptionsButNotTheStar() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        emit f.shell->sideBar()->groupHovered(QStringLiteral("1CID"),
                                              QStringLiteral("The applets"));
        QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("The applets"));
        emit f.shell->sideBar()->groupHovered(QStringLiteral("4CID"), QStringLiteral("*"));
        QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("The applets"));
        emit f.shell->sideBar()->groupHovered(QString(), QString());
        QVERIFY(w->statusBar()->currentMessage().isEmpty());
    }

    void soundsOnlyWhenSwitchedOnAndNotForTheOpenGroup() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        SoundPlayer* sound = w->soundPlayer();
        const QString open = w->openGroup();
        emit f.shell->sideBar()->groupClicked(QStringLiteral("195CID"));
        QVERIFY(sound->played().isEmpty());  // "Sound" is off by default
        f.state.Settings.Sound = true;
        emit f.shell->sideBar()->groupClicked(QStringLiteral("195CID"));  // already open
        QVERIFY(sound->played().isEmpty());
        emit f.shell->sideBar()->groupClicked(open);
        QCOMPARE(sound->played().size(), 1);
        QVERIFY(sound->played()[0].endsWith(QLatin1String("Sound/CTRL_KLICK.WAV")));
        QCOMPARE(w->openGroup(), open);
    }

    void toolbarSetsTheListAndTree() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        w->ribbonButton(3, 1)->click();
        QCOMPARE(w->currentViewSettings().ListViewView, std::int16_t(1));
        QCOMPARE(w->listView()->viewMode(), QListView::ListMode);
        w->ribbonButton(1, 1)->click();
        QVERIFY(w->listView()->isSortingEnabled());
        w->ribbonButton(4, 3)->click();
        QVERIFY(w->hiddenTreeView()->isSortingEnabled());
        w->ribbonButton(4, 1)->click();
        QVERIFY(!w->ribbonButton(4, 1)->isChecked());  // expand releases its button
        w->ribbonButton(5, 0)->click();
        QVERIFY(!w->infoFeld()->parentWidget()->isHidden());
        w->ribbonButton(5, 0)->click();
        QVERIFY(w->infoFeld()->parentWidget()->isHidden());
        w->indentSlider()->setValue(480);
        QCOMPARE(w->currentViewSettings().HiddenNodeDiff, std::int16_t(480));
        w->boldBox()->setChecked(false);
        QVERIFY(!w->infoFeld()->font().bold());
        QSignalSpy reload(w, &MainWindow::showDeactivatedObjects);
        w->ribbonButton(1, 0)->click();
        QCOMPARE(reload.count(), 1);
    }

    void f8TwiceRestoresLabelWrapping() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        const bool before = w->listView()->wordWrap();
        QTest::keyClick(w, Qt::Key_F8);
        QCOMPARE(w->listView()->wordWrap(), !before);
        QTest::keyClick(w, Qt::Key_F8);
        QCOMPARE(w->listView()->wordWrap(), before);
    }

    void buttonsDoNothingWhileStarting() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        f.state.Starting = true;
        QSignalSpy reload(w, &MainWindow::showDeactivatedObjects);
        w->ribbonButton(1, 0)->click();
        w->ribbonButton(1, 1)->click();
        QCOMPARE(reload.count(), 0);
        QVERIFY(!w->listView()->isSortingEnabled());
    }

    void autoScrollSendsCtrlArrowsEveryEightyMilliseconds() {
        ShellFixture f;
        started(f);
        MainWindow* w = f.shell->mainWindow();
        QTreeWidget* tree = w->hiddenTreeView();
        for (int i = 0; i < 5; ++i)
            tree->addTopLevelItem(new QTreeWidgetItem({QString::number(i)}));
        tree->setCurrentItem(tree->topLevelItem(0));
        w->setAutoScroll(2);
        QTRY_VERIFY_WITH_TIMEOUT(tree->currentIndex().row() > 0, 1000);
        w->setAutoScroll(0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
