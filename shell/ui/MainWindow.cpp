#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

#include "lindrel32/QVFKT.h"
#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "platform/log/Log.h"
#include "platform/machine/Machine.h"
#include "shell/DropDownAnimation.h"
#include "shell/ShellState.h"
#include "shell/SoundEffects.h"
#include "shell/ViewCommands.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/OleColor.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PicturePane.h"
#include "shell/ui/SoundPlayer.h"
#include "shell/ui/Twips.h"
#include "tweaks/ui/FilterBox.h"
#include "tweaks/ui/HiddenTreeView.h"

namespace vantix::shell {
namespace {

constexpr int kAutoScrollIntervalMs = 80;
constexpr int kDropDownPaneIndex = 0;  // the drop-down sits on top of the right side

QHBoxLayout* toolbarLayout(QWidget* pane) {
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    return layout;
}

}  // namespace

MainWindow::MainWindow(ShellState& state, SettingsAccess* store, SoundPlayer* sound, QWidget* parent)
    : QMainWindow(parent), state_(state), store_(store), sound_(sound) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantix"));

    splitMain_ = new QSplitter(Qt::Horizontal, this);
    splitMain_->setObjectName(QStringLiteral("SPLIT_Main"));
    sideBarHolder_ = new QWidget(splitMain_);
    auto* holderLayout = new QVBoxLayout(sideBarHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);

    auto* rightSide = new QWidget(splitMain_);
    auto* rightLayout = new QVBoxLayout(rightSide);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(0);
    panelText_ = new TitlePanel(QStringLiteral("Panel_Text"), rightSide);
    panelText2_ = new TitlePanel(QStringLiteral("Panel_Text2"), rightSide);
    titleRow->addWidget(panelText_, 1);
    titleRow->addWidget(panelText2_, 2);
    rightLayout->addLayout(titleRow);

    rightSplitter_ = new QSplitter(Qt::Vertical, rightSide);
    rightSplitter_->setChildrenCollapsible(false);
    dropDownPane_ = new PicturePane(QStringLiteral("BACKRND_DropDown"), rightSplitter_);
    dropDownView_ = new QTreeWidget(dropDownPane_);
    dropDownView_->setObjectName(QStringLiteral("DropDownView"));
    dropDownView_->setHeaderHidden(true);
    auto* dropLayout = new QVBoxLayout(dropDownPane_);
    dropLayout->setContentsMargins(0, 0, 0, 0);
    dropLayout->addWidget(dropDownView_);
    dropDownPane_->hide();
    rightSplitter_->addWidget(buildListArea());
    rightSplitter_->addWidget(buildFunctionArea());
    rightLayout->addWidget(rightSplitter_, 1);

    splitMain_->addWidget(sideBarHolder_);
    splitMain_->addWidget(rightSide);
    splitMain_->setStretchFactor(1, 1);
    splitMain_->setSizes({170, 500});
    setCentralWidget(splitMain_);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // The smallest size start-up gives is 3000 twips each way; the layouts must not raise it.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(twipsToPixelsX(kMinimumWindowSize, this), twipsToPixelsY(kMinimumWindowSize, this));
    buildMenus();

    connect(panelText_, &TitlePanel::clicked, this, [this] { ShowDropDown(!dropDown_); });
    connect(panelText2_, &TitlePanel::clicked, this, [this] { ShowDropDown(!dropDown_); });
    for (TitlePanel* panel : {panelText_, panelText2_})
        connect(panel, &TitlePanel::hovered, this, [this] { PlaySound(QString::fromLatin1(kSoundOverItem)); });
    connect(dropDownView_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { onDropDownItemClicked(item); });

