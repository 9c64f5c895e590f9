#pragma once

#include <QDialog>

#include "catalogue/Prompter.h"
#include "catalogue/SideBarEditing.h"
#include "catalogue/ui/Choosers.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The folder dialog: a name, the bold-names and small-icons switches and the
// background colour. OK refuses an empty name and stays open.
namespace vantix::catalogue::ui {

class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(Prompter& prompter, Choosers& choosers, const QString& title, QWidget* parent = nullptr);

    void preset(const FolderInput& input);
    // The result; the name is empty unless OK was accepted.
    FolderInput result() const { return result_; }

    QLineEdit* nameField() const { return name_; }
    QCheckBox* check(int index) const { return checks_[index]; }  // 0 bold names, 1 small icons
    QPushButton* colorField() const { return colorField_; }
    QPushButton* button(int index) const { return buttons_[index]; }  // 0 Cancel, 1 OK
    std::int64_t color() const { return color_; }

private:
    void okClicked();
    void setColor(std::int64_t color);

    Prompter& prompter_;
    Choosers& choosers_;
    QLineEdit* name_;
    QCheckBox* checks_[2] = {};
    QPushButton* colorField_;
    QPushButton* buttons_[2] = {};
    std::int64_t color_ = 0x808080;
    FolderInput result_;
};

}  // namespace vantix::catalogue::ui
