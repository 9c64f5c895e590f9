#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/AppletTable.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/GroupSelection.h"
#include "catalogue/ObjectList.h"
#include "catalogue/ProgramStarter.h"
#include "catalogue/Prompter.h"
#include "catalogue/SettingsAccess.h"
#include "catalogue/ui/Choosers.h"
#include "platform/database/Database.h"

class QMenu;

// The list area of the main window: the objects of an SYST, TOOL or UTIL group.
// Deactivated objects show greyed; tools can be added (dialog or dropped files),
// edited, renamed in place and removed; the entry's pop-up menus of a UTIL list
// are this view's own, the others are asked of the shell (contextMenuWanted).
namespace vantix::catalogue::ui {

// What the list works with; the shell owns all of it.
struct CatalogueContext {
    platform::Database* database = nullptr;
    CatalogueHost* host = nullptr;
    SettingsAccess* settings = nullptr;
    Prompter* prompter = nullptr;
    ProgramStarter* starter = nullptr;
    Choosers* choosers = nullptr;
    AppletTable* applets = nullptr;
    std::string programDir;  // ends in its separator
    // The confirmation option "&Prompt before deleting objects".
    std::function<bool()> confirmRemovals = [] { return true; };
    // The registered modules of a TOOL group (the module list's own filling).
    std::function<std::vector<ListEntry>(std::int64_t groupId, bool showDeactivated)> moduleEntries;
    // Writes a module's new display name (entry key, name); false keeps the old caption.
    std::function<bool(const std::string& key, const std::string& name)> renameModule;
};

class ObjectListView : public QListWidget {
    Q_OBJECT
public:
    ObjectListView(CatalogueContext& context, QWidget* parent = nullptr);

    // The view: 0 large icons, 1 small icons, 2 list (3, report, shows as list).
    // Use this rather than setViewMode, which would switch dropping files off.
    void setView(int mode);

    // Fills the list for the group; a HIDD group or none empties it.
    void showGroup(const GroupView& view);
    const std::string& mode() const { return mode_; }
    std::int64_t groupId() const { return groupId_; }

    // The toggle "Show/hide deactivated objects": reloads an SYST or TOOL list.
    void setShowDeactivated(bool show);
    bool showDeactivated() const { return showDeactivated_; }
    void reload();

    // OBJ_AKTIV / OBJ_DEAKTIV on the selected entries.
    void setObjectsActive(bool active);
    // Starts the selected entry (double-click, Enter).
    bool launchSelected();
    // A shortcut to the selected entry: "DESK", "START" or "PROG".
    bool createShortcut(const std::string& place);

    // Tools of a UTIL group.
    void newTool();
    void editSelectedTool();
    void removeSelectedTools();
    void addFiles(const QStringList& hostPaths);

    // The pop-up menus of a UTIL list: entry (New, Remove, -, Properties) and empty spot (New).
    QMenu* utilityEntryMenu() const { return entryMenu_; }
    QMenu* emptySpotMenu() const { return emptyMenu_; }

    bool isGhosted(int row) const;
    // The line shown in the empty list: why it is empty and what fills it ("" while it lists
    // entries).
    QString emptyText() const { return count() == 0 ? emptyText_ : QString(); }
    std::vector<ListEntry> entries() const;

signals:
    // A right-click in an SYST or TOOL list, for the shell's "Objekte" or "Ansicht" band.
    void contextMenuWanted(const QPoint& globalPos, bool onEntry, bool entryGhosted);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void render(const std::vector<ListEntry>& entries);
    QString textWhenEmpty() const;
    void appendEntry(const ListEntry& entry);
    void styleItem(QListWidgetItem* item, bool ghosted);
    void captionEdited(QListWidgetItem* item);
    std::string activationSectionOfGroup() const;
    std::vector<ListEntry> entriesWithSelection() const;

    CatalogueContext& context_;
    std::string mode_;
    std::int64_t groupId_ = 0;
    bool showDeactivated_ = false;
    bool pressHitEntry_ = false;
    bool rendering_ = false;
    QMenu* entryMenu_;
    QMenu* emptyMenu_;
    QString emptyText_;
};

}  // namespace vantix::catalogue::ui
