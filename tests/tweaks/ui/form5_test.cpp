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
#include <QTextEdit>
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

class Form5Test : public QObject {
    Q_OBJECT

private slots:
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

    void theShownPanelIsTheSelectedTabsAfterClicksAndDoubleClicks() {
        TreeHarness h;
        whenPageOpens([](Form5& page) {
            auto* tabs = child<QTabBar>(page, "TabStrip2");
            auto* text = child<QTextEdit>(page, "Sonstiges");
            const auto shownMatchesSelection = [&] {
                return text->isVisible() == (tabs->currentIndex() != 2);
            };
            QCOMPARE(tabs->currentIndex(), 2);
            QVERIFY(shownMatchesSelection());
            // As the second click of the tree's double-click can land on the new page.
            QTest::mouseDClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            QVERIFY(shownMatchesSelection());
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QCOMPARE(tabs->currentIndex(), 1);
            QVERIFY(shownMatchesSelection());
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
            QVERIFY(shownMatchesSelection());
            page.reject();
        });
        click(h.tree, h.tree.itemOfKey(QStringLiteral("101IID")));
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

QTEST_MAIN(Form5Test)
#include "form5_test.moc"
