#pragma once

#include <QString>

class QWidget;

// The file choosers of the dialog component as the catalogue's windows use
// them. The shell implements this through its dialog wrapper, which tests
// answer in advance. Results are host paths; "" means cancelled.
namespace vantix::catalogue::ui {

class Choosers {
public:
    virtual ~Choosers() = default;
    virtual QString chooseFile(QWidget* owner, const QString& title, const QString& startFolder) = 0;
    // A file whose icons are shown; "file,index" or the file.
    virtual QString chooseIconFile(QWidget* owner, const QString& currentFile) = 0;
};

}  // namespace vantix::catalogue::ui
