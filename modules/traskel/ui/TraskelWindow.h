#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "lindrel32/Forward.h"
#include "modules/traskel/TraskelEditor.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vantix::traskel::ui {

// The taskbar module's main window " Taskbar Module": the icon list (tab
// "LISTE") with its buttons, the properties of the selected entry (tab
// "SETUP") and "&OK", "&Cancel", "&Apply". Every rule lives in TraskelEditor.
class TraskelWindow : public QWidget {
    Q_OBJECT
public:
    TraskelWindow(TraskelEditor& editor, lindrel32::IQVFKT& functions, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* button(const QString& objectName) const;
    QCheckBox* taskbarActive() const { return taskbar_; }
    QTabWidget* tabs() const { return tabs_; }
    QLabel* iconPicture() const { return icon_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildListTab();
    QWidget* buildSetupTab();
    void fillList(int select);
    QString itemText(const TrayEntry& entry) const;
    int current() const;
    void showProperties();
    void updateState();
    void changed(int select);

    void newProgram();
    void addSpacer();
    void addModule();
    void deleteItem();
    void move(bool up);
    void chooseIcon();
    void apply();

    TraskelEditor& editor_;
    lindrel32::IQVFKT& functions_;
    std::optional<QColor> background_;
    int nextRecord_ = 0;
    QTabWidget* tabs_;
    QListWidget* list_;
    QPushButton* newProgram_;
    QPushButton* spacer_;
    QPushButton* delete_;
    QPushButton* addModule_;
    QPushButton* up_;
    QPushButton* down_;
    QCheckBox* taskbar_;
    QLineEdit* name_;
    QLineEdit* param_;
    QLineEdit* workPath_;
    QLineEdit* window_;
    QLabel* icon_;
    QRadioButton* normal_;
    QRadioButton* minimized_;
    QRadioButton* maximized_;
    QButtonGroup* states_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};

}  // namespace vantix::traskel::ui
