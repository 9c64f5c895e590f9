#include "tweaks/ui/HiddenTreeView.h"

#include <QApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTextEdit>

#include "catalogue/Prompter.h"
#include "platform/log/Log.h"
#include "tweaks/FunctionFilter.h"
#include "tweaks/HiddenTree.h"
#include "tweaks/HiddenTreeEdits.h"
#include "tweaks/RestartSystem.h"
#include "tweaks/TweakSession.h"
#include "tweaks/ui/Form5.h"
#include "tweaks/ui/NodeIcons.h"

namespace vantix::tweaks::ui {

namespace {

constexpr int kScrollMargin = 16;  // pixels from an edge where dragging scrolls
const QColor kChangedElsewhere(160, 0, 0);

std::string str(const QString& text) {
    return text.toStdString();
}
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

NodeKind kindOf(const QTreeWidgetItem* item) {
    return item ? nodeKindOf(str(HiddenTreeView::keyOf(item))) : NodeKind::None;
}

}  // namespace

HiddenTreeView::HiddenTreeView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("HiddenTreeView"));
    setHeaderHidden(true);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragEnabled(false);  // dragging is this view's own, with its drop rule
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    QTreeWidget::setAutoScroll(false);  // the main window's timer scrolls while dragging
    buildMenus();
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { onItemChanged(item); });
}

void HiddenTreeView::buildMenus() {
    functionMenu_ = new QMenu(this);
    functionMenu_->setObjectName(QStringLiteral("FunctionMenu"));
    functionMenu_->addAction(QStringLiteral("Deactivate in this Group"), this,
                             [this] { SetFunctionActive(false); });
    functionMenu_->addAction(QStringLiteral("Reactivate Function"), this,
                             [this] { SetFunctionActive(true); });
    functionMenu_->addSeparator();
    functionMenu_->addAction(QStringLiteral("Rename Function"), this,
                             &HiddenTreeView::renameSelected);

    folderMenu_ = new QMenu(this);
    folderMenu_->setObjectName(QStringLiteral("FolderMenu"));
    folderMenu_->addAction(QStringLiteral("Rename Folder"), this, &HiddenTreeView::renameSelected);
    folderMenu_->addAction(QStringLiteral("Delete Folder"), this,
                           &HiddenTreeView::DeleteHiddenFolder);
    folderMenu_->addSeparator();
    folderMenu_->addAction(QStringLiteral("&Create Subfolder"), this,
                           [this] { NewHiddenFolder(menuNode_); });
    folderMenu_->addAction(QStringLiteral("Create Function Folder"), this,
                           [this] { NewHiddenFolder(nullptr); });
}

HiddenTreeSettings HiddenTreeView::settings() const {
    return context_ && context_->treeSettings ? context_->treeSettings() : HiddenTreeSettings{};
}

QString HiddenTreeView::keyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, KeyRole).toString() : QString();
}

QTreeWidgetItem* HiddenTreeView::itemOfKey(const QString& key) const {
    for (QTreeWidgetItemIterator it(const_cast<HiddenTreeView*>(this)); *it; ++it)
        if (keyOf(*it) == key) return *it;
    return nullptr;
}

bool HiddenTreeView::isChangedElsewhere(const QTreeWidgetItem* item) const {
    return kindOf(item) == NodeKind::Function &&
           changedElsewhere_.contains(keyId(str(keyOf(item))));
}

// ---- filling

void HiddenTreeView::showGroup(std::int64_t groupId) {
    groupId_ = groupId;
    FillHiddenTree();
}

QTreeWidgetItem* HiddenTreeView::addNode(QTreeWidgetItem* parent, int index, const QString& key,
                                         const QString& text, const QString& tag, int image) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, KeyRole, key);
    item->setData(0, TagRole, tag);
    item->setData(0, NameRole, text);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    setImage(item, image);
    if (!parent)
        addTopLevelItem(item);
    else if (index >= 0)
        parent->insertChild(index, item);
    else
        parent->addChild(item);
    return item;
}

