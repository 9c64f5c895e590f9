#pragma once

#include <QDialog>

#include "catalogue/CatalogueHost.h"
#include "catalogue/Prompter.h"
#include "catalogue/ToolForm.h"
#include "catalogue/ui/Choosers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The tool dialog: a new tool (empty fields) or the properties of one (the
// file locked). OK runs the checks of the tool rules and stays open with the
// first failing check's message.
namespace vantix::catalogue::ui {

class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4(CatalogueHost& host, Prompter& prompter, Choosers& choosers, QWidget* parent = nullptr);

    // Presets the fields from an existing tool and locks its file.
    void presetForEdit(const ToolInput& input);
    ToolInput input() const;

    QLineEdit* field(int index) const { return fields_[index]; }  // 0 name .. 4 icon file
    QRadioButton* windowOption(int index) const { return options_[index]; }
    QPushButton* button(int index) const { return buttons_[index]; }  // 0 Cancel, 1 OK
    QPushButton* selectFileButton() const { return selectFile_; }
    QPushButton* iconButton() const { return iconButton_; }
    QLabel* preview() const { return preview_; }

private:
    void okClicked();
    void selectFileClicked();
    void iconButtonClicked();
    void refreshPreview();

    CatalogueHost& host_;
    Prompter& prompter_;
    Choosers& choosers_;
    QLineEdit* fields_[5] = {};
    QRadioButton* options_[3] = {};
    QPushButton* buttons_[2] = {};
    QPushButton* selectFile_ = nullptr;
    QPushButton* iconButton_ = nullptr;
    QLabel* preview_ = nullptr;
};

}  // namespace vantix::catalogue::ui
