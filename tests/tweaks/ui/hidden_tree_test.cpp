#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TreeHarness.h"
#include "tweaks/ChangeText.h"
#include "tweaks/FunctionFilter.h"
#include "tweaks/HiddenTree.h"
#include "tweaks/HiddenTreeEdits.h"
#include "tweaks/ui/FilterBox.h"

using namespace vantix;
using namespace vantix::tweaks;
using vantix::tweaks::ui::Form5;
using vantix::tweaks::ui::HiddenTreeView;

#include "UiDriving.h"

using namespace ui_driving;

class HiddenTreeTest : public QObject {
    Q_OBJECT

private slots:
    void fillShowsFoldersFunctionsAndSelectsTheLastOpened() {
        TreeHarness h;
        QTreeWidgetItem* explorer = h.tree.topLevelItem(0);
        QCOMPARE(HiddenTreeView::keyOf(explorer), QStringLiteral("1FID"));
        QVERIFY(explorer->isExpanded());
        QTreeWidgetItem* extensions = h.tree.itemOfKey(QStringLiteral("101IID"));
        QVERIFY(extensions);
        QCOMPARE(HiddenTreeView::keyOf(extensions->parent()), QStringLiteral("10FFID"));
        QCOMPARE(extensions->data(0, HiddenTreeView::TagRole).toString(), QStringLiteral("10FFID"));
        QVERIFY(h.info.toPlainText().isEmpty());

        h.lastHiddenWork = "113IID";
        h.treeSettings.expandAll = false;
        h.tree.FillHiddenTree();
        QCOMPARE(HiddenTreeView::keyOf(h.tree.currentItem()), QStringLiteral("113IID"));
        QVERIFY(!h.tree.topLevelItem(1)->isExpanded());
    }

    void hoverAndArrowKeysDescribeTheNode() {
        TreeHarness h;
        hover(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
        QVERIFY(h.info.toPlainText().startsWith(QLatin1String("Explorer hides extensions")));
        QVERIFY(h.info.isEnabled());
        QCOMPARE(HiddenTreeView::keyOf(h.tree.currentItem()), QStringLiteral("101IID"));
        h.tree.setCurrentItem(h.tree.itemOfKey(QStringLiteral("101IID")));
        QTest::keyClick(&h.tree, Qt::Key_Up);
        QCOMPARE(h.info.toPlainText(), QStringLiteral("Function folder 'Files and folders'"));
        QVERIFY(!h.info.isEnabled());

        // With "OnlyRightMaus" a plain hover selects nothing.
        h.treeSettings.onlyRightMouse = true;
        hover(h.tree, h.tree.itemOfKey(QStringLiteral("102IID")));
        QCOMPARE(HiddenTreeView::keyOf(h.tree.currentItem()), QStringLiteral("10FFID"));
    }

    void deleteKeyAsksThenDeactivatesAndActivatesWithoutAsking() {
        TreeHarness h;
        h.tree.setCurrentItem(h.tree.itemOfKey(QStringLiteral("101IID")));
        h.prompter.answers = {false};
        QTest::keyClick(&h.tree, Qt::Key_Delete);
        QCOMPARE(
            h.prompter.questions.value(0),
            QStringLiteral("Deactivate Function|'File name extensions' deactivate in this group?"));
        QVERIFY(h.tree.itemOfKey(QStringLiteral("101IID")));
        h.prompter.answers = {true};
        QTest::keyClick(&h.tree, Qt::Key_Delete);
        QVERIFY2(!h.tree.itemOfKey(QStringLiteral("101IID")),
                 "gone while deactivated ones are hidden");
        QCOMPARE(h.store.Get("HiddenItems\\Control_ID2", "101IID", ""), std::string("0"));

        QSignalSpy shown(&h.tree, &HiddenTreeView::showDeactivatedChanged);
        h.tree.setShowDeactivated(true);
        QCOMPARE(shown.count(), 1);
        QTreeWidgetItem* greyed = h.tree.itemOfKey(QStringLiteral("101IID"));
        QCOMPARE(greyed->data(0, HiddenTreeView::ImageRole).toInt(), int(kDeactivatedImage));
        h.tree.setCurrentItem(greyed);
        QTest::keyClick(&h.tree, Qt::Key_Delete);
        QCOMPARE(h.prompter.questions.size(), 2);
        QCOMPARE(greyed->data(0, HiddenTreeView::ImageRole).toInt(), int(kActiveImage));
        QCOMPARE(h.store.Get("HiddenItems\\Control_ID2", "101IID", "<none>"),
                 std::string("<none>"));
    }

    void labelEditingRefusesBadNamesSilently() {
        TreeHarness h;
        QTreeWidgetItem* folder = h.tree.itemOfKey(QStringLiteral("10FFID"));
        h.tree.setCurrentItem(folder);
        h.tree.renameSelected();
        QLineEdit* editor = h.tree.viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("123"));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(folder->text(0), QStringLiteral("Files and folders"));
        QTRY_VERIFY(!h.tree.viewport()->findChild<QLineEdit*>());
        h.tree.renameSelected();
        editor = h.tree.viewport()->findChild<QLineEdit*>();
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Files"));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(folder->text(0), QStringLiteral("Files"));
        QCOMPARE(h.image.database->scalar("select FolderName from HIDDEN_FOLDERS where ID = 10")
                     ->toText(),
                 std::string("Files"));
        QVERIFY(h.prompter.messages.isEmpty());
    }

