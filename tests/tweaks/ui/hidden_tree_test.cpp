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

namespace {

// A drag entering the tree, as the platform's drag sends it first.
void enterDrag(HiddenTreeView& tree, QMimeData* data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &enter);
}

const std::string kAdvanced =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// Runs `act` on the property page as soon as it is shown modally.
void whenPageOpens(std::function<void(Form5&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* page = qobject_cast<Form5*>(QApplication::activeModalWidget());
        if (!page || !page->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*page);
    });
    poll->start(10);
}

template <typename W>
W* child(QWidget& parent, const char* name) {
    return parent.findChild<W*>(QString::fromLatin1(name));
}

QStringList changesOf(Form5& page) {
    QStringList lines;
    auto* list = child<QListWidget>(page, "Changes");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text().remove(QChar(0x200B));
    return lines;
}

// On its round button: a radio button answers clicks on its button and caption only.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QPoint centerOf(HiddenTreeView& tree, QTreeWidgetItem* item) {
    return tree.visualItemRect(item).center();
}

void click(HiddenTreeView& tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(tree.viewport(), button, {}, centerOf(tree, item));
}

void hover(HiddenTreeView& tree, QTreeWidgetItem* item) {
    QMouseEvent move(QEvent::MouseMove, centerOf(tree, item),
                     tree.viewport()->mapToGlobal(centerOf(tree, item)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &move);
}

QStringList visibleActions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator()) captions << action->text();
    return captions;
}

