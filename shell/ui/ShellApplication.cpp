#include "shell/ui/ShellApplication.h"

#include <QApplication>
#include <algorithm>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

#include "catalogue/ActivationList.h"
#include "catalogue/AppletTable.h"
#include "catalogue/CatalogueKeys.h"
#include "catalogue/GroupSelection.h"
#include "catalogue/ImageHost.h"
#include "catalogue/ImageStarter.h"
#include "catalogue/Messages.h"
#include "catalogue/ModuleTable.h"
#include "catalogue/SettingsStoreAccess.h"
#include "catalogue/ShellFolders.h"
#include "catalogue/Shortcuts.h"
#include "catalogue/SideBarEditing.h"
#include "catalogue/Utilities.h"
#include "catalogue/ui/Form2.h"
#include "catalogue/ui/Form3.h"
#include "catalogue/ui/ObjectListView.h"
#include "catalogue/ui/SideBar.h"
#include "catalogue/ui/SideBarFill.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVREG.h"
#include "lindrel32/SettingsStore.h"
#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"
#include "platform/database/UserCatalogue.h"
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
#include "shell/ui/help/HelpViewer.h"
#include "tweaks/TweakSession.h"
#include "tweaks/ui/HiddenContext.h"
#include "tweaks/ui/HiddenTreeView.h"

