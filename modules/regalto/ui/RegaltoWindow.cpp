#include "modules/regalto/ui/RegaltoWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "modules/regalto/Settings.h"
#include "modules/regalto/ui/DialogPrompter.h"

namespace vantix::regalto::ui {
namespace {

constexpr int kNodeRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;
constexpr int kSerialRole = Qt::UserRole + 3;

// Sizes are stored in twips, as the settings have always held them.
int toTwips(int pixels, int dpi) {
    return dpi > 0 ? pixels * 1440 / dpi : pixels * 15;
}
int toPixels(int twips, int dpi) {
    return dpi > 0 ? twips * dpi / 1440 : twips / 15;
}

// The hourglass for a long step, restored however the step ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

RegaltoWindow::RegaltoWindow(RegistryPort& registry, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      tree_(new QTreeWidget(this)),
      list_(new QTreeWidget(this)),
      combo_(new QComboBox(this)),
      pathPanel_(new QLabel(this)),
      notePanel_(new QLabel(this)) {
    if (!prompter) {
        ownPrompter_ = std::make_unique<DialogPrompter>(this);
        prompter = ownPrompter_.get();
    }
    editor_ = std::make_unique<RegaltoEditor>(registry, *prompter);
    setWindowTitle(QStringLiteral(" Registry Editor Module"));

    tree_->setObjectName(QStringLiteral("TreeView"));
    tree_->setHeaderHidden(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setObjectName(QStringLiteral("SetView"));
    list_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Setting")});
    list_->setRootIsDecorated(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->resizeSection(0, 180);
    combo_->setObjectName(QStringLiteral("Combo"));
    combo_->setMinimumContentsLength(30);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* header = new QLabel(QStringLiteral("Windows Registry Editor"), central);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);
    auto* splitter = new QSplitter(central);
    splitter->addWidget(tree_);
    splitter->addWidget(list_);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    statusBar()->addWidget(pathPanel_, 3);
    statusBar()->addWidget(notePanel_, 1);

    buildActions();
    buildMenus();

    for (const auto& root : editor_->tree().roots()) tree_->addTopLevelItem(makeItem(root.get()));

    connect(tree_, &QTreeWidget::itemExpanded, this, &RegaltoWindow::onExpanded);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onCurrentKeyChanged(current); });
    connect(list_, &QTreeWidget::itemChanged, this, &RegaltoWindow::onValueRenamed);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { editValue(); });
    connect(combo_, &QComboBox::activated, this,
            [this](int index) { goToBookmark(combo_->itemText(index)); });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        prepareKeyMenu(tree_->itemAt(pos));
        if (tree_->itemAt(pos)) keyMenu_->exec(tree_->viewport()->mapToGlobal(pos));
    });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        prepareValueMenu(list_->itemAt(pos));
        if (list_->itemAt(pos)) valueMenu_->exec(list_->viewport()->mapToGlobal(pos));
    });

    restoreSettings();
    // The module starts with its first entry selected.
    tree_->setCurrentItem(tree_->topLevelItem(0));
}

RegaltoWindow::~RegaltoWindow() = default;

