#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "modules/bootlam/BootOptions.h"
#include "modules/common/Prompter.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vantix::bootlam::ui {

// The boot options module's main window: the entry list `ListView1`, the tab
// of the timeout options and the tab of the selected entry's switches. It
// turns controls into calls of BootOptions and shows what they leave behind.
class BootlamWindow : public QWidget {
    Q_OBJECT
public:
    // `prompter` answers every message (message boxes when null).
    explicit BootlamWindow(BootOptions& options, modules::Prompter* prompter = nullptr,
                           QWidget* parent = nullptr);
    ~BootlamWindow() override;

    QListWidget* listView() const { return list_; }
    QTabWidget* tabs() const { return tabs_; }
    QRadioButton* timeoutOption(TimeoutChoice choice) const;
    QLineEdit* secondsBox() const { return text1_; }
    QCheckBox* vgaBox() const { return vga_; }
    QCheckBox* sosBox() const { return sos_; }
    QCheckBox* maxmemBox() const { return maxmem_; }
    QLineEdit* megabytesBox() const { return text2_; }
    QRadioButton* debuggerOption(Debugger debugger) const;
    QCheckBox* portBox(int port) const { return ports_.at(static_cast<std::size_t>(port - 1)); }
    QLineEdit* switchesBox() const { return text4_; }
    QPushButton* defaultButton() const { return defaultButton_; }
    QPushButton* restoreButton() const { return restoreButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Shows entry `index` on the parameters tab.
    void showEntry(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTimeoutTab();
    QWidget* buildParameterTab();
    void fillList();
    void showTimeout();
    void refreshPictures();
    void onRenamed(QListWidgetItem* item);
    void onMaxmemToggled(bool checked);
    void onMegabytesLeft();
    void onTimeoutChosen(TimeoutChoice choice);
    void makeDefault();
    void restore();
    void accept();

    BootOptions& options_;
    std::unique_ptr<modules::Prompter> ownPrompter_;
    modules::Prompter* prompter_;
    int shown_ = -1;
    bool loading_ = false;

    QListWidget* list_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QButtonGroup* timeoutGroup_ = nullptr;
    std::array<QRadioButton*, 3> timeouts_{};
    QLineEdit* text1_ = nullptr;
    QCheckBox* vga_ = nullptr;
    QCheckBox* sos_ = nullptr;
    QCheckBox* maxmem_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QButtonGroup* debuggerGroup_ = nullptr;
    std::array<QRadioButton*, 3> debuggers_{};
    std::array<QCheckBox*, 4> ports_{};
    QLineEdit* text4_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace vantix::bootlam::ui
