#pragma once

#include <QLineEdit>

// The filter box above the function tree: Esc empties it.
namespace vantix::tweaks::ui {

class FilterBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FilterBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantix::tweaks::ui
