#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "../MemoryRegistry.h"
#include "modules/regalto/Settings.h"
#include "modules/regalto/ui/RegaltoWindow.h"
#include "modules/regalto/ui/ValueDialogs.h"

using namespace vantix::regalto;
using testing::MemoryRegistry;
using testing::QueuedPrompter;

namespace {

QStringList childTexts(QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
    return texts;
}

QStringList visibleTexts(QMenu* menu) {
    QStringList texts;
    for (auto* action : menu->actions()) {
        if (action->isVisible()) texts << action->text();
    }
    return texts;
}

}  // namespace

class RegaltoWindowTest : public QObject {
    Q_OBJECT
private:
    MemoryRegistry registry;
    QueuedPrompter prompter;
    const std::string tool = "HKEY_LOCAL_MACHINE\\Software\\Acme\\Tool";

private slots:
    void init() {
        registry = MemoryRegistry();
        prompter = QueuedPrompter();
        registry.put(tool, "Name", 1, "Acme");
        registry.put(tool, "Count", 4, "-1");
        registry.makeKey("HKEY_LOCAL_MACHINE\\System");
    }

    void showsRootsAndLoadsChildrenOnExpand() {
        ui::RegaltoWindow window(registry, &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Registry Editor Module"));
        QTreeWidget* tree = window.treeView();
        QCOMPARE(tree->topLevelItemCount(), 4);
        QTreeWidgetItem* machine = tree->topLevelItem(2);
        QCOMPARE(machine->text(0), QStringLiteral("HKEY_LOCAL_MACHINE"));
        QCOMPARE(childTexts(machine), QStringList{"&X"});
        machine->setExpanded(true);
        QCOMPARE(childTexts(machine), (QStringList{"Software", "System"}));
        QCOMPARE(childTexts(machine->child(0)), QStringList{"&X"});
        QCOMPARE(machine->child(1)->childCount(), 0);
    }

    void selectingAKeyFillsTheListAndStatus() {
        ui::RegaltoWindow window(registry, &prompter);
        window.goToBookmark(QString::fromStdString(tool));
        QCOMPARE(window.statusPanel(1)->text(), QString::fromStdString(tool));
        QTreeWidget* list = window.setView();
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Name"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Setting"));
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("(value not set)"));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("-1  (FFFFFFFF)"));
        QCOMPARE(window.treeView()->currentItem()->text(0), QStringLiteral("Tool"));
        QVERIFY(prompter.messages.empty());
    }

    void moreValuesThanTheCapAreAnnounced() {
        for (int i = 0; i < 600; ++i) registry.put("HKEY_USERS\\Many", "v" + std::to_string(i), 1, "x");
        ui::RegaltoWindow window(registry, &prompter);
        window.goToBookmark(QStringLiteral("HKEY_USERS\\Many"));
        QCOMPARE(window.setView()->topLevelItemCount(), 502);
        QVERIFY(window.statusPanel(2)->text().contains(QStringLiteral("501")));
    }

    void contextMenusHideWhatDoesNotApply() {
        ui::RegaltoWindow window(registry, &prompter);
        window.prepareKeyMenu(window.treeView()->topLevelItem(0));
        QCOMPARE(visibleTexts(window.keyMenu()), (QStringList{"Collapse", "New key"}));
        window.prepareKeyMenu(nullptr);
        QVERIFY(visibleTexts(window.keyMenu()).isEmpty());
        window.goToBookmark(QString::fromStdString(tool));
        window.prepareKeyMenu(window.treeView()->currentItem());
        QCOMPARE(visibleTexts(window.keyMenu()), (QStringList{"Collapse", "New key", "Delete key"}));

        QTreeWidget* list = window.setView();
        window.prepareValueMenu(list->topLevelItem(0));
        QCOMPARE(visibleTexts(window.valueMenu()), QStringList{"Edit value"});
        window.prepareValueMenu(list->topLevelItem(1));
        QCOMPARE(visibleTexts(window.valueMenu()).size(), 4);
        window.prepareValueMenu(nullptr);
        QVERIFY(visibleTexts(window.valueMenu()).isEmpty());
    }

    void renamingInPlaceIsCheckedAndUndoneWhenRefused() {
        ui::RegaltoWindow window(registry, &prompter);
        window.goToBookmark(QString::fromStdString(tool));
        QTreeWidgetItem* name = window.setView()->topLevelItem(1);
        name->setText(0, QStringLiteral("count"));  // clashes with "Count"
        QCOMPARE(name->text(0), QStringLiteral("Name"));
        QVERIFY(registry.value(tool, "Name") != nullptr);
        name->setText(0, QStringLiteral("Title"));
        QCOMPARE(name->text(0), QStringLiteral("Title"));
        QVERIFY(registry.value(tool, "Name") == nullptr);
        QCOMPARE(QString::fromStdString(registry.value(tool, "Title")->text), QStringLiteral("Acme"));
        QVERIFY(!(window.setView()->topLevelItem(0)->flags() & Qt::ItemIsEditable));  // "Default"
    }

    void newKeyAndDeleteKeyUpdateTheTree() {
        ui::RegaltoWindow window(registry, &prompter);
        window.goToBookmark(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Acme"));
        prompter.keyNames = {"Alpha"};
        window.action(QStringLiteral("New key"))->trigger();
        QTreeWidgetItem* current = window.treeView()->currentItem();
        QCOMPARE(current->text(0), QStringLiteral("Alpha"));
        QCOMPARE(childTexts(current->parent()), (QStringList{"Alpha", "Tool"}));
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Acme\\Alpha"));

        prompter.confirmations = {true};
        window.treeView()->setFocus();
        window.action(QStringLiteral("Delete"))->trigger();  // Del on the tree deletes the key
        QVERIFY(!registry.hasKey("HKEY_LOCAL_MACHINE\\Software\\Acme\\Alpha"));
        QCOMPARE(window.treeView()->currentItem()->text(0), QStringLiteral("Acme"));
        QCOMPARE(childTexts(window.treeView()->currentItem()), QStringList{"Tool"});
    }

    void keyboardShortcuts() {
        ui::RegaltoWindow window(registry, &prompter);
        QCOMPARE(window.action(QStringLiteral("Refresh"))->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(window.action(QStringLiteral("Rename"))->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(window.action(QStringLiteral("Find"))->shortcut(), QKeySequence(QKeySequence::Find));
        QCOMPARE(window.action(QStringLiteral("Find next"))->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(window.action(QStringLiteral("Delete"))->shortcut(), QKeySequence(QKeySequence::Delete));

        window.goToBookmark(QString::fromStdString(tool));
        registry.put(tool, "Later", 1, "x");
        window.action(QStringLiteral("Refresh"))->trigger();
        QCOMPARE(window.setView()->topLevelItemCount(), 4);
    }

    void bookmarksAndPlacementSurviveARestart() {
        {
            ui::RegaltoWindow window(registry, &prompter);
            window.goToBookmark(QString::fromStdString(tool));
            window.action(QStringLiteral("Insert bookmark"))->trigger();
            window.action(QStringLiteral("Insert bookmark"))->trigger();
            QCOMPARE(window.combo()->count(), 1);
            window.resize(640, 480);
            window.move(40, 30);
            window.close();
        }
        ui::RegaltoWindow restarted(registry, &prompter);
        QCOMPARE(restarted.combo()->count(), 1);
        QCOMPARE(restarted.combo()->itemText(0), QString::fromStdString(tool));
        QCOMPARE(restarted.size(), QSize(640, 480));

        // Choosing a bookmark whose key is gone selects the deepest existing one.
        registry.deleteKey(tool);
        emit restarted.combo()->activated(0);
        QCOMPARE(restarted.statusPanel(1)->text(), QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Acme"));
        QCOMPARE(prompter.messages, std::vector<std::string>{"Selected bookmark no longer exists!"});
        QCOMPARE(restarted.combo()->count(), 1);  // the bookmark itself stays
    }

    void findSelectsEachMatchInTurn() {
        registry.put("HKEY_LOCAL_MACHINE\\System\\Acme", "", 1, "");
        ui::RegaltoWindow window(registry, &prompter);
        window.goToBookmark(QStringLiteral("HKEY_LOCAL_MACHINE"));
        prompter.finds = {FindOptions{"acme"}};
        window.action(QStringLiteral("Find"))->trigger();
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Acme"));
        window.action(QStringLiteral("Find next"))->trigger();
        QCOMPARE(window.statusPanel(1)->text(), QString::fromStdString(tool));
        QCOMPARE(window.setView()->currentItem()->text(0), QStringLiteral("Name"));  // data "Acme"
        window.action(QStringLiteral("Find next"))->trigger();
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("HKEY_LOCAL_MACHINE\\System\\Acme"));
        QVERIFY(!window.findNext());
    }

    void dwordDialogFollowsTheTabRules() {
        ui::DwordDialog dialog(QStringLiteral("Count"), "16");
        QLineEdit* edit = dialog.valueEdit();
        QCOMPARE(edit->text(), QStringLiteral("16"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("-"));  // each keystroke is checked
        QCOMPARE(edit->text(), QStringLiteral("16"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("2147483648"));
        QCOMPARE(edit->text(), QStringLiteral("214748364"));
        dialog.tabs()->setCurrentIndex(1);
        QCOMPARE(dialog.tabs()->tabData(1).toString(), QStringLiteral("HEX"));
        QCOMPARE(edit->text(), QStringLiteral("CCCCCCC"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1FG"));
        QCOMPARE(edit->text(), QStringLiteral("1F"));
        dialog.accept();
        QCOMPARE(QString::fromStdString(dialog.result()), QStringLiteral("31"));

        ui::DwordDialog cancelled(QStringLiteral("Count"), "5");
        cancelled.reject();
        QVERIFY(cancelled.result().empty());
    }

    void nameDialogsRefuseBackslashes() {
        ui::KeyNameDialog key;
        key.nameEdit()->setText(QStringLiteral("a\\b"));
        key.accept();
        QVERIFY(key.result().empty());
        ui::NewValueDialog value;
        value.nameEdit()->setText(QStringLiteral("Speed"));
        value.setKind(NewValueKind::Dword);
        value.accept();
        QCOMPARE(value.request().kind, NewValueKind::Dword);
        value.reject();
        QCOMPARE(value.request().kind, NewValueKind::None);
        ui::TextValueDialog text(QStringLiteral("Edit string"), QStringLiteral("Name"), QStringLiteral("x"));
        text.reject();
        QCOMPARE(QString::fromStdString(text.result()), QStringLiteral("ABBRUCH"));
    }
};

QTEST_MAIN(RegaltoWindowTest)
#include "RegaltoWindow_test.moc"