void HiddenTreeView::setImage(QTreeWidgetItem* item, int image) {
    item->setData(0, ImageRole, image);
    const bool function = image >= kActiveImage && image <= kSelectedFunctionImage;
    item->setIcon(0, nodeIcon(image, function ? kSelectedFunctionImage : kOpenFolderImage));
    item->setForeground(0, image == kDeactivatedImage
                               ? palette().brush(QPalette::Disabled, QPalette::Text)
                               : palette().brush(QPalette::Text));
}

void HiddenTreeView::FillHiddenTree() {
    if (!context_ || !context_->database || !context_->settings) return;
    const QSignalBlocker block(this);
    setUpdatesEnabled(false);
    filling_ = true;
    clear();
    pressed_ = nullptr;
    highlight_ = nullptr;
    menuNode_ = nullptr;
    described_.clear();
    try {
        const HiddenTreeContent content = tweaks::FillHiddenTree(
            *context_->database, *context_->settings,
            {context_->winVersion(), groupId_, showDeactivated_, context_->lastHiddenWork()});
        const bool expand = settings().expandAll;
        QHash<QString, QTreeWidgetItem*> folders;
        for (const HiddenNode& node : content.nodes) {
            const QString key = qs(node.key);
            const QString tag = qs(node.tag);
            QTreeWidgetItem* item =
                addNode(folders.value(tag), -1, key, qs(node.text), tag, node.image);
            if (isFolderKey(node.key)) folders.insert(key, item);
        }
        if (expand)
            for (QTreeWidgetItem* folder : std::as_const(folders)) folder->setExpanded(true);
        if (!content.selectedKey.empty()) {
            QTreeWidgetItem* selected = itemOfKey(qs(content.selectedKey));
            setCurrentItem(selected);
            scrollToItem(selected);
        }
    } catch (const std::exception& error) {
        log::warning("tweaks.tree",
                     std::string("the function tree stays incomplete: ") + error.what());
    }
    if (isSortingEnabled()) sortItems(0, Qt::AscendingOrder);
    markDrift();
    applyFilter();
    filling_ = false;
    setUpdatesEnabled(true);
    clearInfo();
}

void HiddenTreeView::markDrift() {
    changedElsewhere_.clear();
    TweakSession* session = context_ && context_->session ? context_->session() : nullptr;
    if (!session) return;
    changedElsewhere_ = functionsChangedElsewhere(*session);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (kindOf(*it) != NodeKind::Function) continue;
        const bool changed = isChangedElsewhere(*it);
        QFont font = (*it)->font(0);
        font.setItalic(changed);
        (*it)->setFont(0, font);
        if (changed) {
            (*it)->setForeground(0, kChangedElsewhere);
            (*it)->setToolTip(0, QString::fromLatin1(kChangedElsewhereNote));
        } else {
            setImage(*it, (*it)->data(0, ImageRole).toInt());
            (*it)->setToolTip(0, QString());
        }
    }
}

void HiddenTreeView::setShowDeactivated(bool show) {
    if (show == showDeactivated_) return;
    showDeactivated_ = show;
    emit showDeactivatedChanged(show);
    FillHiddenTree();
}

void HiddenTreeView::setSorted(bool on) {
    if (on == isSortingEnabled()) return;
    setSortingEnabled(on);
    if (on) sortItems(0, Qt::AscendingOrder);
    emit sortedChanged(on);
}

void HiddenTreeView::setFilterText(const QString& text) {
    filter_ = text;
    applyFilter();
}

void HiddenTreeView::applyFilter() {
    const FunctionFilter filter(str(filter_));
    if (filter.empty()) {
        for (QTreeWidgetItemIterator it(this); *it; ++it) (*it)->setHidden(false);
        return;
    }
    std::vector<HiddenNode> nodes;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        nodes.push_back(
            {str(keyOf(*it)), str((*it)->text(0)), str((*it)->data(0, TagRole).toString())});
    std::set<std::string> visible;
    try {
        visible = filter.visibleKeys(nodes, loadHelpTexts(*context_->database));
    } catch (const std::exception& error) {
        log::warning("tweaks.tree", std::string("filter: ") + error.what());
    }
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        const bool shown = visible.contains(str(keyOf(*it)));
        (*it)->setHidden(!shown);
        if (shown && isFolderKey(str(keyOf(*it)))) (*it)->setExpanded(true);
    }
}