    scrollTimer_.setInterval(kAutoScrollIntervalMs);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] {
        if (scrollDirection_ != 1 && scrollDirection_ != 2) return;
        QKeyEvent press(QEvent::KeyPress, scrollDirection_ == 1 ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        QApplication::sendEvent(hiddenTree_, &press);
    });
    SwitchView(Area::List);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildListArea() {
    auto* area = new QWidget(rightSplitter_);
    area->setObjectName(QStringLiteral("ListArea"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    rightTop_ = new PicturePane(QStringLiteral("BACKRND_RightTop"), area);
    auto* bar = toolbarLayout(rightTop_);
    using G = PictureButton::Glyph;
    buttons_[0] = new PictureButton(G::ShowDeactivated, QStringLiteral("Show/hide deactivated objects"), rightTop_);
    buttons_[1] = new PictureButton(G::Sort, QStringLiteral("Sort objects"), rightTop_);
    buttons_[2] = new PictureButton(G::AlignLeft, QStringLiteral("Align at left"), rightTop_);
    buttons_[3] = new PictureButton(G::AlignTop, QStringLiteral("Align at top"), rightTop_);
    buttons_[4] = new PictureButton(G::LargeIcons, QStringLiteral("Large Icons"), rightTop_);
    buttons_[5] = new PictureButton(G::SmallIcons, QStringLiteral("Small Icons"), rightTop_);
    buttons_[6] = new PictureButton(G::List, QStringLiteral("List"), rightTop_);
    const char* names[] = {"Ribbon_1_0", "Ribbon_1_1", "Ribbon_2_0", "Ribbon_2_1", "Ribbon_3_0", "Ribbon_3_1", "Ribbon_3_2"};
    for (int i = 0; i < 7; ++i) {
        buttons_[i]->setObjectName(QString::fromLatin1(names[i]));
        buttons_[i]->setCheckable(true);
        bar->addWidget(buttons_[i]);
        if (i == 1 || i == 3) bar->addSpacing(10);
    }
    bar->addStretch(1);
    ribbon2_ = new QButtonGroup(this);
    ribbon2_->addButton(buttons_[2], 0);
    ribbon2_->addButton(buttons_[3], 1);
    ribbon3_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) ribbon3_->addButton(buttons_[4 + i], i);

    right_ = new PicturePane(QStringLiteral("BACKRND_Right"), area);
    listView_ = new QListWidget(right_);
    listView_->setObjectName(QStringLiteral("ListView"));
    listView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView_->setResizeMode(QListView::Adjust);
    listView_->setMovement(QListView::Static);
    auto* listLayout = new QVBoxLayout(right_);
    listLayout->setContentsMargins(6, 6, 6, 6);
    listLayout->addWidget(listView_);
    layout->addWidget(rightTop_);
    layout->addWidget(right_, 1);

    connect(buttons_[0], &QToolButton::toggled, this, [this](bool on) {
        if (!state_.Starting) emit showDeactivatedObjects(on);
    });
    connect(buttons_[1], &QToolButton::toggled, this, [this](bool on) {
        if (state_.Starting) return;
        listView_->setSortingEnabled(on);
        if (on) listView_->sortItems();
    });
    connect(ribbon2_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!state_.Starting) setListArrangement(id == 0 ? 1 : 2);
    });
    connect(ribbon3_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!state_.Starting) setListViewMode(id);
    });
    return area;
}

