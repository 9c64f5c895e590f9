#pragma once

#include <QColor>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "catalogue/SideBarData.h"

// The list bar of the main window: folders as bars stacked top to bottom, the
// open folder's groups as icon items below its bar. Groups can be dragged
// within the open folder and onto another folder's bar; after a drop the
// widget reports groupsDropped() and order() gives the arrangement to store.
namespace vantix::catalogue::ui {

class GroupList;

class SideBar : public QWidget {
    Q_OBJECT
public:
    explicit SideBar(QWidget* parent = nullptr);
    ~SideBar() override;

    void clear();
    void addFolder(const QString& key, const QString& caption, const QColor& backColor, bool boldNames,
                   bool smallIcons);
    void addGroup(const QString& folderKey, const QString& key, const QString& caption, const QIcon& icon,
                  const QColor& captionColor, const QString& info);

    int folderCount() const { return static_cast<int>(folders_.size()); }
    QStringList folderKeys() const;
    QStringList groupKeys(const QString& folderKey) const;
    QString folderOfGroup(const QString& groupKey) const;
    QString groupCaption(const QString& groupKey) const;
    QColor folderBackColor(const QString& folderKey) const;

    // The open folder; opening shows its groups.
    QString currentFolder() const;
    void setCurrentFolder(const QString& folderKey);
    // The highlighted group (opens its folder); empty clears the highlight.
    QString selectedGroup() const { return selectedGroup_; }
    void selectGroup(const QString& groupKey);

    // Moves a group to `position` (0-based, clamped) of `folderKey`, as a drop does.
    void moveGroup(const QString& groupKey, const QString& folderKey, int position);
    // The arrangement for SaveSideBarOrder.
    std::vector<FolderOrder> order() const;

    // What lies under a point of this widget: a group's key, or the key of the
    // open folder when the point is on its bar; empty otherwise.
    QString groupAt(const QPoint& point) const;
    QString openFolderCaptionAt(const QPoint& point) const;

    void setCaptionColors(const QColor& back, const QColor& fore);
    QColor captionBackColor() const { return captionBack_; }
    QColor captionForeColor() const { return captionFore_; }

    GroupList* groupList() const { return list_; }
    QPushButton* folderBar(const QString& folderKey) const;

signals:
    void folderClicked(const QString& folderKey);
    void groupClicked(const QString& groupKey);
    // The pointer rests on a group (its description as stored: "*" leaves the
    // status bar as it is) or left the groups (empty key).
    void groupHovered(const QString& groupKey, const QString& info);
    void groupsDropped();
    // The right button was released over the sidebar at `point` (this widget's
    // coordinates); groupAt and openFolderCaptionAt tell what lies there.
    void contextMenuWanted(const QPoint& point, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Group {
        QString key, caption, info;
        QIcon icon;
        QColor color;
    };
    struct Folder {
        QString key, caption;
        QColor backColor;
        bool boldNames = false, smallIcons = false;
        std::vector<Group> groups;
        QPushButton* bar = nullptr;
    };
    friend class GroupList;
    Folder* folder(const QString& key);
    const Folder* folder(const QString& key) const;
    void relayout();
    void showGroups();
    void styleBar(Folder& folder);
    void dropOnBar(const QString& folderKey, const QString& groupKey);

    std::vector<Folder> folders_;
    QString current_;
    QString selectedGroup_;
    QColor captionBack_{212, 208, 200};
    QColor captionFore_{Qt::black};
    QVBoxLayout* layout_;
    GroupList* list_;
};

// The icon column of the open folder; carries group keys in drags.
class GroupList : public QListWidget {
    Q_OBJECT
public:
    static constexpr const char* kMimeType = "application/x-vantix-group";
    explicit GroupList(SideBar* bar);
    // Large icons stand centred in cells as wide as the column.
    void fitCells();

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SideBar* bar_;
};

}  // namespace vantix::catalogue::ui
