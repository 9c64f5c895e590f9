#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "platform/database/Scramble.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/LogoWindow.h"

using namespace vantix::shell;

class LogoTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndCaptions() {
        LogoWindow logo(LogoWindow::Use::Startup, vantix::platform::Scramble("ABC"));
        QCOMPARE(logo.size(), QSize(433, 263));
        QCOMPARE(logo.passwordLabel()->text(), QStringLiteral("Password:"));
        QCOMPARE(logo.passwordLabel()->pos(), QPoint(224, 208));
        QCOMPARE(logo.passwordEntry()->pos(), QPoint(280, 206));
        QCOMPARE(logo.initializingLabel()->text(), QStringLiteral("Initializing..."));
        QCOMPARE(logo.timer().interval(), 40);
        QVERIFY(!logo.timer().isActive());  // start-up enables it
    }

    void gaugeRunsOnlyAfterAccessAndClosesThreeTicksAfterFull() {
        LogoWindow logo(LogoWindow::Use::Startup, vantix::platform::Scramble("ABC"));
        logo.showPasswordPrompt(true);
        logo.show();
        logo.startTimer();
        QTest::qWait(200);
        QCOMPARE(logo.gaugeCounter(), 0);
        QVERIFY(!logo.initializingLabel()->isVisible());
        QTest::keyClicks(logo.passwordEntry(), QStringLiteral("abc"));
        QVERIFY(logo.accessGranted());
        QVERIFY(!logo.passwordEntry()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!logo.isVisible(), 2000);
        QCOMPARE(logo.gaugeCounter(), 160);
        QCOMPARE(logo.gaugePercent(), 100);
    }

    void clickDuringStartUpDoesNothing() {
        LogoWindow logo(LogoWindow::Use::Startup, "NO Key");
        logo.show();
        QTest::mouseClick(&logo, Qt::LeftButton);
        QVERIFY(logo.isVisible());
    }

    void aboutBoxClosesOnClickEnterOrEsc_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("click") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutBoxClosesOnClickEnterOrEsc() {
        QFETCH(int, how);
        LogoWindow about(LogoWindow::Use::About, "NO Key");
        about.show();
        if (how == 0) QTest::mouseClick(&about, Qt::LeftButton);
        else QTest::keyClick(&about, static_cast<Qt::Key>(how));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutBoxRunsTheGaugeAtOnceAndClosesItself() {
        LogoWindow about(LogoWindow::Use::About, "NO Key");
        about.show();
        QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible(), 2000);
        QCOMPARE(about.gaugeCounter(), 160);
    }
};

QTEST_MAIN(LogoTest)
#include "logo_test.moc"
