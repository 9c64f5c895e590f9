#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vantix::drevion::ui {

// The restart notice: "You must restart Windows ..." with the box that stops
// it from being shown again.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    QCheckBox* doNotDisplayBox() const { return box_; }
    QPushButton* okButton() const { return ok_; }
    bool doNotDisplay() const;

private:
    QCheckBox* box_;
    QPushButton* ok_;
};

}  // namespace vantix::drevion::ui