QWidget* MainWindow::buildFunctionArea() {
    auto* area = new QWidget(rightSplitter_);
    area->setObjectName(QStringLiteral("FunctionArea"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    right2Top_ = new PicturePane(QStringLiteral("BACKRND_Right2Top"), area);
    auto* bar = toolbarLayout(right2Top_);
    using G = PictureButton::Glyph;
    buttons_[7] = new PictureButton(G::ShowDeactivated, QStringLiteral("Show/hide deactivated objects"), right2Top_);
    buttons_[8] = new PictureButton(G::Expand, QStringLiteral("Expand directory tree"), right2Top_);
    buttons_[9] = new PictureButton(G::Collapse, QStringLiteral("Collapse directory tree"), right2Top_);
    buttons_[10] = new PictureButton(G::Sort, QStringLiteral("Sort objects"), right2Top_);
    buttons_[11] = new PictureButton(G::Help, QStringLiteral("Show/hide Direct Help"), right2Top_);
    for (int i = 7; i < 12; ++i) {
        buttons_[i]->setObjectName(i < 11 ? QStringLiteral("Ribbon_4_%1").arg(i - 7) : QStringLiteral("Ribbon_5"));
        buttons_[i]->setCheckable(true);
        bar->addWidget(buttons_[i]);
        if (i == 10) bar->addSpacing(10);
    }
    bar->addStretch(1);

    right2_ = new PicturePane(QStringLiteral("BACKRND_Right2"), area);
    splitHidden_ = new QSplitter(Qt::Vertical, right2_);
    splitHidden_->setObjectName(QStringLiteral("Split_Hidden"));
    auto* treePane = new QWidget(splitHidden_);
    treePane->setObjectName(QStringLiteral("Pane A"));
    auto* treeLayout = new QVBoxLayout(treePane);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->setSpacing(4);
    hiddenFilter_ = new tweaks::ui::FilterBox(treePane);
    hiddenTree_ = new tweaks::ui::HiddenTreeView(treePane);
    treeLayout->addWidget(hiddenFilter_);
    treeLayout->addWidget(hiddenTree_, 1);
    auto* infoPane = new QWidget(splitHidden_);
    infoPane->setObjectName(QStringLiteral("Pane B"));
    auto* infoLayout = new QVBoxLayout(infoPane);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoFeld_ = new QTextEdit(infoPane);
    infoFeld_->setObjectName(QStringLiteral("InfoFeld"));
    infoFeld_->setReadOnly(true);
    auto* sliders = new QHBoxLayout;
    hScroll1_ = new QSlider(Qt::Horizontal, infoPane);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->setRange(0, 1000);
    hScroll1_->setSingleStep(20);
    hScroll1_->setToolTip(QStringLiteral("Indentation"));
    hScroll2_ = new QSlider(Qt::Horizontal, infoPane);
    hScroll2_->setObjectName(QStringLiteral("HScroll2"));
    hScroll2_->setRange(6, 24);
    hScroll2_->setToolTip(QStringLiteral("Font size"));
    check1_ = new QCheckBox(QStringLiteral("Bold"), infoPane);
    check1_->setObjectName(QStringLiteral("Check1"));
    sliders->addWidget(hScroll1_);
    sliders->addWidget(hScroll2_);
    sliders->addWidget(check1_);
    infoLayout->addWidget(infoFeld_, 1);
    infoLayout->addLayout(sliders);
    infoPane->hide();
    auto* functionLayout = new QVBoxLayout(right2_);
    functionLayout->setContentsMargins(6, 6, 6, 6);
    functionLayout->addWidget(splitHidden_);
    layout->addWidget(right2Top_);
    layout->addWidget(right2_, 1);

    hiddenTree_->setInfoField(infoFeld_);
    connect(hiddenFilter_, &QLineEdit::textChanged, hiddenTree_, &tweaks::ui::HiddenTreeView::setFilterText);
    connect(hiddenTree_, &tweaks::ui::HiddenTreeView::autoScrollWanted, this, &MainWindow::setAutoScroll);
    connect(buttons_[7], &QToolButton::toggled, this, [this](bool on) {
        if (!state_.Starting) hiddenTree_->setShowDeactivated(on);
    });
    // The View menu's entries reach the tree directly; the buttons follow it.
    connect(hiddenTree_, &tweaks::ui::HiddenTreeView::showDeactivatedChanged, this, [this](bool on) {
        const QSignalBlocker block(buttons_[7]);
        buttons_[7]->setChecked(on);
        emit showDeactivatedFunctions(on);
    });
    connect(hiddenTree_, &tweaks::ui::HiddenTreeView::sortedChanged, this, [this](bool on) {
        const QSignalBlocker block(buttons_[10]);
        buttons_[10]->setChecked(on);
    });
    connect(buttons_[8], &QToolButton::clicked, this, [this] {
        if (!state_.Starting) hiddenTree_->expandAll();
        buttons_[8]->setChecked(false);
    });
    connect(buttons_[9], &QToolButton::clicked, this, [this] {
        if (!state_.Starting) hiddenTree_->collapseAll();
        buttons_[9]->setChecked(false);
    });
    connect(buttons_[10], &QToolButton::toggled, this, [this](bool on) {
        if (!state_.Starting) hiddenTree_->setSorted(on);
    });
    connect(buttons_[11], &QToolButton::toggled, this, [infoPane](bool on) { infoPane->setVisible(on); });
    // The sliders and the bold box carry their values into the tree and the
    // info field; while start-up applies the settings, it sets both directly.
    connect(hScroll1_, &QSlider::valueChanged, this,
            [this](int twips) { hiddenTree_->setIndentation(twipsToPixelsX(twips, this)); });
    connect(hScroll2_, &QSlider::valueChanged, this, [this](int size) {
        QFont f = infoFeld_->font();
        f.setPointSize(size);
        infoFeld_->setFont(f);
    });
    connect(check1_, &QCheckBox::toggled, this, [this](bool bold) {
        if (state_.Starting) return;
        QFont f = infoFeld_->font();
        f.setBold(bold);
        infoFeld_->setFont(f);
    });
    return area;
}

// The View menu's tree commands act on the function tree itself; the
// Ribbon_4 buttons follow the tree's signals.
class TreeViewCommands final : public HiddenTreeCommands {
public:
    explicit TreeViewCommands(tweaks::ui::HiddenTreeView& tree) : tree_(tree) {}
    void expandAll() override { tree_.expandAll(); }
    void collapseAll() override { tree_.collapseAll(); }
    void toggleShowDeactivated() override { tree_.setShowDeactivated(!tree_.showDeactivated()); }
    void toggleSorted() override { tree_.setSorted(!tree_.sorted()); }

private:
    tweaks::ui::HiddenTreeView& tree_;
};

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    // Sub-bands first, so that an entry opening a band finds its menu.
    for (auto it = commands_.bands().rbegin(); it != commands_.bands().rend(); ++it)
        if (it->name != band::kMenuBar) menus_[it->name] = buildBandMenu(*it);
    for (const CommandEntry& entry : commands_.findBand(band::kMenuBar)->entries) {
        QMenu* menu = menus_.at(entry.submenu);
        menu->setTitle(QString::fromStdString(entry.caption));
        QAction* action = bar->addMenu(menu);
        action->setObjectName(QString::fromStdString(entry.command));
        actions_[{band::kMenuBar, entry.id}] = action;
    }
    commands_.setStateObserver([this](const std::string& name) { syncBand(name); });
    for (const auto& b : commands_.bands()) syncBand(b.name);
    ownTreeCommands_ = std::make_unique<TreeViewCommands>(*hiddenTree_);
    registerOwnCommands();
}

QMenu* MainWindow::buildBandMenu(const CommandBand& commandBand) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromStdString(commandBand.name));
    for (const CommandEntry& entry : commandBand.entries) {
        QAction* action = nullptr;
        if (!entry.submenu.empty()) {
            QMenu* sub = menus_.at(entry.submenu);
            sub->setTitle(QString::fromStdString(entry.caption));
            action = menu->addMenu(sub);
        } else {
            action = menu->addAction(QString::fromStdString(entry.caption));
            const std::string command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] { commands_.ExecuteCommand(command); });
        }
        action->setObjectName(QString::fromStdString(entry.command) + QLatin1Char('_') + QString::number(entry.id));
        actions_[{commandBand.name, entry.id}] = action;
    }
    return menu;
}

