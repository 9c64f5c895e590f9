#include "modules/drevion/ui/DrevionWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "modules/common/ModuleInfo.h"
#include "modules/common/ui/MessagePrompter.h"
#include "modules/drevion/ui/Form2.h"
#include "platform/drives/DriveInfo.h"

namespace vantix::drevion::ui {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QStyle::StandardPixmap pictureOf(int type) {
    switch (type) {
        case platform::drivetype::Removable:
            return QStyle::SP_DriveFDIcon;
        case platform::drivetype::Remote:
            return QStyle::SP_DriveNetIcon;
        case platform::drivetype::Cdrom:
            return QStyle::SP_DriveCDIcon;
        default:
            return QStyle::SP_DriveHDIcon;
    }
}

constexpr SliderRange kRanges[] = {kMinCacheRange, kMaxCacheRange, kFilesRange, kPathsRange};

}  // namespace

DrevionWindow::DrevionWindow(platform::Machine& machine, DriveOptions& options,
                             std::optional<char> preselected, modules::Prompter* prompter,
                             QWidget* parent)
    : QWidget(parent), machine_(machine), options_(options) {
    if (!prompter) ownPrompter_ = std::make_unique<modules::ui::MessagePrompter>(this);
    prompter_ = prompter ? prompter : ownPrompter_.get();
    setWindowTitle(q(std::string(modules::moduleInfo(modules::ModuleId::Drevion).windowCaption)));

    auto* header = new QLabel(QStringLiteral("Drive Options"), this);
    QFont big = header->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    header->setFont(big);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ListView"));
    list_->setHeaderLabels({QStringLiteral("Drive"), QStringLiteral("Type")});
    list_->setRootIsDecorated(false);
    list_->setMinimumWidth(280);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildDriveTab(), QStringLiteral("Drive"));
    tabs_->addTab(buildSystemTab(), QStringLiteral("System"));

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    apply_ = new QPushButton(QStringLiteral("&Apply"), this);
    ok_->setDefault(true);
    apply_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(apply_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_);
    middle->addWidget(tabs_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showDrive(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (apply_->isEnabled()) apply();
        close();
    });
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
    connect(apply_, &QPushButton::clicked, this, &DrevionWindow::apply);

    fillList();
    readSettings();
    if (preselected) selectDrive(*preselected);
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    showDrive();
}

DrevionWindow::~DrevionWindow() = default;

QWidget* DrevionWindow::buildDriveTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    propertiesFrame_ = new QGroupBox(page);
    auto* properties = new QVBoxLayout(propertiesFrame_);
    hide_ = new QCheckBox(QStringLiteral("Hide drive in My Computer"), propertiesFrame_);
    text2_ = new QLineEdit(propertiesFrame_);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaxLength(255);
    storeName_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                 QStringLiteral("Store new name"), propertiesFrame_);
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(new QLabel(QStringLiteral("Label:"), propertiesFrame_));
    labelRow->addWidget(text2_, 1);
    labelRow->addWidget(storeName_);
    properties->addWidget(hide_);
    properties->addLayout(labelRow);
    layout->addWidget(propertiesFrame_);

    informationFrame_ = new QGroupBox(page);
    auto* information = new QFormLayout(informationFrame_);
    const char* captions[] = {"Sectors per cluster:",
                              "No. of clusters:",
                              "Bytes per sector:",
                              "Free clusters:",
                              "Used:",
                              "Capacity:",
                              "Free:"};
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        figures_[i] = new QLineEdit(informationFrame_);
        figures_[i]->setReadOnly(true);
        figures_[i]->setAlignment(Qt::AlignRight);
        information->addRow(QString::fromLatin1(captions[i]), figures_[i]);
    }
    usedBar_ = new QProgressBar(informationFrame_);
    freeBar_ = new QProgressBar(informationFrame_);
    for (auto* bar : {usedBar_, freeBar_}) {
        bar->setRange(0, 1000);
        bar->setTextVisible(false);
    }
    information->addRow(QStringLiteral("Used space:"), usedBar_);
    information->addRow(QStringLiteral("Free space:"), freeBar_);
    layout->addWidget(informationFrame_);
    layout->addStretch();

    connect(hide_, &QCheckBox::clicked, this, &DrevionWindow::onHideClicked);
    connect(storeName_, &QPushButton::clicked, this, &DrevionWindow::storeNewName);
    return page;
}