    void draggingHighlightsOnlyOtherFoldersAndMovesTheRow() {
        TreeHarness h;
        QTreeWidgetItem* fn = h.tree.itemOfKey(QStringLiteral("101IID"));
        std::unique_ptr<QMimeData> data(h.tree.dragDataFor(fn));
        enterDrag(h.tree, data.get());
        auto moveOver = [&](QTreeWidgetItem* target) {
            QDragMoveEvent move(centerOf(h.tree, target), Qt::MoveAction, data.get(),
                                Qt::LeftButton, {});
            QApplication::sendEvent(h.tree.viewport(), &move);
            return move.isAccepted();
        };
        QVERIFY(!moveOver(h.tree.itemOfKey(QStringLiteral("102IID"))));
        QVERIFY(!h.tree.dropHighlight());
        QVERIFY2(!moveOver(h.tree.itemOfKey(QStringLiteral("10FFID"))), "its own folder");
        QTreeWidgetItem* target = h.tree.itemOfKey(QStringLiteral("11FFID"));
        QVERIFY(moveOver(target));
        QCOMPARE(h.tree.dropHighlight(), target);
        QDropEvent drop(centerOf(h.tree, target), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(h.tree.viewport(), &drop);
        QTreeWidgetItem* moved = h.tree.itemOfKey(QStringLiteral("101IID"));
        QCOMPARE(moved->parent(), target);
        QCOMPARE(moved->data(0, HiddenTreeView::TagRole).toString(), QStringLiteral("11FFID"));
        QVERIFY(!h.tree.itemOfKey(QString::fromLatin1(kMovingKey)));
        QCOMPARE(h.image.database->scalar("select Folder_ID from HIDDEN_ITEMS where ID = 101")
                     ->toInteger(),
                 std::int64_t(11));
    }

    void draggingNearAnEdgeAsksForAutoScroll() {
        TreeHarness h;
        QSignalSpy scroll(&h.tree, &HiddenTreeView::autoScrollWanted);
        std::unique_ptr<QMimeData> data(
            h.tree.dragDataFor(h.tree.itemOfKey(QStringLiteral("101IID"))));
        enterDrag(h.tree, data.get());
        QDragMoveEvent nearBottom(QPoint(50, h.tree.viewport()->height() - 3), Qt::MoveAction,
                                  data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(h.tree.viewport(), &nearBottom);
        QCOMPARE(scroll.last().at(0).toInt(), 2);
        QDragLeaveEvent leave;
        QApplication::sendEvent(h.tree.viewport(), &leave);
        QCOMPARE(scroll.last().at(0).toInt(), 0);
    }

    void popUpMenusOfferWhatTheNodeAllows() {
        TreeHarness h;
        click(h.tree, h.tree.itemOfKey(QStringLiteral("1FID")), Qt::RightButton);
        QCOMPARE(visibleActions(h.tree.folderMenu()),
                 QStringList({"Rename Folder", "Delete Folder", "&Create Subfolder"}));
        h.tree.folderMenu()->hide();
        click(h.tree, h.tree.itemOfKey(QStringLiteral("10FFID")), Qt::RightButton);
        QCOMPARE(visibleActions(h.tree.folderMenu()),
                 QStringList({"Rename Folder", "Delete Folder"}));
        h.tree.folderMenu()->hide();
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")), Qt::RightButton);
        QCOMPARE(visibleActions(h.tree.functionMenu()),
                 QStringList({"Deactivate in this Group", "Rename Function"}));
        actionOf(h.tree.functionMenu(), "Deactivate in this Group")->trigger();
        QVERIFY(!h.tree.itemOfKey(QStringLiteral("101IID")));
        h.tree.functionMenu()->hide();

        h.tree.scrollToBottom();
        QTest::mouseClick(h.tree.viewport(), Qt::RightButton, {},
                          QPoint(5, h.tree.viewport()->height() - 2));
        QCOMPARE(visibleActions(h.tree.folderMenu()), QStringList({"Create Function Folder"}));
        const int before = h.tree.topLevelItemCount();
        actionOf(h.tree.folderMenu(), "Create Function Folder")->trigger();
        QCOMPARE(h.tree.topLevelItemCount(), before + 1);
        QCOMPARE(h.tree.topLevelItem(before)->text(0), QStringLiteral("New Folder"));
    }

    void subfoldersAreAddedFirstAndFoldersDeletedOnlyWhenEmpty() {
        TreeHarness h;
        QTreeWidgetItem* explorer = h.tree.itemOfKey(QStringLiteral("1FID"));
        h.tree.NewHiddenFolder(explorer);
        QTreeWidgetItem* sub = explorer->child(0);
        QCOMPARE(sub->text(0), QStringLiteral("New Folder"));
        QVERIFY(HiddenTreeView::keyOf(sub).endsWith(QLatin1String("FFID")));

        h.tree.setCurrentItem(explorer);
        h.tree.DeleteHiddenFolder();
        QCOMPARE(h.prompter.messages.value(0),
                 QString::fromLatin1(kDeleteFolderTitle) + "|" + kFolderNotEmpty);
        QVERIFY(h.tree.itemOfKey(QStringLiteral("1FID")));

        h.tree.setCurrentItem(sub);
        h.prompter.answers = {false};
        h.tree.DeleteHiddenFolder();
        QCOMPARE(h.prompter.questions.value(0),
                 QStringLiteral("Delete Folder|New Folder Really delete?"));
        QVERIFY(h.tree.itemOfKey(HiddenTreeView::keyOf(sub)));
        h.treeSettings.confirm = false;
        const QString key = HiddenTreeView::keyOf(sub);
        h.tree.DeleteHiddenFolder();
        QVERIFY(!h.tree.itemOfKey(key));
        QCOMPARE(h.image.database
                     ->scalar("select count(*) from HIDDEN_FOLDERS where ID = " +
                              std::to_string(keyId(key.toStdString())))
                     ->toInteger(),
                 std::int64_t(0));
    }

    void filterNarrowsAsTheUserTypesAndEscClears() {
        TreeHarness h;
        vantix::tweaks::ui::FilterBox box;
        QObject::connect(&box, &QLineEdit::textChanged, &h.tree, &HiddenTreeView::setFilterText);
        QTest::keyClicks(&box, QStringLiteral("extension"));
        QVERIFY(!h.tree.itemOfKey(QStringLiteral("101IID"))->isHidden());
        QVERIFY(!h.tree.itemOfKey(QStringLiteral("10FFID"))->isHidden());
        QVERIFY(h.tree.itemOfKey(QStringLiteral("113IID"))->isHidden());
        QVERIFY(h.tree.itemOfKey(QStringLiteral("7FID"))->isHidden());
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(box.text().isEmpty());
        QVERIFY(!h.tree.itemOfKey(QStringLiteral("113IID"))->isHidden());
    }

    void driftIsMarkedAndExplained() {
        TreeHarness h;
        h.image.session->apply({113, "A", std::string("900")});
        h.reg.SetReg("HKEY_CURRENT_USER\\Control Panel\\Desktop", "CursorBlinkRate", "700", "T");
        h.tree.FillHiddenTree();
        QTreeWidgetItem* changed = h.tree.itemOfKey(QStringLiteral("113IID"));
        QVERIFY(h.tree.isChangedElsewhere(changed));
        QVERIFY(changed->font(0).italic());
        QVERIFY(!h.tree.isChangedElsewhere(h.tree.itemOfKey(QStringLiteral("101IID"))));
        hover(h.tree, changed);
        QVERIFY(h.info.toPlainText().endsWith(QString::fromLatin1(kChangedElsewhereNote)));
    }
};

QTEST_MAIN(HiddenTreeTest)
#include "hidden_tree_test.moc"
