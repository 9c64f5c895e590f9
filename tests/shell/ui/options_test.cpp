#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/database/Scramble.h"
#include "shell/AccessPassword.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/OptionsDialog.h"
#include "shell/ui/PictureButton.h"
#include "tests/shell/ui/ShellFixture.h"

using namespace vantix::shell;

class OptionsTest : public QObject {
    Q_OBJECT

private:
    static void enterPassword(OptionsDialog& dialog, const QString& entry, const QString& confirmation) {
        dialog.passwordBox()->setChecked(true);
        dialog.entry(0)->setText(entry);
        dialog.entry(1)->setText(confirmation);
    }

private slots:
    void captionsAndTitle() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        OptionsDialog dialog(f.state, *f.shell->mainWindow());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vantix Preferences"));
        QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("&General Options"));
        QCOMPARE(dialog.tabs()->tabText(1), QStringLiteral("&Security"));
        QCOMPARE(dialog.check(3)->text(), QStringLiteral("Show Vantix &logo at program startup"));
        QCOMPARE(dialog.check(0)->text(), QStringLiteral("&Background pattern"));
        QVERIFY(dialog.win95Buttons()->isChecked());  // style 1 by default
    }

    void lowerCaseEntryIsStoredUpperCaseScrambledAndRefreshed() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        {
            OptionsDialog dialog(f.state, *f.shell->mainWindow());
            QVERIFY(!dialog.passwordBox()->isChecked());
            enterPassword(dialog, QStringLiteral("secret"), QStringLiteral("secret"));
            QVERIFY(!dialog.check(3)->isEnabled());
            dialog.okButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        const std::string stored = f.registry.GetReg(kPasswordKey, kPasswordValue);
        QCOMPARE(stored, vantix::platform::Scramble("SECRET"));
        QCOMPARE(f.state.StoredPassword, stored);

        OptionsDialog reopened(f.state, *f.shell->mainWindow());
        QVERIFY(reopened.passwordBox()->isChecked());
        QCOMPARE(reopened.entry(0)->text(), QStringLiteral("SECRET"));
        QVERIFY(!reopened.check(3)->isEnabled());
        reopened.passwordBox()->setChecked(false);
        QVERIFY(reopened.check(3)->isEnabled());
        QVERIFY(!reopened.entry(0)->isEnabled());
        reopened.okButton()->click();
        QCOMPARE(f.registry.GetReg(kPasswordKey, kPasswordValue), std::string(kNoKey));
        QCOMPARE(f.state.StoredPassword, std::string(kNoKey));
    }

    void invalidEntriesKeepTheDialogOpen_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("two characters") << "ab" << "ab";
        QTest::newRow("eleven characters") << "abcdefghijk" << "abcdefghijk";
        QTest::newRow("different entries") << "abcd" << "abce";
        QTest::newRow("cannot be stored") << QStringLiteral("pizz\u00E4") << QStringLiteral("pizz\u00E4");
    }
    void invalidEntriesKeepTheDialogOpen() {
        QFETCH(QString, entry);
        QFETCH(QString, confirmation);
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        OptionsDialog dialog(f.state, *f.shell->mainWindow());
        dialog.show();
        enterPassword(dialog, entry, confirmation);
        Dialogs::setNextAnswer(Dialogs::Answer::Ok);
        dialog.okButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(Dialogs::shownMessages().size(), 1);
        QCOMPARE(Dialogs::shownMessages()[0].title, QStringLiteral("Error!"));
        QCOMPARE(Dialogs::shownMessages()[0].icon, Dialogs::Icon::Exclamation);
        QVERIFY(Dialogs::shownMessages()[0].text.startsWith(QStringLiteral("Please check your password entry!\r\r")));
        QCOMPARE(f.registry.GetReg(kPasswordKey, kPasswordValue), std::string(kNoKey));
    }

    void swatchesTakeEveryColourAndCancelChangesNothing() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow& main = *f.shell->mainWindow();
        OptionsDialog dialog(f.state, main);
        const std::int32_t foreBefore = main.currentViewSettings().CaptionForeColor;

        Dialogs::setNextColor(9);  // the colour 9 itself, no longer taken for "cancelled"
        dialog.swatch(1)->click();
        QCOMPARE(main.currentViewSettings().CaptionBackColor, 9);
        QCOMPARE(main.currentViewSettings().CaptionForeColor, foreBefore);

        Dialogs::setNextColor(std::nullopt);
        dialog.swatch(2)->click();
        QCOMPARE(main.currentViewSettings().CaptionForeColor, foreBefore);

        Dialogs::setNextColor(0x0000FF);
        dialog.swatch(0)->click();
        QCOMPARE(f.state.Settings.SideBarBackColor, 0x0000FF);

        Dialogs::setNextColor(std::nullopt);
        QCOMPARE(Dialogs::chooseColor(&dialog), 9);  // the component's interface still answers 9
    }

    void controlsActAtOnce() {
        ShellFixture f;
        f.ordinaryStart();
        QCOMPARE(f.start(), StartupOutcome::Running);
        MainWindow& main = *f.shell->mainWindow();
        QVERIFY(main.hasBackgroundPicture());
        QVERIFY(main.backgroundShown());
        OptionsDialog dialog(f.state, main);
        dialog.check(0)->setChecked(false);
        QVERIFY(!main.backgroundShown());
        QVERIFY(!f.state.Settings.SetBackPic);
        dialog.check(0)->setChecked(true);
        QVERIFY(main.backgroundShown());

        dialog.activeButtons()->setChecked(true);
        QCOMPARE(f.state.Settings.ButtonStyle, 3);
        for (PictureButton* button : main.pictureButtons()) QCOMPARE(button->buttonStyle(), 3);
        dialog.win95Buttons()->setChecked(true);
        for (PictureButton* button : main.pictureButtons()) QCOMPARE(button->buttonStyle(), 1);

        dialog.check(2)->setChecked(true);
        QVERIFY(f.state.Settings.Sound);
        dialog.confirmDeletes()->setChecked(false);
        QVERIFY(!f.state.Settings.Sicherheit);
        QCOMPARE(QString::fromStdString(f.setting("Sound")), QStringLiteral("<absent>"));  // saved at shutdown only
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
