#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "lindrel32/QVREG.h"
#include "modules/drevion/ui/DrevionWindow.h"
#include "modules/drevion/ui/Form2.h"
#include "platform/drives/DriveInfo.h"
#include "tests/lindrel32/BareImage.h"
#include "tests/modules/common/QueuedPrompter.h"

using namespace vantix::drevion;
namespace fs = std::filesystem;

namespace {

// An image with C: (labelled) and a CD-ROM D:.
struct DrivesImage : BareImage {
    DrivesImage() {
        fs::create_directories(scratch / "cd");
        fs::create_directory_symlink("../../cd", dir() / "dosdevices" / "d:");
        registry.SetReg("HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives", "d:", "cdrom");
        ScratchDir::write(driveC() / ".windows-label", "SYSTEM");
    }
    std::string get(const char* key, const char* name, const char* type = "") {
        return registry.GetReg(key, name, type);
    }
    lindrel32::QVREG registry{*machine};
};

// Answers the next restart notice: ticks its box when asked, then OK.
void answerNotice(bool doNotDisplay, bool* seen) {
    QTimer::singleShot(0, [=] {
        auto* notice = qobject_cast<ui::Form2*>(QApplication::activeModalWidget());
        if (!notice) return;
        *seen = true;
        QCOMPARE(notice->windowTitle(), QStringLiteral("Information"));
        if (doNotDisplay) notice->doNotDisplayBox()->click();
        notice->okButton()->click();
    });
}

}  // namespace

class DrevionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsDrivesAndPreselects() {
        DrivesImage image;
        DriveOptions options(*image.machine, 1);
        QueuedPrompter prompter;
        ui::DrevionWindow window(*image.machine, options, 'D', &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Drives Module"));
        QTreeWidget* list = window.listView();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral(" SYSTEM (C)"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Local drive"));
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral(" CD-ROM (D)"));
        QCOMPARE(window.selectedDrive(), 'D');
        QCOMPARE(window.propertiesFrame()->title(), QStringLiteral(" Properties of drive D:\\ "));
        QCOMPARE(window.informationFrame()->title(), QStringLiteral(" Drive Information D:\\ "));
        QVERIFY(!window.labelBox()->isEnabled());  // no labels for CD-ROM drives
        window.selectDrive('C');
        QCOMPARE(window.labelBox()->text(), QStringLiteral("SYSTEM"));
        QVERIFY(window.labelBox()->isEnabled());
        QVERIFY(window.figure(ui::DrevionWindow::Capacity)->text().endsWith(QStringLiteral(" MB")));
        QCOMPARE(window.figure(ui::DrevionWindow::BytesPerSector)->text(), QStringLiteral("512"));
    }

