#include <QCloseEvent>
#include <QTest>
#include <QWidget>

#include "lindrel32/QVFKT.h"
#include "platform/windowing/WindowSystem.h"
#include "platform/windowing/ui/InstallWindowing.h"

using namespace vantix::platform;

namespace {

class StubbornWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

std::int32_t handleOf(const QString& title) {
    lindrel32::QVFKT functions;
    std::int32_t start = 0;
    std::string name = title.toStdString();
    return functions.GET_TaskHandle(start, name);
}

}  // namespace

// The window helpers of the library on the program's own windows (offscreen).
class OwnWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(ui::installWindowing(), ui::Windowing::OwnWindows); }

    void findsOwnWindowsByTitleHiddenOnesToo() {
        QWidget editor;
        editor.setWindowTitle(" Taskbar Module");
        editor.show();
        QWidget hidden;
        hidden.setWindowTitle("QV DDE Form     ");
        hidden.winId();  // made, never shown, as the tray program's form
        lindrel32::QVFKT functions;
        std::int32_t start = 0;
        std::string name = "  qv dde form";
        const std::int32_t found = functions.GET_TaskHandle(start, name);
        QVERIFY(found != 0);
        QCOMPARE(name, std::string("QV DDE Form     "));
        QCOMPARE(windowSystem().title(found), std::optional<std::string>("QV DDE Form     "));
        QVERIFY(handleOf("TASKBAR MODULE") != 0);
        QVERIFY(handleOf("TASKBAR MODULE") != found);
        QCOMPARE(handleOf("No such window"), 0);
        std::string any;
        QVERIFY(functions.GET_TaskHandle(start, any) != 0);  // empty: the first with a title
    }

    void placesCentresAndShowsWindows() {
        QWidget main;
        main.setWindowTitle("Main Form");
        main.setGeometry(100, 60, 400, 300);
        main.show();
        QWidget sub;
        sub.setWindowTitle("Sub Form");
        sub.resize(200, 100);
        sub.show();
        const std::int32_t mainHandle = handleOf("Main Form");
        const std::int32_t subHandle = handleOf("Sub Form");
        lindrel32::QVFKT functions;
        const int twips = 1440 / windowSystem().logicalDpi();
        std::int32_t left = 0, top = 0, width = 0, height = 0;
        QVERIFY(functions.GET_WindowPos(mainHandle, left, top, width, height));
        QCOMPARE(left, main.frameGeometry().x() * twips);
        QCOMPARE(width, main.frameGeometry().width() * twips);

        functions.SET_CenterWindow(mainHandle, subHandle);
        QCOMPARE(sub.frameGeometry().center(), main.frameGeometry().center());

        functions.SET_ViewWindow(mainHandle, 3);
        QTRY_VERIFY(main.isMaximized());
        QTRY_VERIFY(
            !functions.GET_WindowPos(mainHandle, left, top, width, height));  // at the corner
        functions.SET_ViewWindow(mainHandle, 2);
        QTRY_VERIFY(main.isMinimized());
        functions.SET_ViewWindow(mainHandle);
        QTRY_VERIFY(!main.isMinimized() && !main.isMaximized());

        functions.SET_FormTop(subHandle, true);
        QVERIFY(sub.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(sub.isVisible());
        QCOMPARE(windowSystem().topLevelWindows().front(), subHandle);
        functions.SET_FormTop(subHandle, false);  // to the top of its band: it stays topmost
        QVERIFY(sub.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void terminateAsksAndTheWindowDecides() {
        auto* polite = new QWidget;
        polite->setAttribute(Qt::WA_DeleteOnClose);
        polite->setWindowTitle("Polite Window");
        polite->show();
        StubbornWindow stubborn;
        stubborn.setWindowTitle("Stubborn Window");
        stubborn.show();
        lindrel32::QVFKT functions;
        functions.APP_Terminate(handleOf("Stubborn Window"));
        functions.APP_Terminate(handleOf("Polite Window"));
        QVERIFY(stubborn.isVisible());  // a close request is posted, not run at once
        QTRY_COMPARE(handleOf("Polite Window"), 0);
        QVERIFY(stubborn.isVisible());
        QVERIFY(!windowSystem().postClose(0));
    }
};

QTEST_MAIN(OwnWindowsTest)
#include "ownwindows_test.moc"
