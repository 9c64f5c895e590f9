#include <QLabel>
#include <QMimeData>
#include <QMenu>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "catalogue/AppletTable.h"
#include "catalogue/GroupSelection.h"
#include "catalogue/Utilities.h"
#include "catalogue/ui/Form4.h"
#include "catalogue/ui/ObjectListView.h"
#include "tests/catalogue/TestCatalogue.h"
#include "tests/catalogue/ui/WarningGuard.h"

using namespace vantix::catalogue;
using namespace vantix::catalogue::ui;

namespace {

class AnsweringChoosers : public Choosers {
public:
    QString chooseFile(QWidget*, const QString& title, const QString&) override {
        titles << title;
        return file;
    }
    QString chooseIconFile(QWidget*, const QString&) override { return icon; }
    std::optional<std::int32_t> chooseColor(QWidget*) override { return std::nullopt; }
    QString file, icon;
    QStringList titles;
};

// One catalogue, image and list per test.
struct Bench {
    Bench() {
        context.database = catalogue.database.get();
        context.host = catalogue.host.get();
        context.settings = &settings;
        context.prompter = &prompter;
        context.starter = &starter;
        context.choosers = &choosers;
        context.applets = &applets;
        context.programDir = "C:\\APP\\";
        list = std::make_unique<ObjectListView>(context);
    }
    void open(const char* key) { list->showGroup(*SelectGroup(*catalogue.database, key)); }
    QStringList texts() const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text() + (list->isGhosted(i) ? "~" : "");
        return out;
    }
    void select(const QStringList& names) {
        for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(names.contains(list->item(i)->text()));
    }

    TestCatalogue catalogue;
    MemorySettings settings;
    RecordingPrompter prompter;
    RecordingStarter starter;
    AnsweringChoosers choosers;
    AppletTable applets;
    CatalogueContext context;
    std::unique_ptr<ObjectListView> list;
};

// Runs `answer` on the next modal dialog once it is up.
void whenDialogOpens(std::function<void(Form4*)> answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form4*>(widget); form && form->isVisible()) return answer(form);
        QFAIL("no tool dialog open");
    });
}

}  // namespace

