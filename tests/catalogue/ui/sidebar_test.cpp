#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include "catalogue/SideBarData.h"
#include "catalogue/ui/SideBar.h"
#include "catalogue/ui/SideBarFill.h"
#include "tests/catalogue/TestCatalogue.h"
#include "tests/catalogue/ui/WarningGuard.h"

using namespace vantix::catalogue;
using namespace vantix::catalogue::ui;

class SideBarTest : public QObject {
    Q_OBJECT
    WarningGuard guard_;

private:
    // Drops the group `key` at `point` of `target`, as the end of a drag does.
    static void drop(QWidget* target, const QString& key, const QPoint& point) {
        QMimeData data;
        data.setData(GroupList::kMimeType, key.toUtf8());
        QDragEnterEvent enter(point, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(point, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

private slots:
    void cleanup() {
        const QStringList warnings = WarningGuard::take();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("\n")));
    }

    void fillsFoldersGroupsAndSwitches() {
        TestCatalogue catalogue;
        SideBar bar;
        fillSideBarWidget(bar, FillSideBar(*catalogue.database), *catalogue.host);
        QCOMPARE(bar.folderKeys(), (QStringList{"1GID", "2GID", "3GID"}));
        QCOMPARE(bar.currentFolder(), QString("1GID"));
        QCOMPARE(bar.groupKeys("3GID"), (QStringList{"195CID", "4CID"}));
        QCOMPARE(bar.folderBackColor("1GID"), QColor(0, 128, 128));  // 8421376 = &H808000: blue 128, green 128
        QCOMPARE(bar.groupList()->count(), 2);
        bar.setCurrentFolder("2GID");
        QVERIFY(bar.groupList()->item(0)->font().bold());  // folder 2 stores bold names in FLDR_SmalSymb
        bar.setCurrentFolder("3GID");
        QCOMPARE(bar.groupList()->iconSize(), QSize(16, 16));  // and folder 3 small icons in FLDR_BoldCtrl
        QCOMPARE(storedColor(0x8000000F), QApplication::palette().color(QPalette::Button));
        QCOMPARE(storedColor(-2147483633), storedColor(0x8000000F));
    }

    void selectingAGroupOpensItsFolderAndClicksReportIt() {
        TestCatalogue catalogue;
        SideBar bar;
        fillSideBarWidget(bar, FillSideBar(*catalogue.database), *catalogue.host);
        QSignalSpy folders(&bar, &SideBar::folderClicked);
        bar.selectGroup("195CID");
        QCOMPARE(bar.currentFolder(), QString("3GID"));
        QVERIFY(bar.groupList()->item(0)->isSelected());
        bar.folderBar("3GID")->click();
        QCOMPARE(folders.count(), 0);  // the open folder again: nothing
        bar.folderBar("1GID")->click();
        QCOMPARE(folders.count(), 1);
        QCOMPARE(bar.currentFolder(), QString("1GID"));
    }

    void dragWithinAFolderThenSavingWritesDensePositions() {
        TestCatalogue catalogue;
        catalogue.database->execute(
            "INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (30, 1, 9, 'Third', 'UTIL')");
        SideBar bar;
        bar.resize(200, 600);
        fillSideBarWidget(bar, FillSideBar(*catalogue.database), *catalogue.host);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy dropped(&bar, &SideBar::groupsDropped);
        auto* list = bar.groupList();
        const QRect first = list->visualItemRect(list->item(0));
        drop(list->viewport(), "30CID", first.topLeft() + QPoint(2, 2));
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(bar.groupKeys("1GID"), (QStringList{"30CID", "1CID", "2CID"}));
        SaveSideBarOrder(*catalogue.database, bar.order());
        QCOMPARE(catalogue.count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 30"), 1);
        QCOMPARE(catalogue.count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 2"), 3);
    }

    void dropOnAnotherFolderBarMovesTheGroupThere() {
        TestCatalogue catalogue;
        SideBar bar;
        bar.resize(200, 600);
        fillSideBarWidget(bar, FillSideBar(*catalogue.database), *catalogue.host);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy dropped(&bar, &SideBar::groupsDropped);
        QPushButton* target = bar.folderBar("2GID");
        drop(target, "1CID", target->rect().center());
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(bar.currentFolder(), QString("2GID"));
        QCOMPARE(bar.groupKeys("2GID"), (QStringList{"3CID", "1CID"}));
        SaveSideBarOrder(*catalogue.database, bar.order());
        QCOMPARE(catalogue.count("SELECT BAR_ID FROM BAR_CONTROL WHERE ID = 1"), 2);
        QCOMPARE(catalogue.count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 1"), 2);
        QCOMPARE(catalogue.count("SELECT CTRL_Folge FROM BAR_CONTROL WHERE ID = 2"), 1);
    }

    void pointsTellGroupsFromTheOpenFolderCaption() {
        TestCatalogue catalogue;
        SideBar bar;
        bar.resize(200, 600);
        fillSideBarWidget(bar, FillSideBar(*catalogue.database), *catalogue.host);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        auto* list = bar.groupList();
        const QPoint onGroup = list->viewport()->mapTo(&bar, list->visualItemRect(list->item(1)).center());
        QCOMPARE(bar.groupAt(onGroup), QString("2CID"));
        const QPoint onCaption = bar.folderBar("1GID")->geometry().center();
        QCOMPARE(bar.groupAt(onCaption), QString());
        QCOMPARE(bar.openFolderCaptionAt(onCaption), QString("1GID"));
        QCOMPARE(bar.openFolderCaptionAt(bar.folderBar("2GID")->geometry().center()), QString());
    }
};

QTEST_MAIN(SideBarTest)
#include "sidebar_test.moc"
