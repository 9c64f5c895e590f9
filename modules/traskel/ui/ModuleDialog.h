#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "modules/traskel/TraskelEditor.h"

class QListWidget;

namespace vantix::traskel::ui {

// Form3: the registered configuration modules of this platform, one to add.
class ModuleDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModuleDialog(std::vector<ModuleChoice> modules, QWidget* parent = nullptr);
    // The module chosen with "&Add" (or a double click); nullopt after "&Cancel".
    std::optional<ModuleChoice> choice() const;
    QListWidget* list() const { return list_; }

private:
    std::vector<ModuleChoice> modules_;
    QListWidget* list_;
};

}  // namespace vantix::traskel::ui
