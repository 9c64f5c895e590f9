#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/SideBarData.h"
#include "shell/StartupSequence.h"
#include "shell/ui/LogoWindow.h"

namespace lindrel32 {
class IQVREG;
class SettingsStore;
}  // namespace lindrel32

namespace vantix::platform {
class Machine;
class SingleInstance;
}  // namespace vantix::platform

namespace vantix::catalogue {
class AppletTable;
class ImageHost;
class ModuleTable;
class ImageStarter;
class SettingsStoreAccess;
namespace ui {
struct CatalogueContext;
class ObjectListView;
class SideBar;
}  // namespace ui
}  // namespace vantix::catalogue

namespace vantix::tweaks {
class TweakSession;
namespace ui {
struct HiddenContext;
}
}  // namespace vantix::tweaks

namespace vantix::shell {

class DialogChoosers;
class DialogPageChoosers;
class DialogPrompter;
class MainWindow;
class SoundPlayer;
struct ShellState;

// The shell program on one machine image: runs start-up with the real windows
// and the catalogue's widgets, and wires the main window to the catalogue.
class ShellApplication : public QObject, public StartupHost {
    Q_OBJECT
public:
    ShellApplication(ShellState& state, platform::Machine& machine, std::filesystem::path programDir);
    ~ShellApplication() override;

    StartupOutcome start(const std::string& commandLine);

    MainWindow* mainWindow() const { return main_.get(); }
    LogoWindow* logoWindow() const { return logo_; }
    catalogue::ui::SideBar* sideBar() const { return sideBar_; }
    catalogue::ui::ObjectListView* objectList() const { return list_; }
    SettingsAccess& settings() { return *settings_; }
    // Opens a group by its key ("12CID") as a click in the sidebar does.
    void openGroup(const std::string& groupKey);
    // The options dialog and the About box, as the commands open them.
    void showOptions();
    void showAbout();
    // The help file on the topic of the widget with the focus (F1, APP_HELP).
    void showHelp();
    std::filesystem::path helpFile() const { return programDir_ / "VANTIX.HLP"; }
    catalogue::ModuleTable& moduleTable() { return *modules_; }

    // The commands of the folder and group dialogs, on the current folder and on
    // the group the sidebar's pop-up was opened on (else the open group).
    void newFolder();
    void editFolder();
    void deleteFolder();
    void newGroup();
    void editGroup();
    void deleteGroup();
    // A shortcut to that group: "DESK", "START" or "PROG".
    bool createGroupShortcut(const std::string& place);

    // StartupHost
    bool anotherInstanceRunning() override;
    std::int32_t platformCode() override;
    void loadLogo(bool showPasswordPrompt) override;
    void showLogo() override;
    bool waitForAccess() override;
    void initDirectories() override;
    std::int32_t loadMainWindow() override;
    void processEvents() override;
    bool fileExists(const std::string& path) override;
    void loadBackgroundPicture(const std::string& path) override;
    void applyViewSettings(const ViewSettings& view) override;
    ScreenTwips screenTwips() override;
    void placeMainWindow(const WindowRectTwips& rect) override;
    void applyWindowSettings(const SettingsRecord& settings) override;
    std::unique_ptr<platform::Database> openDatabase(const std::filesystem::path& file) override;
    std::optional<platform::DatabaseError> checkOpenCatalogue() override;
    void showError(const std::string& message) override;
    void addUtility(std::int32_t groupId, const UtilityRow& row) override;
    void fillSideBar() override;
    void extendAppletTable() override;
    void loadModuleTable() override;
    void selectStartGroup(const std::string& commandLine, const std::string& lastCtrl) override;
    void unloadLogo() override;
    void showMainWindow() override;

private:
    void wireSideBar();
    void wireMainWindow();
    void registerCommands();
    void openFolder(const QString& folderKey);
    // Rebuilds the sidebar from the catalogue, keeping the open folder and group.
    void refreshSideBar();
    QString commandGroup() const;
    void wireHiddenFunctions();
    tweaks::TweakSession* tweakSession();

    ShellState& state_;
    platform::Machine& machine_;
    std::filesystem::path programDir_;
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<lindrel32::SettingsStore> store_;
    std::unique_ptr<SettingsAccess> settings_;
    std::unique_ptr<catalogue::SettingsStoreAccess> catalogueSettings_;
    std::unique_ptr<catalogue::ImageHost> imageHost_;
    std::unique_ptr<catalogue::ImageStarter> starter_;
    std::unique_ptr<catalogue::AppletTable> applets_;
    std::unique_ptr<catalogue::ModuleTable> modules_;
    std::unique_ptr<DialogPrompter> prompter_;
    std::unique_ptr<DialogChoosers> choosers_;
    std::unique_ptr<catalogue::ui::CatalogueContext> context_;
    std::unique_ptr<DialogPageChoosers> pageChoosers_;
    std::unique_ptr<tweaks::ui::HiddenContext> hiddenContext_;
    std::unique_ptr<tweaks::TweakSession> tweaks_;
    QWidget* dialogOwner_ = nullptr;
    SoundPlayer* sound_;
    QPointer<LogoWindow> logo_;
    std::unique_ptr<MainWindow> main_;
    catalogue::ui::SideBar* sideBar_ = nullptr;
    catalogue::ui::ObjectListView* list_ = nullptr;
    std::vector<catalogue::SideBarFolder> folders_;
};

}  // namespace vantix::shell
