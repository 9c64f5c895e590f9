#include "tweaks/ui/FilterBox.h"

#include <QKeyEvent>

namespace vantix::tweaks::ui {

FilterBox::FilterBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("HiddenFilter"));
    setPlaceholderText(QStringLiteral("Find functions by name or description"));
    setClearButtonEnabled(true);
}

void FilterBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vantix::tweaks::ui
