#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "catalogue/CatalogueKeys.h"
#include "catalogue/ui/Form2.h"
#include "catalogue/ui/Form3.h"
#include "catalogue/ui/ObjectListView.h"
#include "catalogue/ui/SideBar.h"
#include "platform/text/Text.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PicturePane.h"
#include "tests/shell/ui/ShellDriver.h"
#include "tweaks/ui/HiddenTreeView.h"

using namespace vantix::shell;
using vantix::catalogue::ui::Form2;
using vantix::catalogue::ui::Form3;

namespace {

// Control Panel files in the image's system folder, so that the Control Panel group lists applets.
void installApplets(ShellFixture& f) {
    for (const char* file : {"DESK.CPL", "TIMEDATE.CPL"}) {
        const auto host = f.image.machine->hostPath(f.image.machine->systemDir() + "\\" + file);
        std::ofstream(*host) << "MZ";
    }
}

std::int64_t number(ShellFixture& f, const std::string& sql) {
    return f.state.Database->scalar(sql)->toInteger();
}

class RecordingTree final : public HiddenTreeCommands {
public:
    void expandAll() override { calls << "expand"; }
    void collapseAll() override { calls << "collapse"; }
    void toggleShowDeactivated() override { calls << "deactivated"; }
    void toggleSorted() override { calls << "sorted"; }
    QStringList calls;
};

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarFollowsTheKindOfTheOpenGroup() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        QStringList titles;
        for (QAction* action : w->menuBar()->actions()) titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Help"}));
        f.shell->openGroup("2CID");
        for (int id : {320, 330, 350, 360, 370})
            QVERIFY(!w->commandAction("Ansicht", id)->isVisible());
        QVERIFY(w->commandAction("Ansicht", 300)->isVisible());
        QVERIFY(w->commandAction("Ansicht", 305)->isVisible());
        f.shell->openGroup("195CID");
        QVERIFY(w->commandAction("Ansicht", 310)->isVisible());
        QVERIFY2(!w->commandAction("Ansicht", 310)->isEnabled(), "greyed for tools and utilities");
        QVERIFY(!w->commandAction("Ansicht", 300)->isVisible());
        f.shell->openGroup("1CID");
        QVERIFY(w->commandAction("Ansicht", 310)->isEnabled());
        QVERIFY(w->commandAction("Bearbeiten", 270)->isVisible());
    }

    void sideBarPopUpByPlace() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        QMenu* menu = w->bandMenu("Popup_SideBar");
        driver::rightClickGroup(*f.shell->sideBar(), "1CID");
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(w->commandAction("Popup_SideBar", 820)->isVisible());
        QVERIFY(w->commandAction("Popup_SideBar", 830)->isVisible());
        QVERIFY(!w->commandAction("Popup_SideBar", 850)->isVisible());
        menu->hide();
        driver::rightClickFolderBar(*f.shell->sideBar(), w->openFolder());
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!w->commandAction("Popup_SideBar", 820)->isVisible());
        QVERIFY(w->commandAction("Popup_SideBar", 850)->isVisible());
        QVERIFY(w->commandAction("Popup_SideBar", 810)->isVisible());
        menu->hide();
        const QString other = f.shell->sideBar()->folderKeys().last();
        driver::rightClickFolderBar(*f.shell->sideBar(), other);
        QTest::qWait(50);
        QVERIFY2(!menu->isVisible(), "the bar of a folder that is not open shows nothing");
    }

    void newFolderThenNewGroupThroughTheirDialogs() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        Dialogs::setNextColor(0x00336699);
        driver::whenModal<Form3>([](Form3* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" New Folder"));
            Dialogs::setNextAnswer(Dialogs::Answer::Ok);
            QTest::mouseClick(dialog->button(1),
                              Qt::LeftButton);  // no name yet: refused, stays open
            QTest::keyClicks(dialog->nameField(), "Work");
            dialog->check(0)->click();
            dialog->check(1)->click();
            QTest::mouseClick(dialog->colorField(), Qt::LeftButton);
            QTest::mouseClick(dialog->button(1), Qt::LeftButton);
        });
        w->commandAction("Bearbeiten", 240)->trigger();
        QCOMPARE(Dialogs::shownMessages().first().text,
                 QStringLiteral("You must enter a name for the folder!"));
        QCOMPARE(Dialogs::shownMessages().first().title, QStringLiteral("Error!"));
        QCOMPARE(f.shell->sideBar()->folderCount(), 4);
        const QString folder = w->openFolder();
        QCOMPARE(f.shell->sideBar()->currentFolder(), folder);
        const std::string id =
            std::to_string(vantix::catalogue::leadingNumber(folder.toStdString()));
        QCOMPARE(
            number(f, "select FLDR_SmalSymb + 2 * FLDR_BoldCtrl from BAR_FOLDER where ID = " + id),
            3);
        QCOMPARE(number(f, "select FLDR_BackColor from BAR_FOLDER where ID = " + id), 0x00336699);

        driver::whenModal<Form2>([](Form2* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" New Group"));
            QCOMPARE(dialog->field(0)->text(), QStringLiteral("Work"));
            Dialogs::setNextAnswer(Dialogs::Answer::Ok);
            QTest::mouseClick(dialog->button(1), Qt::LeftButton);
            QTest::keyClicks(dialog->field(1), "Scratch");
            dialog->kindOption(3)->click();
            dialog->tabs()->setCurrentIndex(1);
            QTest::keyClicks(dialog->field(4), "C:\\WINDOWS\\NOSUCH.EXE");
            QTest::mouseClick(dialog->button(1), Qt::LeftButton);
        });
        w->commandAction("Bearbeiten", 210)->trigger();
        QCOMPARE(Dialogs::shownMessages().last().title, QStringLiteral("Input error!"));
        QCOMPARE(w->openMode(), std::string("UTIL"));
        const std::string group =
            std::to_string(vantix::catalogue::leadingNumber(w->openGroup().toStdString()));
        QCOMPARE(number(f, "select count(*) from BAR_CONTROL where BAR_ID = " + id +
                               " and CTRL_Info = '*' and "
                               "CTRL_Icon = 'Default Icon' and ID = " +
                               group),
                 1);
        QVERIFY(driver::groupItem(*f.shell->sideBar(), w->openGroup()));
    }

    void groupEditedAndDeletedFromItsPopUp() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("195CID");
        driver::whenModal<Form2>([](Form2* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Edit Group Properties"));
            QVERIFY(dialog->kindOption(3)->isChecked());
            for (int i = 0; i < 4; ++i) QVERIFY(!dialog->kindOption(i)->isEnabled());
            QVERIFY2(dialog->field(2)->text().isEmpty(), "the description \"*\" shows empty");
            QCOMPARE(dialog->field(4)->text(), QStringLiteral("Default Icon"));
            dialog->field(1)->setText("Mine");
            QTest::mouseClick(dialog->button(1), Qt::LeftButton);
        });
        driver::rightClickGroup(*f.shell->sideBar(), "4CID");
        driver::pick(w->bandMenu("Popup_SideBar"), w->commandAction("Popup_SideBar", 830));
        QTRY_COMPARE(f.shell->sideBar()->groupCaption("4CID"), QStringLiteral("Mine"));
        QCOMPARE(number(f, "select count(*) from BAR_CONTROL where ID = 4 and Mode = 'UTIL'"), 1);

        f.state.Settings.Sicherheit = true;
        Dialogs::setNextAnswer(Dialogs::Answer::Yes);
        driver::rightClickGroup(*f.shell->sideBar(), "4CID");
        driver::pick(w->bandMenu("Popup_SideBar"), w->commandAction("Popup_SideBar", 820));
        QTRY_VERIFY(!f.shell->sideBar()->groupKeys("3GID").contains("4CID"));
        QCOMPARE(Dialogs::shownMessages().last().text, QStringLiteral("Mine Really delete?"));
        QCOMPARE(w->openGroup(), QStringLiteral("195CID"));
    }

    void folderPropertiesFromThePopUpOfItsBar() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        driver::whenModal<Form3>([](Form3* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Edit Folder Properties"));
            QCOMPARE(dialog->nameField()->text(), QStringLiteral("Windows"));
            QVERIFY(!dialog->check(0)->isChecked());
            dialog->nameField()->setText("System");
            dialog->check(0)->click();
            QTest::mouseClick(dialog->button(1), Qt::LeftButton);
        });
        driver::rightClickFolderBar(*f.shell->sideBar(), "1GID");
        driver::pick(w->bandMenu("Popup_SideBar"), w->commandAction("Popup_SideBar", 860));
        QTRY_COMPARE(f.shell->sideBar()->folderBar("1GID")->text(), QStringLiteral("System"));
        QCOMPARE(number(f, "select FLDR_SmalSymb from BAR_FOLDER where ID = 1"), 1);
        QCOMPARE(w->openFolder(), QStringLiteral("1GID"));
        QCOMPARE(w->openGroup(), QStringLiteral("1CID"));
    }

    void deletingTheOpenFolderOpensItsNeighbour() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("3CID");
        QCOMPARE(w->openFolder(), QStringLiteral("2GID"));
        f.state.Settings.Sicherheit = false;
        w->commandAction("Bearbeiten", 250)->trigger();  // confirmation off: no question
        QCOMPARE(f.shell->sideBar()->folderKeys(), (QStringList{"1GID", "3GID"}));
        QCOMPARE(w->openFolder(), QStringLiteral("1GID"));
        QCOMPARE(w->openGroup(), QStringLiteral("1CID"));
        QCOMPARE(number(f, "select count(*) from BAR_CONTROL where ID = 3"), 0);
    }

    void deletingTheLastGroupOfAFolderClearsTheMainArea() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("3CID");
        f.state.Settings.Sicherheit = false;
        driver::rightClickGroup(*f.shell->sideBar(), "3CID");
        driver::pick(w->bandMenu("Popup_SideBar"), w->commandAction("Popup_SideBar", 820));
        QTRY_VERIFY(w->mainAreaCleared());
        QCOMPARE(w->titlePanel()->text(), QStringLiteral(" "));
        QVERIFY(!w->listView()->isVisible());
        QVERIFY(w->openGroup().isEmpty());
    }

    void appletsDeactivatedAndActivatedFromTheListPopUp() {
        ShellFixture f;
        installApplets(f);
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("1CID");
        auto* list = f.shell->objectList();
        QCOMPARE(list->count(), 2);
        const QString name = list->item(0)->text();
        const int before = list->count();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(!w->commandAction("Objekte", 271)->isVisible());
        driver::pick(w->bandMenu("Objekte"), w->commandAction("Objekte", 272));
        QTRY_COMPARE(list->count(), before - 1);
        QCOMPARE(f.store.Get("HiddenControls\\Control_ID1", name.toStdString(), ""),
                 std::string("0"));

        w->commandAction("Ansicht", 310)->trigger();  // show the deactivated ones
        QCOMPARE(list->count(), before);
        const auto found = list->findItems(name, Qt::MatchExactly);
        QVERIFY(list->isGhosted(list->row(found.front())));
        const QRect spot = list->visualItemRect(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, spot.center());
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, spot.center());
        QVERIFY(!w->commandAction("Objekte", 272)->isVisible());
        driver::pick(w->bandMenu("Objekte"), w->commandAction("Objekte", 271));
        QTRY_COMPARE(f.store.Get("HiddenControls\\Control_ID1", name.toStdString(), "gone"),
                     std::string("gone"));
    }

    void emptySpotOfTheListPopsUpTheViewMenu() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("3CID");
        auto* list = f.shell->objectList();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->viewport()->rect().bottomRight() - QPoint(5, 5));
        QTRY_VERIFY(w->bandMenu("Ansicht")->isVisible());
        driver::pick(w->bandMenu("Ansicht"), w->commandAction("Ansicht", 360));
        QVERIFY(w->ribbonButton(3, 1)->isChecked());
    }

    void groupShortcutOnTheDesktopStartsTheShellOnItsImage() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        driver::rightClickGroup(*f.shell->sideBar(), "1CID");
        QTRY_VERIFY(w->bandMenu("Popup_SideBar")->isVisible());
        w->commandAction("Verknüpfung", 871)->trigger();
        w->bandMenu("Popup_SideBar")->hide();
        const auto desktop =
            f.image.machine->hostPath("C:\\WINDOWS\\Desktop\\Control Panel.desktop");
        QVERIFY(desktop && std::filesystem::exists(*desktop));
        std::ifstream in(*desktop);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        QVERIFY2(text.find("--machine " + f.image.machine->dir().string() + " /DS:00001") !=
                     std::string::npos,
                 text.c_str());
    }

    void shortcutsOnNtGoToTheProfilesProgramsFolder() {
        ShellFixture f(vantix::platform::WindowsPlatform::Nt4);
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        driver::rightClickGroup(*f.shell->sideBar(), "1CID");
        QTRY_VERIFY(w->bandMenu("Popup_SideBar")->isVisible());
        w->commandAction("Verknüpfung", 873)->trigger();
        w->bandMenu("Popup_SideBar")->hide();
        const auto link = f.image.machine->hostPath(
            "C:\\WINDOWS\\Profiles\\Administrator\\Start Menu\\Programs\\Control Panel.lnk");
        QVERIFY(link && std::filesystem::exists(*link));
        const auto nine =
            f.image.machine->hostPath("C:\\WINDOWS\\Start Menu\\Programs\\Control Panel.lnk");
        QVERIFY(!nine || !std::filesystem::exists(*nine));
    }

    void viewCommandsWorkTheToolbarOfTheOpenArea() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("1CID");
        const bool sorted = w->listView()->isSortingEnabled();
        w->commandAction("Ansicht", 340)->trigger();
        QCOMPARE(w->listView()->isSortingEnabled(), !sorted);
        w->commandAction("Ansicht", 340)->trigger();
        QCOMPARE(w->listView()->isSortingEnabled(), sorted);
        w->commandAction("Ansicht", 370)->trigger();
        QVERIFY(w->ribbonButton(3, 2)->isChecked());
        QCOMPARE(w->currentViewSettings().ListViewView, std::int16_t(2));
        w->commandAction("Ansicht", 320)->trigger();
        QCOMPARE(w->currentViewSettings().ListViewArrange, std::int16_t(1));

        f.shell->openGroup("2CID");
        vantix::tweaks::ui::HiddenTreeView* tree = w->hiddenTreeView();
        QVERIFY(tree->topLevelItemCount() > 0);
        QTreeWidgetItem* folder = tree->topLevelItem(0);
        w->commandAction("Ansicht", 300)->trigger();
        QVERIFY(folder->isExpanded());
        w->commandAction("Ansicht", 305)->trigger();
        QVERIFY(!folder->isExpanded());
        const bool deactivatedShown = tree->showDeactivated();
        w->commandAction("Ansicht", 310)->trigger();
        QCOMPARE(tree->showDeactivated(), !deactivatedShown);
        QCOMPARE(w->ribbonButton(4, 0)->isChecked(), !deactivatedShown);
        const bool treeSorted = tree->sorted();
        w->commandAction("Ansicht", 340)->trigger();
        QCOMPARE(tree->sorted(), !treeSorted);
        QCOMPARE(w->ribbonButton(4, 3)->isChecked(), !treeSorted);
        RecordingTree recording;
        w->setHiddenTreeCommands(&recording);
        for (int id : {300, 305, 310, 340}) w->commandAction("Ansicht", id)->trigger();
        QCOMPARE(recording.calls, (QStringList{"expand", "collapse", "deactivated", "sorted"}));
        w->setHiddenTreeCommands(nullptr);
    }

    void utilityListTakesDroppedFilesInEveryView() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("195CID");
        for (int id : {350, 360, 370}) {
            w->commandAction("Ansicht", id)->trigger();
            QVERIFY2(w->listView()->viewport()->acceptDrops(), qPrintable(QString::number(id)));
        }
    }

    void selectAllFromTheEditMenu() {
        ShellFixture f;
        installApplets(f);
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.shell->openGroup("1CID");
        QCOMPARE(w->listView()->count(), 2);
        w->commandAction("Bearbeiten", 270)->trigger();
        QCOMPARE(w->listView()->selectedItems().size(), w->listView()->count());
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