class ListViewTest : public QObject {
    Q_OBJECT
    WarningGuard guard_;

private slots:
    void cleanup() {
        const QStringList warnings = WarningGuard::take();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("\n")));
    }

    void appletsFilteredGhostedAndActivatedPerGroup() {
        Bench bench;
        for (const char* file : {"DESK.CPL", "MAIN.CPL", "JOY.CPL"}) bench.catalogue.makeFile(std::string("WINDOWS\\SYSTEM\\") + file);
        bench.catalogue.database->execute(
            "INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, Mode) VALUES (12, 1, 3, 'More', 'SYST')");
        bench.open("1CID");
        QCOMPARE(bench.texts(), (QStringList{"Display", "Game Controllers", "Keyboard", "Mouse", "Printers", "Fonts"}));

        bench.select({"Display"});
        bench.list->setObjectsActive(false);
        QCOMPARE(bench.texts(), (QStringList{"Game Controllers", "Keyboard", "Mouse", "Printers", "Fonts"}));
        QCOMPARE(bench.settings.get("HiddenControls\\Control_ID1", "Display", ""), std::string("0"));

        bench.list->setShowDeactivated(true);
        QCOMPARE(bench.texts().front(), QString("Display~"));
        const QColor grey = bench.list->palette().color(QPalette::Disabled, QPalette::Text);
        QCOMPARE(bench.list->item(0)->foreground().color(), grey);

        bench.open("12CID");
        // The other Control Panel group still lists it.
        QCOMPARE(bench.texts().front(), QString("Display"));

        bench.open("1CID");
        bench.select({"Display"});
        bench.list->setObjectsActive(true);
        QCOMPARE(bench.texts().front(), QString("Display"));
        QVERIFY(bench.settings.values.empty());
    }

    void emptyGroupsSayWhyAndWhatFillsThem() {
        Bench bench;
        bench.open("1CID");
        QCOMPARE(bench.list->count(), 0);
        QVERIFY2(bench.list->emptyText().startsWith("No Control Panel applets in C:\\WINDOWS\\SYSTEM of this"),
                 qPrintable(bench.list->emptyText()));
        QVERIFY(bench.list->emptyText().contains("--wine"));

        // Every applet deactivated: the line points at the toggle, not at Wine.
        bench.catalogue.makeFile("WINDOWS\\SYSTEM\\JOY.CPL");
        bench.open("1CID");
        QVERIFY(bench.list->emptyText().isEmpty());
        bench.select({"Game Controllers"});
        bench.list->setObjectsActive(false);
        QVERIFY2(bench.list->emptyText().startsWith("Every object of this group is deactivated"),
                 qPrintable(bench.list->emptyText()));
        bench.list->setShowDeactivated(true);
        QVERIFY(bench.list->emptyText().isEmpty());

        // The module group reads what the module list gives.
        std::vector<ListEntry> modules;
        bench.context.moduleEntries = [&](std::int64_t, bool) { return modules; };
        bench.list->setShowDeactivated(false);
        bench.open("3CID");
        QVERIFY(bench.list->emptyText().startsWith("No modules registered"));

        // A tools group empties when its last tool is removed.
        bench.catalogue.makeFile("WINDOWS\\A.EXE");
        AddUtility(*bench.catalogue.database, *bench.catalogue.host, 4, "A", "C:\\WINDOWS\\A.EXE", "", "", " ", 1);
        bench.open("4CID");
        QVERIFY(bench.list->emptyText().isEmpty());
        bench.select({"A"});
        bench.prompter.answers = {true};
        bench.list->utilityEntryMenu()->actions().at(1)->trigger();
        QVERIFY(bench.list->emptyText().startsWith("No tools in this group"));
        // The line is painted into the list area.
        bench.list->resize(400, 200);
        const QImage shot = bench.list->viewport()->grab().toImage();
        bool painted = false;
        for (int y = 0; y < 30 && !painted; ++y)
            for (int x = 0; x < 200 && !painted; ++x) painted = shot.pixelColor(x, y) != shot.pixelColor(0, 0);
        QVERIFY(painted);
    }

    void toolDialogShowsItsMessagesInOrder() {
        Bench bench;
        bench.catalogue.makeFile("WINDOWS\\CALC.EXE");
        Form4 form(*bench.catalogue.host, bench.prompter, bench.choosers);
        form.show();
        auto ok = [&] { form.button(1)->click(); };
        ok();
        form.field(0)->setText("2000");
        ok();
        form.field(0)->setText("Calc 2");
        form.field(1)->setText("C:\\WINDOWS\\NOWHERE.EXE");
        ok();
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), 0);
        form.field(1)->setText("C:\\WINDOWS\\CALC.EXE");
        ok();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(bench.prompter.shown.size(), 3u);
        const char* expected[] = {"You must enter a name!", "Names cannot contain numbers!", "File not found or not executable!"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bench.prompter.shown[i].text, std::string(expected[i]));
            QCOMPARE(bench.prompter.shown[i].title, std::string("Error!"));
        }
    }

    void selectFileFillsFileIconAndEmptyName() {
        Bench bench;
        bench.catalogue.makeFile("TOOLS\\SETUP.BAT");
        Form4 form(*bench.catalogue.host, bench.prompter, bench.choosers);
        bench.choosers.file = QString::fromStdString((bench.catalogue.drive() / "TOOLS/SETUP.BAT").string());
        form.selectFileButton()->click();
        QCOMPARE(bench.choosers.titles, QStringList{"Select File"});
        QCOMPARE(form.field(1)->text(), QString("C:\\TOOLS\\SETUP.BAT"));
        QCOMPARE(form.field(4)->text(), QString("C:\\TOOLS\\SETUP.BAT"));
        QCOMPARE(form.field(0)->text(), QString("Setup"));
        // The batch-file picture previews a file without icons.
        QVERIFY(!form.preview()->pixmap().isNull());
        form.field(0)->setText("Mine");
        form.selectFileButton()->click();
        QCOMPARE(form.field(0)->text(), QString("Mine"));
    }

    void newToolThroughTheDialogIsStoredAndListed() {
        Bench bench;
        bench.catalogue.makeFile("WINDOWS\\CALC.EXE");
        bench.open("4CID");
        whenDialogOpens([](Form4* form) {
            form->field(0)->setText("Calculator");
            form->field(1)->setText("C:\\WINDOWS\\CALC.EXE");
            form->windowOption(2)->setChecked(true);
            form->button(1)->click();
        });
        bench.list->newTool();
        QCOMPARE(bench.texts(), QStringList{"Calculator"});
        const auto tool = groupUtilities(*bench.catalogue.database, 4).front();
        QCOMPARE(tool.style, 3);
        QCOMPARE(tool.parameter, std::string(" "));
        QCOMPARE(tool.workPath, std::string("C:\\WINDOWS"));
    }

    void propertiesLockTheFileAndWriteTheChanges() {
        Bench bench;
        bench.catalogue.makeFile("WINDOWS\\CALC.EXE");
        AddUtility(*bench.catalogue.database, *bench.catalogue.host, 4, "Calc", "C:\\WINDOWS\\CALC.EXE", "C:\\WINDOWS",
                   "C:\\WINDOWS\\CALC.EXE", " ", 2);
        bench.open("4CID");
        bench.select({"Calc"});
        bool locked = false;
        whenDialogOpens([&locked](Form4* form) {
            locked = !form->field(1)->isEnabled() && form->windowOption(1)->isChecked();
            form->field(0)->setText("Rechner");
            form->field(2)->setText("/s");
            form->button(1)->click();
        });
        bench.list->editSelectedTool();
        QVERIFY(locked);
        QCOMPARE(bench.texts(), QStringList{"Rechner"});
        QCOMPARE(groupUtilities(*bench.catalogue.database, 4).front().parameter, std::string("/s"));
    }

    void captionsEditedInPlace() {
        Bench bench;
        bench.catalogue.makeFile("WINDOWS\\CALC.EXE");
        AddUtility(*bench.catalogue.database, *bench.catalogue.host, 4, "Calc", "C:\\WINDOWS\\CALC.EXE", "", "", " ", 1);
        bench.open("4CID");
        auto* item = bench.list->item(0);
        item->setText(QString(31, 'x'));
        QCOMPARE(item->text(), QString("Calc"));
        QCOMPARE(bench.prompter.shown.size(), 1u);
        QCOMPARE(bench.prompter.shown[0].title, std::string("Description too long"));
        item->setText("2000");
        QCOMPARE(item->text(), QString("Calc"));
        QCOMPARE(bench.prompter.shown.size(), 1u);
        item->setText(QString(30, 'y'));
        QCOMPARE(item->text(), QString(30, 'y'));
        QCOMPARE(groupUtilities(*bench.catalogue.database, 4).front().name, std::string(30, 'y'));
    }

    void moduleCaptionsAreWrittenByTheModuleListOrKeptAsTheyWere() {
        Bench bench;
        std::vector<std::pair<std::string, std::string>> renamed;
        bool accept = false;
        bench.context.moduleEntries = [](std::int64_t, bool) {
            return std::vector<ListEntry>{{"Regalto", "Registry", "", 1, false, false}};
        };
        bench.context.renameModule = [&](const std::string& key, const std::string& name) {
            renamed.emplace_back(key, name);
            return accept;
        };
        bench.open("3CID");
        auto* item = bench.list->item(0);
        item->setText("Taken");
        QCOMPARE(item->text(), QString("Registry"));
        accept = true;
        item->setText("Registry Editor");
        QCOMPARE(item->text(), QString("Registry Editor"));
        item->setText("2000");
        QCOMPARE(item->text(), QString("Registry Editor"));
        QCOMPARE(renamed.size(), 2u);
        QCOMPARE(renamed.back().first, std::string("Regalto"));
    }

    void removingThreeToolsAfterConfirmation() {
        Bench bench;
        for (const char* name : {"A", "B", "C", "D"}) {
            bench.catalogue.makeFile(std::string("WINDOWS\\") + name + ".EXE");
            AddUtility(*bench.catalogue.database, *bench.catalogue.host, 4, name,
                       std::string("C:\\WINDOWS\\") + name + ".EXE", "", "", " ", 1);
        }
        bench.open("4CID");
        bench.select({"A", "C", "D"});
        bench.prompter.answers = {true};
        bench.list->utilityEntryMenu()->actions().at(1)->trigger();
        QCOMPARE(bench.texts(), QStringList{"B"});
        QCOMPARE(bench.catalogue.count("SELECT COUNT(*) FROM LIST_UTILITI"), 1);
        QCOMPARE(bench.prompter.asked.size(), 1u);
    }

    void droppedFilesBecomeTools() {
        Bench bench;
        bench.catalogue.makeFile("TOOLS\\FOO.EXE");
        bench.catalogue.makeFile("TOOLS\\NOTES.TXT");
        bench.open("4CID");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString((bench.catalogue.drive() / "TOOLS/FOO.EXE").string())),
                      QUrl::fromLocalFile(QString::fromStdString((bench.catalogue.drive() / "TOOLS/NOTES.TXT").string()))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bench.list->viewport(), &enter);
        QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bench.list->viewport(), &drop);
        QCOMPARE(bench.texts(), QStringList{"Foo"});
        QCOMPARE(GetUtilityField(*bench.catalogue.database, groupUtilities(*bench.catalogue.database, 4).front().id, "DATEI"),
                 std::string("C:\\TOOLS\\FOO.EXE"));
    }

    void utilityMenusCarryTheirEntries() {
        Bench bench;
        QStringList captions;
        for (QAction* action : bench.list->utilityEntryMenu()->actions()) captions << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(captions, (QStringList{"&New Program...", "&Remove Program", "-", "&Program Properties..."}));
        QCOMPARE(bench.list->emptySpotMenu()->actions().size(), 1);
        QCOMPARE(bench.list->emptySpotMenu()->actions().front()->text(), QString("&New Program..."));
    }

    void enterStartsTheSelectedObject() {
        Bench bench;
        bench.catalogue.makeFile("WINDOWS\\SYSTEM\\DESK.CPL");
        bench.open("1CID");
        QTest::keyClick(bench.list.get(), Qt::Key_Return);
        QVERIFY(bench.starter.started.empty());
        bench.select({"Display"});
        QTest::keyClick(bench.list.get(), Qt::Key_Return);
        QCOMPARE(bench.starter.started, (std::vector<std::string>{"rundll32.exe shell32.dll,Control_RunDLL DESK.CPL"}));
    }
};

QTEST_MAIN(ListViewTest)
#include "listview_test.moc"
