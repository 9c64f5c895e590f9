#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "../RecordingTray.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "modules/traskel/TraskelEditor.h"
#include "modules/traskel/ui/ModuleDialog.h"
#include "modules/traskel/ui/TraskelWindow.h"
#include "shell/ui/Dialogs.h"
#include "tests/lindrel32/BareImage.h"

using namespace vantix::traskel;
using vantix::shell::Dialogs;

namespace {

const std::string kKey(kTrayKey);
const std::string kModules =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module";

QStringList texts(QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
    return result;
}

// Answers the next modal Form3 by choosing its first module and "&Add".
void addFirstModuleWhenAsked() {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::ModuleDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Taskbar"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("AddButton"), Qt::LeftButton);
    });
}

}  // namespace

class TraskelWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<BareImage> image;
    std::unique_ptr<lindrel32::QVREG> registry;
    std::unique_ptr<lindrel32::QVFKT> functions;
    std::unique_ptr<RecordingTray> tray;
    std::unique_ptr<TraskelEditor> editor;

    std::unique_ptr<ui::TraskelWindow> openWindow() {
        editor =
            std::make_unique<TraskelEditor>(*registry, *functions, *tray, image->machine.get());
        editor->load();
        auto window = std::make_unique<ui::TraskelWindow>(*editor, *functions);
        window->show();
        return window;
    }
    void click(ui::TraskelWindow& window, const char* button) {
        QPushButton* target = window.button(button);
        QVERIFY2(target, button);
        QTest::mouseClick(target, Qt::LeftButton);
    }
    std::string get(int position, const std::string& name) {
        return registry->GetReg(kKey, positionPrefix(position) + name);
    }

