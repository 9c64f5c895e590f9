#pragma once

#include <QDialog>

#include "catalogue/CatalogueHost.h"
#include "catalogue/Prompter.h"
#include "catalogue/SideBarEditing.h"
#include "catalogue/ui/Choosers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The group dialog: the properties page (folder, name, description, text
// colour, kind) and the icon page (icon file, "Select Icon", preview). While
// editing, the kind is shown but cannot change. OK refuses an empty name.
namespace vantix::catalogue::ui {

class Form2 : public QDialog {
    Q_OBJECT
public:
    enum class Use { New, Edit };
    Form2(CatalogueHost& host, Prompter& prompter, Choosers& choosers, Use use,
          QWidget* parent = nullptr);

    // The folder the group belongs to, shown on its background colour.
    void setFolder(const QString& name, std::int64_t backColor);
    // The group's stored values; the description "*" shows empty.
    void preset(const SideBarGroup& group);
    GroupInput result() const { return result_; }

    QLineEdit* field(int index) const {
        return fields_[index];
    }                                                // 0 folder, 1 name, 2 description, 4 icon file
    QLabel* colorSample() const { return sample_; }  // field 3
    QRadioButton* kindOption(int index) const { return kinds_[index]; }
    QPushButton* button(int index) const { return buttons_[index]; }  // 0 Cancel, 1 OK
    QPushButton* selectIconButton() const { return selectIcon_; }
    QLabel* preview() const { return preview_; }
    QTabWidget* tabs() const { return tabs_; }
    std::int64_t color() const { return color_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void okClicked();
    void selectIconClicked();
    void refreshPreview();
    void setColor(std::int64_t color);

    CatalogueHost& host_;
    Prompter& prompter_;
    Choosers& choosers_;
    QLineEdit* fields_[5] = {};
    QLabel* sample_ = nullptr;
    QRadioButton* kinds_[4] = {};
    QPushButton* buttons_[2] = {};
    QPushButton* selectIcon_ = nullptr;
    QLabel* preview_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::int64_t color_ = 0;
    GroupInput result_;
};

}  // namespace vantix::catalogue::ui
