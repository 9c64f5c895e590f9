#include "catalogue/ui/ObjectListView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "catalogue/ActivationList.h"
#include "catalogue/CatalogueKeys.h"
#include "catalogue/EmptyList.h"
#include "catalogue/Launch.h"
#include "catalogue/Shortcuts.h"
#include "catalogue/ToolForm.h"
#include "catalogue/Utilities.h"
#include "catalogue/ui/Form4.h"
#include "catalogue/ui/Pictures.h"
#include "platform/log/Log.h"

namespace vantix::catalogue::ui {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kGhostRole = Qt::UserRole + 1;
constexpr int kIconFileRole = Qt::UserRole + 2;
constexpr int kStandardRole = Qt::UserRole + 3;
constexpr int kCaptionRole = Qt::UserRole + 4;  // the caption as stored, for refused edits
}  // namespace

ObjectListView::ObjectListView(CatalogueContext& context, QWidget* parent)
    : QListWidget(parent), context_(context), entryMenu_(new QMenu(this)), emptyMenu_(new QMenu(this)) {
    setObjectName("ListView");
    setProperty("helpTopic", QStringLiteral("ListView"));
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setIconSize(QSize(32, 32));

    entryMenu_->addAction("&New Program...", this, &ObjectListView::newTool);
    entryMenu_->addAction("&Remove Program", this, &ObjectListView::removeSelectedTools);
    entryMenu_->addSeparator();
    entryMenu_->addAction("&Program Properties...", this, &ObjectListView::editSelectedTool);
    emptyMenu_->addAction("&New Program...", this, &ObjectListView::newTool);

    connect(this, &QListWidget::itemChanged, this, &ObjectListView::captionEdited);
}

void ObjectListView::setView(int mode) {
    setViewMode(mode == 0 ? QListView::IconMode : QListView::ListMode);
    setIconSize(mode == 0 ? QSize(32, 32) : QSize(16, 16));
    setFlow(mode == 1 ? QListView::LeftToRight : QListView::TopToBottom);
    setWrapping(mode != 2 && mode != 3);
    setMovement(QListView::Static);
    viewport()->setAcceptDrops(true);
}

void ObjectListView::showGroup(const GroupView& view) {
    mode_ = view.mode;
    groupId_ = view.id;
    reload();
}

void ObjectListView::setShowDeactivated(bool show) {
    showDeactivated_ = show;
    if (mode_ == "SYST" || mode_ == "TOOL") reload();
}

std::string ObjectListView::activationSectionOfGroup() const {
    return activationSection(mode_ == "TOOL" ? kModuleFamily : kAppletFamily, groupId_);
}

void ObjectListView::reload() {
    std::vector<ListEntry> entries;
    try {
        if (mode_ == "SYST" && context_.applets)
            entries = context_.applets->FillAppletList(*context_.host, *context_.settings, activationSectionOfGroup(),
                                                       showDeactivated_);
        else if (mode_ == "TOOL" && context_.moduleEntries)
            entries = context_.moduleEntries(groupId_, showDeactivated_);
        else if (mode_ == "UTIL")
            entries = FillUtilityList(*context_.database, *context_.host, groupId_);
    } catch (const std::exception& error) {
        log::warning("catalogue", std::string("list not filled: ") + error.what());
    }
    render(entries);
}

void ObjectListView::render(const std::vector<ListEntry>& entries) {
    rendering_ = true;
    setUpdatesEnabled(false);
    clear();
    for (const auto& entry : entries) appendEntry(entry);
    emptyText_ = entries.empty() ? textWhenEmpty() : QString();
    setUpdatesEnabled(true);
    rendering_ = false;
    viewport()->update();
}

QString ObjectListView::textWhenEmpty() const {
    bool allDeactivated = false;
    try {
        // Would the list show something with the deactivated objects shown?
        if (mode_ == "SYST" && context_.applets && !showDeactivated_)
            allDeactivated = !context_.applets
                                  ->FillAppletList(*context_.host, *context_.settings,
                                                   activationSectionOfGroup(), true)
                                  .empty();
        else if (mode_ == "TOOL" && context_.moduleEntries && !showDeactivated_)
            allDeactivated = !context_.moduleEntries(groupId_, true).empty();
    } catch (const std::exception& error) {
        log::warning("catalogue", std::string("list not checked: ") + error.what());
    }
    const std::string systemDir =
        context_.host && mode_ == "SYST" ? context_.host->systemDir() : std::string();
    return QString::fromStdString(emptyListText(mode_, systemDir, allDeactivated));
}

