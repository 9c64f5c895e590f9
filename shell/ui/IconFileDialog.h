#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace vantix::shell {

// The dialog component's icon-file chooser: a file (program, library or .ico)
// and the icons in it; the choice is the file.
class IconFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit IconFileDialog(const QString& currentFile, QWidget* parent = nullptr);
    QString choice() const;
    // Shows the icons of `file` (Windows-form or host path); false when it has none.
    bool showIconsOf(const QString& file);
    int iconCount() const;

private:
    QLineEdit* file_;
    QListWidget* icons_;
};

}  // namespace vantix::shell
