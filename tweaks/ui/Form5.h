#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "tweaks/PropertyPage.h"
#include "tweaks/ui/HiddenContext.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabBar;
class QTextEdit;

// The property page of one hidden function: its name, the OPTION, SLIDER or
// TEXT panel with the state the system is in now, the information and
// remarks tabs, what Apply would change, and the buttons that write it.
// The behaviour is PropertyPage's; this window maps it to controls.
namespace vantix::tweaks::ui {

class Form5 : public QDialog {
    Q_OBJECT
public:
    Form5(HiddenContext& context, QWidget* parent = nullptr);
    ~Form5() override;

    // Loads the page for the function without showing it. Throws TweakError
    // for a function without a property row.
    void load(std::int64_t itemId, const QString& caption, const QString& helpText);
    PropertyPage& page() { return *page_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void SetupPropertyPage();
    void selectTab(int index);
    void refresh();
    void focusSink();
    void reportApply();
    void browse(int index);
    void askUndo();

    HiddenContext& context_;
    std::unique_ptr<PropertyPage> page_;
    QLabel* caption_;
    QTabBar* tabStrip2_;
    QTextEdit* sonstiges_;
    QWidget* back_;
    QWidget* optionPanel_;
    QWidget* sliderPanel_;
    QWidget* textPanel_;
    std::array<QRadioButton*, 2> xOption_{};
    QSlider* slider1_;
    QLineEdit* text2_;
    std::array<QLabel*, 2> sliderLabels_{};
    QLabel* textCaption_;
    QLineEdit* text1_;
    std::array<QPushButton*, 2> ssCommand1_{};
    QListWidget* changes_;
    QPushButton* standard_;
    QPushButton* undo_;
    QCheckBox* check1_;
    std::array<QPushButton*, 3> command1_{};
    QWidget* tabStrip3_;
};

}  // namespace vantix::tweaks::ui