void ObjectListView::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (count() > 0 || emptyText_.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, emptyText_);
}

void ObjectListView::appendEntry(const ListEntry& entry) {
    const bool wasRendering = rendering_;
    rendering_ = true;
    auto* item = new QListWidgetItem(entryIcon(*context_.host, entry.iconFile, entry.standardImage),
                                     QString::fromStdString(entry.text), this);
    item->setData(kKeyRole, QString::fromStdString(entry.key));
    item->setData(kIconFileRole, QString::fromStdString(entry.iconFile));
    item->setData(kStandardRole, entry.standardImage);
    item->setData(kCaptionRole, QString::fromStdString(entry.text));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (mode_ == "UTIL" || mode_ == "TOOL") flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    styleItem(item, entry.ghosted);
    item->setSelected(entry.selected);
    rendering_ = wasRendering;
}

void ObjectListView::styleItem(QListWidgetItem* item, bool ghosted) {
    const bool wasRendering = rendering_;
    rendering_ = true;
    item->setData(kGhostRole, ghosted);
    item->setForeground(ghosted ? palette().color(QPalette::Disabled, QPalette::Text)
                                : palette().color(QPalette::Active, QPalette::Text));
    const QIcon icon = entryIcon(*context_.host, item->data(kIconFileRole).toString().toStdString(),
                                 item->data(kStandardRole).toInt());
    item->setIcon(ghosted ? QIcon(icon.pixmap(iconSize(), QIcon::Disabled)) : icon);
    rendering_ = wasRendering;
}

bool ObjectListView::isGhosted(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->data(kGhostRole).toBool();
}

std::vector<ListEntry> ObjectListView::entries() const {
    std::vector<ListEntry> result;
    for (int row = 0; row < count(); ++row) {
        const QListWidgetItem* it = item(row);
        ListEntry entry;
        entry.key = it->data(kKeyRole).toString().toStdString();
        entry.text = it->text().toStdString();
        entry.iconFile = it->data(kIconFileRole).toString().toStdString();
        entry.standardImage = it->data(kStandardRole).toInt();
        entry.ghosted = it->data(kGhostRole).toBool();
        entry.selected = it->isSelected();
        result.push_back(std::move(entry));
    }
    return result;
}

void ObjectListView::setObjectsActive(bool active) {
    if (mode_ != "SYST" && mode_ != "TOOL") return;
    auto list = entries();
    SetObjectsActive(*context_.settings, activationSectionOfGroup(), list, active, showDeactivated_);
    render(list);
}

bool ObjectListView::launchSelected() {
    const QListWidgetItem* selected = currentItem() && currentItem()->isSelected() ? currentItem() : nullptr;
    if (!selected && !selectedItems().isEmpty()) selected = selectedItems().front();
    if (!selected) return false;
    try {
        return LaunchObject(*context_.database, *context_.host, *context_.starter, mode_,
                            selected->data(kKeyRole).toString().toStdString(), context_.programDir);
    } catch (const std::exception& error) {
        log::warning("catalogue", std::string("not started: ") + error.what());
        return false;
    }
}

bool ObjectListView::createShortcut(const std::string& place) {
    const auto selected = selectedItems();
    if (selected.isEmpty()) return false;
    ListEntry entry;
    entry.key = selected.front()->data(kKeyRole).toString().toStdString();
    entry.text = selected.front()->text().toStdString();
    const auto request = objectShortcut(place, mode_, entry, context_.programDir);
    return request && context_.host->createShortcut(*request);
}