void RegaltoWindow::buildActions() {
    auto* bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("Toolbar"));
    addToolBarBreak();
    auto* bookmarkBar = addToolBar(QStringLiteral("Bookmarks"));
    bookmarkBar->setObjectName(QStringLiteral("Bookmarks"));
    QToolBar* target = bar;
    const auto add = [this, &target](const QString& name, QStyle::StandardPixmap icon, auto slot,
                                     const QKeySequence& key = {}) {
        auto* action = new QAction(style()->standardIcon(icon), name, this);
        action->setObjectName(name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        target->addAction(action);
        return action;
    };
    add(
        QStringLiteral("Refresh"), QStyle::SP_BrowserReload,
        [this] {
            editor_->refresh();
            fillValues();
        },
        QKeySequence(Qt::Key_F5));
    add(QStringLiteral("Details"), QStyle::SP_FileDialogDetailedView, [this] {
        list_->setHeaderHidden(false);
        list_->setColumnHidden(1, false);
    });
    add(QStringLiteral("List"), QStyle::SP_FileDialogListView, [this] {
        list_->setHeaderHidden(true);
        list_->setColumnHidden(1, true);
    });
    bar->addSeparator();
    add(QStringLiteral("Collapse"), QStyle::SP_ArrowUp, [this] { collapseAll(); });
    add(QStringLiteral("New key"), QStyle::SP_FileDialogNewFolder, [this] { newKey(); });
    add(QStringLiteral("Delete key"), QStyle::SP_TrashIcon, [this] { deleteKey(); });
    bar->addSeparator();
    add(QStringLiteral("Edit value"), QStyle::SP_FileDialogContentsView, [this] { editValue(); });
    add(QStringLiteral("New value"), QStyle::SP_FileIcon, [this] { newValue(); });
    add(QStringLiteral("Delete value"), QStyle::SP_DialogDiscardButton, [this] { deleteValue(); });
    add(
        QStringLiteral("Rename"), QStyle::SP_FileLinkIcon, [this] { renameValue(); },
        QKeySequence(Qt::Key_F2));
    bar->addSeparator();
    add(QStringLiteral("Export"), QStyle::SP_DialogSaveButton, [this] { exportKey(); });
    add(QStringLiteral("Import"), QStyle::SP_DialogOpenButton, [this] { importFile(); });
    add(
        QStringLiteral("Find"), QStyle::SP_FileDialogStart, [this] { askFind(); },
        QKeySequence::Find);
    add(
        QStringLiteral("Find next"), QStyle::SP_ArrowForward, [this] { findNext(); },
        QKeySequence(Qt::Key_F3));
    target = bookmarkBar;
    add(QStringLiteral("Insert bookmark"), QStyle::SP_DialogApplyButton,
        [this] { insertBookmark(); });
    add(QStringLiteral("Delete all bookmarks"), QStyle::SP_DialogResetButton,
        [this] { clearBookmarks(); });
    bookmarkBar->addWidget(combo_);
    // Del deletes what has the focus: a value in the list, else the selected key.
    auto* remove = new QAction(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("Delete"));
    remove->setShortcut(QKeySequence::Delete);
    connect(remove, &QAction::triggered, this, [this] { deleteFocused(); });
    addAction(remove);
}

void RegaltoWindow::buildMenus() {
    keyMenu_ = new QMenu(this);
    keyMenu_->addAction(QStringLiteral("Collapse"), this, [this] { collapseAll(); });
    keyMenu_->addAction(QStringLiteral("New key"), this, [this] { newKey(); });
    keyMenu_->addAction(QStringLiteral("Delete key"), this, [this] { deleteKey(); });
    valueMenu_ = new QMenu(this);
    valueMenu_->addAction(QStringLiteral("Rename value name"), this, [this] { renameValue(); });
    valueMenu_->addAction(QStringLiteral("Edit value"), this, [this] { editValue(); });
    valueMenu_->addAction(QStringLiteral("&Insert new value"), this, [this] { newValue(); });
    valueMenu_->addAction(QStringLiteral("&Delete value"), this, [this] { deleteValue(); });
}

QAction* RegaltoWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void RegaltoWindow::prepareKeyMenu(QTreeWidgetItem* item) {
    const auto actions = keyMenu_->actions();
    const KeyNode* node =
        item ? static_cast<const KeyNode*>(item->data(0, kNodeRole).value<void*>()) : nullptr;
    for (auto* a : actions) a->setVisible(node != nullptr);
    if (node && node->isRoot()) actions[2]->setVisible(false);
    if (item) tree_->setCurrentItem(item);
}

void RegaltoWindow::prepareValueMenu(QTreeWidgetItem* item) {
    const auto actions = valueMenu_->actions();
    const int index = item ? list_->indexOfTopLevelItem(item) : -1;
    for (auto* a : actions) a->setVisible(index >= 0);
    if (index == 0) {
        // On "Default" only editing makes sense: it cannot be renamed or deleted.
        for (auto* a : actions) a->setVisible(a->text() == QStringLiteral("Edit value"));
    }
    if (item) list_->setCurrentItem(item);
}

QTreeWidgetItem* RegaltoWindow::makeItem(KeyNode* node) {
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(node->text)));
    item->setData(0, kNodeRole, QVariant::fromValue(static_cast<void*>(node)));
    item->setData(0, kSerialRole, QVariant::fromValue<quint64>(node->serial));
    item->setIcon(0, style()->standardIcon(node->hasSubKeysPicture ? QStyle::SP_DirIcon
                                                                   : QStyle::SP_FileIcon));
    items_.insert(node->serial, item);
    for (const auto& child : node->children) item->addChild(makeItem(child.get()));
    return item;
}

void RegaltoWindow::forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) forget(item->child(i));
    items_.remove(item->data(0, kSerialRole).value<quint64>());
}