namespace vantix::shell {

ShellApplication::ShellApplication(ShellState& state, platform::Machine& machine, std::filesystem::path programDir)
    : state_(state), machine_(machine), programDir_(std::move(programDir)), sound_(new SoundPlayer(this)) {
    store_ = std::make_unique<lindrel32::SettingsStore>(state_.reg());
    settings_ = std::make_unique<StoreSettingsAccess>(*store_);
    catalogueSettings_ = std::make_unique<catalogue::SettingsStoreAccess>(*store_);
    prompter_ = std::make_unique<DialogPrompter>(dialogOwner_);
    choosers_ = std::make_unique<DialogChoosers>();
    applets_ = std::make_unique<catalogue::AppletTable>();
    modules_ = std::make_unique<catalogue::ModuleTable>();
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
    logo_ = new LogoWindow(LogoWindow::Use::Startup, state_.StoredPassword, &state_.AccessGranted);
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
    // The Start menu's Programs folder as the image's registry names it (NT 4 keeps it in the profile).
    std::string programs = catalogue::defaultProgramsFolder(state_.WindowsDir);
    try {
        programs = catalogue::programsFolder(machine_.registry(), state_.WindowsDir);
    } catch (const std::exception& error) {
        log::debug("shell.startup", std::string("Programs folder: ") + error.what());
    }
    imageHost_ = std::make_unique<catalogue::ImageHost>(
        catalogue::ImageHostPaths{machine_.dir(), programDir_, state_.SystemDir, programs});
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
    context_->moduleEntries = [this](std::int64_t groupId, bool showDeactivated) {
        return modules_->FillModuleList(*imageHost_, *catalogueSettings_,
                                        catalogue::activationSection(catalogue::kModuleFamily, groupId),
                                        showDeactivated, state_.AppDir);
    };
    context_->renameModule = [this](const std::string& key, const std::string& name) {
        return modules_->RenameModule(machine_.registry(), key, name);
    };
    sideBar_ = new catalogue::ui::SideBar;
    sideBar_->setObjectName(QStringLiteral("SideBar"));
    main_->setSideBar(sideBar_);
    list_ = new catalogue::ui::ObjectListView(*context_);
    main_->setListView(list_);
    wireSideBar();
    wireMainWindow();
    registerCommands();
    help::installHelpKey(QString::fromStdString(helpFile().string()));
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
    // The program folder may be shared and read-only: the shell works on the user's copy.
    auto database = platform::openUserCatalogue(file);
    context_->database = database.get();
    hiddenContext_->database = database.get();
    return database;
}

std::optional<platform::DatabaseError> ShellApplication::checkOpenCatalogue() {
    if (!state_.Database) return std::nullopt;
    return platform::catalogueDamage(state_.Database->file());
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
    modules_->LoadModuleTable(machine_.registry(), state_.WinVersion, *imageHost_);
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
    // Topmost and back: the logo comes to the front once before it goes.
    const auto handle = static_cast<std::int32_t>(logo_->winId());
    state_.fkt().SET_FormTop(handle, true);
    state_.fkt().SET_FormTop(handle, false);
    logo_->raise();
    logo_->close();
    delete logo_.data();
}

void ShellApplication::showMainWindow() { main_->show(); }

void ShellApplication::openFolder(const QString& folderKey) {
    sideBar_->setCurrentFolder(folderKey);
    main_->setOpenFolder(folderKey);
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
    if (!folder.isEmpty() && folder != main_->openFolder()) openFolder(folder);
    sideBar_->selectGroup(key);
    main_->setOpenGroup(key, view->mode);
    main_->commands().SetViewMenuMode(CommandTable::viewMenuModeOf(view->mode));
    state_.Settings.LastCtrl = groupKey;
    // The caption as it displays: the stored "&&" shows as one ampersand.
    main_->setTitle(QString::fromStdString(view->categoryText), QString::fromStdString(view->groupCaption),
                    sideBar_->folderBackColor(main_->openFolder()));
    main_->ribbonButton(1, 0)->setVisible(view->deactivatedToggleVisible);
    list_->showGroup(*view);
    if (view->listKind == 1) main_->hiddenTreeView()->showGroup(view->id);
    main_->SwitchView(view->showsList ? MainWindow::Area::List : MainWindow::Area::Functions);
}

void ShellApplication::wireSideBar() {
    connect(sideBar_, &catalogue::ui::SideBar::folderClicked, this, [this](const QString& key) {
        if (key == main_->openFolder()) return;
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
        main_->setOpenFolder(sideBar_->currentFolder());
        folders_ = catalogue::FillSideBar(*state_.Database);
    });
    connect(sideBar_, &catalogue::ui::SideBar::contextMenuWanted, this, [this](const QPoint& point, const QPoint& global) {
        const catalogue::ui::SideBar& bar = *sideBar_;
        if (main_->commands().prepareSideBarPopup(
                {bar.groupAt(point).toStdString(), bar.openFolderCaptionAt(point).toStdString()}))
            main_->popupBand(band::kSideBar, global);
    });
}

void ShellApplication::wireMainWindow() {
    connect(main_.get(), &MainWindow::showDeactivatedObjects, this, [this](bool show) { list_->setShowDeactivated(show); });
    connect(main_.get(), &MainWindow::groupChosen, this, [this](const QString& key) { openGroup(key.toStdString()); });
    connect(main_.get(), &MainWindow::folderChosen, this, [this](const QString& key) { openFolder(key); });
    connect(list_, &catalogue::ui::ObjectListView::contextMenuWanted, this,
            [this](const QPoint& global, bool onEntry, bool ghosted) {
                const std::string popup = main_->commands().prepareListPopup(list_->mode(), onEntry, ghosted);
                if (!popup.empty()) main_->popupBand(popup, global);
            });
    connect(main_.get(), &MainWindow::sideBarColorsChanged, this,
            [this](std::int32_t back, std::int32_t captionBack, std::int32_t captionFore) {
                QPalette palette = sideBar_->palette();
                palette.setColor(QPalette::Window, toQColor(back));
                sideBar_->setPalette(palette);
                sideBar_->setAutoFillBackground(true);
                sideBar_->setCaptionColors(toQColor(captionBack), toQColor(captionFore));
            });
}

void ShellApplication::registerCommands() {
    CommandTable& commands = main_->commands();
    commands.registerHandler("APP_OPTION", [this] { showOptions(); });
    commands.registerHandler("APP_INFO", [this] { showAbout(); });
    commands.registerHandler("APP_HELP", [this] { showHelp(); });
    commands.registerHandler("APP_SUPPORT", [this] {
        state_.fkt().ShellExec(static_cast<std::int32_t>(main_->winId()), kSupportAddress, "", "C:\\");
    });
    commands.registerHandler("OBJ_AKTIV", [this] { list_->setObjectsActive(true); });
    commands.registerHandler("OBJ_DEAKTIV", [this] { list_->setObjectsActive(false); });
    commands.registerHandler("FLDR_NEW", [this] { newFolder(); });
    commands.registerHandler("FLDR_SET", [this] { editFolder(); });
    commands.registerHandler("FLDR_DEL", [this] { deleteFolder(); });
    commands.registerHandler("CTRL_NEW", [this] { newGroup(); });
    commands.registerHandler("CTRL_SET", [this] { editGroup(); });
    commands.registerHandler("CTRL_DEL", [this] { deleteGroup(); });
    const std::pair<const char*, const char*> places[] = {{"DESK", "DESK"}, {"START", "START"}, {"STARTPROG", "PROG"}};
    for (const auto& [suffix, place] : places) {
        const std::string where = place;
        commands.registerHandler(std::string("SHORTCUT_") + suffix, [this, where] { createGroupShortcut(where); });
        commands.registerHandler(std::string("LVSHORTCUT_") + suffix, [this, where] { list_->createShortcut(where); });
    }
}

void ShellApplication::showHelp() {
    QWidget* focus = QApplication::focusWidget();
    help::showHelp(QString::fromStdString(helpFile().string()), help::helpTopicOf(focus ? focus : main_.get()));
}

QString ShellApplication::commandGroup() const {
    const std::string& popup = main_->commands().popupObject().groupKey;
    return popup.empty() ? main_->openGroup() : QString::fromStdString(popup);
}

void ShellApplication::refreshSideBar() {
    const QString folder = main_->openFolder();
    folders_ = catalogue::FillSideBar(*state_.Database);
    catalogue::ui::fillSideBarWidget(*sideBar_, folders_, *imageHost_);
    sideBar_->setCurrentFolder(folder);
    sideBar_->selectGroup(main_->openGroup());
}

void ShellApplication::newFolder() {
    catalogue::ui::Form3 dialog(*prompter_, *choosers_, catalogue::msg::kNewFolderTitle, main_.get());
    if (dialog.exec() != QDialog::Accepted) return;
    const auto id = catalogue::AddFolder(*state_.Database, dialog.result());
    refreshSideBar();
    openFolder(QString::fromStdString(catalogue::folderKey(id)));
}

void ShellApplication::editFolder() {
    const std::int64_t id = catalogue::leadingNumber(main_->openFolder().toStdString());
    const auto folder = catalogue::findFolder(*state_.Database, id);
    if (!folder) return;
    catalogue::ui::Form3 dialog(*prompter_, *choosers_, catalogue::msg::kEditFolderTitle, main_.get());
    dialog.preset({folder->caption, folder->backColor, folder->boldNames, folder->smallIcons});
    if (dialog.exec() != QDialog::Accepted) return;
    catalogue::UpdateFolder(*state_.Database, id, dialog.result());
    refreshSideBar();
    openFolder(QString::fromStdString(folder->key));
}

void ShellApplication::deleteFolder() {
    const QString key = main_->openFolder();
    const auto deletion =
        catalogue::DeleteFolder(*state_.Database, *catalogueSettings_, *prompter_, state_.Settings.Sicherheit,
                                catalogue::leadingNumber(key.toStdString()), sideBar_->folderCount());
    if (deletion != catalogue::Deletion::Deleted) return;
    // The folder before the deleted one, else the new first, is shown next.
    const QStringList keys = sideBar_->folderKeys();
    const int index = static_cast<int>(keys.indexOf(key));
    if (main_->openGroup().isEmpty() || sideBar_->folderOfGroup(main_->openGroup()) == key)
        main_->setOpenGroup(QString(), std::string());
    refreshSideBar();
    const QStringList left = sideBar_->folderKeys();
    if (left.isEmpty()) return;
    const QString next = left.at(std::clamp(index - 1, 0, static_cast<int>(left.size()) - 1));
    openFolder(next);
    const QStringList groups = sideBar_->groupKeys(next);
    if (groups.isEmpty()) main_->ClearMainArea();
    else openGroup(groups.front().toStdString());
}

void ShellApplication::newGroup() {
    const std::int64_t folderId = catalogue::leadingNumber(main_->openFolder().toStdString());
    const auto folder = catalogue::findFolder(*state_.Database, folderId);
    if (!folder) return;
    catalogue::ui::Form2 dialog(*imageHost_, *prompter_, *choosers_, catalogue::ui::Form2::Use::New, main_.get());
    dialog.setFolder(QString::fromStdString(folder->caption), folder->backColor);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto id = catalogue::AddGroup(*state_.Database, folderId, dialog.result());
    if (!id) return;
    refreshSideBar();
    openGroup(catalogue::groupKey(*id));
}

void ShellApplication::editGroup() {
    const QString key = commandGroup();
    const auto group = catalogue::findGroup(*state_.Database, catalogue::leadingNumber(key.toStdString()));
    if (!group) return;
    catalogue::ui::Form2 dialog(*imageHost_, *prompter_, *choosers_, catalogue::ui::Form2::Use::Edit, main_.get());
    const QString folderKey = sideBar_->folderOfGroup(key);
    if (const auto folder = catalogue::findFolder(*state_.Database, catalogue::leadingNumber(folderKey.toStdString())))
        dialog.setFolder(QString::fromStdString(folder->caption), folder->backColor);
    dialog.preset(*group);
    if (dialog.exec() != QDialog::Accepted) return;
    catalogue::UpdateGroup(*state_.Database, group->id, dialog.result());
    refreshSideBar();
    if (key == main_->openGroup()) openGroup(key.toStdString());
}

void ShellApplication::deleteGroup() {
    const QString key = commandGroup();
    if (key.isEmpty()) return;
    const QString folder = sideBar_->folderOfGroup(key);
    const auto deletion = catalogue::DeleteGroup(*state_.Database, *catalogueSettings_, *prompter_,
                                                 state_.Settings.Sicherheit, catalogue::leadingNumber(key.toStdString()));
    if (deletion != catalogue::Deletion::Deleted) return;
    main_->commands().clearPopupObject();
    if (key == main_->openGroup()) main_->setOpenGroup(QString(), std::string());
    refreshSideBar();
    if (!folder.isEmpty()) openFolder(folder);
    const QStringList groups = sideBar_->groupKeys(main_->openFolder());
    if (groups.isEmpty()) main_->ClearMainArea();
    else openGroup(groups.front().toStdString());
}

bool ShellApplication::createGroupShortcut(const std::string& place) {
    const QString key = commandGroup();
    if (key.isEmpty()) return false;
    const auto request = catalogue::groupShortcut(place, sideBar_->groupCaption(key).toStdString(),
                                                  catalogue::leadingNumber(key.toStdString()), state_.AppDir);
    return request && imageHost_->createShortcut(*request);
}

tweaks::TweakSession* ShellApplication::tweakSession() {
    if (!tweaks_ && state_.Database) tweaks_ = std::make_unique<tweaks::TweakSession>(machine_, *state_.Database, programDir_, state_.reg(), state_.fkt());
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
    LogoWindow about(LogoWindow::Use::About, state_.StoredPassword, nullptr, main_.get());
    about.exec();
}

}  // namespace vantix::shell