// ---- describing

void HiddenTreeView::clearInfo() {
    if (info_) info_->clear();
}

void HiddenTreeView::describe(QTreeWidgetItem* item) {
    if (!item || keyOf(item) == described_ || !info_) return;
    described_ = keyOf(item);
    if (kindOf(item) == NodeKind::Function) {
        std::string help;
        try {
            help = ShowHiddenHelp(*context_->database, keyId(str(described_))).value_or("");
        } catch (const std::exception& error) {
            log::debug("tweaks.tree", error.what());
        }
        if (isChangedElsewhere(item))
            help += std::string(help.empty() ? "" : "\n\n") + kChangedElsewhereNote;
        info_->setPlainText(qs(help));
        info_->setEnabled(true);
    } else {
        info_->setPlainText(qs(folderDescription(str(item->text(0)))));
        info_->setEnabled(false);
    }
}

// ---- mouse and keys

void HiddenTreeView::mousePressEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    pressed_ = nullptr;
    dragged_ = false;
    if (item) {
        setCurrentItem(item);
        if (settings().onlyRightMouse) describe(item);
        if (event->button() == Qt::LeftButton && kindOf(item) == NodeKind::Function) {
            pressed_ = item;
            pressPosition_ = event->position().toPoint();
        }
    }
    QTreeWidget::mousePressEvent(event);
}

void HiddenTreeView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if ((event->buttons() & Qt::LeftButton) && pressed_ && !dragged_ &&
        (position - pressPosition_).manhattanLength() >= QApplication::startDragDistance()) {
        dragged_ = true;
        startDrag(pressed_);
        return;
    }
    const bool foreground = context_ && context_->isForeground
                                ? context_->isForeground()
                                : QGuiApplication::applicationState() == Qt::ApplicationActive;
    const bool rightOnly = settings().onlyRightMouse;
    if (foreground && state() != QAbstractItemView::EditingState &&
        (!rightOnly || (event->buttons() & Qt::RightButton))) {
        if (QTreeWidgetItem* item = itemAt(position)) {
            if (currentItem() != item) setCurrentItem(item);
            describe(item);
        } else {
            described_.clear();
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void HiddenTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        showContextMenu(position);
        return;
    }
    QTreeWidgetItem* clicked = itemAt(position);
    if (event->button() == Qt::LeftButton && !dragged_ && pressed_ && clicked == pressed_ &&
        !settings().onlyDoubleClick) {
        pressed_ = nullptr;
        openFunction(clicked);
    }
}

void HiddenTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (settings().onlyDoubleClick && kindOf(item) == NodeKind::Function) {
        openFunction(item);
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void HiddenTreeView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        QTreeWidgetItem* item = currentItem();
        if (kindOf(item) != NodeKind::Function) return;
        if (item->data(0, ImageRole).toInt() == kDeactivatedImage) {
            SetFunctionActive(true);
        } else if (!context_->prompter ||
                   context_->prompter->askYesNo(
                       "Deactivate Function",
                       "'" + str(item->text(0)) + "' deactivate in this group?")) {
            SetFunctionActive(false);
        }
        return;
    }
    QTreeWidget::keyPressEvent(event);
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            describe(currentItem());
            break;
        default:
            break;
    }
}

// ---- pop-up menus and their commands

