#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vantix::shell {

class MainWindow;
struct ShellState;

// Form6, "Vantix Preferences": every control changes its setting at once (the
// store is written at shutdown); OK checks and stores the access password.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(ShellState& state, MainWindow& mainWindow);

    QCheckBox* check(int index) const { return checks_[index]; }  // check boxes 0 to 7
    QPushButton* swatch(int index) const { return swatches_[index]; }
    QRadioButton* activeButtons() const { return option3_; }
    QRadioButton* win95Buttons() const { return option4_; }
    QCheckBox* confirmDeletes() const { return sicherheit_; }
    QCheckBox* passwordBox() const { return passwordBox_; }
    QLineEdit* entry(int index) const { return entries_[index]; }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* okButton() const { return ok_; }

private:
    QWidget* buildGeneralPane();
    QWidget* buildSecurityPane();
    void chooseSwatchColour(int index);
    void setPasswordControls(bool on);
    void onOk();

    ShellState& state_;
    MainWindow& main_;
    QTabWidget* tabs_;
    std::array<QCheckBox*, 8> checks_{};
    std::array<QPushButton*, 3> swatches_{};
    QRadioButton* option3_ = nullptr;
    QRadioButton* option4_ = nullptr;
    QCheckBox* sicherheit_ = nullptr;
    QCheckBox* passwordBox_ = nullptr;
    std::array<QLineEdit*, 2> entries_{};
    QPushButton* ok_;
};

}  // namespace vantix::shell