QAction* actionOf(QMenu* menu, const char* caption) {
    for (QAction* action : menu->actions())
        if (action->text() == QLatin1String(caption)) return action;
    return nullptr;
}

}  // namespace

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

    void aClickOpensThePageWhichAppliesWhatTheCommandLinePredicted() {
        TreeHarness h;
        // The command line's prediction for the same choice, on the same image.
        QProcess cli;
        cli.start(QStringLiteral(VANTIX_PROGRAM_DIR "/vantix-cli"),
                  {"--machine", QString::fromStdString(h.image.machine->dir().string()), "fn",
                   "apply", "101", "A", "--dry-run"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QStringList predicted = QString::fromUtf8(cli.readAllStandardOutput())
                                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!predicted.isEmpty());

        QStringList shown;
        whenPageOpens([&](Form5& page) {
            QCOMPARE(child<QLabel>(page, "Caption")->text(),
                     QStringLiteral("File name extensions"));
            QVERIFY(child<QRadioButton>(page, "XOption_1")->isChecked());
            QVERIFY(changesOf(page).isEmpty());
            QVERIFY(!child<QPushButton>(page, "Command1_2")->isEnabled());
            QVERIFY(!child<QCheckBox>(page, "Check1")->isVisible());
            clickOption(child<QRadioButton>(page, "XOption_0"));
            QVERIFY(child<QPushButton>(page, "Command1_2")->isEnabled());
            QVERIFY(child<QCheckBox>(page, "Check1")->isVisible());
            shown = changesOf(page);
            QTest::mouseClick(child<QPushButton>(page, "Command1_1"), Qt::LeftButton);
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
        QCOMPARE(h.lastHiddenWork, std::string("101IID"));
        for (const QString& line : shown)
            QVERIFY2(predicted.join('\n').contains(line), qPrintable(line));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(h.reg.GetReg(kAdvanced, "HideFileExt", "D"), std::string("0"));
        QCOMPARE(h.shellClosed, 0);

        // Opened again: the new state, nothing to change, and undo offered (asked first).
        whenPageOpens([&](Form5& page) {
            QVERIFY(child<QRadioButton>(page, "XOption_0")->isChecked());
            QVERIFY(changesOf(page).isEmpty());
            auto* undo = child<QPushButton>(page, "UndoLastChange");
            QVERIFY(undo->isVisible());
            h.prompter.answers = {true};
            QTest::mouseClick(undo, Qt::LeftButton);
            QVERIFY(h.prompter.questions.last().startsWith(QLatin1String("Undo last change|")));
            QVERIFY(child<QRadioButton>(page, "XOption_1")->isChecked());
            QVERIFY(!undo->isVisible());
            QTest::mouseClick(child<QPushButton>(page, "Command1_0"), Qt::LeftButton);
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
        QCOMPARE(h.reg.GetReg(kAdvanced, "HideFileExt", "D"), std::string("1"));
    }

    void onlyDoubleClickOpensWithADoubleClick() {
        TreeHarness h;
        h.treeSettings.onlyDoubleClick = true;
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
        QVERIFY(h.lastHiddenWork.empty());
        whenPageOpens([](Form5& page) { page.reject(); });
        QTest::mouseDClick(h.tree.viewport(), Qt::LeftButton, {},
                           centerOf(h.tree, h.tree.itemOfKey(QStringLiteral("101IID"))));
        QCOMPARE(h.lastHiddenWork, std::string("101IID"));
    }

    void restartTickedBeforeOkRestartsAndClosesTheShell() {
        TreeHarness h;
        whenPageOpens([](Form5& page) {
            clickOption(child<QRadioButton>(page, "XOption_0"));
            child<QCheckBox>(page, "Check1")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(page, "Command1_2"), Qt::LeftButton);
            QVERIFY(!child<QCheckBox>(page, "Check1")->isVisible());
            QTest::mouseClick(child<QPushButton>(page, "Command1_1"), Qt::LeftButton);
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
        QCOMPARE(h.shellClosed, 1);
        QCOMPARE(h.image.session->journal().lastOfEach().size(), std::size_t(1));
    }

    void aFunctionWithoutPropertyRowIsRefusedWithAMessage() {
        TreeHarness h;
        h.image.database->execute(
            "INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (9100, 10, 'Bare', 7)");
        h.tree.FillHiddenTree();
        click(h.tree, h.tree.itemOfKey(QStringLiteral("9100IID")));
        QCOMPARE(h.prompter.messages.size(), 1);
        QVERIFY(h.prompter.messages[0].startsWith(QLatin1String("Error!|")));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void sliderNumberBoxIsClampedWhenItLosesTheFocus() {
        TreeHarness h;
        h.image.database->execute(
            "UPDATE HIDDEN_EIGENSCHAFT SET SliderMin = 0, SliderMax = 100, Standard = '50' WHERE "
            "ITEM_ID = 113");
        whenPageOpens([](Form5& page) {
            auto* box = child<QLineEdit>(page, "Text2");
            auto* slider = child<QSlider>(page, "Slider1");
            QCOMPARE(slider->tickInterval(), 10);
            box->setFocus();
            QVERIFY(!child<QPushButton>(page, "Command1_1")->isDefault());
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("500"));
            QTest::keyClick(box, Qt::Key_Return);  // Enter moves on to the slider
            QVERIFY(slider->hasFocus());
            QCOMPARE(box->text(), QStringLiteral("100"));
            QCOMPARE(slider->value(), 100);
            QVERIFY(child<QPushButton>(page, "Command1_1")->isDefault());
            box->setFocus();
            box->clear();
            slider->setFocus();
            QCOMPARE(box->text(), QStringLiteral("0"));
            QTest::mouseClick(child<QPushButton>(page, "Command1_1"), Qt::LeftButton);
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("113IID")));
        QCOMPARE(h.reg.GetReg("HKEY_CURRENT_USER\\Control Panel\\Desktop", "CursorBlinkRate", "T"),
                 std::string("0"));
    }

    void textPageTakesAnExistingChosenFileAndTheDefault() {
        TreeHarness h;
        h.choosers.next = QStringLiteral("C:\\WINDOWS\\NOSUCH.BMP");
        whenPageOpens([&](Form5& page) {
            auto* text = child<QLineEdit>(page, "Text1");
            QTest::mouseClick(child<QPushButton>(page, "SSCommand1_0"), Qt::LeftButton);
            QVERIFY(h.choosers.asked.value(0).startsWith(QLatin1String("Dateiauswahl|")));
            QVERIFY2(text->text() != h.choosers.next, "a file that does not exist is ignored");
            h.choosers.next = QStringLiteral("C:\\WINDOWS\\WIN.INI");
            QTest::mouseClick(child<QPushButton>(page, "SSCommand1_0"), Qt::LeftButton);
            QCOMPARE(text->text(), h.choosers.next);
            QVERIFY(child<QPushButton>(page, "Command1_2")->isEnabled());
            QTest::mouseClick(child<QPushButton>(page, "Standard"), Qt::LeftButton);
            QCOMPARE(text->text(), QStringLiteral("(None)"));
            auto* tabs = child<QTabBar>(page, "TabStrip2");
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            QVERIFY(child<QTextEdit>(page, "Sonstiges")
                        ->toPlainText()
                        .startsWith(QLatin1String("The bitmap")));
            QVERIFY(!child<QWidget>(page, "BACK")->isVisible());
            page.reject();
        });
        hover(h.tree, h.tree.itemOfKey(QStringLiteral("217IID")));
        click(h.tree, h.tree.itemOfKey(QStringLiteral("217IID")));
        QCOMPARE(h.reg.GetReg("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper", "T"),
                 std::string("(None)"));
    }

    void hoveringAnOptionColoursItAndPlaysTheSound() {
        TreeHarness h;
        whenPageOpens([&](Form5& page) {
            auto* option = child<QRadioButton>(page, "XOption_0");
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(option, &enter);
            QCOMPARE(option->palette().color(QPalette::WindowText), QColor(64, 0, 0));
            QCOMPARE(h.sounds.value(0), QStringLiteral("OVER_LINE.WAV"));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(option, &leave);
            QCOMPARE(option->palette().color(QPalette::WindowText), QColor(0, 0, 64));
            page.reject();
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
    }
};

QTEST_MAIN(HiddenTreeTest)
#include "hidden_tree_test.moc"