void HiddenTreeView::showContextMenu(const QPoint& position) {
    QTreeWidgetItem* item = itemAt(position);
    menuNode_ = item;
    const QPoint global = viewport()->mapToGlobal(position);
    const auto actions = [](QMenu* menu) { return menu->actions(); };
    if (kindOf(item) == NodeKind::Function) {
        setCurrentItem(item);
        const bool deactivated = item->data(0, ImageRole).toInt() == kDeactivatedImage;
        actions(functionMenu_)[0]->setVisible(!deactivated);
        actions(functionMenu_)[1]->setVisible(deactivated);
        functionMenu_->popup(global);
        return;
    }
    const NodeKind kind = kindOf(item);
    if (item) setCurrentItem(item);
    const auto folderActions = actions(folderMenu_);
    folderActions[0]->setVisible(item != nullptr);
    folderActions[1]->setVisible(item != nullptr);
    folderActions[2]->setVisible(kind == NodeKind::Folder);
    folderActions[3]->setVisible(kind == NodeKind::Folder);
    folderActions[4]->setVisible(item == nullptr);
    folderMenu_->popup(global);
}

void HiddenTreeView::SetFunctionActive(bool active) {
    QTreeWidgetItem* item = currentItem();
    if (kindOf(item) != NodeKind::Function || !context_ || !context_->settings) return;
    tweaks::SetFunctionActive(*context_->settings, groupId_, str(keyOf(item)), active);
    setImage(item, active ? kActiveImage : kDeactivatedImage);
    if (!active && !showDeactivated_) {
        if (highlight_ == item) highlight_ = nullptr;
        if (pressed_ == item) pressed_ = nullptr;
        delete item;
    }
}

void HiddenTreeView::renameSelected() {
    if (QTreeWidgetItem* item = currentItem()) editItem(item, 0);
}

void HiddenTreeView::onItemChanged(QTreeWidgetItem* item) {
    if (filling_ || !context_ || !context_->database) return;
    const QString stored = item->data(0, NameRole).toString();
    const QString typed = item->text(0);
    if (typed == stored) return;
    bool renamed = false;
    try {
        renamed = RenameHiddenNode(*context_->database, str(keyOf(item)), str(typed));
    } catch (const std::exception& error) {
        log::warning("tweaks.tree", std::string("rename: ") + error.what());
    }
    const QSignalBlocker block(this);
    // A refused name cancels the edit silently: the old label stays.
    if (renamed)
        item->setData(0, NameRole, typed);
    else
        item->setText(0, stored);
}

void HiddenTreeView::DeleteHiddenFolder() {
    QTreeWidgetItem* item = currentItem();
    if (!item || !isFolderKey(str(keyOf(item))) || !context_ || !context_->database) return;
    const std::string key = str(keyOf(item));
    try {
        if (!folderIsEmpty(*context_->database, key, item->childCount() > 0,
                           context_->winVersion())) {
            if (context_->prompter)
                context_->prompter->message(catalogue::MessageIcon::Information, kDeleteFolderTitle,
                                            kFolderNotEmpty);
            return;
        }
        if (settings().confirm && context_->prompter &&
            !context_->prompter->askYesNo(kReallyDeleteTitle, str(item->text(0)) + kReallyDelete))
            return;
        deleteFolderRow(*context_->database, key);
    } catch (const std::exception& error) {
        log::warning("tweaks.tree", std::string("delete folder: ") + error.what());
        return;
    }
    if (menuNode_ == item) menuNode_ = nullptr;
    delete item;
}

void HiddenTreeView::NewHiddenFolder(QTreeWidgetItem* parent) {
    if (!context_ || !context_->database) return;
    if (parent && kindOf(parent) != NodeKind::Folder) return;
    std::string key;
    try {
        key = tweaks::NewHiddenFolder(*context_->database,
                                      parent ? str(keyOf(parent)) : std::string());
    } catch (const std::exception& error) {
        log::warning("tweaks.tree", std::string("new folder: ") + error.what());
        return;
    }
    const QSignalBlocker block(this);
    QTreeWidgetItem* node =
        addNode(parent, parent && parent->childCount() > 0 ? 0 : -1, qs(key),
                QString::fromLatin1(kNewFolderName), keyOf(parent), kFolderImage);
    if (parent) parent->setExpanded(true);
    scrollToItem(node);
}

// ---- dragging

QMimeData* HiddenTreeView::dragDataFor(const QTreeWidgetItem* item) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDragFormat), keyOf(item).toUtf8());
    return data;
}

