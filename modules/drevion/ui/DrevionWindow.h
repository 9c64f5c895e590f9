#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "modules/common/Prompter.h"
#include "modules/drevion/DriveList.h"
#include "modules/drevion/DriveOptions.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeWidget;

namespace vantix::platform {
class Machine;
}

namespace vantix::drevion::ui {

// The drives module's main window: the drive list `ListView`, the drive tab
// (hiding, label, figures) and the system tab (file-system options, cache
// sliders, autostart). It turns controls into calls of the core.
class DrevionWindow : public QWidget {
    Q_OBJECT
public:
    enum Slider { MinCache, MaxCache, Files, Paths };

    DrevionWindow(platform::Machine& machine, DriveOptions& options,
                  std::optional<char> preselected, modules::Prompter* prompter = nullptr,
                  QWidget* parent = nullptr);
    ~DrevionWindow() override;

    QTreeWidget* listView() const { return list_; }
    QTabWidget* tabs() const { return tabs_; }
    QGroupBox* propertiesFrame() const { return propertiesFrame_; }
    QGroupBox* informationFrame() const { return informationFrame_; }
    QCheckBox* hideBox() const { return hide_; }
    QLineEdit* labelBox() const { return text2_; }
    QPushButton* storeNameButton() const { return storeName_; }
    QLineEdit* figure(int index) const { return figures_.at(static_cast<std::size_t>(index)); }
    QProgressBar* usedBar() const { return usedBar_; }
    QProgressBar* freeBar() const { return freeBar_; }
    QCheckBox* shortNamesBox() const { return shortNames_; }
    QCheckBox* longNamesBox() const { return longNames_; }
    QCheckBox* tildeBox() const { return tilde_; }
    QSlider* slider(Slider which) const { return sliders_[which]; }
    QLineEdit* sliderBox(Slider which) const { return sliderBoxes_[which]; }
    QCheckBox* autostartBox(int index) const {
        return autostart_.at(static_cast<std::size_t>(index));
    }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }

    // The letter of the selected drive; 0 when none is.
    char selectedDrive() const;
    void selectDrive(char letter);

    // The figures' order in figure().
    enum Figure { SectorsPerCluster, Clusters, BytesPerSector, FreeClusters, Used, Capacity, Free };

private:
    QWidget* buildDriveTab();
    QWidget* buildSystemTab();
    void fillList();
    void showDrive();
    void readSettings();
    SystemSettings settingsShown() const;
    void showSliderText(Slider which);
    void showRestartNotice();
    void onHideClicked(bool checked);
    void storeNewName();
    void apply();

    platform::Machine& machine_;
    DriveOptions& options_;
    std::unique_ptr<modules::Prompter> ownPrompter_;
    modules::Prompter* prompter_;
    std::vector<DriveEntry> drives_;
    SystemSettings read_;
    bool loading_ = false;

    QTreeWidget* list_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QGroupBox* propertiesFrame_ = nullptr;
    QGroupBox* informationFrame_ = nullptr;
    QCheckBox* hide_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* storeName_ = nullptr;
    std::array<QLineEdit*, 7> figures_{};
    QProgressBar* usedBar_ = nullptr;
    QProgressBar* freeBar_ = nullptr;
    QCheckBox* shortNames_ = nullptr;
    QCheckBox* longNames_ = nullptr;
    QCheckBox* tilde_ = nullptr;
    std::array<QSlider*, 4> sliders_{};
    std::array<QLineEdit*, 4> sliderBoxes_{};
    std::array<QCheckBox*, 4> autostart_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace vantix::drevion::ui