QWidget* DrevionWindow::buildSystemTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* system = new QGroupBox(QStringLiteral(" System "), page);
    auto* systemLayout = new QVBoxLayout(system);
    shortNames_ =
        new QCheckBox(QStringLiteral("&Generate short filenames on NTFS partitions"), system);
    longNames_ = new QCheckBox(QStringLiteral("&Use long filenames on FAT partitions"), system);
    tilde_ =
        new QCheckBox(QStringLiteral("Store short filenames with &Tilde (~) character"), system);
    for (auto* box : {shortNames_, longNames_, tilde_}) {
        systemLayout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!loading_) apply_->setEnabled(true);
        });
    }
    layout->addWidget(system);

    auto* cache = new QGroupBox(QStringLiteral(" Cache "), page);
    auto* cacheLayout = new QFormLayout(cache);
    const char* captions[] = {"Min. HD cache:", "Max. HD cache:", "Files:", "Paths:"};
    for (int i = 0; i < 4; ++i) {
        auto* slider = new QSlider(Qt::Horizontal, cache);
        slider->setRange(kRanges[i].minimum, kRanges[i].maximum);
        slider->setSingleStep(16);
        slider->setPageStep(i < 2 ? 1024 : 256);
        auto* box = new QLineEdit(cache);
        box->setReadOnly(true);
        box->setMaximumWidth(90);
        box->setAlignment(Qt::AlignRight);
        sliders_[static_cast<std::size_t>(i)] = slider;
        sliderBoxes_[static_cast<std::size_t>(i)] = box;
        auto* row = new QHBoxLayout;
        row->addWidget(slider, 1);
        row->addWidget(box);
        cacheLayout->addRow(QString::fromLatin1(captions[i]), row);
        connect(slider, &QSlider::valueChanged, this, [this, i] {
            showSliderText(static_cast<Slider>(i));
            if (!loading_) apply_->setEnabled(true);
        });
    }
    layout->addWidget(cache);

    auto* autostart = new QGroupBox(QStringLiteral(" Disable autostart for: "), page);
    auto* autostartLayout = new QHBoxLayout(autostart);
    const char* boxes[] = {"&Removable", "&Harddisk", "&CD-ROM", "&RAM-Disk"};
    for (std::size_t i = 0; i < autostart_.size(); ++i) {
        autostart_[i] = new QCheckBox(QString::fromLatin1(boxes[i]), autostart);
        autostartLayout->addWidget(autostart_[i]);
        connect(autostart_[i], &QCheckBox::toggled, this, [this] {
            if (!loading_) apply_->setEnabled(true);
        });
    }
    layout->addWidget(autostart);
    layout->addStretch();
    return page;
}

void DrevionWindow::fillList() {
    drives_ = listDrives(machine_);
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const auto& drive : drives_) {
        auto* item = new QTreeWidgetItem(list_, {q(drive.text), q(drive.typeText)});
        item->setIcon(0, style()->standardIcon(pictureOf(drive.type)));
        item->setData(0, Qt::UserRole, QChar(drive.letter));
    }
}

char DrevionWindow::selectedDrive() const {
    const auto* item = list_->currentItem();
    return item ? static_cast<char>(item->data(0, Qt::UserRole).toChar().toLatin1()) : 0;
}

void DrevionWindow::selectDrive(char letter) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (list_->topLevelItem(i)->data(0, Qt::UserRole).toChar() == QChar(letter)) {
            list_->setCurrentItem(list_->topLevelItem(i));
            return;
        }
    }
}

void DrevionWindow::showDrive() {
    loading_ = true;
    const char letter = selectedDrive();
    const QString root = letter ? QStringLiteral("%1:\\ ").arg(QChar(letter)) : QString();
    propertiesFrame_->setTitle(QStringLiteral(" Properties of drive ") + root);
    informationFrame_->setTitle(QStringLiteral(" Drive Information ") + root);
    const auto entry = std::find_if(drives_.begin(), drives_.end(),
                                    [&](const auto& d) { return d.letter == letter; });
    const int type = entry == drives_.end() ? 0 : entry->type;
    const DriveDetails details = letter ? driveDetails(machine_, letter, type) : DriveDetails{};
    hide_->setEnabled(letter != 0);
    hide_->setChecked(letter && options_.isHidden(letter));
    text2_->setText(details.readable ? q(details.label) : QString::fromLatin1(kNoMedium));
    text2_->setEnabled(details.labelEditable);
    storeName_->setEnabled(details.labelEditable);
    const auto show = [&](Figure f, const QString& text) {
        figures_[f]->setText(details.readable ? text : QString());
    };
    show(SectorsPerCluster, QString::number(details.clusters.sectorsPerCluster));
    show(Clusters, QString::number(details.clusters.totalClusters));
    show(BytesPerSector, QString::number(details.clusters.bytesPerSector));
    show(FreeClusters, QString::number(details.clusters.freeClusters));
    show(Used, q(megabytesText(details.usedBytes())));
    show(Capacity, q(megabytesText(details.capacityBytes)));
    show(Free, q(megabytesText(details.freeBytes)));
    const bool bars = details.readable && details.capacityBytes > 0;
    usedBar_->setValue(bars ? static_cast<int>(details.usedBytes() * 1000 / details.capacityBytes)
                            : 0);
    freeBar_->setValue(bars ? static_cast<int>(details.freeBytes * 1000 / details.capacityBytes)
                            : 0);
    loading_ = false;
}