void MainWindow::syncBand(const std::string& name) {
    const CommandBand* b = commands_.findBand(name);
    if (!b) return;
    for (const CommandEntry& entry : b->entries) {
        const auto found = actions_.find({name, entry.id});
        if (found == actions_.end()) continue;
        found->second->setVisible(entry.visible);
        found->second->setEnabled(entry.enabled);
    }
}

QMenu* MainWindow::bandMenu(const std::string& name) const {
    const auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second;
}

QAction* MainWindow::commandAction(const std::string& name, std::int32_t id) const {
    const auto found = actions_.find({name, id});
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::popupBand(const std::string& name, const QPoint& globalPos) {
    if (QMenu* menu = bandMenu(name)) menu->popup(globalPos);
}

void MainWindow::registerOwnCommands() {
    commands_.registerHandler("APP_END", [this] { close(); });
    commands_.registerHandler("MARK_ALL", [this] { SelectAll(); });
    for (const char* command : {"OBJ_VIEW", "OBJ_SORT", "OBJ_LEFT", "OBJ_TOP", "OBJ_BIGSYMB", "OBJ_SMALSYMB",
                                "OBJ_LISTSYMB", "STRUCT_OPEN", "STRUCT_CLOSE"})
        commands_.registerHandler(command, [this, command] { runViewCommand(command); });
}

void MainWindow::runViewCommand(const char* command) {
    if (openMode_ == "HIDD") {
        HiddenTreeCommands& tree = hiddenCommands_ ? *hiddenCommands_ : *ownTreeCommands_;
        const std::string_view name = command;
        if (name == "STRUCT_OPEN") tree.expandAll();
        else if (name == "STRUCT_CLOSE") tree.collapseAll();
        else if (name == "OBJ_VIEW") tree.toggleShowDeactivated();
        else if (name == "OBJ_SORT") tree.toggleSorted();
        return;
    }
    const auto target = viewCommandButton(command, openMode_);
    if (!target) return;
    PictureButton* button = ribbonButton(target->ribbon, target->index);
    if (target->action == ButtonAction::Toggle) button->toggle();
    else button->click();
}

void MainWindow::setOpenGroup(const QString& groupKey, const std::string& mode) {
    openGroup_ = groupKey;
    openMode_ = mode;
}

void MainWindow::setSideBar(QWidget* sideBar) {
    if (sideBar_) sideBar_->deleteLater();
    sideBar_ = sideBar;
    if (sideBar_) {
        sideBar_->setParent(sideBarHolder_);
        sideBarHolder_->layout()->addWidget(sideBar_);
        emit sideBarColorsChanged(sideBarBack_, captionBack_, captionFore_);
    }
}

void MainWindow::setListView(QListWidget* list) {
    list->setObjectName(QStringLiteral("ListView"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setResizeMode(QListView::Adjust);
    right_->layout()->replaceWidget(listView_, list);
    delete listView_;
    listView_ = list;
    listView_->setParent(right_);
    setListViewMode(listMode_);
}

void MainWindow::applyViewSettings(const ViewSettings& view) {
    buttons_[1]->setChecked(view.ListViewSort);
    listView_->setSortingEnabled(view.ListViewSort);
    setListArrangement(view.ListViewArrange);
    listView_->setWordWrap(view.LabelWrap);
    setListViewMode(view.ListViewView);
    buttons_[10]->setChecked(view.TreeViewSort);
    hiddenTree_->setSorted(view.TreeViewSort);
    setCaptionColors(view.CaptionBackColor, view.CaptionForeColor);
    hScroll1_->setValue(view.HiddenNodeDiff);
    hiddenTree_->setIndentation(twipsToPixelsX(view.HiddenNodeDiff, this));
    hScroll2_->setValue(view.HelpFont);
    QFont f = infoFeld_->font();
    f.setPointSize(view.HelpFont > 0 ? view.HelpFont : 8);
    f.setBold(view.HelpFontBold);
    infoFeld_->setFont(f);
    check1_->setChecked(view.HelpFontBold);
}

ViewSettings MainWindow::currentViewSettings() const {
    ViewSettings view;
    view.ListViewSort = listView_->isSortingEnabled();
    view.ListViewArrange = static_cast<std::int16_t>(listArrangement_);
    view.LabelWrap = listView_->wordWrap();
    view.ListViewView = static_cast<std::int16_t>(listMode_);
    view.TreeViewSort = hiddenTree_->isSortingEnabled();
    view.CaptionBackColor = captionBack_;
    view.CaptionForeColor = captionFore_;
    view.HiddenNodeDiff = static_cast<std::int16_t>(hScroll1_->value());
    view.HelpFont = static_cast<std::int16_t>(hScroll2_->value());
    view.HelpFontBold = infoFeld_->font().bold();
    return view;
}

void MainWindow::setListViewMode(int mode) {
    listMode_ = mode;
    // The report view (3) shows as the list and presses its button.
    const int button = mode == 3 ? 2 : mode;
    if (button >= 0 && button < 3) ribbon3_->button(button)->setChecked(true);
    if (mode == 0) {
        listView_->setViewMode(QListView::IconMode);
        listView_->setIconSize(QSize(32, 32));
        listView_->setGridSize(QSize(96, 72));
    } else {
        listView_->setViewMode(QListView::ListMode);
        listView_->setIconSize(QSize(16, 16));
        listView_->setGridSize(mode == 1 ? QSize(150, 22) : QSize());
        listView_->setWrapping(true);
    }
    // Changing the view mode switches the viewport's drops off; the list of
    // tools and utilities takes dropped files in every view.
    listView_->setMovement(QListView::Static);
    listView_->viewport()->setAcceptDrops(true);
    setListArrangement(listArrangement_);
}

void MainWindow::setListArrangement(int arrangement) {
    listArrangement_ = arrangement;
    // Arranged along the top: rows fill left to right; along the left edge:
    // columns fill top to bottom; the list mode always runs in columns.
    if (arrangement == 1 || listMode_ == 2) listView_->setFlow(QListView::TopToBottom);
    else listView_->setFlow(QListView::LeftToRight);
    listView_->setWrapping(true);
    if (arrangement == 1) ribbon2_->button(0)->setChecked(true);
    else if (arrangement == 2) ribbon2_->button(1)->setChecked(true);
}

void MainWindow::setBackgroundPicture(const QPixmap& picture) { background_ = picture; }

void MainWindow::showBackgroundPicture(bool show) {
    for (PicturePane* pane : {rightTop_, right_, right2Top_})
        pane->setPicture(show ? background_ : QPixmap());
}

bool MainWindow::backgroundShown() const { return rightTop_->hasPicture(); }

void MainWindow::ApplyButtonStyle(int style) {
    for (PictureButton* button : buttons_) button->setButtonStyle(style);
}

void MainWindow::setCaptionColors(std::int32_t back, std::int32_t fore) {
    captionBack_ = back;
    captionFore_ = fore;
    emit sideBarColorsChanged(sideBarBack_, captionBack_, captionFore_);
}

void MainWindow::setSideBarBackColor(std::int32_t colour) {
    sideBarBack_ = colour;
    emit sideBarColorsChanged(sideBarBack_, captionBack_, captionFore_);
}

void MainWindow::setTitle(const QString& folderCaption, const QString& groupCaption, const QColor& colour) {
    panelText_->setText(folderCaption);
    panelText2_->setText(groupCaption);
    panelText_->setColor(colour);
    panelText2_->setColor(colour);
}

void MainWindow::PlaySound(const QString& file) {
    if (!sound_) return;
    auto path = soundEffectPath(state_.Settings.Sound, state_.AppDir, file.toStdString(),
                                [this](const std::string& p) { return state_.fkt().GET_FileExist(p); });
    if (!path) return;
    std::string host = *path;
    try {
        if (auto mapped = platform::currentMachine().hostPath(*path)) host = mapped->string();
    } catch (const std::exception& error) {
        log::debug("shell.sound", error.what());
    }
    sound_->play(QString::fromStdString(host));
}

bool MainWindow::dropDownShown() const { return dropDown_; }

void MainWindow::ShowDropDown(bool down) {
    if (down == dropDown_) return;
    if (down) {
        dropDown_ = true;
        dropDownView_->clear();
        dropDownView_->hide();
        const int fullPixels = rightSplitter_->height();
        const auto fullTwips = static_cast<std::int32_t>(pixelsToTwipsY(fullPixels, this));
        dropDownSteps_.clear();
        rightSplitter_->widget(1)->hide();
        rightSplitter_->widget(2)->hide();
        if (state_.Settings.DropDown_Ani) {
            dropDownPane_->setMinimumHeight(0);
            dropDownPane_->setMaximumHeight(twipsToPixelsY(10, this));
            dropDownPane_->show();
            dropDownView_->show();
            for (std::int32_t twips : dropDownHeights(fullTwips)) {
                dropDownSteps_.push_back(twips);
                dropDownPane_->setMaximumHeight(twipsToPixelsY(twips, this));
                QApplication::processEvents();
            }
        }
        dropDownPane_->setMaximumHeight(QWIDGETSIZE_MAX);
        dropDownPane_->show();
        dropDownView_->show();
        FillDropDown();
        dropDownView_->setFocus();
        return;
    }
    dropDown_ = false;
    dropDownView_->hide();
    dropDownPane_->hide();
    SwitchView(area_);
}

void MainWindow::FillDropDown() {
    dropDownView_->clear();
    if (!state_.Database) return;
    // Errors leave what was read so far.
    try {
        auto folders = state_.Database->openRecordset("BAR_FOLDER");
        for (; !folders->eof(); folders->moveNext()) {
            const std::string folderId = folders->text("ID");
            auto* folder = new QTreeWidgetItem(dropDownView_, {QString::fromStdString(folders->text("FLDR_Name"))});
            folder->setData(0, Qt::UserRole, QString::fromStdString(folderId + "GID"));
            auto groups = state_.Database->openRecordset("select * from BAR_CONTROL Where BAR_ID = ?",
                                                         {platform::DbValue(folders->integer("ID"))});
            for (; !groups->eof(); groups->moveNext()) {
                auto* group = new QTreeWidgetItem(folder, {QString::fromStdString(groups->text("CTRL_Name"))});
                group->setData(0, Qt::UserRole, QString::fromStdString(groups->text("ID") + "CID"));
                group->setData(0, Qt::UserRole + 1, QString::fromStdString(groups->text("BAR_ID") + "GID"));
                if (group->data(0, Qt::UserRole).toString() == openGroup_) dropDownView_->setCurrentItem(group);
            }
        }
    } catch (const std::exception& error) {
        log::debug("shell.dropdown", error.what());
    }
    dropDownView_->expandAll();
}

void MainWindow::onDropDownItemClicked(QTreeWidgetItem* item) {
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key.endsWith(QLatin1String("CID"))) {
        if (key == openGroup_) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        PlaySound(QString::fromLatin1(kSoundGroupClick));
        emit groupChosen(key);
        QApplication::restoreOverrideCursor();
        ShowDropDown(false);
    } else if (key.endsWith(QLatin1String("GID"))) {
        if (key == openFolder_) return;
        emit folderChosen(key);
        ShowDropDown(false);
    }
}

void MainWindow::ClearMainArea() {
    cleared_ = true;
    ShowDropDown(false);
    rightSplitter_->widget(1)->hide();
    rightSplitter_->widget(2)->hide();
    setTitle(QStringLiteral(" "), QStringLiteral(" "), panelText_->color());
    setOpenGroup(QString(), std::string());
}

void MainWindow::SwitchView(Area area) {
    cleared_ = false;
    area_ = area;
    if (dropDown_) return;  // shown again when the drop-down goes
    rightSplitter_->widget(1)->setVisible(area == Area::List);
    rightSplitter_->widget(2)->setVisible(area == Area::Functions);
    if (area == Area::List && !state_.Starting) listView_->setFocus();
}

void MainWindow::SelectAll() {
    if (area_ != Area::List || dropDown_) return;
    listView_->setFocus();
    listView_->selectAll();
}

void MainWindow::setStatusText(const QString& text) { statusBar()->showMessage(text); }

void MainWindow::setAutoScroll(int direction) {
    scrollDirection_ = direction;
    if (direction == 1 || direction == 2) scrollTimer_.start();
    else scrollTimer_.stop();
}

PictureButton* MainWindow::ribbonButton(int number, int index) const {
    static constexpr int first[] = {0, 0, 2, 4, 7, 11};
    static constexpr int count[] = {0, 2, 2, 3, 4, 1};
    if (number < 1 || number > 5 || index < 0 || index >= count[number]) return nullptr;
    return buttons_[first[number] + index];
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8) {
        listView_->setWordWrap(!listView_->wordWrap());
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::writeSettingsOnClose() {
    if (!store_) return;
    std::optional<WindowRectTwips> rect;
    if (!isMinimized() && state_.Settings.SaveLastWinPos) {
        // The position of the frame and the size of the window, as start-up places it.
        const QRect frame(pos(), size());
        rect = WindowRectTwips{static_cast<float>(pixelsToTwipsX(frame.x(), this)),
                               static_cast<float>(pixelsToTwipsY(frame.y(), this)),
                               static_cast<float>(pixelsToTwipsX(frame.width(), this)),
                               static_cast<float>(pixelsToTwipsY(frame.height(), this))};
    }
    state_.Settings.LastCtrl = openGroup_.toStdString();
    writeShutdownSettings(*store_, state_.Settings, currentViewSettings(), rect);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Nothing cancels the close: save, unload the other windows, end.
    writeSettingsOnClose();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    event->accept();
    QApplication::quit();
}

}  // namespace vantix::shell
