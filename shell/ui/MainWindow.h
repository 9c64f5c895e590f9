#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "shell/CommandTable.h"
#include "shell/HiddenTreeCommands.h"
#include "shell/ShellSettings.h"

class QButtonGroup;
class QCheckBox;
class QAction;
class QListWidget;
class QMenu;
class QSlider;
class QSplitter;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantix::tweaks::ui {
class FilterBox;
class HiddenTreeView;
}  // namespace vantix::tweaks::ui

namespace vantix::shell {

class PictureButton;
class PicturePane;
class SoundPlayer;
class TitlePanel;
struct ShellState;

// Form1: the sidebar on the left; on the right the title panels over either the
// list area or the function area, the drop-down navigation tree, and the
// status bar. Behaviour that is not layout lives in the core; the catalogue
// fills the sidebar and the list through the accessors and signals below.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Area { List, Functions };

    MainWindow(ShellState& state, SettingsAccess* store, SoundPlayer* sound, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The sidebar widget of the catalogue, placed left of SPLIT_Main.
    void setSideBar(QWidget* sideBar);
    QWidget* sideBar() const { return sideBar_; }

    // The list of the list area (the catalogue's object list), replacing the plain one.
    void setListView(QListWidget* list);

    void applyViewSettings(const ViewSettings& view);
    ViewSettings currentViewSettings() const;
    void setBackgroundPicture(const QPixmap& picture);
    bool hasBackgroundPicture() const { return !background_.isNull(); }
    // Puts the picture into the three background panes, or takes it away.
    void showBackgroundPicture(bool show);
    bool backgroundShown() const;
    void ApplyButtonStyle(int style);
    void setCaptionColors(std::int32_t back, std::int32_t fore);
    void setSideBarBackColor(std::int32_t colour);

    void setTitle(const QString& folderCaption, const QString& groupCaption, const QColor& colour);
    void ShowDropDown(bool down);
    bool dropDownShown() const;
    void FillDropDown();
    // Heights (twips) the drop-down pane took the last time it came down.
    const std::vector<std::int32_t>& lastDropDownSteps() const { return dropDownSteps_; }
    void SwitchView(Area area);
    // Nothing open: both areas and their toolbars hidden, both title panels one space.
    void ClearMainArea();
    bool mainAreaCleared() const { return cleared_; }
    Area visibleArea() const { return area_; }
    void PlaySound(const QString& file);
    void SelectAll();
    void setStatusText(const QString& text);
    // The drag auto-scroll of the function tree: 1 up, 2 down, anything else stops.
    void setAutoScroll(int direction);
    // The command table of the menu bar and the pop-ups; the window carries out
    // its own commands (the View menu, MARK_ALL, APP_END), the shell registers the rest.
    CommandTable& commands() { return commands_; }
    // The menu of a band ("Ansicht", "Popup_SideBar", ...) and its entry's action.
    QMenu* bandMenu(const std::string& band) const;
    QAction* commandAction(const std::string& band, std::int32_t id) const;
    // Pops the band up at a screen position.
    void popupBand(const std::string& band, const QPoint& globalPos);
    // The tree of "HIDD" groups for the View menu; null: the window's own tree toolbar.
    void setHiddenTreeCommands(HiddenTreeCommands* tree) { hiddenCommands_ = tree; }

    // The open group, its Mode and the open folder: the one record of each.
    void setOpenGroup(const QString& groupKey, const std::string& mode);
    const QString& openGroup() const { return openGroup_; }
    const std::string& openMode() const { return openMode_; }
    void setOpenFolder(const QString& folderKey) { openFolder_ = folderKey; }
    const QString& openFolder() const { return openFolder_; }

    QListWidget* listView() const { return listView_; }
    tweaks::ui::HiddenTreeView* hiddenTreeView() const { return hiddenTree_; }
    tweaks::ui::FilterBox* hiddenFilter() const { return hiddenFilter_; }
    QTreeWidget* dropDownView() const { return dropDownView_; }
    QTextEdit* infoFeld() const { return infoFeld_; }
    PictureButton* ribbonButton(int number, int index) const;
    const std::array<PictureButton*, 12>& pictureButtons() const { return buttons_; }
    QSlider* indentSlider() const { return hScroll1_; }
    QSlider* fontSlider() const { return hScroll2_; }
    QCheckBox* boldBox() const { return check1_; }
    TitlePanel* titlePanel() const { return panelText_; }
    SoundPlayer* soundPlayer() const { return sound_; }

signals:
    // Ribbon_1 index 0: the open group's list is to be reloaded, with the
    // deactivated entries when `show`.
    void showDeactivatedObjects(bool show);
    // Ribbon_4 index 0: the function tree now shows (or hides) the deactivated functions.
    void showDeactivatedFunctions(bool show);
    // A node of the navigation tree: open this group / folder.
    void groupChosen(const QString& groupKey);
    void folderChosen(const QString& folderKey);
    // The sidebar's back colour and folder bar colours (0x00BBGGRR or system colours).
    void sideBarColorsChanged(std::int32_t back, std::int32_t captionBack, std::int32_t captionFore);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    QMenu* buildBandMenu(const CommandBand& band);
    void syncBand(const std::string& band);
    void registerOwnCommands();
    void runViewCommand(const char* command);
    QWidget* buildListArea();
    QWidget* buildFunctionArea();
    void setListViewMode(int mode);
    void setListArrangement(int arrangement);
    void onDropDownItemClicked(QTreeWidgetItem* item);
    void writeSettingsOnClose();

    ShellState& state_;
    SettingsAccess* store_;
    SoundPlayer* sound_;
    QWidget* sideBar_ = nullptr;
    QWidget* sideBarHolder_;
    QSplitter* splitMain_;
    QSplitter* rightSplitter_;
    TitlePanel* panelText_;
    TitlePanel* panelText2_;
    PicturePane* rightTop_;
    PicturePane* right_;
    PicturePane* right2Top_;
    PicturePane* right2_;
    PicturePane* dropDownPane_;
    QListWidget* listView_;
    tweaks::ui::HiddenTreeView* hiddenTree_;
    tweaks::ui::FilterBox* hiddenFilter_;
    QTreeWidget* dropDownView_;
    QSplitter* splitHidden_;
    QTextEdit* infoFeld_;
    QSlider* hScroll1_;
    QSlider* hScroll2_;
    QCheckBox* check1_;
    QButtonGroup* ribbon2_;
    QButtonGroup* ribbon3_;
    std::array<PictureButton*, 12> buttons_{};
    QPixmap background_;
    QTimer scrollTimer_;
    int scrollDirection_ = 0;
    int listArrangement_ = 2;
    int listMode_ = 0;
    Area area_ = Area::List;
    bool dropDown_ = false;
    bool cleared_ = false;
    std::vector<std::int32_t> dropDownSteps_;
    QString openGroup_;
    std::string openMode_;
    QString openFolder_;
    CommandTable commands_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::pair<std::string, std::int32_t>, QAction*> actions_;
    std::unique_ptr<HiddenTreeCommands> ownTreeCommands_;
    HiddenTreeCommands* hiddenCommands_ = nullptr;
    std::int32_t sideBarBack_ = 0x808080;
    std::int32_t captionBack_ = static_cast<std::int32_t>(0x8000000Fu);
    std::int32_t captionFore_ = static_cast<std::int32_t>(0x80000012u);
};

}  // namespace vantix::shell
