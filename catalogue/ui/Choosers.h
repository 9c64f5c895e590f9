#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

// The file choosers of the dialog component as the catalogue's windows use
// them. The shell implements this through its dialog wrapper, which tests
// answer in advance. Results are host paths; "" means cancelled.
namespace vantix::catalogue::ui {

class Choosers {
public:
    virtual ~Choosers() = default;
    virtual QString chooseFile(QWidget* owner, const QString& title, const QString& startFolder) = 0;
    // A file whose icons are shown; the chosen file.
    virtual QString chooseIconFile(QWidget* owner, const QString& currentFile) = 0;
    // The colour dialog: 0x00BBGGRR, or nullopt when the user made no choice.
    virtual std::optional<std::int32_t> chooseColor(QWidget* owner) = 0;
};

}  // namespace vantix::catalogue::ui
