#pragma once

#include <QPoint>
#include <QString>
#include <QTreeWidget>
#include <cstdint>
#include <set>
#include <string>

#include "tweaks/ui/HiddenContext.h"

class QMenu;
class QMimeData;
class QTextEdit;

// HiddenTreeView: the function folders and the functions of one HIDD group.
// Hovering or the arrow keys describe a node in the information field; a
// click (or a double click) opens a function's property page; functions are
// deactivated per group, renamed and dragged to other folders; folders are
// made, renamed and deleted. The rules are the tweak engine's.
namespace vantix::tweaks::ui {

class HiddenTreeView : public QTreeWidget {
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole, TagRole, ImageRole, NameRole };
    static constexpr const char* kDragFormat = "application/x-vantix-hidden-function";

    explicit HiddenTreeView(QWidget* parent = nullptr);

    void setContext(HiddenContext* context) { context_ = context; }
    void setInfoField(QTextEdit* info) { info_ = info; }

    // Fills the tree for the group (FillHiddenTree).
    void showGroup(std::int64_t groupId);
    std::int64_t groupId() const { return groupId_; }
    void FillHiddenTree();

    // The buttons of Ribbon_4 and the matching View menu entries: show the
    // deactivated functions (reloads), sort, and expandAll()/collapseAll().
    void setShowDeactivated(bool show);
    bool showDeactivated() const { return showDeactivated_; }
    void setSorted(bool sorted);
    bool sorted() const { return isSortingEnabled(); }

    // The filter box: functions whose name or help contains every word.
    void setFilterText(const QString& text);
    const QString& filterText() const { return filter_; }

    // The commands of the pop-up menus, on the selected node.
    void SetFunctionActive(bool active);
    void DeleteHiddenFolder();
    void NewHiddenFolder(QTreeWidgetItem* parent);
    void renameSelected();
    // Opens the function's property page and waits until it closes.
    void openFunction(QTreeWidgetItem* item);

    static QString keyOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* itemOfKey(const QString& key) const;
    bool isChangedElsewhere(const QTreeWidgetItem* item) const;
    QMenu* functionMenu() const { return functionMenu_; }
    QMenu* folderMenu() const { return folderMenu_; }
    // What dragging the function node carries (also for tests that drop it).
    QMimeData* dragDataFor(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* dropHighlight() const { return highlight_; }

signals:
    // While dragging near the top (1) or bottom (2) edge; 0 stops.
    void autoScrollWanted(int direction);
    void showDeactivatedChanged(bool show);
    void sortedChanged(bool sorted);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    HiddenTreeSettings settings() const;
    void describe(QTreeWidgetItem* item);
    void setImage(QTreeWidgetItem* item, int image);
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, int index, const QString& key,
                             const QString& text, const QString& tag, int image);
    void showContextMenu(const QPoint& position);
    void onItemChanged(QTreeWidgetItem* item);
    void startDrag(QTreeWidgetItem* item);
    void setHighlight(QTreeWidgetItem* item);
    void moveNode(QTreeWidgetItem* node, QTreeWidgetItem* target);
    void applyFilter();
    void markDrift();
    void clearInfo();

    HiddenContext* context_ = nullptr;
    QTextEdit* info_ = nullptr;
    std::int64_t groupId_ = 0;
    bool showDeactivated_ = false;
    QString filter_;
    QString described_;
    QTreeWidgetItem* pressed_ = nullptr;  // the function under a left button press
    QPoint pressPosition_;
    bool dragged_ = false;
    QTreeWidgetItem* highlight_ = nullptr;
    std::set<std::int64_t> changedElsewhere_;
    QMenu* functionMenu_ = nullptr;
    QMenu* folderMenu_ = nullptr;
    QTreeWidgetItem* menuNode_ = nullptr;
    bool filling_ = false;
};

}  // namespace vantix::tweaks::ui
