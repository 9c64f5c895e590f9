#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "modules/bootlam/ui/BootlamWindow.h"
#include "tests/modules/bootlam/NtImage.h"
#include "tests/modules/common/QueuedPrompter.h"

using namespace vantix::bootlam;
namespace fs = std::filesystem;

class BootlamWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsEntriesTimeoutAndSwitches() {
        NtImage image(kSampleBootIni);
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        ui::BootlamWindow window(options, &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral(" NT Boot Options Module"));
        QCOMPARE(window.listView()->count(), 3);
        QCOMPARE(window.listView()->currentRow(), 0);
        QVERIFY(window.listView()->item(0)->data(Qt::UserRole).toBool());
        QVERIFY(!window.defaultButton()->isEnabled());
        QVERIFY(window.timeoutOption(TimeoutChoice::Delay)->isChecked());
        QCOMPARE(window.secondsBox()->text(), QStringLiteral("30"));
        QCOMPARE(window.tabs()->tabText(1), QStringLiteral("Parameters of Windows NT Workstation"));

        window.listView()->setCurrentRow(1);
        QVERIFY(window.vgaBox()->isChecked());
        QVERIFY(window.sosBox()->isChecked());
        QVERIFY(window.defaultButton()->isEnabled());
        QVERIFY(window.tabs()->widget(1)->isEnabled());
        window.listView()->setCurrentRow(2);
        QVERIFY(!window.tabs()
                     ->widget(1)
                     ->isEnabled());  // the switches of a non-NT entry are not offered
    }

    void okWritesWhatTheUserChoseAndTheWorkingFileGoes() {
        NtImage image(kSampleBootIni);
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        {
            ui::BootlamWindow window(options, &prompter);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.timeoutOption(TimeoutChoice::Immediate)->click();
            QVERIFY(!window.secondsBox()->isEnabled());
            QCOMPARE(window.secondsBox()->text(), QString());
            window.timeoutOption(TimeoutChoice::Delay)->click();
            QCOMPARE(window.secondsBox()->text(), QStringLiteral("20"));
            window.secondsBox()->selectAll();
            QTest::keyClicks(window.secondsBox(), "9");
            window.listView()->setCurrentRow(1);
            QTest::mouseClick(window.defaultButton(), Qt::LeftButton);
            QVERIFY(window.listView()->item(1)->data(Qt::UserRole).toBool());
            QVERIFY(!window.listView()->item(0)->data(Qt::UserRole).toBool());
            window.tabs()->setCurrentIndex(1);
            window.vgaBox()->click();
            window.debuggerOption(Debugger::Debug)->click();
            window.portBox(2)->click();
            QTest::mouseClick(window.okButton(), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(
            QString::fromStdString(image.bootIni()),
            QStringLiteral(
                "[boot "
                "loader]\r\ntimeout=9\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNTVGA\r\n"
                "[Operating Systems]\r\n"
                "multi(0)disk(0)rdisk(0)partition(1)\\WINNTVGA=\"Windows NT [VGA mode]\" /DEBUG "
                "/SOS "
                "/NOSERIALMICE:COM2\r\n"
                "multi(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT Workstation\"\r\n"
                "C:\\=\"MS-DOS\"\r\n"));
        QVERIFY(!fs::exists(options.files().working));
        QVERIFY(prompter.shown.empty());
    }

    void memoryLimitHasAMinimum() {
        NtImage image(kSampleBootIni);
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        ui::BootlamWindow window(options, &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs()->setCurrentIndex(1);
        window.maxmemBox()->click();
        QCOMPARE(window.megabytesBox()->text(), QStringLiteral("32"));
        window.megabytesBox()->setFocus();
        window.megabytesBox()->clear();
        QTest::keyClicks(window.megabytesBox(), "8");
        QTest::keyClick(window.megabytesBox(), Qt::Key_Return);
        QCOMPARE(window.megabytesBox()->text(), QStringLiteral("16"));
        QCOMPARE(prompter.shown.size(), std::size_t{1});
        QCOMPARE(prompter.shown[0].first, std::string("Minimum 16MB! "));
        QCOMPARE(prompter.shown[0].second, std::string("Value"));
        QCOMPARE(options.entries()[0].maxmemMegabytes, 16);
        window.maxmemBox()->click();
        QCOMPARE(window.megabytesBox()->text(), QString());
        QVERIFY(!options.entries()[0].maxmem);
        QTest::keyClicks(window.megabytesBox(), "64");
        QVERIFY(window.maxmemBox()->isChecked());  // typing a limit checks its box
    }

    void renamingByKeyboardRefusesDuplicates() {
        NtImage image(kSampleBootIni);
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        ui::BootlamWindow window(options, &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto rename = [&](int row, const QString& text) {
            window.listView()->setCurrentRow(row);
            window.listView()->setFocus();
            QTest::keyClick(window.listView(), Qt::Key_Return);
            QLineEdit* editor = nullptr;  // closed editors linger until deleted later
            for (auto* open : window.listView()->findChildren<QLineEdit*>())
                if (open->isVisible()) editor = open;
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();  // the delegate commits through a queued call
        };
        rename(2, QStringLiteral("Windows NT Workstation"));
        QCOMPARE(window.listView()->item(2)->text(), QStringLiteral("MS-DOS"));
        QCOMPARE(prompter.shown.size(), std::size_t{1});
        QCOMPARE(prompter.shown[0].first, std::string("Name already exists! "));
        QCOMPARE(prompter.shown[0].second, std::string("Rename"));
        rename(2, QStringLiteral("DOS 6.22"));
        QCOMPARE(options.entries()[2].name, std::string("DOS 6.22"));
        rename(0, QString(33, QLatin1Char('x')));
        QCOMPARE(window.listView()->item(0)->text(), QStringLiteral("Windows NT Workstation"));
        QCOMPARE(prompter.shown.size(), std::size_t{1});  // a name too long is undone silently
    }

    void restoreAsksThenBringsBackTheBackup() {
        NtImage image(kSampleBootIni);
        {
            BootOptions options(*image.machine);
            options.start();
            options.chooseTimeout(TimeoutChoice::Wait);
            QVERIFY(options.save());
        }
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        ui::BootlamWindow window(options, &prompter);
        window.show();
        QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
        QCOMPARE(prompter.asked.size(), std::size_t{1});
        QCOMPARE(prompter.asked[0].second, std::string("Warning!"));
        QVERIFY(window.isVisible());  // No keeps the module open
        QVERIFY(image.bootIni() != kSampleBootIni);
        prompter.answers.push_back(true);
        QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
        QCOMPARE(image.bootIni(), std::string(kSampleBootIni));
        QCOMPARE(prompter.shown.back().first,
                 std::string("The module will now terminate automatically."));
        QVERIFY(!window.isVisible());
    }

    void cancelWritesNothing() {
        NtImage image(kSampleBootIni);
        BootOptions options(*image.machine);
        options.start();
        QueuedPrompter prompter;
        ui::BootlamWindow window(options, &prompter);
        window.show();
        window.timeoutOption(TimeoutChoice::Wait)->click();
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        QCOMPARE(image.bootIni(), std::string(kSampleBootIni));
    }
};

QTEST_MAIN(BootlamWindowTest)
#include "BootlamWindow_test.moc"
