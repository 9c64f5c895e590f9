#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

#include "modules/regalto/RegaltoEditor.h"
#include "modules/regalto/RegistryFinder.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantix::regalto::ui {

// The registry editor's main window: the key tree `TreeView`, the value list
// `SetView`, the bookmark box `Combo` and the status bar. It turns controls
// into calls of RegaltoEditor and shows what they leave behind.
class RegaltoWindow : public QMainWindow {
    Q_OBJECT
public:
    // `prompter` answers every question (the window's own dialogs when null).
    RegaltoWindow(RegistryPort& registry, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~RegaltoWindow() override;

    RegaltoEditor& editor() { return *editor_; }
    QTreeWidget* treeView() const { return tree_; }
    QTreeWidget* setView() const { return list_; }
    QComboBox* combo() const { return combo_; }
    QLabel* statusPanel(int index) const { return index == 1 ? pathPanel_ : notePanel_; }
    QMenu* keyMenu() const { return keyMenu_; }
    QMenu* valueMenu() const { return valueMenu_; }
    QAction* action(const QString& name) const;

    QTreeWidgetItem* itemFor(const KeyNode* node) const {
        return node ? items_.value(node->serial, nullptr) : nullptr;
    }
    // Selects the key of a path as a bookmark would; the deepest existing key when it is gone.
    void goToBookmark(const QString& path);
    // Fills the context menus for a point of the tree or list (what a right click shows).
    void prepareKeyMenu(QTreeWidgetItem* item);
    void prepareValueMenu(QTreeWidgetItem* item);
    // Starts a search from the selected key; findNext continues it.
    void find(const FindOptions& options);
    bool findNext();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void restoreSettings();
    void saveSettings();
    QTreeWidgetItem* makeItem(KeyNode* node);
    void syncChildren(QTreeWidgetItem* item);
    void forget(QTreeWidgetItem* item);
    void showKey(KeyNode* node);
    void fillValues();
    void refreshStatus();
    int currentEntry() const;

    void onExpanded(QTreeWidgetItem* item);
    void onCurrentKeyChanged(QTreeWidgetItem* current);
    void onValueRenamed(QTreeWidgetItem* item, int column);
    void collapseAll();
    void newKey();
    void deleteKey();
    void editValue();
    void newValue();
    void deleteValue();
    void renameValue();
    void insertBookmark();
    void clearBookmarks();
    void deleteFocused();
    void askFind();
    void exportKey();
    void importFile();

    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<RegaltoEditor> editor_;
    QTreeWidget* tree_;
    QTreeWidget* list_;
    QComboBox* combo_;
    QLabel* pathPanel_;
    QLabel* notePanel_;
    QMenu* keyMenu_ = nullptr;
    QMenu* valueMenu_ = nullptr;
    QHash<quint64, QTreeWidgetItem*> items_;  // by node serial
    std::unique_ptr<RegistryFinder> finder_;
    FindOptions lastFind_;
    bool filling_ = false;
};

}  // namespace vantix::regalto::ui