void HiddenTreeView::startDrag(QTreeWidgetItem* item) {
    auto* drag = new QDrag(this);
    drag->setMimeData(dragDataFor(item));
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    drag->exec(Qt::MoveAction);
    setHighlight(nullptr);
    emit autoScrollWanted(0);
}

void HiddenTreeView::setHighlight(QTreeWidgetItem* item) {
    if (highlight_ == item) return;
    if (highlight_) highlight_->setBackground(0, QBrush());
    highlight_ = item;
    if (highlight_)
        highlight_->setBackground(0, palette().brush(QPalette::Highlight).color().lighter(160));
}

void HiddenTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(kDragFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HiddenTreeView::dragMoveEvent(QDragMoveEvent* event) {
    const QPoint position = event->position().toPoint();
    const int y = position.y();
    emit autoScrollWanted(y < kScrollMargin ? 1
                                            : (y > viewport()->height() - kScrollMargin ? 2 : 0));
    const QString key =
        QString::fromUtf8(event->mimeData()->data(QString::fromLatin1(kDragFormat)));
    QTreeWidgetItem* dragged = itemOfKey(key);
    QTreeWidgetItem* target = itemAt(position);
    if (dragged && target &&
        canDropOn(str(key), str(dragged->data(0, TagRole).toString()), str(keyOf(target)))) {
        setHighlight(target);
        event->acceptProposedAction();
    } else {
        setHighlight(nullptr);
        event->ignore();
    }
}

void HiddenTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    setHighlight(nullptr);
    emit autoScrollWanted(0);
    event->accept();
}

void HiddenTreeView::dropEvent(QDropEvent* event) {
    emit autoScrollWanted(0);
    QTreeWidgetItem* target = highlight_;
    setHighlight(nullptr);
    QTreeWidgetItem* dragged =
        itemOfKey(QString::fromUtf8(event->mimeData()->data(QString::fromLatin1(kDragFormat))));
    if (!target || !dragged) {
        event->ignore();
        return;
    }
    moveNode(dragged, target);
    event->acceptProposedAction();
}

void HiddenTreeView::moveNode(QTreeWidgetItem* node, QTreeWidgetItem* target) {
    const QString key = keyOf(node);
    const QSignalBlocker block(this);
    // The node keeps its key: the old one gives it up for the moment of the move.
    node->setData(0, KeyRole, QString::fromLatin1(kMovingKey));
    QTreeWidgetItem* moved =
        addNode(target, -1, key, node->text(0), keyOf(target), node->data(0, ImageRole).toInt());
    moved->setFont(0, node->font(0));
    moved->setForeground(0, node->foreground(0));
    moved->setToolTip(0, node->toolTip(0));
    if (pressed_ == node) pressed_ = nullptr;
    delete node;
    scrollToItem(moved);
    try {
        MoveHiddenItem(*context_->database, str(key), str(keyOf(target)));
    } catch (const std::exception& error) {
        log::warning("tweaks.tree", std::string("move: ") + error.what());
    }
    clearInfo();
    described_.clear();
}

// ---- opening a function

void HiddenTreeView::openFunction(QTreeWidgetItem* item) {
    if (kindOf(item) != NodeKind::Function || !context_) return;
    const std::string key = str(keyOf(item));
    context_->setLastHiddenWork(key);
    QString help = info_ ? info_->toPlainText() : QString();
    if (!info_ || described_ != keyOf(item))
        help = qs(ShowHiddenHelp(*context_->database, keyId(key)).value_or(""));
    Form5 page(*context_, window());
    try {
        page.load(keyId(key), item->text(0), help);
    } catch (const TweakError& error) {
        if (context_->prompter)
            context_->prompter->message(catalogue::MessageIcon::Exclamation, "Error!",
                                        error.what());
        return;
    }
    page.exec();
    const int restart = page.page().RestartRequest;
    if (restart > 0) {
        if (TweakSession* session = context_->session()) RestartSystem(session->host(), restart);
        context_->closeShell();
        return;
    }
    markDrift();
}

}  // namespace vantix::tweaks::ui
