// Faults found when the landed shell was read; each case failed before its mend.
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <memory>

#include "platform/windowing/WindowSystem.h"
#include "shell/ui/IconFileDialog.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PicturePane.h"
#include "shell/ui/SoundPlayer.h"
#include "tests/platform/peimage/PeBuilder.h"
#include "tests/shell/ui/ShellDriver.h"

using namespace vantix::shell;

namespace {

// Records what the shell asks of the window system; every lookup finds nothing.
class RecordingWindows final : public vantix::platform::WindowSystem {
public:
    std::vector<vantix::platform::WindowHandle> topLevelWindows() override { return {}; }
    std::optional<std::string> title(vantix::platform::WindowHandle) override {
        return std::nullopt;
    }
    std::optional<vantix::platform::ShowState> showState(vantix::platform::WindowHandle) override {
        return std::nullopt;
    }
    bool setShowState(vantix::platform::WindowHandle, vantix::platform::ShowState) override {
        return false;
    }
    std::optional<vantix::platform::WindowRect> rect(vantix::platform::WindowHandle) override {
        return std::nullopt;
    }
    bool move(vantix::platform::WindowHandle, const vantix::platform::WindowRect&) override {
        return false;
    }
    bool postClose(vantix::platform::WindowHandle) override { return false; }
    bool setTopmost(vantix::platform::WindowHandle window, bool topmost) override {
        calls.push_back({window, topmost ? "topmost" : "ordinary"});
        return true;
    }
    bool raise(vantix::platform::WindowHandle window) override {
        calls.push_back({window, "raise"});
        return true;
    }
    vantix::platform::WindowRect screen() override { return {0, 0, 1024, 768}; }
    int logicalDpi() override { return 96; }
    void processEvents() override {}
    std::vector<std::pair<vantix::platform::WindowHandle, std::string>> calls;
};

QTreeWidgetItem* node(QTreeWidget* tree, const QString& key) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->data(0, Qt::UserRole).toString() == key)
            return tree->topLevelItem(i);
    return nullptr;
}

}  // namespace

class FaultsTest : public QObject {
    Q_OBJECT

private slots:
    void logoGaugeRunsWhenNoPasswordIsSet() {
        ShellFixture f;
        f.ordinaryStart();
        f.shell = std::make_unique<ShellApplication>(f.state, *f.image.machine, f.image.program());
        f.state.AccessGranted = true;  // as start-up sets it when no password is stored
        f.shell->loadLogo(false);
        f.shell->showLogo();
        QTRY_VERIFY_WITH_TIMEOUT(f.shell->logoWindow()->gaugeCounter() > 0, 2000);
        QVERIFY(f.shell->logoWindow()->gaugePercent() > 0);
        f.shell->unloadLogo();
    }

    void dropDownFolderNodeFollowsTheSideBar() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        f.state.Settings.DropDown_Ani = false;
        auto& bar = *f.shell->sideBar();
        w->ShowDropDown(true);
        emit w->dropDownView()->itemClicked(node(w->dropDownView(), "3GID"), 0);
        QCOMPARE(bar.currentFolder(), QStringLiteral("3GID"));
        QTest::mouseClick(bar.folderBar("1GID"), Qt::LeftButton);
        QCOMPARE(w->openFolder(), QStringLiteral("1GID"));
        w->ShowDropDown(true);
        emit w->dropDownView()->itemClicked(node(w->dropDownView(), "3GID"), 0);
        QCOMPARE(bar.currentFolder(), QStringLiteral("3GID"));
        QVERIFY(!w->dropDownShown());
    }

    void titlePanelShowsADoubledAmpersandOnce() {
        ShellFixture f;
        driver::started(f);
        f.shell->openGroup("195CID");
        QCOMPARE(f.shell->mainWindow()->titlePanel()->text(), QStringLiteral("  Tool & Utilities"));
    }

    void reportViewPressesTheListButton() {
        ShellFixture f;
        driver::started(f);
        MainWindow* w = f.shell->mainWindow();
        ViewSettings view = w->currentViewSettings();
        view.ListViewView = 0;
        w->applyViewSettings(view);
        QVERIFY(w->ribbonButton(3, 0)->isChecked());
        view.ListViewView = 3;
        w->applyViewSettings(view);
        QVERIFY(w->ribbonButton(3, 2)->isChecked());
        QVERIFY(!w->ribbonButton(3, 0)->isChecked());
    }

    void logoComesToTheFrontThroughItsOwnHandle() {
        auto windows = std::make_shared<RecordingWindows>();
        vantix::platform::installWindowSystem(windows);
        ShellFixture f;
        driver::started(f);
        vantix::platform::installWindowSystem(nullptr);
        QCOMPARE(windows->calls.size(), std::size_t(2));
        QVERIFY(windows->calls[0].first != 0);
        QCOMPARE(windows->calls[0].second, std::string("topmost"));
        QCOMPARE(windows->calls[1].first, windows->calls[0].first);
    }

    void testRecordsStayBounded() {
        Dialogs::reset();
        for (int i = 0; i < 100; ++i) {
            Dialogs::setNextAnswer(Dialogs::Answer::Ok);
            Dialogs::message(nullptr, Dialogs::Icon::Information, "T", QString::number(i));
        }
        QVERIFY(Dialogs::shownMessages().size() <= 32);
        QCOMPARE(Dialogs::shownMessages().last().text, QStringLiteral("99"));
        Dialogs::reset();
        SoundPlayer player;
        for (int i = 0; i < 40; ++i) player.play(QStringLiteral("/nonexistent/%1.WAV").arg(i));
        QVERIFY(player.played().size() <= 32);
        QCOMPARE(player.played().last(), QStringLiteral("/nonexistent/39.WAV"));
    }

    void iconChooserAnswersWithTheFile() {
        using namespace pe_test;
        ShellFixture f;
        const auto a = iconResources(5, {{32, 32, 8, solidIcon(32, 8, 0xFFFF0000u), 1}});
        const auto b = iconResources(9, {{32, 32, 8, solidIcon(32, 8, 0xFF00FF00u), 2}});
        const Bytes pe = buildPe({a[0], b[0], a[1], b[1]});
        const auto file = f.image.scratch.path() / "TWO.DLL";
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(pe.data()),
                   static_cast<std::streamsize>(pe.size()));
        IconFileDialog dialog(QString::fromStdString(file.string()));
        QCOMPARE(dialog.iconCount(), 2);
        auto* icons = dialog.findChild<QListWidget*>();
        QTest::mouseClick(icons->viewport(), Qt::LeftButton, {},
                          icons->visualItemRect(icons->item(1)).center());
        QCOMPARE(icons->currentRow(), 1);
        QCOMPARE(dialog.choice(), QString::fromStdString(file.string()));
    }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
