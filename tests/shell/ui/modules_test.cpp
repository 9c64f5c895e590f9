#include <QListWidget>
#include <QTest>
#include <fstream>

#include "catalogue/ui/ObjectListView.h"
#include "shell/ui/PicturePane.h"
#include "tests/shell/ui/ShellDriver.h"

using namespace vantix::shell;
namespace fs = std::filesystem;

namespace {

constexpr const char* kModuleKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Morlan Softwareentwicklung\\Windows Quorvia\\Module";

// A module program that notes its arguments, and its registration record.
void installRegalto(ShellFixture& f, const std::string& systems = "7") {
    const fs::path program = f.image.program() / "Module/REGALTO.EXE";
    std::ofstream(program) << "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/started.txt\"\n";
    fs::permissions(program, fs::perms::owner_all);
    const std::string key = std::string(kModuleKey) + "\\Regalto";
    f.registry.SetReg(key, "Name", "Registry Editor");
    f.registry.SetReg(key, "BS", systems);
    f.registry.SetReg(key, "Icon", program.string());
}

}  // namespace

class ModulesTest : public QObject {
    Q_OBJECT

private slots:
    void modulesGroupListsRenamesAndStartsOnTheSameImage() {
        ShellFixture f;
        installRegalto(f);
        driver::started(f);
        f.shell->openGroup("3CID");
        MainWindow* w = f.shell->mainWindow();
        QCOMPARE(w->titlePanel()->text(), QStringLiteral("  Vantix 98 Modules"));
        auto* list = f.shell->objectList();
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Registry Editor"));

        list->item(0)->setText("Regedit");  // as the in-place editor leaves it
        QCOMPARE(f.registry.GetReg(std::string(kModuleKey) + "\\Regalto", "Name"),
                 std::string("Regedit"));

        list->setCurrentItem(list->item(0));
        list->item(0)->setSelected(true);
        QTest::keyClick(list, Qt::Key_Return);
        const fs::path marker = f.image.program() / "Module/started.txt";
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(marker) && fs::file_size(marker) > 0, 5000);
        std::ifstream in(marker);
        std::string line;
        std::getline(in, line);
        QCOMPARE(line, "--machine " + f.image.machine->dir().string() + " /START");
    }

    void ntOnlyModuleIsNotListedOnWindows98() {
        ShellFixture f;
        installRegalto(f, "1");
        driver::started(f);
        f.shell->openGroup("3CID");
        QCOMPARE(f.shell->objectList()->count(), 0);
    }
};

QTEST_MAIN(ModulesTest)
#include "modules_test.moc"
