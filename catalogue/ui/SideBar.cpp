#include "catalogue/ui/SideBar.h"

#include <QDragEnterEvent>
#include <algorithm>
#include <functional>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace vantix::catalogue::ui {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kInfoRole = Qt::UserRole + 1;

// Folder bars take dropped groups.
class FolderBar : public QPushButton {
public:
    FolderBar(const QString& caption, std::function<void(const QString&)> dropped, QWidget* parent)
        : QPushButton(caption, parent), dropped_(std::move(dropped)) {
        setAcceptDrops(true);
        setFlat(true);
        setAutoFillBackground(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasFormat(GroupList::kMimeType)) event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        if (!event->mimeData()->hasFormat(GroupList::kMimeType)) return;
        event->acceptProposedAction();
        dropped_(QString::fromUtf8(event->mimeData()->data(GroupList::kMimeType)));
    }

private:
    std::function<void(const QString&)> dropped_;
};

}  // namespace

SideBar::SideBar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)), list_(new GroupList(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(1);
    layout_->addWidget(list_, 1);
    setAutoFillBackground(true);
    setProperty("helpTopic", QStringLiteral("SideBar"));
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString key = item->data(kKeyRole).toString();
        selectedGroup_ = key;
        emit groupClicked(key);
    });
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        emit groupHovered(item->data(kKeyRole).toString(), item->data(kInfoRole).toString());
    });
}

SideBar::~SideBar() = default;

void SideBar::clear() {
    for (auto& f : folders_) delete f.bar;
    folders_.clear();
    current_.clear();
    selectedGroup_.clear();
    list_->clear();
}

SideBar::Folder* SideBar::folder(const QString& key) {
    for (auto& f : folders_)
        if (f.key == key) return &f;
    return nullptr;
}

const SideBar::Folder* SideBar::folder(const QString& key) const {
    for (const auto& f : folders_)
        if (f.key == key) return &f;
    return nullptr;
}

void SideBar::addFolder(const QString& key, const QString& caption, const QColor& backColor, bool boldNames,
                        bool smallIcons) {
    Folder f{key, caption, backColor, boldNames, smallIcons, {}, nullptr};
    f.bar = new FolderBar(
        caption, [this, key](const QString& groupKey) { dropOnBar(key, groupKey); }, this);
    f.bar->installEventFilter(this);
    connect(f.bar, &QPushButton::clicked, this, [this, key] {
        const bool other = key != current_;
        setCurrentFolder(key);
        if (other) emit folderClicked(key);
    });
    folders_.push_back(std::move(f));
    styleBar(folders_.back());
    setCurrentFolder(key);
}

void SideBar::addGroup(const QString& folderKey, const QString& key, const QString& caption, const QIcon& icon,
                       const QColor& captionColor, const QString& info) {
    Folder* f = folder(folderKey);
    if (!f) return;
    f->groups.push_back({key, caption, info, icon, captionColor});
    if (folderKey == current_) showGroups();
}

QStringList SideBar::folderKeys() const {
    QStringList keys;
    for (const auto& f : folders_) keys << f.key;
    return keys;
}

QStringList SideBar::groupKeys(const QString& folderKey) const {
    QStringList keys;
    if (const Folder* f = folder(folderKey))
        for (const auto& g : f->groups) keys << g.key;
    return keys;
}

QString SideBar::folderOfGroup(const QString& groupKey) const {
    for (const auto& f : folders_)
        for (const auto& g : f.groups)
            if (g.key == groupKey) return f.key;
    return {};
}

QString SideBar::groupCaption(const QString& groupKey) const {
    for (const auto& f : folders_)
        for (const auto& g : f.groups)
            if (g.key == groupKey) return g.caption;
    return {};
}

QColor SideBar::folderBackColor(const QString& folderKey) const {
    const Folder* f = folder(folderKey);
    return f ? f->backColor : QColor();
}

QString SideBar::currentFolder() const { return current_; }

void SideBar::setCurrentFolder(const QString& folderKey) {
    if (!folder(folderKey)) return;
    current_ = folderKey;
    relayout();
    showGroups();
}

void SideBar::selectGroup(const QString& groupKey) {
    selectedGroup_ = groupKey;
    const QString owner = folderOfGroup(groupKey);
    if (!owner.isEmpty() && owner != current_) setCurrentFolder(owner);
    else showGroups();
}

void SideBar::relayout() {
    while (layout_->count() > 0) layout_->takeAt(0);
    int index = 0;
    for (auto& f : folders_) {
        layout_->insertWidget(index++, f.bar);
        if (f.key == current_) layout_->insertWidget(index++, list_, 1);
    }
    if (folders_.empty()) layout_->addWidget(list_, 1);
}