void DrevionWindow::readSettings() {
    loading_ = true;
    read_ = options_.read();
    shortNames_->setEnabled(read_.ntBoxes);
    longNames_->setEnabled(read_.ntBoxes);
    tilde_->setEnabled(read_.nineXBoxes);
    sliders_[MinCache]->setEnabled(read_.nineXBoxes);
    sliders_[MaxCache]->setEnabled(read_.nineXBoxes);
    shortNames_->setChecked(read_.generateShortNames);
    longNames_->setChecked(read_.longNamesOnFat);
    tilde_->setChecked(read_.tilde);
    const int values[] = {read_.minCache, read_.maxCache, read_.files, read_.paths};
    for (int i = 0; i < 4; ++i) {
        sliders_[static_cast<std::size_t>(i)]->setValue(values[i]);
        showSliderText(static_cast<Slider>(i));
    }
    autostart_[0]->setChecked(read_.autostart.removable);
    autostart_[1]->setChecked(read_.autostart.harddisk);
    autostart_[2]->setChecked(read_.autostart.cdrom);
    autostart_[3]->setChecked(read_.autostart.ramdisk);
    loading_ = false;
}

void DrevionWindow::showSliderText(Slider which) {
    const QString value = QString::number(sliders_[which]->value());
    sliderBoxes_[which]->setText(
        which == MinCache || which == MaxCache ? value + QStringLiteral(" KB") : value);
}

SystemSettings DrevionWindow::settingsShown() const {
    SystemSettings settings = read_;
    settings.generateShortNames = shortNames_->isChecked();
    settings.longNamesOnFat = longNames_->isChecked();
    settings.tilde = tilde_->isChecked();
    settings.minCache = sliders_[MinCache]->value();
    settings.maxCache = sliders_[MaxCache]->value();
    settings.files = sliders_[Files]->value();
    settings.paths = sliders_[Paths]->value();
    settings.autostart = {autostart_[0]->isChecked(), autostart_[1]->isChecked(),
                          autostart_[2]->isChecked(), autostart_[3]->isChecked()};
    return settings;
}

void DrevionWindow::showRestartNotice() {
    if (options_.notViewInfo()) return;
    Form2 notice(this);
    notice.exec();
    options_.setNotViewInfo(notice.doNotDisplay());
}

void DrevionWindow::onHideClicked(bool checked) {
    const char letter = selectedDrive();
    if (loading_ || !letter) return;
    showRestartNotice();
    if (!options_.setHidden(letter, checked)) {
        const QSignalBlocker blocker(hide_);
        hide_->setChecked(!checked);
        prompter_->inform("The drive setting could not be written.", "Error!");
    }
}

void DrevionWindow::storeNewName() {
    const char letter = selectedDrive();
    if (!letter) return;
    std::string reason;
    if (!options_.relabel(letter, text2_->text().toStdString(), &reason)) {
        prompter_->inform(reason, "Error!");
        return;
    }
    if (auto* item = list_->currentItem()) {
        const std::string label = text2_->text().toStdString();
        for (auto& drive : drives_) {
            if (drive.letter != letter) continue;
            drive.label = label;
            drive.text =
                driveText(letter, drive.type, label);  // " Drive C" again for an empty label
            item->setText(0, q(drive.text));
        }
    }
    showDrive();
}

void DrevionWindow::apply() {
    showRestartNotice();
    read_ = settingsShown();
    options_.apply(read_);
    apply_->setEnabled(false);
}

}  // namespace vantix::drevion::ui