private slots:
    void init() {
        Dialogs::reset();
        image = std::make_unique<BareImage>();
        registry = std::make_unique<lindrel32::QVREG>(*image->machine);
        functions = std::make_unique<lindrel32::QVFKT>(*image->machine);
        tray = std::make_unique<RecordingTray>();
        registry->SetReg("HKEY_CURRENT_USER\\Software\\Wine", "Version", "win98");
        registry->SetReg(kModules + "\\Regalto", "Name", "Registry Editor");
        registry->SetReg(kModules + "\\Regalto", "BS", "7");
        registry->SetReg(kModules + "\\Regalto", "Modul", "C:\\VANTIX\\Module\\REGALTO.EXE");
        registry->SetReg(kModules + "\\Regalto", "Window", " Registry Editor Module");
        ScratchDir::write(image->driveC() / "Tools" / "EDIT.EXE", "MZ");
    }

    void startsWithTheSwitchCheckedWhenTheTrayRunsWithoutSwitchingIt() {
        tray->answers = true;
        auto window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Taskbar Module"));
        QCOMPARE(window->tabs()->widget(0)->objectName(), QStringLiteral("LISTE"));
        QCOMPARE(window->tabs()->widget(1)->objectName(), QStringLiteral("SETUP"));
        QCOMPARE(window->tabs()->tabText(1), QStringLiteral("&Properties"));
        QVERIFY(window->taskbarActive()->isChecked());
        QCOMPARE(tray->starts, 0);
        QVERIFY(tray->autostart.empty());
        QVERIFY(!window->button("ApplyButton")->isEnabled());
    }

    void aPersonAddsTwoProgramsASpacerAndAModuleAndApplies() {
        ScratchDir::write(image->driveC() / "Tools" / "CALC.BAT", "@echo off");
        auto window = openWindow();
        Dialogs::setNextPath(
            QString::fromStdString((image->driveC() / "Tools" / "EDIT.EXE").string()));
        click(*window, "NewProgramButton");
        Dialogs::setNextPath(QStringLiteral("C:\\TOOLS\\CALC.BAT"));
        click(*window, "NewProgramButton");
        Dialogs::setNextPath(QStringLiteral("C:\\TOOLS\\NONE.EXE"));  // refused: no such file
        click(*window, "NewProgramButton");
        click(*window, "SpacerButton");
        addFirstModuleWhenAsked();
        click(*window, "AddModuleButton");
        QCOMPARE(texts(window->list()),
                 (QStringList{" Edit", " Calc", " Spacer", " Registry Editor (Modul)"}));
        QCOMPARE(window->list()->currentRow(), 3);
        QVERIFY(window->button("ApplyButton")->isEnabled());

        click(*window, "ApplyButton");
        QCOMPARE(get(1, "Datei"), std::string("C:\\Tools\\EDIT.EXE"));
        QCOMPARE(get(2, "Datei"), std::string("C:\\TOOLS\\CALC.BAT"));
        QCOMPARE(get(3, "Datei"), std::string("DUMMY"));
        QCOMPARE(get(3, "Name"), std::string("NO Key"));
        QCOMPARE(get(4, "Param"), std::string("/START"));
        QCOMPARE(get(4, "Icon"), std::string("MODUL"));
        QCOMPARE(tray->commands, std::vector<std::string>{"{UPDATE_TRAY}"});
        QVERIFY(!window->button("ApplyButton")->isEnabled());
    }

    void twentyEntriesDisableTheThreeAddButtons() {
        for (int n = 1; n <= 19; ++n) registry->SetReg(kKey, positionPrefix(n) + "Datei", "DUMMY");
        auto window = openWindow();
        QVERIFY(window->button("SpacerButton")->isEnabled());
        click(*window, "SpacerButton");
        QCOMPARE(window->list()->count(), 20);
        for (const char* name : {"NewProgramButton", "SpacerButton", "AddModuleButton"})
            QVERIFY2(!window->button(name)->isEnabled(), name);
        QVERIFY(window->button("DeleteButton")->isEnabled());
        click(*window, "DeleteButton");
        QCOMPARE(window->list()->count(), 19);
        QVERIFY(window->button("AddModuleButton")->isEnabled());
    }

    void propertiesEditTheEntryAndModuleEntriesLockTheirBoxes() {
        registry->SetReg(kKey, "01 Datei", "C:\\Tools\\EDIT.EXE");
        registry->SetReg(kKey, "01 Name", "Edit");
        registry->SetReg(kKey, "02 Datei", "C:\\VANTIX\\Module\\REGALTO.EXE");
        registry->SetReg(kKey, "02 Name", "Registry Editor (Modul)");
        registry->SetReg(kKey, "02 Param", "/START");
        registry->SetReg(kKey, "02 Icon", "MODUL");
        auto window = openWindow();
        window->tabs()->setCurrentIndex(1);
        auto* name = window->findChild<QLineEdit*>("NameBox");
        QCOMPARE(name->text(), QStringLiteral("Edit"));
        QVERIFY(window->findChild<QRadioButton*>()->isChecked());  // "&Normal": start state 1
        name->selectAll();
        QTest::keyClicks(name, "Editor");
        QCOMPARE(window->list()->item(0)->text(), QStringLiteral(" Editor"));
        auto options = window->findChildren<QRadioButton*>();
        QTest::mouseClick(options[2], Qt::LeftButton);  // "Ma&ximized"
        QTest::keyClicks(window->findChild<QLineEdit*>("ParamBox"), "/x");
        // The icon picture opens the icon chooser; an answer is stored and drawn.
        Dialogs::setNextPath(QStringLiteral("C:\\Tools\\EDIT.EXE,2"));
        QTest::mouseClick(window->iconPicture(), Qt::LeftButton);
        QCOMPARE(editor->entries()[0].iconFile, std::string("C:\\Tools\\EDIT.EXE,2"));
        QCOMPARE(window->iconPicture()->toolTip(),
                 QStringLiteral("Always use 16x16 format icons if possible! "));

        window->list()->setCurrentRow(1);
        QVERIFY(window->findChild<QLineEdit*>("NameBox")->isEnabled());
        for (const char* box : {"ParamBox", "WorkPathBox", "WindowBox"})
            QVERIFY2(!window->findChild<QLineEdit*>(box)->isEnabled(), box);
        QVERIFY(!window->iconPicture()->isEnabled());

        click(*window, "OkButton");  // saves what is pending, then closes
        QVERIFY(!window->isVisible());
        QCOMPARE(get(1, "Name"), std::string("Editor"));
        QCOMPARE(get(1, "Start"), std::string("3"));
        QCOMPARE(get(1, "Param"), std::string("/x"));
        QCOMPARE(get(1, "Icon"), std::string("C:\\Tools\\EDIT.EXE,2"));
    }

    void arrowsMoveTheSelectionAndCancelKeepsTheStoredList() {
        registry->SetReg(kKey, "01 Datei", "C:\\Tools\\EDIT.EXE");
        registry->SetReg(kKey, "01 Name", "Edit");
        registry->SetReg(kKey, "02 Datei", "DUMMY");
        auto window = openWindow();
        QVERIFY(!window->button("UpButton")->isEnabled());  // the first is selected
        click(*window, "DownButton");
        QCOMPARE(texts(window->list()), (QStringList{" Spacer", " Edit"}));
        QCOMPARE(window->list()->currentRow(), 1);
        QVERIFY(!window->button("DownButton")->isEnabled());
        click(*window, "CancelButton");
        QVERIFY(!window->isVisible());
        QCOMPARE(get(1, "Datei"), std::string("C:\\Tools\\EDIT.EXE"));
        QVERIFY(tray->commands.empty());
    }

    void theSwitchStartsTheTrayAndEndsIt() {
        auto window = openWindow();
        QTest::mouseClick(window->taskbarActive(), Qt::LeftButton);
        QCOMPARE(tray->starts, 1);
        QCOMPARE(registry->GetReg(std::string(kRunKey), "1DDE Server"),
                 std::string("QVDDESVR.EXE /START"));
        QTest::mouseClick(window->taskbarActive(), Qt::LeftButton);
        QCOMPARE(registry->GetReg(std::string(kRunKey), "1DDE Server"), std::string("NO Key"));
        QCOMPARE(tray->commands, std::vector<std::string>{"{END}"});
        QCOMPARE(tray->autostart, (std::vector<bool>{true, false}));
    }
};

QTEST_MAIN(TraskelWindowTest)
#include "TraskelWindow_test.moc"