void SideBar::showGroups() {
    list_->clear();
    const Folder* f = folder(current_);
    if (!f) return;
    const int iconSize = f->smallIcons ? 16 : 32;
    list_->setIconSize(QSize(iconSize, iconSize));
    list_->setViewMode(f->smallIcons ? QListView::ListMode : QListView::IconMode);
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    // Changing the view mode or movement switches drops off again.
    list_->setDragEnabled(true);
    list_->viewport()->setAcceptDrops(true);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, f->backColor);
    list_->setPalette(palette);
    QFont font = list_->font();
    font.setBold(f->boldNames);
    for (const auto& g : f->groups) {
        auto* item = new QListWidgetItem(g.icon, g.caption, list_);
        item->setData(kKeyRole, g.key);
        item->setData(kInfoRole, g.info);
        item->setForeground(g.color);
        item->setFont(font);
        item->setTextAlignment(f->smallIcons ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        if (g.key == selectedGroup_) item->setSelected(true);
    }
    list_->fitCells();
}

void SideBar::styleBar(Folder& f) {
    QPalette palette = f.bar->palette();
    palette.setColor(QPalette::Button, captionBack_);
    palette.setColor(QPalette::ButtonText, captionFore_);
    f.bar->setPalette(palette);
}

void SideBar::setCaptionColors(const QColor& back, const QColor& fore) {
    captionBack_ = back;
    captionFore_ = fore;
    for (auto& f : folders_) styleBar(f);
}

void SideBar::moveGroup(const QString& groupKey, const QString& folderKey, int position) {
    Folder* target = folder(folderKey);
    if (!target) return;
    Group moved;
    bool found = false;
    for (auto& f : folders_) {
        for (auto it = f.groups.begin(); it != f.groups.end(); ++it) {
            if (it->key != groupKey) continue;
            // Within one folder, positions after the old place shift down by one.
            if (&f == target && position > static_cast<int>(it - f.groups.begin())) --position;
            moved = *it;
            f.groups.erase(it);
            found = true;
            break;
        }
        if (found) break;
    }
    if (!found) return;
    position = std::clamp(position, 0, static_cast<int>(target->groups.size()));
    target->groups.insert(target->groups.begin() + position, moved);
    showGroups();
}

void SideBar::dropOnBar(const QString& folderKey, const QString& groupKey) {
    const Folder* target = folder(folderKey);
    if (!target) return;
    moveGroup(groupKey, folderKey, static_cast<int>(target->groups.size()));
    setCurrentFolder(folderKey);
    emit groupsDropped();
}

std::vector<FolderOrder> SideBar::order() const {
    std::vector<FolderOrder> result;
    for (const auto& f : folders_) {
        FolderOrder o{f.key.toStdString(), {}};
        for (const auto& g : f.groups) o.groupKeys.push_back(g.key.toStdString());
        result.push_back(std::move(o));
    }
    return result;
}

bool SideBar::eventFilter(QObject* watched, QEvent* event) {
    // A right press must not highlight a group: only the pop-up acts on it.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        return true;
    if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const QPoint point = static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
            emit contextMenuWanted(point, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SideBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        emit contextMenuWanted(event->position().toPoint(), event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

QString SideBar::groupAt(const QPoint& point) const {
    const QPoint inList = list_->viewport()->mapFrom(this, point);
    if (!list_->viewport()->rect().contains(inList)) return {};
    const QListWidgetItem* item = list_->itemAt(inList);
    return item ? item->data(kKeyRole).toString() : QString();
}

QString SideBar::openFolderCaptionAt(const QPoint& point) const {
    const Folder* f = folder(current_);
    if (!f || !f->bar->geometry().contains(point)) return {};
    return f->key;
}

QPushButton* SideBar::folderBar(const QString& folderKey) const {
    const Folder* f = folder(folderKey);
    return f ? f->bar : nullptr;
}

GroupList::GroupList(SideBar* bar) : QListWidget(bar), bar_(bar) {
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setMouseTracking(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList GroupList::mimeTypes() const { return {kMimeType}; }

QMimeData* GroupList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kMimeType, items.front()->data(kKeyRole).toString().toUtf8());
    return data;
}

void GroupList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType)) event->acceptProposedAction();
}

void GroupList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kMimeType)) event->acceptProposedAction();
}

void GroupList::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(kMimeType)) return;
    const QString key = QString::fromUtf8(event->mimeData()->data(kMimeType));
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    int position = target ? row(target) : count();
    // The lower half of an item drops behind it.
    if (target && event->position().y() > visualItemRect(target).center().y()) ++position;
    event->setDropAction(Qt::CopyAction);  // the list is rebuilt; the view must not remove a row itself
    event->accept();
    bar_->moveGroup(key, bar_->currentFolder(), position);
    emit bar_->groupsDropped();
}

void GroupList::fitCells() {
    // Items as wide as the column: the view then centres icon and caption in them.
    const bool large = viewMode() == QListView::IconMode;
    const QSize cell(std::max(48, viewport()->width() - 2), iconSize().height() + 2 * fontMetrics().height() + 12);
    for (int i = 0; i < count(); ++i) item(i)->setSizeHint(large ? cell : QSize());
}

void GroupList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitCells();
}

void GroupList::leaveEvent(QEvent* event) {
    emit bar_->groupHovered({}, {});
    QListWidget::leaveEvent(event);
}

}  // namespace vantix::catalogue::ui