// Makes an item's children mirror its node's, keeping the items (and their
// expansion) of nodes that are still there.
void RegaltoWindow::syncChildren(QTreeWidgetItem* item) {
    auto* node = static_cast<KeyNode*>(item->data(0, kNodeRole).value<void*>());
    const bool wasFilling = filling_;
    filling_ = true;
    QHash<quint64, QTreeWidgetItem*> kept;
    for (auto* child : item->takeChildren())
        kept.insert(child->data(0, kSerialRole).value<quint64>(), child);
    for (const auto& child : node->children) {
        QTreeWidgetItem* childItem = kept.take(child->serial);
        item->addChild(childItem ? childItem : makeItem(child.get()));
    }
    for (auto* gone : kept) {
        forget(gone);
        delete gone;
    }
    item->setIcon(0, style()->standardIcon(node->hasSubKeysPicture ? QStyle::SP_DirIcon
                                                                   : QStyle::SP_FileIcon));
    filling_ = wasFilling;
}

void RegaltoWindow::onExpanded(QTreeWidgetItem* item) {
    auto* node = static_cast<KeyNode*>(item->data(0, kNodeRole).value<void*>());
    if (!node || !node->unread()) return;
    WaitCursor wait;
    editor_->tree().expand(*node);
    syncChildren(item);
}

void RegaltoWindow::onCurrentKeyChanged(QTreeWidgetItem* current) {
    if (filling_ || !current) return;
    auto* node = static_cast<KeyNode*>(current->data(0, kNodeRole).value<void*>());
    if (!node || node->isPlaceholder() || node == editor_->selectedKey()) return;
    WaitCursor wait;
    editor_->selectKey(node);
    fillValues();
}

// Shows a node the editor selected: its ancestors' items brought up to date and opened.
void RegaltoWindow::showKey(KeyNode* node) {
    if (!node) return;
    std::vector<KeyNode*> chain;
    for (KeyNode* up = node; up; up = up->parent) chain.insert(chain.begin(), up);
    for (KeyNode* step : chain) {
        if (QTreeWidgetItem* item = itemFor(step)) {
            syncChildren(item);
            if (step != node) {
                filling_ = true;
                item->setExpanded(true);
                filling_ = false;
            }
        }
    }
    if (QTreeWidgetItem* item = itemFor(node)) {
        filling_ = true;
        tree_->setCurrentItem(item);
        filling_ = false;
        tree_->scrollToItem(item);
    }
    fillValues();
}

void RegaltoWindow::fillValues() {
    filling_ = true;
    list_->clear();
    for (const auto& entry : editor_->entries()) {
        auto* item = new QTreeWidgetItem(
            QStringList{QString::fromStdString(entry.name), QString::fromStdString(entry.setting)});
        item->setData(0, kTagRole, QString::fromStdString(tagName(entry.tag)));
        item->setIcon(
            0, style()->standardIcon(entry.tag == ValueTag::Dword || entry.tag == ValueTag::Binar
                                         ? QStyle::SP_DriveHDIcon
                                         : QStyle::SP_FileIcon));
        if (!entry.isDefault) item->setFlags(item->flags() | Qt::ItemIsEditable);
        list_->addTopLevelItem(item);
    }
    if (QTreeWidgetItem* selected =
            list_->topLevelItem(static_cast<int>(editor_->selectedEntry()))) {
        list_->setCurrentItem(selected);
    }
    filling_ = false;
    refreshStatus();
}

void RegaltoWindow::refreshStatus() {
    pathPanel_->setText(QString::fromStdString(editor_->statusPath()));
    notePanel_->setText(QString::fromStdString(editor_->statusNote()));
}

int RegaltoWindow::currentEntry() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

void RegaltoWindow::onValueRenamed(QTreeWidgetItem* item, int column) {
    if (filling_ || column != 0) return;
    const int index = list_->indexOfTopLevelItem(item);
    if (index < 0) return;
    const auto& entry = editor_->entries()[static_cast<std::size_t>(index)];
    const std::string typed = item->text(0).toStdString();
    if (typed == entry.name) return;
    if (!editor_->renameValue(static_cast<std::size_t>(index), typed)) {
        filling_ = true;
        item->setText(0, QString::fromStdString(entry.name));  // the edit is undone
        filling_ = false;
    }
}

void RegaltoWindow::collapseAll() {
    tree_->collapseAll();
}

void RegaltoWindow::newKey() {
    if (KeyNode* node = editor_->newKey()) showKey(node);
}

void RegaltoWindow::deleteKey() {
    if (KeyNode* parent = editor_->deleteKey(editor_->selectedKey())) showKey(parent);
}

