#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "catalogue/ui/Form3.h"
#include "shell/ui/PicturePane.h"
#include "shell/ui/help/HelpViewer.h"
#include "tests/shell/ui/ShellDriver.h"

using namespace vantix::shell;
using vantix::help::currentHelpViewer;

namespace {

QStringList anchorsOf(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(in.readAll());
    QStringList names;
    for (const auto& match : QRegularExpression("<a name=\"([^\"]+)\"").globalMatch(html))
        names << match.captured(1);
    return names;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        if (currentHelpViewer()) delete currentHelpViewer();
    }

    void f1OpensTheTopicOfTheWindowWithTheFocus() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        w->listView()->setFocus();
        QTest::keyClick(w->listView(), Qt::Key_F1);
        QVERIFY(currentHelpViewer());
        QCOMPARE(currentHelpViewer()->topic(), QStringLiteral("ListView"));
        QVERIFY(currentHelpViewer()->browser()->toPlainText().contains("The object list"));
        w->titlePanel()->setFocusPolicy(Qt::StrongFocus);
        w->titlePanel()->setFocus();
        QTest::keyClick(w->titlePanel(), Qt::Key_F1);
        QCOMPARE(currentHelpViewer()->topic(), QStringLiteral("Form1"));

        bool answered = false;
        driver::whenModal<vantix::catalogue::ui::Form3>([&](vantix::catalogue::ui::Form3* dialog) {
            QTest::keyClick(dialog->nameField(), Qt::Key_F1);
            answered =
                currentHelpViewer() && currentHelpViewer()->topic() == QLatin1String("Form3") &&
                currentHelpViewer()->parentWidget() == dialog && currentHelpViewer()->isVisible();
            dialog->reject();
        });
        w->commandAction("Bearbeiten", 240)->trigger();
        QVERIFY2(answered,
                 "F1 in the folder dialog opens its topic, usable beside the modal dialog");
    }

    void helpMenuEntryOpensTheHelp() {
        ShellFixture f;
        driver::started(f);
        f.shell->mainWindow()->commandAction("Hilfe", 910)->trigger();
        QVERIFY(currentHelpViewer() && currentHelpViewer()->isVisible());
        QCOMPARE(currentHelpViewer()->helpFile(),
                 QString::fromStdString(f.shell->helpFile().string()));
    }

    void everyWindowHasItsTopic() {
        const QString program = QStringLiteral(VANTIX_PROGRAM_DIR);
        const QStringList shell = anchorsOf(program + "/VANTIX.HLP");
        for (const char* topic :
             {"contents", "Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form9",
              "IconFileDialog", "SideBar", "ListView", "HiddenTreeView"})
            QVERIFY2(shell.contains(topic), topic);
        const QStringList modules = anchorsOf(program + "/Module/QVMODULE.HLP");
        for (const char* topic : {"contents", "RegaltoWindow", "FindDialog", "KeyNameDialog",
                                  "NewValueDialog", "DwordDialog", "TextValueDialog"})
            QVERIFY2(modules.contains(topic), topic);
        QVERIFY(anchorsOf(program + "/Module/DREVION.HLP").contains("contents"));
        QVERIFY(anchorsOf(program + "/Module/BOOTLAM.HLP").contains("contents"));
    }

    void topicsFollowPropertiesNamesAndClasses() {
        QWidget window;
        window.setObjectName("Form6");
        QWidget* pane = new QWidget(&window);
        QWidget* inner = new QWidget(pane);
        QCOMPARE(vantix::help::helpTopicOf(inner), QStringLiteral("Form6"));
        pane->setProperty("helpTopic", "SideBar");
        QCOMPARE(vantix::help::helpTopicOf(inner), QStringLiteral("SideBar"));
        QDialog unnamed;
        QCOMPARE(vantix::help::helpTopicOf(&unnamed), QStringLiteral("QDialog"));
    }

    void aMissingFileSaysSo() {
        auto* viewer = vantix::help::showHelp("/nonexistent/VANTIX.HLP", "Form1");
        QVERIFY(viewer->browser()->toPlainText().contains("is missing"));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
