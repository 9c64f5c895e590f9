#pragma once

#include <QDialog>

#include "modules/regalto/RegistryFinder.h"

class QCheckBox;
class QLineEdit;

namespace vantix::regalto::ui {

// "Find": the text and where to look (key names, value names, data).
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(const FindOptions& last, QWidget* parent = nullptr);
    QLineEdit* textEdit() const { return text_; }
    FindOptions options() const;

private:
    QLineEdit* text_;
    QCheckBox* keys_;
    QCheckBox* names_;
    QCheckBox* data_;
};

}  // namespace vantix::regalto::ui