    void hidingShowsTheNoticeUntilItIsSwitchedOff() {
        DrivesImage image;
        DriveOptions options(*image.machine, 1);
        QueuedPrompter prompter;
        ui::DrevionWindow window(*image.machine, options, 'C', &prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool seen = false;
        answerNotice(true, &seen);
        window.hideBox()->click();
        QVERIFY(seen);
        QCOMPARE(image.get(kPolicyKey, "NoDrives", "B"), std::string("04000000"));
        QCOMPARE(image.get("HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows "
                           "Quorvia\\Module\\Drevion",
                           "NotViewInfo"),
                 std::string("1"));
        window.selectDrive('D');
        seen = false;
        answerNotice(false, &seen);
        window.hideBox()->click();
        QCoreApplication::processEvents();
        QVERIFY(!seen);  // "NotViewInfo" is "1" now
        QCOMPARE(image.get(kPolicyKey, "NoDrives", "B"), std::string("0C000000"));
        window.selectDrive('C');
        QVERIFY(window.hideBox()->isChecked());
        window.hideBox()->click();
        QCOMPARE(image.get(kPolicyKey, "NoDrives", "B"), std::string("08000000"));
    }

    void storingANewLabel() {
        DrivesImage image;
        DriveOptions options(*image.machine, 1);
        QueuedPrompter prompter;
        ui::DrevionWindow window(*image.machine, options, 'C', &prompter);
        window.show();
        window.labelBox()->clear();
        QTest::keyClicks(window.labelBox(), "WORK");
        QTest::mouseClick(window.storeNameButton(), Qt::LeftButton);
        QCOMPARE(window.listView()->currentItem()->text(0), QStringLiteral(" WORK (C)"));
        QCOMPARE(vantix::platform::volumeLabel(image.dir(), 'C'),
                 std::optional<std::string>("WORK"));
        QCOMPARE(ScratchDir::read(image.driveC() / ".windows-label"), std::string("WORK\n"));
        window.labelBox()->clear();
        QTest::mouseClick(window.storeNameButton(), Qt::LeftButton);
        QCOMPARE(window.listView()->currentItem()->text(0), QStringLiteral(" Drive C"));
        QVERIFY(!fs::exists(image.driveC() / ".windows-label"));
    }

    void applyKeepsTheOtherAutostartBits() {
        DrivesImage image;
        image.registry.SetReg(kPolicyKey, "NoDriveTypeAutoRun", "95000000", "B");
        DriveOptions options(*image.machine, 1);
        options.setNotViewInfo(true);
        QueuedPrompter prompter;
        ui::DrevionWindow window(*image.machine, options, 'C', &prompter);
        window.show();
        QVERIFY(window.autostartBox(0)->isChecked());
        QVERIFY(!window.autostartBox(2)->isChecked());
        QVERIFY(!window.applyButton()->isEnabled());
        QVERIFY(window.shortNamesBox()->isEnabled());
        QVERIFY(!window.tildeBox()->isEnabled());
        QVERIFY(!window.slider(ui::DrevionWindow::MinCache)->isEnabled());
        window.autostartBox(2)->click();
        QVERIFY(window.applyButton()->isEnabled());
        window.slider(ui::DrevionWindow::Paths)->setValue(128);
        QCOMPARE(window.sliderBox(ui::DrevionWindow::Paths)->text(), QStringLiteral("128"));
        QTest::mouseClick(window.applyButton(), Qt::LeftButton);
        QVERIFY(!window.applyButton()->isEnabled());
        QCOMPARE(image.get(kPolicyKey, "NoDriveTypeAutoRun", "B"), std::string("B5000000"));
        QCOMPARE(image.get(kFileSystemKey, "FilePathCache"), std::string("128"));
        QCOMPARE(image.get(kFileSystemKey, "NtfsDisable8dot3NameCreation", "D"), std::string("0"));
    }

    void nineXShowsTheTildeAndCacheSizes() {
        DrivesImage image;
        image.registry.SetReg(kFileSystemKey, "NameNumericTail", "01", "B");
        DriveOptions options(*image.machine, 3);
        QueuedPrompter prompter;
        ui::DrevionWindow window(*image.machine, options, std::nullopt, &prompter);
        window.show();
        QCOMPARE(window.selectedDrive(), 'C');  // the first drive without a preselection
        QVERIFY(window.tildeBox()->isEnabled());
        QVERIFY(!window.tildeBox()->isChecked());
        QVERIFY(!window.shortNamesBox()->isEnabled());
        QCOMPARE(window.sliderBox(ui::DrevionWindow::MinCache)->text(), QStringLiteral("2048 KB"));
        QCOMPARE(window.sliderBox(ui::DrevionWindow::MaxCache)->text(), QStringLiteral("16384 KB"));
        QCOMPARE(window.slider(ui::DrevionWindow::Files)->minimum(), 16);
        QCOMPARE(window.slider(ui::DrevionWindow::Files)->maximum(), 16384);
        QCOMPARE(window.slider(ui::DrevionWindow::MaxCache)->maximum(), 32000);
        window.tildeBox()->click();
        bool seen = false;
        answerNotice(false, &seen);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!window.isVisible());
        QCOMPARE(image.get(kFileSystemKey, "NameNumericTail", "B"), std::string("7E"));
    }
};

QTEST_MAIN(DrevionWindowTest)
#include "DrevionWindow_test.moc"
