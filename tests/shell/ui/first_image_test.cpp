#include <QApplication>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/machine/Machine.h"
#include "shell/ui/FirstImage.h"

namespace fs = std::filesystem;
using namespace vantix;

class FirstImageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ::setenv("VANTIX_PROGRAM_DIR", VANTIX_PROGRAM_DIR, 1);
        ::setenv("VANTIX_WINE", "0", 1);
        platform::resetCurrentMachine();
        fs::remove_all(platform::Machine::defaultDir());
    }

    void theMissingDefaultImageIsMadeWhileADialogShowsItsSteps() {
        // What the dialog shows while the worker runs, sampled as this thread paints.
        QStringList labels;
        int highest = -1;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QProgressDialog*>(widget);
                    dialog && dialog->isVisible()) {
                    if (labels.isEmpty() || labels.back() != dialog->labelText())
                        labels << dialog->labelText();
                    highest = std::max(highest, dialog->value());
                }
        });
        sampler.start(0);
        std::string error;
        QVERIFY(shell::createDefaultImageShowingProgress(nullptr, error));
        sampler.stop();
        QVERIFY2(error.empty(), error.c_str());
        QVERIFY(!labels.isEmpty());
        QVERIFY(highest >= 0);
        QVERIFY(fs::exists(platform::Machine::defaultDir() / "system.reg"));
        QCOMPARE(platform::currentMachine().platform(), platform::WindowsPlatform::Win98);
        // Once it exists nothing is made or shown again.
        QVERIFY(!platform::defaultImageMissing());
        QVERIFY(shell::createDefaultImageShowingProgress(nullptr, error));
    }

    void aFailedSetUpIsReportedAndLeavesNoImage() {
        ::setenv("VANTIX_PROGRAM_DIR", "/nonexistent-program-folder", 1);
        std::string error;
        QVERIFY(!shell::createDefaultImageShowingProgress(nullptr, error));
        QVERIFY(error.find("no machine templates") != std::string::npos);
        QVERIFY(!fs::exists(platform::Machine::defaultDir() / "system.reg"));
    }
};

QTEST_MAIN(FirstImageTest)
#include "first_image_test.moc"