void RegaltoWindow::editValue() {
    const int index = currentEntry();
    if (index >= 0 && editor_->editValue(static_cast<std::size_t>(index))) fillValues();
}

void RegaltoWindow::newValue() {
    if (editor_->newValue()) fillValues();
}

void RegaltoWindow::deleteValue() {
    const int index = currentEntry();
    if (index >= 0 && editor_->deleteValue(static_cast<std::size_t>(index))) fillValues();
}

void RegaltoWindow::renameValue() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item && list_->indexOfTopLevelItem(item) > 0) list_->editItem(item, 0);
}

void RegaltoWindow::deleteFocused() {
    if (list_->hasFocus()) {
        deleteValue();
    } else {
        deleteKey();
    }
}

void RegaltoWindow::insertBookmark() {
    if (!editor_->insertBookmark()) return;
    combo_->addItem(QString::fromStdString(editor_->bookmarks().back()));
    combo_->setCurrentIndex(combo_->count() - 1);
}

void RegaltoWindow::clearBookmarks() {
    editor_->clearBookmarks();
    combo_->clear();
}

void RegaltoWindow::goToBookmark(const QString& path) {
    KeyNode* reached = nullptr;
    {
        WaitCursor wait;
        // The message (if any) comes from inside the editor's call.
        reached = editor_->goToBookmark(path.toStdString());
    }
    showKey(reached);
}

void RegaltoWindow::exportKey() {
    editor_->exportSelected();
}

void RegaltoWindow::importFile() {
    KeyNode* reselected = editor_->importFile();
    if (!reselected && editor_->selectedKey())
        return;  // failed or cancelled: the tree is unchanged
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        filling_ = true;
        tree_->topLevelItem(i)->setExpanded(false);
        filling_ = false;
        syncChildren(tree_->topLevelItem(i));
    }
    showKey(reselected);
    if (!reselected) fillValues();
}

void RegaltoWindow::askFind() {
    if (auto options = editor_->prompter().askFind(lastFind_)) find(*options);
}

void RegaltoWindow::find(const FindOptions& options) {
    lastFind_ = options;
    const std::string start =
        editor_->statusPath().empty() ? "HKEY_LOCAL_MACHINE" : editor_->statusPath();
    finder_ = std::make_unique<RegistryFinder>(editor_->registry(), options, start);
    findNext();
}

bool RegaltoWindow::findNext() {
    if (!finder_) return false;
    QProgressDialog progress(QStringLiteral("Searching the registry..."), QStringLiteral("&Cancel"),
                             0, 0, this);
    progress.setWindowTitle(QStringLiteral("Find"));
    progress.setMinimumDuration(500);
    progress.setWindowModality(Qt::WindowModal);
    const auto match = finder_->next([&progress](std::size_t searched) {
        if (searched % 64 == 0) {
            progress.setLabelText(
                QStringLiteral("Searching the registry... %1 keys").arg(searched));
            QApplication::processEvents();
        }
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!match) {
        notePanel_->setText(finder_->cancelled()
                                ? QStringLiteral("Search cancelled")
                                : QStringLiteral("Search finished: no further match"));
        return false;
    }
    KeyNode* node = editor_->nodeForPath(match->keyPath);
    if (!node) return false;
    editor_->selectKey(node);
    if (match->valueName) {
        const auto& entries = editor_->entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if ((match->valueName->empty() && entries[i].isDefault) ||
                (!entries[i].isDefault && entries[i].name == *match->valueName)) {
                editor_->selectEntry(i);
            }
        }
    }
    showKey(node);
    return true;
}

void RegaltoWindow::restoreSettings() {
    const StoredSettings stored = loadSettings(editor_->registry());
    editor_->setBookmarks(stored.bookmarks);
    for (const auto& path : editor_->bookmarks()) combo_->addItem(QString::fromStdString(path));
    if (!stored.placement) return;
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    resize(toPixels(stored.placement->width, dpiX), toPixels(stored.placement->height, dpiY));
    if (stored.placement->left && stored.placement->top) {
        move(toPixels(*stored.placement->left, dpiX), toPixels(*stored.placement->top, dpiY));
    } else if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void RegaltoWindow::saveSettings() {
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    Placement placement;
    placement.width = toTwips(inner.width(), logicalDpiX());
    placement.height = toTwips(inner.height(), logicalDpiY());
    placement.left = toTwips(frame.x(), logicalDpiX());
    placement.top = toTwips(frame.y(), logicalDpiY());
    regalto::saveSettings(editor_->registry(), editor_->bookmarks(), placement);
}

void RegaltoWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
}

}  // namespace vantix::regalto::ui
