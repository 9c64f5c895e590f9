#include "shell/ui/ShellApplication.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

#include "catalogue/AppletTable.h"
#include "catalogue/GroupSelection.h"
#include "catalogue/ImageHost.h"
#include "catalogue/ImageStarter.h"
#include "catalogue/Messages.h"
#include "catalogue/SettingsStoreAccess.h"
#include "catalogue/Utilities.h"
#include "catalogue/ui/ObjectListView.h"
#include "catalogue/ui/SideBar.h"
#include "catalogue/ui/SideBarFill.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "platform/process/SingleInstance.h"
#include "shell/Directories.h"
#include "shell/ShellState.h"
#include "shell/SoundEffects.h"
#include "shell/StartSwitch.h"
#include "shell/ui/CatalogueAdapters.h"
#include "shell/ui/Dialogs.h"
#include "shell/ui/LogoWindow.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/OleColor.h"
#include "shell/ui/OptionsDialog.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PicturePane.h"
#include "shell/ui/SoundPlayer.h"
#include "shell/ui/TweakAdapters.h"
#include "shell/ui/Twips.h"
#include "tweaks/TweakSession.h"
#include "tweaks/ui/HiddenContext.h"
#include "tweaks/ui/HiddenTreeView.h"

namespace vantix::shell {

ShellApplication::ShellApplication(ShellState& state, platform::Machine& machine, std::filesystem::path programDir)
    : state_(state), machine_(machine), programDir_(std::move(programDir)), sound_(new SoundPlayer(this)) {
    state_.useMachine(machine_);
    store_ = std::make_unique<lindrel32::SettingsStore>(state_.reg());
    settings_ = std::make_unique<StoreSettingsAccess>(*store_);
    catalogueSettings_ = std::make_unique<catalogue::SettingsStoreAccess>(*store_);
    prompter_ = std::make_unique<DialogPrompter>(dialogOwner_);
    choosers_ = std::make_unique<DialogChoosers>();
    applets_ = std::make_unique<catalogue::AppletTable>();
}

ShellApplication::~ShellApplication() {
    delete logo_.data();
    main_.reset();
    tweaks_.reset();
}

StartupOutcome ShellApplication::start(const std::string& commandLine) {
    StartupInputs inputs{commandLine, programDir_ / std::string(platform::kCatalogueFileName)};
    return runStartup(state_, *this, *settings_, inputs);
}

bool ShellApplication::anotherInstanceRunning() {
    instance_ = platform::SingleInstance::acquire("VANTIX");
    return !instance_;
}

std::int32_t ShellApplication::platformCode() { return state_.fkt().GET_WinVersion(); }

void ShellApplication::loadLogo(bool showPasswordPrompt) {
    logo_ = new LogoWindow(LogoWindow::Use::Startup, state_.StoredPassword);
    logo_->setAttribute(Qt::WA_DeleteOnClose, false);
    logo_->showPasswordPrompt(showPasswordPrompt);
    logo_->startTimer();
}

void ShellApplication::showLogo() {
    logo_->show();
    logo_->repaint();
    if (logo_->passwordEntry()->isVisible()) logo_->passwordEntry()->setFocus();
}

bool ShellApplication::waitForAccess() {
    if (!logo_) return false;
    if (!logo_->accessGranted() && !logo_->denied()) {
        QEventLoop wait;
        connect(logo_, &LogoWindow::accessGrantedChanged, &wait, &QEventLoop::quit);
        connect(logo_, &LogoWindow::deniedByUser, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return logo_ && logo_->accessGranted();
}

void ShellApplication::initDirectories() { InitDirectories(state_, machine_, state_.reg(), programDir_); }

std::int32_t ShellApplication::loadMainWindow() {
    main_ = std::make_unique<MainWindow>(state_, settings_.get(), sound_);
    dialogOwner_ = main_.get();
    imageHost_ = std::make_unique<catalogue::ImageHost>(catalogue::ImageHostPaths{
        machine_.dir(), programDir_, state_.SystemDir, catalogue::defaultProgramsFolder(state_.WindowsDir)});
    starter_ = std::make_unique<catalogue::ImageStarter>(*imageHost_);
    context_ = std::make_unique<catalogue::ui::CatalogueContext>();
    context_->host = imageHost_.get();
    context_->settings = catalogueSettings_.get();
    context_->prompter = prompter_.get();
    context_->starter = starter_.get();
    context_->choosers = choosers_.get();
    context_->applets = applets_.get();
    context_->programDir = state_.AppDir;
    context_->confirmRemovals = [this] { return state_.Settings.Sicherheit; };
    sideBar_ = new catalogue::ui::SideBar;
    sideBar_->setObjectName(QStringLiteral("SideBar"));
    main_->setSideBar(sideBar_);
    list_ = new catalogue::ui::ObjectListView(*context_);
    main_->setListView(list_);
    wireSideBar();
    wireMainWindow();
    wireHiddenFunctions();
    return main_->depth();
}

void ShellApplication::processEvents() { QApplication::processEvents(); }

bool ShellApplication::fileExists(const std::string& path) { return state_.fkt().GET_FileExist(path); }

void ShellApplication::loadBackgroundPicture(const std::string& path) {
    auto host = machine_.hostPath(path);
    QPixmap picture;
    if (picture.load(QString::fromStdString(host ? host->string() : path))) main_->setBackgroundPicture(picture);
}

void ShellApplication::applyViewSettings(const ViewSettings& view) { main_->applyViewSettings(view); }

ScreenTwips ShellApplication::screenTwips() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {static_cast<std::int32_t>(pixelsToTwipsX(area.width(), main_.get())),
            static_cast<std::int32_t>(pixelsToTwipsY(area.height(), main_.get()))};
}

void ShellApplication::placeMainWindow(const WindowRectTwips& rect) {
    main_->resize(twipsToPixelsX(rect.Width, main_.get()), twipsToPixelsY(rect.Height, main_.get()));
    main_->move(twipsToPixelsX(rect.Left, main_.get()), twipsToPixelsY(rect.Top, main_.get()));
}

void ShellApplication::applyWindowSettings(const SettingsRecord& settings) {
    main_->setSideBarBackColor(settings.SideBarBackColor);
    if (settings.SetBackPic) main_->showBackgroundPicture(true);
    main_->ApplyButtonStyle(settings.ButtonStyle);
}

std::unique_ptr<platform::Database> ShellApplication::openDatabase(const std::filesystem::path& file) {
    auto database = platform::openCatalogue(file);
    context_->database = database.get();
    hiddenContext_->database = database.get();
    return database;
}

void ShellApplication::showError(const std::string& message) {
    Dialogs::message(nullptr, Dialogs::Icon::None, QStringLiteral("Vantix"), QString::fromStdString(message));
}

void ShellApplication::addUtility(std::int32_t groupId, const UtilityRow& row) {
    catalogue::AddUtility(*state_.Database, *imageHost_, groupId, row.Name, row.File, row.WorkFolder, row.IconFile,
                          row.Parameter, row.Style);
}

void ShellApplication::fillSideBar() {
    folders_ = catalogue::FillSideBar(*state_.Database);
    catalogue::ui::fillSideBarWidget(*sideBar_, folders_, *imageHost_);
}

void ShellApplication::extendAppletTable() { applets_->ExtendAppletTable(*imageHost_); }

void ShellApplication::loadModuleTable() {
    // The module list of TOOL groups is filled by its own part; until it is
    // there, TOOL groups list no modules.
    log::debug("shell.startup", "module list not loaded");
}

void ShellApplication::selectStartGroup(const std::string& commandLine, const std::string& lastCtrl) {
    const bool fromSwitch = startSwitchGroup(commandLine).has_value();
    catalogue::StartGroup start =
        catalogue::SelectStartGroup(*state_.Database, folders_, startGroupKey(commandLine, lastCtrl), fromSwitch);
    if (start.shortcutGone)
        Dialogs::message(main_.get(), Dialogs::Icon::Information, QString::fromLatin1(catalogue::msg::kShortcutGoneTitle),
                         QString::fromLatin1(catalogue::msg::kShortcutGone));
    if (!start.folder) return;
    openFolder(QString::fromStdString(folders_[*start.folder].key));
    if (!start.groupKey.empty()) openGroup(start.groupKey);
}

void ShellApplication::unloadLogo() {
    if (!logo_) return;
    state_.fkt().SET_FormTop(0, true);
    state_.fkt().SET_FormTop(0, false);
    logo_->close();
    delete logo_.data();
}

void ShellApplication::showMainWindow() { main_->show(); }

void ShellApplication::openFolder(const QString& folderKey) {
    sideBar_->setCurrentFolder(folderKey);
    openFolder_ = folderKey;
    const QColor colour = sideBar_->folderBackColor(folderKey);
    main_->titlePanel()->setColor(colour);
    main_->setTitle(main_->titlePanel()->text(), QString(), colour);
}

void ShellApplication::openGroup(const std::string& groupKey) {
    if (!state_.Database) return;
    auto view = catalogue::SelectGroup(*state_.Database, groupKey);
    if (!view) return;
    const QString key = QString::fromStdString(groupKey);
    const QString folder = sideBar_->folderOfGroup(key);
    if (!folder.isEmpty() && folder != openFolder_) openFolder(folder);
    sideBar_->selectGroup(key);
    main_->setOpenGroup(key);
    state_.Settings.LastCtrl = groupKey;
    main_->setTitle(QString::fromStdString(view->categoryCaption), QString::fromStdString(view->groupCaption),
                    sideBar_->folderBackColor(openFolder_));
    main_->ribbonButton(1, 0)->setVisible(view->deactivatedToggleVisible);
    list_->showGroup(*view);
    if (view->listKind == 1) main_->hiddenTreeView()->showGroup(view->id);
    main_->SwitchView(view->showsList ? MainWindow::Area::List : MainWindow::Area::Functions);
}

void ShellApplication::wireSideBar() {
    connect(sideBar_, &catalogue::ui::SideBar::folderClicked, this, [this](const QString& key) {
        if (key == openFolder_) return;
        main_->PlaySound(QString::fromLatin1(kSoundFolderClick));
        openFolder(key);
    });
    connect(sideBar_, &catalogue::ui::SideBar::groupClicked, this, [this](const QString& key) {
        if (key == main_->openGroup()) return;
        main_->PlaySound(QString::fromLatin1(kSoundGroupClick));
        openGroup(key.toStdString());
    });
    connect(sideBar_, &catalogue::ui::SideBar::groupHovered, this, [this](const QString& key, const QString& info) {
        if (key.isEmpty()) {
            main_->setStatusText(QString());
            return;
        }
        main_->PlaySound(QString::fromLatin1(kSoundOverItem));
        if (info != QLatin1String("*")) main_->setStatusText(info);
    });
    connect(sideBar_, &catalogue::ui::SideBar::groupsDropped, this, [this] {
        try {
            catalogue::SaveSideBarOrder(*state_.Database, sideBar_->order());
        } catch (const std::exception& error) {
            log::warning("shell.sidebar", std::string("group order not saved: ") + error.what());
        }
        main_->PlaySound(QString::fromLatin1(kSoundDrop));
        openFolder_ = sideBar_->currentFolder();
    });
}

void ShellApplication::wireMainWindow() {
    connect(main_.get(), &MainWindow::showDeactivatedObjects, this, [this](bool show) { list_->setShowDeactivated(show); });
    connect(main_.get(), &MainWindow::groupChosen, this, [this](const QString& key) { openGroup(key.toStdString()); });
    connect(main_.get(), &MainWindow::folderChosen, this, [this](const QString& key) { openFolder(key); });
    connect(main_.get(), &MainWindow::optionsRequested, this, &ShellApplication::showOptions);
    connect(main_.get(), &MainWindow::aboutRequested, this, &ShellApplication::showAbout);
    connect(main_.get(), &MainWindow::sideBarColorsChanged, this,
            [this](std::int32_t back, std::int32_t captionBack, std::int32_t captionFore) {
                QPalette palette = sideBar_->palette();
                palette.setColor(QPalette::Window, toQColor(back));
                sideBar_->setPalette(palette);
                sideBar_->setAutoFillBackground(true);
                sideBar_->setCaptionColors(toQColor(captionBack), toQColor(captionFore));
            });
}

tweaks::TweakSession* ShellApplication::tweakSession() {
    if (!tweaks_ && state_.Database) tweaks_ = std::make_unique<tweaks::TweakSession>(machine_, *state_.Database, programDir_);
    return tweaks_.get();
}

void ShellApplication::wireHiddenFunctions() {
    pageChoosers_ = std::make_unique<DialogPageChoosers>(machine_);
    hiddenContext_ = std::make_unique<tweaks::ui::HiddenContext>();
    tweaks::ui::HiddenContext& c = *hiddenContext_;
    c.settings = catalogueSettings_.get();
    c.prompter = prompter_.get();
    c.choosers = pageChoosers_.get();
    c.session = [this] { return tweakSession(); };
    c.winVersion = [this] { return static_cast<int>(state_.WinVersion); };
    c.treeSettings = [this] {
        const SettingsRecord& s = state_.Settings;
        return tweaks::ui::HiddenTreeSettings{s.OnlyRightMaus, s.OnlyDubbleClick, s.ViewHiddenStruktur, s.Sicherheit};
    };
    c.lastHiddenWork = [this] { return state_.Settings.LastHiddenWork; };
    c.setLastHiddenWork = [this](const std::string& key) { state_.Settings.LastHiddenWork = key; };
    c.playSound = [this](const QString& file) { main_->PlaySound(file); };
    c.fileExists = [this](const std::string& path) { return state_.fkt().GET_FileExist(path); };
    c.closeShell = [this] { main_->close(); };
    main_->hiddenTreeView()->setContext(hiddenContext_.get());
}

void ShellApplication::showOptions() {
    OptionsDialog dialog(state_, *main_);
    dialog.exec();
}

void ShellApplication::showAbout() {
    LogoWindow about(LogoWindow::Use::About, state_.StoredPassword, main_.get());
    about.exec();
}

}  // namespace vantix::shell