void ObjectListView::newTool() {
    if (mode_ != "UTIL") return;
    Form4 dialog(*context_.host, *context_.prompter, *context_.choosers, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto values = toolValues(*context_.host, dialog.input());
    const auto id = AddUtility(*context_.database, *context_.host, groupId_, values.name, values.file,
                               values.workPath, values.iconFile, values.parameter, values.style);
    if (id) appendEntry(utilityEntry(*findUtility(*context_.database, *id)));
}

void ObjectListView::editSelectedTool() {
    if (mode_ != "UTIL" || selectedItems().isEmpty()) return;
    QListWidgetItem* selected = selectedItems().front();
    const std::int64_t id = leadingNumber(selected->data(kKeyRole).toString().toStdString());
    const auto preset = toolInputFor(*context_.database, id, selected->text().toStdString());
    if (!preset) return;
    Form4 dialog(*context_.host, *context_.prompter, *context_.choosers, this);
    dialog.presetForEdit(*preset);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto entry = applyToolEdit(*context_.database, *context_.host, id, dialog.input());
    if (!entry) return;
    rendering_ = true;
    selected->setText(QString::fromStdString(entry->text));
    selected->setData(kCaptionRole, QString::fromStdString(entry->text));
    selected->setData(kIconFileRole, QString::fromStdString(entry->iconFile));
    selected->setData(kStandardRole, entry->standardImage);
    styleItem(selected, false);
    rendering_ = false;
}

void ObjectListView::removeSelectedTools() {
    if (mode_ != "UTIL") return;
    auto list = entries();
    catalogue::removeSelectedTools(*context_.database, *context_.prompter, context_.confirmRemovals(), list);
    render(list);
}

void ObjectListView::addFiles(const QStringList& hostPaths) {
    if (mode_ != "UTIL") return;
    std::vector<std::string> files;
    for (const auto& path : hostPaths) files.push_back(context_.host->storedPath(path.toStdString()));
    for (const auto id : AddDroppedFiles(*context_.database, *context_.host, groupId_, files))
        appendEntry(utilityEntry(*findUtility(*context_.database, id)));
}

void ObjectListView::captionEdited(QListWidgetItem* edited) {
    if (rendering_) return;
    const std::string key = edited->data(kKeyRole).toString().toStdString();
    const std::string newText = edited->text().toStdString();
    auto verdict = renameCaption(*context_.database, *context_.prompter, mode_, key, newText);
    std::string stored = firstCharacters(newText, 30);
    if (verdict == CaptionVerdict::Accepted && mode_ == "TOOL" &&
        !(context_.renameModule && context_.renameModule(key, stored)))
        verdict = CaptionVerdict::Refused;
    if (verdict != CaptionVerdict::Accepted) stored = edited->data(kCaptionRole).toString().toStdString();
    rendering_ = true;
    edited->setText(QString::fromStdString(stored));
    edited->setData(kCaptionRole, QString::fromStdString(stored));
    rendering_ = false;
}

void ObjectListView::mousePressEvent(QMouseEvent* event) {
    pressHitEntry_ = itemAt(event->position().toPoint()) != nullptr;
    QListWidget::mousePressEvent(event);
}

void ObjectListView::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton) return;
    QListWidgetItem* hit = itemAt(event->position().toPoint());
    const QPoint global = event->globalPosition().toPoint();
    if (mode_ == "UTIL") {
        (hit ? entryMenu_ : emptyMenu_)->popup(global);
    } else if (mode_ == "SYST" || mode_ == "TOOL") {
        emit contextMenuWanted(global, hit != nullptr, hit && hit->data(kGhostRole).toBool());
    }
}

void ObjectListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    // Only a double-click whose press hit an entry starts it.
    if (event->button() == Qt::LeftButton && pressHitEntry_) launchSelected();
}

void ObjectListView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        if (!selectedItems().isEmpty()) launchSelected();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ObjectListView::dragEnterEvent(QDragEnterEvent* event) {
    if (mode_ == "UTIL" && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ObjectListView::dragMoveEvent(QDragMoveEvent* event) {
    if (mode_ == "UTIL" && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ObjectListView::dropEvent(QDropEvent* event) {
    if (mode_ != "UTIL" || !event->mimeData()->hasUrls()) return;
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    event->acceptProposedAction();
    addFiles(files);
}

}  // namespace vantix::catalogue::ui
